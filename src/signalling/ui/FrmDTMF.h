#pragma once
// The DTMF dialog: the DTMF block of the working data (CurData.FunSet.DTMF)
// edited in its controls, which are the working state while it is open.
// Constructing it is its whole load, so a dialog that is never shown can be
// read by name and index as the printed report does; the load writes its
// corrections of out-of-range values into the block at once, and they stay
// when the dialog is cancelled.
//
// OK refuses equal kill and stun codes; otherwise it hides the dialog at
// once and arms the commit timer, whose first tick writes every control
// into the block and closes the dialog. Nothing can cancel an accepted OK.
//
// Controls (names and indexes as the report and the composer read them):
// Frame1 with Label1(0..15), Text2(0..15), Label2, CommandSpecial;
// Label3(0..12) with Combo1(0..12) (Label3(4) is the caption of Text3;
// Combo1(0), (1) and (3) with their captions hidden, Combo1(4) parked);
// Text3 (own ID); Check1 (side tone); Label1(16..19) with Text2(16..19)
// (PTT-ID begin and end, kill, stun); CommandOK, CommandCancel; parked:
// Frame2 with Text1, and SSTab1 with SSTab1Page(0..2).
#include <memory>

#include <QDialog>

#include "platform/ReplyTimer.h"
#include "signalling/DTMFEdit.h"

class FrmDTMF : public QDialog {
public:
    // `okTimer`: the commit timer; nullptr gives the real 50 ms one.
    explicit FrmDTMF(QWidget* parent = nullptr, std::unique_ptr<platform::ReplyTimer> okTimer = nullptr);
    ~FrmDTMF() override;

    // The code box Text2(0..19) that last had the focus; 0 after the load.
    int CurDTMFEditID() const { return curDTMFEditID_; }

    void Combo1_Click(int index);
    void Text2_GotFocus(int index);
    void Text3_LostFocus();
    void CommandSpecial_Click();
    void CommandOK_Click();
    void OKTimer_Timer();
    void CommandCancel_Click();

    // Between an accepted OK and its commit.
    bool CommitPending() const { return commitPending_; }
    // Deletes the dialog at once, or after the commit still pending.
    void DeleteAfterCommit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void InitDTMFShow();
    void ShowDTMFData();
    DTMFControls ReadControls() const;
    void SetUpBoxes();
    void ConnectRules();

    int curDTMFEditID_ = 0;
    std::unique_ptr<platform::ReplyTimer> okTimer_;
    bool commitPending_ = false;
    bool deleteAfterCommit_ = false;
};

// Shows the dialog modally for the main window. An accepted OK hides it and
// ends the modal run; the dialog then lives until its commit.
void ShowFrmDTMF();
