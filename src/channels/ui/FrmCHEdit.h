#pragma once
// The single-channel dialog: channel CurCHNo of the list CHListType in full.
// Constructing it is its whole load (captions, lists, the channel shown), so
// a dialog that is never shown can be read by name and index as the printed
// report does. OK stores the channel (or deletes it when the receive box was
// emptied), redraws its row and repairs the channel references; Cancel
// writes nothing.
//
// Controls (names and indexes as the report reads them): Label1(0..3),
// Text1(0..10), Label2(0..16), Combo1(0..16), Combo2, Combo3(0..3),
// Combo4(0..2), Check1, Check2(0..1), Check3, Check4(0..1), Check5, Check6,
// Check7, Frame1, Label3, Label4, Text2, Text3, CommandOK, CommandCancel.
#include <cstdint>
#include <string_view>

#include <QDialog>

#include "core/ChannelRecord.h"

class FrmCHEdit : public QDialog {
public:
    explicit FrmCHEdit(QWidget* parent = nullptr);

    // Controls to record: change channel n of the current list, or add it.
    void ModifyUFreData(int16_t& n);
    void AddNewUFreData(int16_t& n);

    void CommandOK_Click();
    void CommandCancel_Click();
    // Every way the dialog closes runs the unload.
    void done(int result) override;

    void LoadCHEditData();
    void ShowCHNameBox(bool visible);
    void ShowCHEditData();
    void EnableCHEdit();
    void DisableCHEdit();
    void CheckAMEnable(std::string_view rxText);

private:
    void Form_Load();
    void Form_Unload();
    void ChangCHEditByLanguage();
    void InitCHEditList();
    void ReShowSquelchList();
    void ConnectRules();
    void SetUpBoxes();

    void Check4_Click(int index);
    void Combo1_Click(int index);
    void Text1_Change(int index);
    void Text1_LostFocus(int index);
    void Text3_LostFocus();

    // The value controls in the order the enable and disable rules walk them.
    void SwitchValueControls(bool enable);
    // OK's conversion from controls to record, shared by both methods.
    void ControlsToRecord(UFreData& ch, int16_t n);
};
