#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>

#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/SharedState.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormLanguage.h"
#include "platform/ProgramFolder.h"

using platform::SetLangTag;

namespace {

class FormLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.write("language/english.ini",
                   "[OTHER]\n20=Serif\n21=11\n101=OK\n102=Cancel\n1000=File\n1001=New\n"
                   "1003=Save\n1503=Language\n2001=Tab\n7020=Edge\n");
        dir_.write("language/Tchinese.ini",
                   "[OTHER]\n21=12\n101=確定\n1000=檔案\n1001=新增\n1503=語言\n7020=邊界\n");
    }
    ProgramSandbox dir_;
};

// A window with one control of each kind the localiser treats differently.
struct SmallForm {
    QMainWindow form;
    QLabel* tagged = platform::Named(new QLabel("design", &form), "Label1", 0);
    QLabel* untagged = platform::Named(new QLabel("design", &form), "Label1", 1);
    QLabel* wordTag = platform::Named(new QLabel("design", &form), "Label1", 2);
    QMenu* file = form.menuBar()->addMenu("1000");
    QAction* newItem = file->addAction("1001");
    QAction* taggedItem = file->addAction("plain");
    QAction* separator = file->addSeparator();
    QToolBar* bar = form.addToolBar("tools");
    QAction* saveButton = bar->addAction("save");
    QTabBar* tabs = new QTabBar(&form);
    QCheckBox* check = platform::Named(new QCheckBox("design", &form), "Check1", 0);
    QPushButton* ok = platform::NewCommandButton(&form, "CommandOK");

    SmallForm() {
        SetLangTag(&form, 1503);
        SetLangTag(tagged, 1503);
        SetLangTag(wordTag, "abc");
        SetLangTag(taggedItem, 1003);
        saveButton->setToolTip("1003");
        tabs->addTab("design");
        tabs->setTabData(0, "2001");
        SetLangTag(check, "7020 edge of the band");
        check->setToolTip("1001");
    }
};

TEST_F(FormLanguage, RunsTwiceAndFollowsTheLanguage) {
    SmallForm f;
    LoadFormLanguage(&f.form);
    EXPECT_EQ(f.form.windowTitle(), "Language");
    EXPECT_EQ(f.form.font().family(), "Serif");
    EXPECT_EQ(f.form.font().pointSize(), 11);
    EXPECT_EQ(f.tagged->text(), "Language");
    EXPECT_EQ(f.untagged->text(), "design") << "no tag: the design caption stays";
    EXPECT_EQ(f.wordTag->text(), "design") << "a tag that is no number: the caption stays";
    EXPECT_EQ(f.file->title(), "File") << "numeric design caption";
    EXPECT_EQ(f.newItem->text(), "New");
    EXPECT_EQ(f.taggedItem->text(), "Save");
    EXPECT_TRUE(f.separator->text().isEmpty());
    EXPECT_EQ(f.saveButton->toolTip(), "Save");
    EXPECT_EQ(f.saveButton->text(), "save") << "toolbar buttons change only their tips";
    EXPECT_EQ(f.tabs->tabText(0), "Tab");
    EXPECT_EQ(f.check->text(), "Edge") << "the number at the start of the tag";
    EXPECT_EQ(f.check->toolTip(), "New");
    EXPECT_EQ(f.ok->text(), "") << "a button without a tag keeps its caption";

    LangIndex = 2;
    LangFilePath = LangFileOf(2);
    LoadFormLanguage(&f.form);
    EXPECT_EQ(f.form.windowTitle(), "語言");
    EXPECT_EQ(f.form.font().family(), "Serif") << "font name falls back to English";
    EXPECT_EQ(f.form.font().pointSize(), 12);
    EXPECT_EQ(f.file->title(), "檔案") << "the id moved into the tag in the first run";
    EXPECT_EQ(f.newItem->text(), "新增");
    EXPECT_EQ(f.taggedItem->text(), "Save") << "missing in Chinese: English";
    EXPECT_EQ(f.check->text(), "邊界");
    EXPECT_EQ(f.check->toolTip(), "新增") << "tips follow the switch";
    EXPECT_EQ(f.saveButton->toolTip(), "Save");
    EXPECT_EQ(f.tagged->font().pointSize(), 12) << "controls take the form's font";
}

TEST_F(FormLanguage, AControlWithAFontOfItsOwnTakesTheFormsToo) {
    SmallForm f;
    f.check->setFont(QFont("Monospace", 20));
    LoadFormLanguage(&f.form);
    EXPECT_EQ(f.check->font().family(), "Serif");
    EXPECT_EQ(f.check->font().pointSize(), 11);
    EXPECT_EQ(f.file->font().pointSize(), 11) << "a menu, a window of its own, takes it too";
}

TEST_F(FormLanguage, ButtonCaptionsByName) {
    InitLangButtonText();
    QWidget form;
    auto* ok = platform::NewCommandButton(&form, "CommandOK");
    auto* cancel = platform::NewCommandButton(&form, "CommandCancel");
    auto* close = platform::NewCommandButton(&form, "CommandClose");
    auto* help = platform::NewCommandButton(&form, "CommandHelp");
    SetOKCancelCaption(&form);
    SetCloseHelpCaption(&form);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(close->text(), "&Close");
    EXPECT_EQ(help->text(), "&Help");
    EXPECT_FALSE(ok->autoDefault());

    QWidget bare;  // a form without those buttons is left alone
    SetOKCancelCaption(&bare);
    SetCloseHelpCaption(&bare);
}

}  // namespace
