// The five-tone dialog's code grid edited in place (the floating editors,
// their keys and commits, the reset of a special call, scrolling), and the
// own-ID and PTT-ID code boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTextEdit>

#include "ChannelTestRecords.h"
#include "FiveToneTestCodes.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/Frm5Tone.h"

namespace {

using platform::Ctl;

// The composer replaced by an observer.
class NoComposerFrm5Tone : public Frm5Tone {
protected:
    void ShowSpecialCall() override {}
};

constexpr const char* kResetQuestion = "Reset Special Call of this channel,OK or Not?";

class Frm5ToneGridTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        Tone5().SelfID = "12345";
        Tone5().Tone5List[3] = UsedTone5Code("123", 0, 70, "Three");
        Tone5().Tone5List[4] = UsedTone5Code("456", 6, 80, "Four");
        Tone5().Tone5List[7] = UsedTone5Code("777", 0, 70, "Seven");
        Tone5().Tone5List[9] = UsedTone5Code("98765SelfID", 0, 70, "Ani");      // an ANI call
        Tone5().Tone5List[10] = UsedTone5Code("E6SelfID", 0, 90, "Ptt");        // a PTT-ID call
        Tone5().Tone5List[100] = UsedTone5Code("100", 0, 70, "Last");
    }
    static Tone5Data& Tone5() { return CurData.FunSet.Tone5; }
    static Tone5Code& Work(int row) { return TempFunSetData.Tone5.Tone5List[row]; }
    void Open() {
        f = std::make_unique<NoComposerFrm5Tone>();
        f->show();
        QApplication::setActiveWindow(f.get());
        ASSERT_TRUE(WaitFor([&] { return f->isActiveWindow(); }));
        // A click on the grid gives it the focus before it moves the cell.
        Grid()->setFocus(Qt::MouseFocusReason);
    }
    platform::Grid* Grid() const { return Ctl<platform::Grid>(f.get(), "MSHFlexGrid1"); }
    platform::TextBox* Box(const char* name, int i = -1) const { return Ctl<platform::TextBox>(f.get(), name, i); }
    platform::ComboBox* List(const char* name) const { return Ctl<platform::ComboBox>(f.get(), name); }
    std::string Cell(int r, int c) const { return Grid()->TextMatrix(r, c).toStdString(); }
    bool Shown(QWidget* w) const { return !w->isHidden(); }
    // Which floating editors are up, in column order.
    std::string Editors() const {
        std::string up;
        for (const char* e : {"Text3", "Combo2", "Combo3", "Text6"})
            if (Shown(static_cast<QWidget*>(platform::FindControl(f.get(), e)))) up += std::string(up.empty() ? "" : " ") + e;
        return up;
    }
    void Enter(QWidget* w) { Key(w, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); }
    void Go(int row, int col) { Grid()->SetCurrentCell(row, col); }
    std::pair<int, int> At() const { return {Grid()->Row(), Grid()->Col()}; }

    ProgramSandbox sandbox;
    std::unique_ptr<Frm5Tone> f;
};

TEST_F(Frm5ToneGridTest, EditorsOpenOverTheirCellWithTheCellsValue) {
    Open();
    EXPECT_EQ(Editors(), "") << "nothing open after the load";
    Go(4, 2);
    EXPECT_EQ(Editors(), "Text3");
    EXPECT_EQ(Box("Text3")->text(), "456");
    EXPECT_EQ(Box("Text3")->selectedText(), "456");
    EXPECT_TRUE(Box("Text3")->hasFocus());
    EXPECT_EQ(Box("Text3")->geometry().topLeft(),
              Grid()->mapTo(f.get(), Grid()->CellRect(4, 2).topLeft()));
    EXPECT_EQ(f->CurTone5Row, 4);
    EXPECT_EQ(f->CurTone5Col, 2);
    Go(4, 4);
    EXPECT_EQ(Editors(), "Combo3");
    EXPECT_EQ(List("Combo3")->Text(), "80");
    Go(4, 5);
    EXPECT_EQ(Editors(), "Text6");
    EXPECT_EQ(Box("Text6")->text(), "Four");
    Go(4, 0);
    EXPECT_EQ(Editors(), "") << "a fixed column gets no editor";
}

TEST_F(Frm5ToneGridTest, EnterWalksTheRowAndWrapsFromTheLastToTheFirst) {
    Open();
    Go(5, 2);
    Type(Box("Text3"), "11");
    Enter(Box("Text3"));
    EXPECT_EQ(At(), std::pair(5, 3)) << "a typed code goes on to its standard";
    EXPECT_EQ(Editors(), "Combo2");
    EXPECT_EQ(Work(5).Code.value(), "1E");
    EXPECT_EQ(Work(5).CodeLen, 2);
    EXPECT_EQ(Work(5).EmptyFlag, 0);
    EXPECT_EQ(Cell(5, 2), "1E");
    Enter(List("Combo2"));
    EXPECT_EQ(At(), std::pair(5, 4));
    Enter(List("Combo3"));
    EXPECT_EQ(At(), std::pair(6, 2)) << "the period goes on to the next row's code";
    EXPECT_EQ(Box("Text3")->text(), "");
    Enter(Box("Text3"));
    EXPECT_EQ(At(), std::pair(7, 2)) << "an empty code goes down";

    Go(100, 4);
    Enter(List("Combo3"));
    EXPECT_EQ(At(), std::pair(1, 2));
    Go(100, 2);
    Box("Text3")->clear();
    Enter(Box("Text3"));
    EXPECT_EQ(At(), std::pair(1, 2));
    EXPECT_EQ(Work(100).EmptyFlag, 1) << "the emptied code was committed on the way";
    Go(7, 5);
    Enter(Box("Text6"));
    EXPECT_EQ(At(), std::pair(8, 2)) << "the name goes on to the next row's code";
}

TEST_F(Frm5ToneGridTest, AnEmptiedCodeEmptiesTheEntryAndKeepsTheRest) {
    Open();
    Go(3, 2);
    Box("Text3")->clear();
    Go(2, 2);
    EXPECT_EQ(Work(3).CodeLen, 0);
    EXPECT_EQ(Work(3).EmptyFlag, 1);
    EXPECT_EQ(Work(3).Code.value(), "");
    EXPECT_EQ(Work(3).TonePeriod, 70);
    EXPECT_EQ(Work(3).Name.value(), "Three");
    EXPECT_EQ(Cell(3, 5), "Three");
}

TEST_F(Frm5ToneGridTest, RowsWithoutACodeAndSpecialCodesOpenNothing) {
    Open();
    Go(3, 5);
    Box("Text6")->setText("Renamed");
    Go(9, 2);
    EXPECT_EQ(Editors(), "Text6") << "the code of a special call opens nothing";
    EXPECT_EQ(Cell(3, 5), "Three") << "and commits nothing";
    Go(20, 3);
    EXPECT_EQ(Cell(3, 5), "Renamed") << "a row without a code commits the open cell";
    EXPECT_EQ(Editors(), "Text6") << "but opens no editor";
    EXPECT_EQ(f->CurTone5Row, 3);
    Go(10, 4);
    EXPECT_EQ(Editors(), "Combo3") << "a PTT-ID call has a period to edit";
    EXPECT_EQ(List("Combo3")->Text(), "90");
}

TEST_F(Frm5ToneGridTest, OnlyAPickedStandardProposesItsPeriod) {
    Open();
    Go(7, 3);
    ASSERT_EQ(List("Combo2")->Text(), "ZVEI1");
    Go(4, 3);
    EXPECT_EQ(List("Combo2")->Text(), "CCIR1");
    EXPECT_EQ(Cell(4, 4), "80") << "placing the editor keeps the row's period";
    EXPECT_EQ(Work(4).TonePeriod, 80);
    EXPECT_EQ(Ctl<QTextEdit>(f.get(), "Text1")->toPlainText().split('\n').at(0), "CCIR1");

    Go(3, 3);
    List("Combo2")->SetListIndex(6);  // CCIR1
    EXPECT_EQ(Cell(3, 4), "100") << "a pick proposes the standard's period at once";
    EXPECT_EQ(Work(3).TonePeriod, 100);
    EXPECT_EQ(Work(3).Standard, 0) << "the standard waits for the commit";
    Go(3, 5);
    EXPECT_EQ(Work(3).Standard, 6);
    EXPECT_EQ(Cell(3, 3), "CCIR1");
}

TEST_F(Frm5ToneGridTest, ADoubleClickResetsASpecialCallAfterTheQuestion) {
    Open();
    ASSERT_EQ(Cell(9, 1), "ANI");
    Go(9, 2);
    sandbox.prompts.expect(kResetQuestion, platform::Buttons::OkCancel, platform::Answer::Cancel);
    emit Grid()->DblClick();
    EXPECT_EQ(Cell(9, 1), "ANI");
    EXPECT_EQ(Cell(9, 2), "98765");
    EXPECT_EQ(Work(9).CodeLen, 10) << "the own ID took the placeholder's place";
    EXPECT_EQ(Editors(), "");

    sandbox.prompts.expect(kResetQuestion, platform::Buttons::OkCancel, platform::Answer::Ok);
    emit Grid()->DblClick();
    EXPECT_EQ(Cell(9, 1), "");
    EXPECT_EQ(Cell(9, 2), "");
    EXPECT_EQ(Work(9).CodeLen, 0);
    EXPECT_EQ(Work(9).Code.value(), "");
    EXPECT_EQ(Work(9).Name.value(), "Ani");
    EXPECT_EQ(Editors(), "Text3") << "the empty code editor opens over the cell";
    EXPECT_EQ(Box("Text3")->text(), "");
    Go(9, 5);
    EXPECT_EQ(Work(9).EmptyFlag, 1);

    // Ordinary codes and other columns ask nothing (an unexpected question fails).
    Go(3, 2);
    emit Grid()->DblClick();
    Go(10, 3);
    emit Grid()->DblClick();
    EXPECT_TRUE(sandbox.prompts.allAnswered());
}

TEST_F(Frm5ToneGridTest, AScrollCommitsAndHidesAllButTheNameEditor) {
    Open();
    Go(4, 2);
    Box("Text3")->setText("11");
    emit Grid()->Scroll();
    EXPECT_EQ(Work(4).Code.value(), "1E");
    EXPECT_EQ(Editors(), "");
    EXPECT_EQ(f->CurTone5Row, 4) << "the open cell stays recorded";
    emit Grid()->Click();
    EXPECT_EQ(Editors(), "") << "a click on the same cell opens nothing";

    // The hidden code editor is ended by the Special button, so OK cannot
    // overwrite what the composer writes.
    f->Command1_Click();
    EXPECT_EQ(f->CurTone5Row, 0);
    Work(4).Code = "E6SelfID";
    Grid()->SetTextMatrix(4, 2, "");
    f->Save5ToneCell(f->CurTone5Row, f->CurTone5Col);
    EXPECT_EQ(Work(4).Code.value(), "E6SelfID");

    Go(7, 5);
    emit Grid()->Scroll();
    EXPECT_EQ(Editors(), "Text6");
}

TEST_F(Frm5ToneGridTest, EditorsAndCodeBoxesFilterTheirCharacters) {
    Open();
    QApplication::clipboard()->setText("12");
    Go(20, 2);
    Type(Box("Text3"), "aG-f9");
    Key(Box("Text3"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box("Text3")->text(), "AF9");
    Go(3, 5);
    Box("Text6")->clear();
    Type(Box("Text6"), "a\\b~c");
    EXPECT_EQ(Box("Text6")->text(), "abc");

    QApplication::clipboard()->setText("a-G1");
    for (int i : {0, 1}) {
        platform::TextBox* ptt = Box("Text4", i);
        ptt->setFocus();
        ptt->clear();
        Type(ptt, "aG");
        Key(ptt, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(ptt->text(), "A") << i;
        ptt->PasteFiltered();
        EXPECT_EQ(ptt->text(), "AA1") << "pasted text is filtered too";
    }
    platform::TextBox* own = Box("Text2");
    own->setFocus();
    own->selectAll();
    Type(own, "x12");
    EXPECT_EQ(own->text(), "12");
}

TEST_F(Frm5ToneGridTest, APTTIDCodeTakesItsStoredFormOnLeaving) {
    Open();
    platform::TextBox* ptt = Box("Text4", 0);
    ptt->setFocus();
    ptt->setText("1122");
    Box("Text4", 1)->setFocus();
    EXPECT_EQ(ptt->text(), "1E2E");
    Box("Text4", 1)->setText("12");
    ptt->setFocus();
    EXPECT_EQ(Box("Text4", 1)->text(), "12");
}

TEST_F(Frm5ToneGridTest, AShortOwnIDIsRefusedAndKeepsTheFocus) {
    Open();
    platform::TextBox* own = Box("Text2");
    own->setFocus();
    own->setText("1234");
    sandbox.prompts.expect(GetMsgText("900C"), platform::Buttons::Ok, platform::Answer::Ok);
    Key(own, Qt::Key_Tab);
    EXPECT_TRUE(WaitFor([&] { return own->hasFocus(); }));
    EXPECT_EQ(own->text(), "1234");
    EXPECT_EQ(TempFunSetData.Tone5.SelfID.value(), "12345");
    EXPECT_TRUE(sandbox.prompts.allAnswered());

    // Cancel always works.
    Ctl<QPushButton>(f.get(), "CommandCancel")->setFocus(Qt::MouseFocusReason);
    Ctl<QPushButton>(f.get(), "CommandCancel")->click();
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(Frm5ToneGridTest, LeavingAFullOwnIDForCancelStillSavesTheDecodeTime) {
    CurData.Tone5DecodeTime = 2;
    const FunSetData before = CurData.FunSet;
    Open();
    platform::TextBox* own = Box("Text2");
    own->setFocus();
    ASSERT_TRUE(WaitFor([&] { return own->hasFocus(); }));
    Ctl<platform::ComboBox>(f.get(), "Combo1", 11)->SetListIndex(9);
    QPushButton* cancel = Ctl<QPushButton>(f.get(), "CommandCancel");
    cancel->setFocus(Qt::MouseFocusReason);
    cancel->click();
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_EQ(CurData.Tone5DecodeTime, 9) << "the save step ran as the own ID was left";
    EXPECT_EQ(CurData.FunSet, before) << "the rest of the working copy is dropped";
}

TEST_F(Frm5ToneGridTest, AnAcceptedOwnIDCommitsTheCodeEditorAndRewritesTheCodes) {
    Tone5().PTTIDBegin.Code = "E612345";
    Tone5().PTTIDBegin.CodeLen = 7;
    Open();
    ASSERT_EQ(Box("Text4", 0)->text(), "E612345");
    Go(5, 2);
    Type(Box("Text3"), "11");
    platform::TextBox* own = Box("Text2");
    own->setFocus();
    own->setText("54321");
    Grid()->setFocus();
    EXPECT_EQ(TempFunSetData.Tone5.SelfID.value(), "54321");
    EXPECT_EQ(TempFunSetData.Tone5.SelfID.raw(), "54321 ");
    EXPECT_EQ(Work(5).Code.value(), "1E") << "the open code was committed first";
    EXPECT_EQ(Editors(), "");
    EXPECT_EQ(f->CurTone5Row, 0);
    EXPECT_EQ(Work(9).Code.value(), "9876554321");
    EXPECT_EQ(Cell(9, 1), "ANI");
    EXPECT_EQ(Box("Text4", 0)->text(), "E654321");

    // Leaving it unchanged saves and shows again all the same.
    Grid()->SetTextMatrix(3, 5, "Shown");
    own->setFocus();
    Grid()->setFocus();
    EXPECT_EQ(Work(3).Name.value(), "Shown");
    EXPECT_EQ(Cell(3, 5), "Shown");
}

}  // namespace
