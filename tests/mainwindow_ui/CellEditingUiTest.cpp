// The grid's in-cell editors driven through the real widgets: keys and mouse
// events sent to the grid and the editors as a user's would arrive.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "MainWindowFixture.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "core/BandPlan.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/FreCodec.h"
#include "core/HyperChannel.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/DialogLauncher.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/ComboBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ui/TextBox.h"
#include "platform/UserSettings.h"

namespace {

using platform::Answer;
using platform::Buttons;

void SendKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

void Type(QWidget* w, const QString& text) {
    for (const QChar c : text) SendKey(w, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

std::string S(const QString& q) { return q.toStdString(); }

void Enter(QWidget* w) { SendKey(w, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); }

void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

class CellEditingUiTest : public MainWindowFixture {
protected:
    const UFreData* Normal(int16_t no) {
        for (int i = 0; i < CurData.CHCount; ++i)
            if (UFreList[static_cast<std::size_t>(i)].CHNo == no) return &UFreList[static_cast<std::size_t>(i)];
        return nullptr;
    }
    QPoint CellCentre(int row, Col c) {
        return Grid().visualRect(Grid().model()->index(row - 1, GetShowCol(c) - 1)).center();
    }
    // Enter on the grid's current cell.
    void EnterOn(int row, Col c) {
        Grid().SetCurrentCell(row, GetShowCol(c));
        Enter(&Grid());
    }
    void DoubleClick(int row, Col c) {
        QWidget* vp = Grid().viewport();
        const QPoint at = CellCentre(row, c);
        Mouse(vp, QEvent::MouseButtonPress, at);
        Mouse(vp, QEvent::MouseButtonRelease, at);
        Mouse(vp, QEvent::MouseButtonDblClick, at);
        Mouse(vp, QEvent::MouseButtonRelease, at);
    }
    void Click(int row, Col c) {
        QWidget* vp = Grid().viewport();
        const QPoint at = CellCentre(row, c);
        Mouse(vp, QEvent::MouseButtonPress, at);
        Mouse(vp, QEvent::MouseButtonRelease, at);
    }
    // The editors that are open now, by name.
    std::vector<std::string> OpenEditors() {
        std::vector<std::string> open;
        for (QWidget* w : window_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = w->objectName();
            if ((name.startsWith("Text") || (name.startsWith("Combo") && name != "Combo1")) && !w->isHidden())
                open.push_back(name.toStdString());
        }
        return open;
    }
    // Drops a tone list down with an arrow key and picks item `index` in it.
    void Choose(platform::ComboBox* box, int index) {
        SendKey(box, Qt::Key_Down);
        QAbstractItemView* popup = box->view();
        ASSERT_TRUE(popup->isVisible());
        SendKey(popup, Qt::Key_Home);
        for (int i = 0; i < index; ++i) SendKey(popup, Qt::Key_Down);
        SendKey(popup, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    }

    static std::string FreWarning() { return GetLangText(2001); }
};

}  // namespace

TEST_F(CellEditingUiTest, StartShowsTheFirstChannelsAndFrequencyColumnsFitTheirTexts) {
    AddNormal(Channel(1, "014512500"));
    Open();
    EXPECT_EQ(Grid().verticalScrollBar()->value(), 0);
    EXPECT_EQ(Grid().rowAt(0), 0);  // row 1 at the top
    for (const Col c : {Col::RxFre, Col::TxFre}) {
        const int width = Grid().columnWidth(GetShowCol(c) - 1);
        EXPECT_GT(width, Grid().fontMetrics().horizontalAdvance("000.00000")) << static_cast<int>(c);
        EXPECT_GT(width, Grid().horizontalHeader()->fontMetrics().horizontalAdvance(
                             Grid().TextMatrix(0, GetShowCol(c))))
            << static_cast<int>(c);
    }
    // A view switch after scrolling down starts at the top again.
    Grid().verticalScrollBar()->setValue(Grid().verticalScrollBar()->maximum());
    CHListType = 1;
    window_->ShowListByData();
    CHListType = 0;
    window_->ShowListByData();
    EXPECT_EQ(Grid().verticalScrollBar()->value(), 0);
}

TEST_F(CellEditingUiTest, TypingAReceiveFrequencyInAnEmptyRowCreatesTheChannel) {
    Open();
    // The transmit cell of an empty row opens the receive editor of that row.
    DoubleClick(9, Col::TxFre);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"TextFreRx"});
    EXPECT_EQ(Box("TextFreRx")->text(), "");
    EXPECT_EQ(Grid().Col(), GetShowCol(Col::RxFre));
    EXPECT_EQ(CurCHNo, 9);
    EXPECT_EQ(Box("TextFreRx")->geometry().topLeft(),
              Grid().pos() + Grid().CellRect(9, GetShowCol(Col::RxFre)).topLeft());

    Type(Box("TextFreRx"), "145.5");
    Enter(Box("TextFreRx"));
    EXPECT_TRUE(OpenEditors().empty());
    ASSERT_EQ(CurData.CHCount, 1);
    const UFreData& ch = UFreList[0];
    EXPECT_EQ(ch.CHNo, 9);
    EXPECT_EQ(ch.RxFre.value(), "014550000");
    EXPECT_EQ(ch.ShiftDir, 0);
    EXPECT_EQ(ch.OffsetFre.value(), "000000000");
    EXPECT_EQ(ch.UserCTCSS, 1511);  // the defaults of a new channel: 151.1 Hz user tone
    EXPECT_EQ(Cell(9, Col::RxFre), "145.50000");
    EXPECT_EQ(Cell(9, Col::TxFre), "145.50000");
    // The references followed the new channel.
    EXPECT_EQ(CurData.FunSet.Alert.EmgCHNo, 8);
}

TEST_F(CellEditingUiTest, ReceiveBandEdgesWarnOnceWhenReplaced) {
    struct Case {
        const char* typed;
        bool warns;
        const char* rx;
        const char* tx;
    };
    const Case cases[] = {
        {"108", false, "108.00000", "136.00000"},    // edge of the receive band, sent on the nearest transmit edge
        {"107.99", true, "108.00000", "136.00000"},  // below every band
        {"523", false, "523.00000", "480.00000"},
        {"600", true, "523.00000", "480.00000"},
    };
    Open();
    int16_t row = 1;
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        if (c.warns) prompts.expect(FreWarning(), Buttons::Ok, Answer::Ok);
        EnterOn(row, Col::RxFre);
        Type(Box("TextFreRx"), c.typed);
        Enter(Box("TextFreRx"));
        EXPECT_TRUE(prompts.allAnswered()) << c.typed;
        EXPECT_EQ(prompts.asked().size(), c.warns ? 1u : 0u) << c.typed;
        EXPECT_EQ(Cell(row, Col::RxFre), c.rx) << c.typed;
        EXPECT_EQ(Cell(row, Col::TxFre), c.tx) << c.typed;
        ++row;
    }
}

// Typing a receive frequency into an unused hyper row creates it within the
// row's own range, not the band plan's: outside it the nearer edge is taken,
// with the warning.
TEST_F(CellEditingUiTest, AnUnusedHyperRowIsCreatedWithinItsRange) {
    for (const int16_t row : {3, 9}) {
        UFreData unused = GetHyperChannel(row, 0);
        unused.UsedFlag = 0;
        SetHyperChannel(row, 0, unused);
    }
    Open();
    CHListType = 2;
    window_->ShowListByData();
    ASSERT_EQ(Cell(3, Col::RxFre), "");
    struct Case { const char* name; int16_t row; const char* typed; bool warns; const char* shown; };
    const Case cases[] = {
        {"a valid frequency outside the row's range", 3, "145", true, "350.00000"},
        {"inside the range", 9, "360", false, "360.00000"},
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        if (c.warns) prompts.expect(FreWarning(), Buttons::Ok, Answer::Ok);
        EnterOn(c.row, Col::RxFre);
        ASSERT_EQ(OpenEditors(), std::vector<std::string>{"TextFreRx"}) << c.name;
        Type(Box("TextFreRx"), c.typed);
        Enter(Box("TextFreRx"));
        EXPECT_TRUE(prompts.allAnswered()) << c.name;
        EXPECT_EQ(Cell(c.row, Col::RxFre), c.shown) << c.name;
        EXPECT_TRUE(IsHyperChannelUsed(c.row, 0)) << c.name;
        EXPECT_EQ(CodeToFre(GetHyperChannel(c.row, 0).RxFre.value()), c.shown) << c.name;
    }
}

TEST_F(CellEditingUiTest, TransmitFrequencyBecomesDirectionAndOffset) {
    UFreData simplex = Channel(3, "014500000");
    simplex.OffsetFre = std::string_view("000000000");
    AddNormal(simplex);
    Open();
    DoubleClick(3, Col::TxFre);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"TextFreTx"});
    EXPECT_EQ(Box("TextFreTx")->selectedText(), "145.00000");
    Type(Box("TextFreTx"), "144.4");
    Enter(Box("TextFreTx"));
    EXPECT_EQ(Normal(3)->ShiftDir, 1);
    EXPECT_EQ(Normal(3)->OffsetFre.value(), "000060000");
    EXPECT_EQ(Cell(3, Col::TxFre), "144.40000");
    EXPECT_EQ(Normal(3)->RxFre.value(), "014500000");
}

TEST_F(CellEditingUiTest, EmptyingTheReceiveCellInEachView) {
    AddNormal(Channel(2, "014500000"));
    CurData.LimitCH[1] = Channel(2, "043500000");
    Open();

    // Normal view: removed; "." counts as empty.
    EnterOn(2, Col::RxFre);
    Type(Box("TextFreRx"), ".");
    Enter(Box("TextFreRx"));
    EXPECT_EQ(CurData.CHCount, 0);
    EXPECT_EQ(Cell(2, Col::RxFre), "");

    // Limit view: unused, the row blank but labelled.
    CHListType = 1;
    window_->ShowListByData();
    EnterOn(2, Col::RxFre);
    SendKey(Box("TextFreRx"), Qt::Key_Delete, Qt::NoModifier, QString(QChar(127)));
    EXPECT_EQ(Box("TextFreRx")->text(), "");
    Enter(Box("TextFreRx"));
    EXPECT_EQ(CurData.LimitCH[1].UsedFlag, 0);
    EXPECT_EQ(Cell(2, Col::RxFre), "");
    EXPECT_EQ(Cell(2, Col::Label), "U1");

    // Hyper view: unchanged.
    CHListType = 2;
    window_->ShowListByData();
    const UFreData before = GetHyperChannel(1, 0);
    EnterOn(1, Col::RxFre);
    Box("TextFreRx")->clear();
    Enter(Box("TextFreRx"));
    EXPECT_EQ(GetHyperChannel(1, 0).RxFre.value(), before.RxFre.value());
    EXPECT_EQ(GetHyperChannel(1, 0).UsedFlag, before.UsedFlag);
    EXPECT_EQ(Cell(1, Col::RxFre), "108.00000");
}

TEST_F(CellEditingUiTest, AReceiveTypoWarnsAndKeepsTheChannelAndTheEditor) {
    AddNormal(Channel(4, "014500000"));
    Open();
    EnterOn(4, Col::RxFre);
    Type(Box("TextFreRx"), "1.2.3");
    {
        ScriptedPrompts prompts;
        prompts.expect(FreWarning(), Buttons::Ok, Answer::Ok);
        Enter(Box("TextFreRx"));
        EXPECT_TRUE(prompts.allAnswered());
    }
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"TextFreRx"});
    EXPECT_EQ(Box("TextFreRx")->text(), "1.2.3");
    ASSERT_NE(Normal(4), nullptr);
    EXPECT_EQ(Normal(4)->RxFre.value(), "014500000");
    {
        // Another cell's editor does not open over the mistake, and the
        // mistake already warned about is not warned about again.
        ScriptedPrompts prompts;
        EnterOn(4, Col::Name);
        Click(6, Col::Step);
        EXPECT_EQ(OpenEditors(), std::vector<std::string>{"TextFreRx"});
        EXPECT_TRUE(prompts.asked().empty());
        // Enter in the editor is asked for: it warns again.
        prompts.expect(FreWarning(), Buttons::Ok, Answer::Ok);
        Enter(Box("TextFreRx"));
        EXPECT_TRUE(prompts.allAnswered());
    }
    Box("TextFreRx")->setText("146");
    Enter(Box("TextFreRx"));
    EXPECT_EQ(Normal(4)->RxFre.value(), "014600000");
}

TEST_F(CellEditingUiTest, TextEditorKeyFilters) {
    AddNormal(Channel(1, "014500000", "AB"));
    Open();
    EnterOn(1, Col::RxFre);
    auto* rx = Box("TextFreRx");
    rx->clear();
    Type(rx, "1a4-5. 5x");
    EXPECT_EQ(rx->text(), "145.5");
    Type(rx, "123456789");
    EXPECT_EQ(rx->text(), "145.51234");  // at most 9 characters
    // Escape neither cancels nor closes.
    SendKey(rx, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"TextFreRx"});
    EXPECT_EQ(rx->text(), "145.51234");
    rx->setText("145");
    Enter(rx);

    EnterOn(1, Col::Name);
    auto* name = Box("TextName");
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"TextName"});
    EXPECT_EQ(name->selectedText(), "AB");
    Type(name, QString::fromUtf8("a\\b~cé d"));
    EXPECT_EQ(name->text(), "abc d");
    Type(name, "EFGH");
    EXPECT_EQ(name->text(), "abc dEF");
    // The clipboard keys do nothing; a paste by other means is filtered alike.
    QApplication::clipboard()->setText("Z~Z");
    name->selectAll();
    SendKey(name, Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
    SendKey(name, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    EXPECT_EQ(name->text(), "abc dEF");
    name->PasteFiltered();
    EXPECT_EQ(name->text(), "ZZ");
    Enter(name);
    EXPECT_EQ(Normal(1)->CHName.value(), "ZZ");
    EXPECT_EQ(Cell(1, Col::Name), "ZZ");

    // Typing on the grid opens nothing.
    Grid().SetCurrentCell(1, GetShowCol(Col::Name));
    Type(&Grid(), "7");
    EXPECT_TRUE(OpenEditors().empty());
}

TEST_F(CellEditingUiTest, TextEditorsOfferNoRightClickMenu) {
    AddNormal(Channel(1, "014500000", "AB"));
    Open();
    for (const Col c : {Col::RxFre, Col::TxFre, Col::Name}) {
        EnterOn(1, c);
        ASSERT_EQ(OpenEditors().size(), 1u);
        QWidget* box = window_->centralWidget()->findChild<QWidget*>(QString::fromStdString(OpenEditors()[0]));
        const QPoint at = box->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &menu);
        QWidget* popup = QApplication::activePopupWidget();
        EXPECT_EQ(popup, nullptr) << S(box->objectName());
        if (popup) popup->close();
        Enter(box);
    }
}

TEST_F(CellEditingUiTest, ListEditorsStoreOnASelectionNotOnOpening) {
    UFreData ch = Channel(5, "014500000");
    ch.Bandwidth = 2;
    ch.TxPower = 3;
    ch.OptSig = 1;
    ch.DTMFCodeNo = 3;
    ch.StepIndex = 4;
    AddNormal(ch);
    Open();
    ASSERT_EQ(Cell(5, Col::Bandwidth), "12.5K");
    ASSERT_EQ(Cell(5, Col::OptSig), "DTMF M4");

    DoubleClick(5, Col::Bandwidth);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"ComboWN"});
    EXPECT_EQ(List("ComboWN")->Text(), "12.5KHz");
    EnterOn(5, Col::OptSig);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"ComboOptSig"});
    EXPECT_EQ(List("ComboOptSig")->Text(), "DTMF");
    EnterOn(5, Col::Power);
    EnterOn(5, Col::Step);
    EXPECT_EQ(List("ComboStep")->Text(), "12.5K");
    EXPECT_EQ(Normal(5)->Bandwidth, 2);
    EXPECT_EQ(Normal(5)->OptSig, 1);
    EXPECT_EQ(Normal(5)->TxPower, 3);
    EXPECT_EQ(Normal(5)->StepIndex, 4);

    // A selection stores at once and redraws the row; the editor stays open.
    SendKey(List("ComboStep"), Qt::Key_Down);
    EXPECT_EQ(Normal(5)->StepIndex, 5);
    EXPECT_EQ(Cell(5, Col::Step), "15K");
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"ComboStep"});
    Enter(List("ComboStep"));
    EXPECT_TRUE(OpenEditors().empty());
    EXPECT_TRUE(Grid().hasFocus() || !window_->isActiveWindow());
}

TEST_F(CellEditingUiTest, ToneChainIntoTheDCSListWithInversion) {
    UFreData ch = Channel(6, "014500000");
    ch.De_DCSCode = 19;
    ch.De_DCSInvert = 1;
    AddNormal(ch);
    Open();
    DoubleClick(6, Col::DecodeTone);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"ComboDe_CTC_Type"});
    EXPECT_EQ(List("ComboDe_CTC_Type")->ListIndex(), 0);

    // "DCS" chosen with the list closed: the type is stored and the DCS list
    // opens in its place at the channel's code and polarity.
    Type(List("ComboDe_CTC_Type"), "D");
    EXPECT_EQ(Normal(6)->De_CTC_Type, 2);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"ComboDe_CDCSS"});
    EXPECT_EQ(List("ComboDe_CDCSS")->Text(), "D023I");
    EXPECT_EQ(List("ComboDe_CDCSS")->pos(), List("ComboDe_CTC_Type")->pos());
    EXPECT_EQ(Cell(6, Col::DecodeTone), "D023I");

    // An arrow key drops the list down and moves in it; every code it
    // reaches is stored at once.
    SendKey(List("ComboDe_CDCSS"), Qt::Key_Down);
    QAbstractItemView* popup = List("ComboDe_CDCSS")->view();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(List("ComboDe_CDCSS")->ListIndex(), 532);
    EXPECT_EQ(Normal(6)->De_DCSCode, 20);
    EXPECT_EQ(Cell(6, Col::DecodeTone), "D024I");
    SendKey(popup, Qt::Key_Down);
    EXPECT_EQ(Normal(6)->De_DCSCode, 21);
    SendKey(popup, Qt::Key_Up);
    SendKey(popup, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(Normal(6)->De_DCSCode, 20);
    EXPECT_EQ(Normal(6)->De_DCSInvert, 1);
    EXPECT_EQ(Cell(6, Col::DecodeTone), "D024I");

    // Enter closes the code list and stores nothing new.
    Enter(List("ComboDe_CDCSS"));
    EXPECT_TRUE(OpenEditors().empty());
    EXPECT_EQ(Normal(6)->De_DCSCode, 20);
}

// In a dropped-down type list each arrow stores the type it reaches, as a
// click would, and opens no code list while the list is open; choosing with
// Enter closes it and opens the code list.
TEST_F(CellEditingUiTest, ArrowsInAnOpenToneTypeListStoreEachTypeAtOnce) {
    UFreData ch = Channel(8, "014500000");
    ch.De_DCSCode = 19;
    AddNormal(ch);
    Open();
    EnterOn(8, Col::DecodeTone);
    auto* type = List("ComboDe_CTC_Type");
    ASSERT_EQ(type->ListIndex(), 0);
    SendKey(type, Qt::Key_Down);
    QAbstractItemView* popup = type->view();
    ASSERT_TRUE(popup->isVisible());
    struct Step { const char* name; int key; int16_t stored; const char* cell; };
    const Step steps[] = {
        {"the arrow that dropped it", 0, 1, nullptr},
        {"right", Qt::Key_Right, 2, "D023N"},
        {"down at the end", Qt::Key_Down, 2, "D023N"},
        {"left", Qt::Key_Left, 1, nullptr},
        {"up", Qt::Key_Up, 0, "OFF"},
        {"down", Qt::Key_Down, 1, nullptr},
    };
    for (const Step& step : steps) {
        if (step.key) SendKey(popup, step.key);
        EXPECT_EQ(Normal(8)->De_CTC_Type, step.stored) << step.name;
        EXPECT_EQ(type->ListIndex(), step.stored) << step.name;
        if (step.cell) EXPECT_EQ(Cell(8, Col::DecodeTone), step.cell) << step.name;
        EXPECT_EQ(OpenEditors(), std::vector<std::string>{"ComboDe_CTC_Type"}) << step.name;
    }
    EXPECT_EQ(Normal(8)->De_DCSCode, 19);
    SendKey(popup, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"ComboDe_CTCSS"});
    EXPECT_EQ(Normal(8)->De_CTC_Type, 1);
}

TEST_F(CellEditingUiTest, ToneTypeNoneOpensNoCodeListAndEnterCloses) {
    UFreData ch = Channel(7, "014500000");
    ch.En_CTC_Type = 1;
    ch.En_CTCSS = 12;
    AddNormal(ch);
    Open();
    EnterOn(7, Col::EncodeTone);
    ASSERT_EQ(List("ComboEn_CTC_Type")->Text(), "CTCSS");
    Choose(List("ComboEn_CTC_Type"), 0);
    EXPECT_EQ(Normal(7)->En_CTC_Type, 0);
    EXPECT_EQ(Normal(7)->En_CTCSS, 12);
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"ComboEn_CTC_Type"});
    Enter(List("ComboEn_CTC_Type"));
    EXPECT_TRUE(OpenEditors().empty());

    // Enter on a type with a code opens the code list at the stored tone.
    EnterOn(7, Col::EncodeTone);
    Choose(List("ComboEn_CTC_Type"), 1);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"ComboEn_CTCSS"});
    EXPECT_EQ(List("ComboEn_CTCSS")->ListIndex(), 12);
    Enter(List("ComboEn_CTCSS"));
    EnterOn(7, Col::EncodeTone);
    Enter(List("ComboEn_CTC_Type"));
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"ComboEn_CTCSS"});
}

TEST_F(CellEditingUiTest, DoubleClickTargets) {
    AddNormal(Channel(2, "014500000"));
    int opened = 0;
    int16_t dialogChannel = 0;
    ScopedDialogOpener channelDialog(DialogId::CHEdit, [&] {
        ++opened;
        dialogChannel = CurCHNo;
    });
    Open();

    // ">>" of an empty row: the dialog for that channel, no receive editor.
    DoubleClick(30, Col::Open);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(dialogChannel, 30);
    EXPECT_TRUE(OpenEditors().empty());

    // The header row and the label column open nothing.
    EnterOn(2, Col::Name);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"TextName"});
    Box("TextName")->setText("KEEP");
    QWidget* header = Grid().horizontalHeader()->viewport();
    const int x = Grid().horizontalHeader()->sectionViewportPosition(GetShowCol(Col::Name) - 1) + 5;
    Mouse(header, QEvent::MouseButtonDblClick, QPoint(x, 5));
    Mouse(Grid().verticalHeader()->viewport(), QEvent::MouseButtonDblClick, QPoint(5, 5));
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"TextName"});
    EXPECT_EQ(opened, 1);

    // The last, empty column stores and closes the open editor.
    Grid().SetCurrentCell(2, 12);
    window_->MSFlexGrid1_DblClick(0);
    EXPECT_TRUE(OpenEditors().empty());
    EXPECT_EQ(Normal(2)->CHName.value(), "KEEP");
}

TEST_F(CellEditingUiTest, ClickingAnotherCellStoresTheOpenEditor) {
    AddNormal(Channel(3, "014500000"));
    Open();
    DoubleClick(3, Col::Name);
    Type(Box("TextName"), "NEW");
    Click(8, Col::Power);
    EXPECT_TRUE(OpenEditors().empty());
    EXPECT_EQ(Normal(3)->CHName.value(), "NEW");
    EXPECT_EQ(Cell(3, Col::Name), "NEW");

    // The current cell moving onto the receive cell being edited leaves the
    // receive editor open.
    DoubleClick(12, Col::Step);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"TextFreRx"});
    Grid().SetCurrentCell(12, GetShowCol(Col::RxFre));
    EXPECT_EQ(OpenEditors(), std::vector<std::string>{"TextFreRx"});
    Type(Box("TextFreRx"), "146");
    Click(1, Col::Name);
    EXPECT_EQ(Cell(12, Col::RxFre), "146.00000");
}

TEST_F(CellEditingUiTest, AnOpenEditorBelongsToTheListItWasOpenedOn) {
    AddNormal(Channel(3, "014500000", "OLD"));
    CurData.LimitCH[2] = Channel(3, "043500000", "LIM");
    Open();

    // A view switch changes CHListType before it redraws.
    EnterOn(3, Col::Name);
    Type(Box("TextName"), "ABC");
    CHListType = 1;
    window_->ShowListByData();
    EXPECT_TRUE(OpenEditors().empty());
    EXPECT_EQ(Normal(3)->CHName.value(), "ABC");
    EXPECT_EQ(CurData.LimitCH[2].CHName.value(), "LIM");
    EXPECT_EQ(Cell(3, Col::Name), "LIM");

    // A list editor likewise: its selections go to the list it opened on.
    EnterOn(3, Col::Bandwidth);
    ASSERT_EQ(OpenEditors(), std::vector<std::string>{"ComboWN"});
    CHListType = 0;
    SendKey(List("ComboWN"), Qt::Key_Down);
    EXPECT_EQ(CurData.LimitCH[2].Bandwidth, 1);
    EXPECT_EQ(Normal(3)->Bandwidth, 0);
    window_->ShowListByData();

    // Commands that replace the data commit first ...
    EnterOn(3, Col::Name);
    Type(Box("TextName"), "SAVED");
    window_->CommitPendingEditor();
    EXPECT_EQ(Normal(3)->CHName.value(), "SAVED");
    // ... and an editor still open when the data is replaced stores nothing
    // into the new data.
    EnterOn(3, Col::Name);
    Type(Box("TextName"), "LOST");
    NewDataFile();
    EXPECT_TRUE(OpenEditors().empty());
    for (int i = 0; i < CurData.CHCount; ++i)
        EXPECT_NE(UFreList[static_cast<std::size_t>(i)].CHName.value(), "LOST");
}
