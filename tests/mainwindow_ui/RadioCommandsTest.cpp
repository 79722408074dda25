// The radio commands of the menus, the toolbar and the tree, run against the
// simulated radio in-process.

#include <gtest/gtest.h>

#include <memory>

#include <QAction>
#include <QApplication>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "../link/SessionFixture.h"
#include "ScriptedFileDialogs.h"
#include "core/ChannelOps.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/ui/frmMain.h"

namespace {

class RadioCommands : public SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        LangIndex = 1;
        LangFilePath = "language/english.ini";
        RadioModel = "314KTR";
        ModelName = "KQ-314";
        // The read's save-first answer runs the window's own Save.
        hooks.saveData = [] { FileSave(); };
        window = std::make_unique<frmMain>();
        window->Form_Load();
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        SessionFixture::TearDown();
    }
    std::string RxCell(int row) {
        const auto* grid = platform::Ctl<platform::Grid>(window.get(), "MSFlexGrid1", 0);
        return grid->TextMatrix(row, GetShowCol(Col::RxFre)).toStdString();
    }
    void ClickNode(std::string_view key) {
        for (QTreeWidgetItemIterator it(platform::Ctl<QTreeWidget>(window.get(), "tvTreeView")); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString().toStdString() == key)
                emit platform::Ctl<QTreeWidget>(window.get(), "tvTreeView")->itemClicked(*it, 0);
    }

    ScriptedFileDialogs& dialogs = sandbox.fileDialogs;
    std::unique_ptr<frmMain> window;
};

TEST_F(RadioCommands, WrittenFromTheMenuAndReadBackFromTheToolbar) {
    for (int16_t no : {1, 3, 6}) AddChannel(PlainChannel(no));
    SaveOldRadioData();
    const ByteVec before = DataSnapshot();
    ExpectWriteAsk();
    ExpectText(2005);
    window->MenuItem("MnuProWrite")->trigger();
    ASSERT_TRUE(prompts.allAnswered());
    ExpectIdle();
    EXPECT_EQ(DataSnapshot(), before);  // a write leaves the data alone

    CurData.CHCount = 0;
    SaveOldRadioData();
    window->ReShowListByData();
    ASSERT_TRUE(RxCell(3).empty());

    ExpectReadAsk();
    ExpectText(2004);
    window->ToolButton("TCommRead")->trigger();
    ASSERT_TRUE(prompts.allAnswered());
    ExpectIdle();
    for (int row : {1, 3, 6}) EXPECT_EQ(RxCell(row), "145.12500") << row;
    for (int row : {2, 4, 5}) EXPECT_TRUE(RxCell(row).empty()) << row;
    EXPECT_TRUE(window->windowTitle().endsWith(":new.dat]"));
    EXPECT_NE(IsNewFile, 0);
    EXPECT_FALSE(IsDataChanged());
}

TEST_F(RadioCommands, ReadWhoseSaveFirstWasCancelledSendsNothing) {
    IsNewFile = -1;
    DataFileName = "new.dat";
    AddChannel(PlainChannel(4));  // a change
    prompts.expect(GetMsgText("9001"), Buttons::YesNoCancel, Answer::Yes);
    dialogs.expectSave(std::nullopt);
    window->MenuItem("mnuProRead")->trigger();
    ExpectNothingSent();
    EXPECT_TRUE(IsCHExist(4));
}

TEST_F(RadioCommands, TheEmbeddedInformationNodeReadsAtOnceWithoutAQuestion) {
    ClickNode("N9");
    RunClock();
    EXPECT_EQ(embedViews, 1);
    ExpectIdle();
    EXPECT_EQ(progressDialogs, 0);
}

}  // namespace
