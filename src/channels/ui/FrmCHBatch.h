#pragma once
// The batch channel editor: one Apply writes the chosen values into a range
// of normal channels, stepping frequencies, tones and names from channel to
// channel. Two panels share one place: the value panel Frame1, where the
// values are typed and picked, and the edit-item panel Frame2, where the
// boxes Check2(0..20) choose which channel fields a batch writes (kept in
// BatchFun.ini). Loading fills every caption, list and value; nothing but
// the edit-item flags outlives the dialog.
//
// Controls (see the table in FrmCHBatch.cpp): Label1, Option1(0..1),
// Text1(0..1), Label2, Check4, CommandFun, CommandApply, CommandClose,
// Frame1 with Label3(0..15), Label4(0..9), Text2(0..11), Option2..Option10
// (pairs and the triple Option3(0..2)) in Frame3(0..8), Check3(0..2),
// Combo1(0..14), Check1(0..5), Label5, Text3, Line1; Frame2 with
// Check2(0..20), CommandSelAll, CommandSelNone.
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "channels/BatchApply.h"

class FrmCHBatch : public QDialog {
public:
    explicit FrmCHBatch(QWidget* parent = nullptr);

    // The dialog's interface, in its order.
    void InitShowList();
    void ChangShowByLanguage();
    void ShowBatchFun();
    void SetShowData();
    std::string DefaultData(const std::string& data, const std::string& def) const;
    Fre StepDataFre(Fre f, bool isRx) const;
    std::string StepDataFree(const std::string& mhz) const;
    std::string StepData(const std::string& khz) const;

    // Event rules; each also runs for the program's own changes.
    void Check2_Click(int index);
    void Check3_Click(int index);
    void Combo1_Click(int index);
    void Option1_Click(int index);
    void Option3_Click(int index);
    void Option6_Click(int index);
    void Text1_Change(int index);
    void Text2_Change(int index);
    void Text2_LostFocus(int index);
    void Text3_LostFocus();
    void CommandFun_Click();
    void CommandApply_Click();
    void CommandClose_Click();
    void CommandSelAll_Click();
    void CommandSelNone_Click();

    // True while the edit-item panel is shown.
    bool PanelFlag() const { return panelFlag_; }
    // Puts another random source in place of the clock-seeded one.
    void SetRandomSource(std::unique_ptr<BatchRandom> random) { random_ = std::move(random); }

private:
    void Form_Load();
    void Connect();
    void ShowPanel();
    void SetBoxesOfGroup(int value);
    BatchRequest ReadRequest() const;

    bool panelFlag_ = false;
    std::vector<std::string> toneItems_;
    std::unique_ptr<BatchRandom> random_;
};
