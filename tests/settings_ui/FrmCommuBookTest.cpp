// The contact book dialog: its load, the floating editor and what a cell
// stores, import and export of contact-book files, and the sort that every
// close ends with.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "core/Defaults.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"
#include "settings/CommuBookEdit.h"
#include "settings/ui/FrmCommuBook.h"

namespace {

using namespace std::string_literals;
using platform::Ctl;

class FrmCommuBookTest : public testing::Test {
protected:
    void SetUp() override {
        InitCommuBook();
        BookFileName = "new.cb";
    }
    static void Entry(int i, std::string_view callID, std::string_view name) {
        CommuBookItem& e = CurData.CommuBook[static_cast<std::size_t>(i)];
        StoreBookField(e, kBookCallIDCol, callID);
        StoreBookField(e, kBookNameCol, name);
    }
    FrmCommuBook& Open() {
        dialog = std::make_unique<FrmCommuBook>();
        grid = Ctl<platform::Grid>(dialog.get(), "MSFlexGrid1");
        return *dialog;
    }
    void Show() {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
    }
    platform::TextBox* Editor() { return Ctl<platform::TextBox>(dialog.get(), "Text1"); }
    bool EditorOpen() { return platform::IsShown(Editor()); }
    bool EditorOverCell(int row, int col) {
        QWidget* editor = Editor();
        const QRect cell = grid->CellRect(row, col);
        const QPoint at = editor->parentWidget()->mapFrom(dialog.get(), grid->mapTo(dialog.get(), cell.topLeft()));
        return editor->geometry() == QRect(at, cell.size());
    }
    std::string Cell(int row, int col) { return platform::TextBytes(grid->TextMatrix(row, col)); }
    // Opens the editor over (row, col) and types `keys` over its text.
    void Edit(int row, int col, const QString& keys) {
        grid->SetCurrentCell(row, col);
        Editor()->selectAll();
        Type(Editor(), keys);
    }
    const CommuBookItem& Copy(int i) { return dialog->BookFileData()[static_cast<std::size_t>(i)]; }
    // A press and release of the left button at `at` on `w`.
    static void MouseClick(QWidget* w, QPoint at) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        }
    }
    // Clicks the number (fixed column 0) of grid row `row`.
    void ClickNumber(int row) {
        QHeaderView* numbers = grid->verticalHeader();
        const int section = row - grid->FixedRows();
        const int y = numbers->sectionViewportPosition(section) + numbers->sectionSize(section) / 2;
        MouseClick(numbers->viewport(), {numbers->viewport()->width() / 2, y});
    }
    // Clicks the middle of cell (row, col), which scrolls.
    void ClickCell(int row, int col) {
        const QRect cell = grid->CellRect(row, col);
        MouseClick(grid->viewport(), grid->viewport()->mapFrom(grid, cell.center()));
    }
    void Click(const char* button) { Ctl<QPushButton>(dialog.get(), button)->click(); }

    ProgramSandbox sandbox;
    std::unique_ptr<FrmCommuBook> dialog;
    platform::Grid* grid = nullptr;
};

TEST_F(FrmCommuBookTest, LoadShowsEveryEntryByItsPlace) {
    Entry(0, "123", "ABC");
    Entry(99, "12345", "ABCDEFG");
    CurData.CommuBook[5].No = 42;  // the grid shows the place, not the number
    const RadioData before = CurData;
    FrmCommuBook& f = Open();
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(f.FormLoaded);
    EXPECT_EQ(f.CurBookEditRow, 0);
    EXPECT_EQ(f.CurBookEditCol, 0);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(f.windowTitle(), platform::Lang(1800));
    EXPECT_EQ(grid->Rows(), 101);
    EXPECT_EQ(grid->Cols(), 3);
    EXPECT_EQ(grid->TextMatrix(0, 0), platform::Lang(3007));
    EXPECT_EQ(grid->TextMatrix(0, 1), "Call ID");
    EXPECT_EQ(grid->TextMatrix(0, 2), platform::Lang(1801));
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandInput")->text(), platform::Lang(1802));
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandOutput")->text(), platform::Lang(1803));
    EXPECT_EQ(Ctl<QPushButton>(&f, "CommandOK")->text(), platform::Lang(101));
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid->CellForeColor(0, c), QColor(0, 0, 155)) << c;
    EXPECT_EQ(grid->CellForeColor(57, 0), QColor(0, 0, 255));
    EXPECT_EQ(grid->ColWidthTwips(2), 1500);
    EXPECT_EQ(Cell(1, 0), "0");
    EXPECT_EQ(Cell(1, 1), "123");
    EXPECT_EQ(Cell(1, 2), "ABC");
    EXPECT_EQ(Cell(6, 0), "5");
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(100, 0), "99");
    EXPECT_EQ(Cell(100, 1), "12345");
    EXPECT_EQ(Cell(100, 2), "ABCDEFG");
    EXPECT_EQ(CurData, before) << "a load changes nothing";
}

TEST_F(FrmCommuBookTest, TheEditorFloatsOverItsCellAndCommitsOnTheNextMove) {
    Entry(4, "777", "OLD");
    FrmCommuBook& f = Open();
    Show();
    Edit(5, 1, "12a4");
    EXPECT_TRUE(EditorOverCell(5, 1));
    EXPECT_EQ(Editor()->text(), "124");
    EXPECT_EQ(Editor()->TypingLimit(), 5);
    EXPECT_EQ(Copy(4).CallID.value(), "777") << "nothing is stored before the editor leaves its cell";
    Edit(5, 2, "ab-c d");
    EXPECT_EQ(Copy(4).CallID.raw(), "124\0 "s);
    EXPECT_EQ(Cell(5, 1), "124");
    EXPECT_TRUE(EditorOverCell(5, 2));
    EXPECT_EQ(Editor()->TypingLimit(), 7);
    EXPECT_EQ(Editor()->text(), "ABC D");
    Type(Editor(), "EFGH");
    EXPECT_EQ(Editor()->text(), "ABC DEF") << "seven characters at most";

    // Clicking the cell being edited does nothing; a fixed cell closes the editor.
    f.MSFlexGrid1_Click();
    EXPECT_EQ(Copy(4).Name.value(), "OLD");
    grid->SetCurrentCell(5, 0);
    EXPECT_EQ(Copy(4).Name.raw(), "ABC DEF");
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(f.CurBookEditCol, 0);

    // Cleared fields.
    Edit(5, 1, "");
    Editor()->clear();
    Edit(5, 2, "");
    Editor()->clear();
    grid->SetCurrentCell(6, 1);
    EXPECT_EQ(Copy(4).CallID.raw(), "\0\0   "s);
    EXPECT_EQ(Copy(4).Name.raw(), "\0      "s);
    EXPECT_EQ(Cell(5, 1), "");
    EXPECT_EQ(Cell(5, 2), "");
    EXPECT_EQ(Copy(4).No, 4);
}

TEST_F(FrmCommuBookTest, AClickOnAnEntrysNumberCommitsTheEditAndClosesTheEditor) {
    Entry(4, "777", "OLD");
    Entry(7, "888", "EIGHT");
    FrmCommuBook& f = Open();
    Show();
    ClickCell(5, 2);
    ASSERT_TRUE(EditorOpen());
    ASSERT_TRUE(EditorOverCell(5, 2));
    Editor()->selectAll();
    Type(Editor(), "new");
    ClickNumber(8);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Copy(4).Name.raw(), "NEW\0   "s);
    EXPECT_EQ(Cell(5, 2), "NEW");
    EXPECT_EQ(Copy(7).Name.value(), "EIGHT");
    EXPECT_EQ(f.CurBookEditRow, 8);
    EXPECT_EQ(f.CurBookEditCol, 0);
    EXPECT_TRUE(grid->hasFocus());

    // Another number commits nothing further; the cell edited last opens again.
    Editor()->setText("XYZ");
    ClickNumber(2);
    EXPECT_EQ(Copy(4).Name.value(), "NEW");
    EXPECT_EQ(Copy(1).Name.value(), "");
    ClickCell(5, 2);
    EXPECT_TRUE(EditorOpen());
    EXPECT_TRUE(EditorOverCell(5, 2));
    EXPECT_EQ(Editor()->text(), "NEW");
}

TEST_F(FrmCommuBookTest, TabGoesRoundTheDialogAndReachesTheEditorLastWhileItIsShown) {
    Open();
    Show();
    // Tab from each control in turn, as the focus lands, until it wraps.
    const auto chainFrom = [&](QWidget* first) {
        std::vector<std::string> names;
        QWidget* at = first;
        first->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(WaitFor([&] { return first->hasFocus(); }));
        for (int i = 0; i < 8; ++i) {
            Key(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            names.push_back(at ? platform::ControlName(at) : "");
            if (at == first) break;
        }
        return names;
    };
    QWidget* input = Ctl<QPushButton>(dialog.get(), "CommandInput");
    EXPECT_EQ(chainFrom(input), (std::vector<std::string>{"CommandOutput", "CommandOK", "CommandCancel",
                                                          "MSFlexGrid1", "CommandInput"}));
    ClickCell(3, 1);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(chainFrom(input), (std::vector<std::string>{"CommandOutput", "CommandOK", "CommandCancel", "Text1",
                                                          "MSFlexGrid1", "CommandInput"}));
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(3, 1)) << "Tab moved no cell";
    EXPECT_TRUE(EditorOverCell(3, 1));
}

// Tab and Shift+Tab are the dialog's, whatever cell is current; only the
// arrow keys move from cell to cell.
TEST_F(FrmCommuBookTest, TabLeavesTheGridAndArrowsMoveInIt) {
    FrmCommuBook& f = Open();
    Show();
    // The control a key in the focused grid leaves the focus on.
    const auto from = [&](int key, Qt::KeyboardModifiers mods) {
        grid->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
        Key(grid, key, mods);
        QWidget* at = QApplication::focusWidget();
        return at ? platform::ControlName(at) : "";
    };

    // Nothing edited yet.
    EXPECT_EQ(from(Qt::Key_Tab, Qt::NoModifier), "CommandInput");
    EXPECT_EQ(from(Qt::Key_Backtab, Qt::ShiftModifier), "CommandCancel");
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(f.CurBookEditRow, 0);

    // An edit left with Enter: the editor stays open over its cell, the edit
    // pending, and comes before the grid in the order.
    Edit(2, 2, "NEW");
    Key(Editor(), Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    EXPECT_EQ(from(Qt::Key_Tab, Qt::NoModifier), "CommandInput");
    EXPECT_EQ(from(Qt::Key_Backtab, Qt::ShiftModifier), "Text1");
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(2, 2));
    EXPECT_TRUE(EditorOverCell(2, 2));
    EXPECT_EQ(Editor()->text(), "NEW");
    EXPECT_EQ(Copy(1).Name.value(), "");

    // The arrows commit the pending edit and open the editor on the cell they
    // reach.
    grid->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    Key(grid, Qt::Key_Left);
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(2, 1));
    EXPECT_EQ(Copy(1).Name.value(), "NEW");
    EXPECT_TRUE(EditorOverCell(2, 1));
    grid->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(3, 1));
    EXPECT_TRUE(EditorOverCell(3, 1));
}

TEST_F(FrmCommuBookTest, PastedTextMeetsTheColumnsRule) {
    Open();
    Show();
    grid->SetCurrentCell(3, 1);
    Editor()->selectAll();
    Editor()->InsertAdmitted("9x8 7-65");
    EXPECT_EQ(Editor()->text(), "98765");
    grid->SetCurrentCell(3, 2);
    Editor()->selectAll();
    Editor()->InsertAdmitted("ab~c\\d");
    EXPECT_EQ(Editor()->text(), "ABCD");
}

TEST_F(FrmCommuBookTest, EnterGivesTheGridTheFocusWithoutCommitting) {
    FrmCommuBook& f = Open();
    Show();
    Edit(2, 2, "NEW");
    ASSERT_TRUE(WaitFor([&] { return Editor()->hasFocus(); }));
    Key(Editor(), Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return grid->hasFocus(); }));
    EXPECT_EQ(Copy(1).Name.value(), "");
    EXPECT_EQ(f.CurBookEditRow, 2);
    f.CommandOK_Click();
    EXPECT_EQ(CurData.CommuBook[1].Name.value(), "NEW") << "OK commits it";
}

TEST_F(FrmCommuBookTest, OKStoresTheEditsAndEveryCloseSorts) {
    Entry(0, "", "A");
    Entry(1, "", "B");
    Entry(2, "5", "C");
    {
        FrmCommuBook& f = Open();
        Edit(4, 1, "3");
        f.CommandCancel_Click();
        EXPECT_EQ(f.result(), QDialog::Rejected);
    }
    EXPECT_EQ(CurData.CommuBook[0].Name.value(), "C") << "Cancel sorts the book as it stood";
    EXPECT_EQ(CurData.CommuBook[1].Name.value(), "B");
    EXPECT_EQ(CurData.CommuBook[2].Name.value(), "A");
    for (int i = 0; i < kCommuBookSize; ++i) {
        EXPECT_EQ(CurData.CommuBook[static_cast<std::size_t>(i)].No, i);
        EXPECT_NE(CurData.CommuBook[static_cast<std::size_t>(i)].CallID.value(), "3") << "Cancel dropped the edit";
    }

    FrmCommuBook& f = Open();
    Edit(4, 1, "3");
    f.CommandOK_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(CurData.CommuBook[0].CallID.raw(), "3\0   "s);
    EXPECT_EQ(CurData.CommuBook[1].CallID.value(), "5");
    EXPECT_EQ(CurData.CommuBook[1].Name.value(), "C");
    EXPECT_EQ(CurData.CommuBook[1].No, 1);
}

TEST_F(FrmCommuBookTest, ABookThatCannotBeSortedStillCloses) {
    Entry(0, "12", "X");
    Entry(1, "1G", "Y");  // from a damaged file: G is no hexadecimal digit
    const auto before = CurData.CommuBook;
    FrmCommuBook& f = Open();
    f.CommandOK_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(CurData.CommuBook, before) << "left unsorted, nothing lost";
    EXPECT_TRUE(sandbox.prompts.asked().empty());
}

TEST_F(FrmCommuBookTest, ExportAndImportRoundTrip) {
    Entry(0, "123", "ABC");
    Entry(7, "99", "ZED");
    const std::string path = sandbox.file("book.cb");
    FrmCommuBook& f = Open();
    Edit(2, 2, "TYPED");  // an open edit goes out with the export
    sandbox.fileDialogs.expectSave(path);
    Click("CommandOutput");
    EXPECT_EQ(BookFileName, path);
    const std::string bytes = sandbox.read("book.cb");
    ASSERT_EQ(bytes.size(), 1400U);
    EXPECT_EQ(bytes.substr(0, 14), "\x00\x00" "123\x00 " "ABC\x00   "s);
    EXPECT_EQ(bytes.substr(14 + 7, 7), "TYPED\x00 "s);
    EXPECT_FALSE(sandbox.fileDialogs.asked().back().request.confirmOverwrite);
    EXPECT_EQ(sandbox.fileDialogs.asked().back().request.initialName, "new.cb");
    f.CommandCancel_Click();

    InitCommuBook();
    FrmCommuBook& g = Open();
    sandbox.fileDialogs.expectOpen(path);
    Click("CommandInput");
    EXPECT_EQ(sandbox.fileDialogs.asked().back().request.initialName, "") << "a fresh visit starts with no name";
    EXPECT_EQ(Cell(1, 1), "123");
    EXPECT_EQ(Cell(2, 2), "TYPED");
    EXPECT_EQ(CurData.CommuBook[0].CallID.value(), "") << "only OK takes the import";
    g.CommandOK_Click();
    EXPECT_EQ(CurData.CommuBook[0].CallID.value(), "123");
    EXPECT_EQ(CurData.CommuBook[1].CallID.value(), "99");
    EXPECT_EQ(CurData.CommuBook[1].Name.value(), "ZED");
    int typed = 0;
    for (const CommuBookItem& e : CurData.CommuBook) typed += e.Name.value() == "TYPED";
    EXPECT_EQ(typed, 1);
}

TEST_F(FrmCommuBookTest, TheFileDialogsStartFromTheLastNameOfTheVisit) {
    const std::string path = sandbox.write("a.cb", std::string(1400, '\0'));
    Open();
    sandbox.fileDialogs.expectOpen(std::nullopt);
    Click("CommandInput");
    sandbox.fileDialogs.expectOpen(path);
    Click("CommandInput");
    sandbox.fileDialogs.expectOpen(std::nullopt);
    Click("CommandInput");
    BookFileName = "other.cb";
    sandbox.fileDialogs.expectSave(std::nullopt);
    Click("CommandOutput");
    sandbox.fileDialogs.expectOpen(std::nullopt);
    Click("CommandInput");
    std::vector<std::string> names;
    for (const auto& asked : sandbox.fileDialogs.asked()) names.push_back(asked.request.initialName);
    EXPECT_EQ(names, (std::vector<std::string>{"", "", path, "other.cb", "other.cb"}));
    EXPECT_EQ(BookFileName, "other.cb") << "a cancelled dialog changes nothing";
    EXPECT_TRUE(sandbox.fileDialogs.allAnswered());
}

TEST_F(FrmCommuBookTest, AFailedImportKeepsTheBookAndSaysSo) {
    Entry(0, "123", "ABC");
    Open();
    const std::string missing = sandbox.file("missing.cb");
    const std::string shortFile = sandbox.write("short.cb", std::string(1000, 'x'));
    for (const std::string& path : {missing, shortFile, sandbox.path()}) {
        sandbox.fileDialogs.expectOpen(path);
        sandbox.prompts.expect("file error.", platform::Buttons::Ok, platform::Answer::Ok);
        Click("CommandInput");
        EXPECT_TRUE(sandbox.prompts.allAnswered()) << path;
        EXPECT_EQ(Copy(0).CallID.value(), "123") << path;
        EXPECT_EQ(Cell(1, 1), "123") << path;
    }
    EXPECT_FALSE(std::filesystem::exists(missing)) << "the import creates no file";
    EXPECT_EQ(sandbox.read("short.cb"), std::string(1000, 'x'));
}

TEST_F(FrmCommuBookTest, ExportKeepsWhatFollowsTheBookAndReportsAFailure) {
    const std::string longer = sandbox.write("long.cb", std::string(1450, 'z'));
    Open();
    sandbox.fileDialogs.expectSave(longer);
    Click("CommandOutput");
    const std::string bytes = sandbox.read("long.cb");
    ASSERT_EQ(bytes.size(), 1450U);
    EXPECT_EQ(bytes.substr(1400), std::string(50, 'z'));
    EXPECT_EQ(bytes.substr(14, 2), "\x01\x00"s);

    const std::string nowhere = sandbox.file("no/such/folder/b.cb");
    Edit(3, 2, "KEPT");
    sandbox.fileDialogs.expectSave(nowhere);
    sandbox.prompts.expect("file error.", platform::Buttons::Ok, platform::Answer::Ok);
    Click("CommandOutput");
    EXPECT_TRUE(sandbox.prompts.allAnswered());
    EXPECT_EQ(BookFileName, nowhere);
    EXPECT_EQ(Copy(2).Name.value(), "KEPT") << "the edit was committed before the write";
}

TEST_F(FrmCommuBookTest, AnImportUnderAnOpenEditorTakesItsTextAtTheNextMove) {
    CommuBook book;
    for (int i = 0; i < kCommuBookSize; ++i) {
        book[static_cast<std::size_t>(i)].No = static_cast<int16_t>(i);
        StoreBookField(book[static_cast<std::size_t>(i)], kBookNameCol, "FILE" + std::to_string(i));
    }
    ASSERT_TRUE(WriteBookFile(sandbox.file("f.cb"), book));
    Open();
    Edit(5, 2, "MINE");
    sandbox.fileDialogs.expectOpen(sandbox.file("f.cb"));
    Click("CommandInput");
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(Editor()->text(), "MINE");
    EXPECT_EQ(Copy(4).Name.value(), "FILE4");
    grid->SetCurrentCell(6, 2);
    EXPECT_EQ(Copy(4).Name.value(), "MINE");
    EXPECT_EQ(Copy(5).Name.value(), "FILE5");
}

TEST_F(FrmCommuBookTest, TheEditorMovesWithItsCellWhenTheGridScrolls) {
    FrmCommuBook& f = Open();
    Show();
    Edit(2, 1, "42");
    QScrollBar* bar = grid->verticalScrollBar();
    bar->setValue(bar->maximum());
    EXPECT_FALSE(EditorOpen()) << "its cell is out of view";
    EXPECT_EQ(f.CurBookEditRow, 2);
    bar->setValue(0);
    EXPECT_TRUE(EditorOpen());
    EXPECT_TRUE(EditorOverCell(2, 1));
    EXPECT_EQ(Editor()->text(), "42");
    grid->SetCurrentCell(3, 1);
    EXPECT_EQ(Copy(1).CallID.value(), "42");
}

}  // namespace
