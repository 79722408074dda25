// The event-record dialog: newest first, delete, OK packing, Cancel.
#include <gtest/gtest.h>

#include <string>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "core/SharedState.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Lang.h"
#include "settings/ui/FrmNote.h"

namespace {

using platform::Ctl;

class FrmNoteTest : public testing::Test {
protected:
    void SetUp() override {
        for (auto& note : CurData.Note) note = FixStr<8>::NulText();
        const std::pair<int, const char*> ring[] = {{3, "S3"}, {2, "S2"}, {1, "S1"}, {0, "S0"}, {15, "S15"}, {14, "S14"}};
        for (const auto& [slot, text] : ring) CurData.Note[slot].SetNulEnded(text);
        CurData.NoteIndex = 3;
    }
    static QStringList Items(const FrmNote& f) {
        QStringList out;
        const auto* list = Ctl<QListWidget>(&f, "List1");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    ProgramSandbox sandbox;
};

TEST_F(FrmNoteTest, ListsDeletesAndPacks) {
    const RadioData before = CurData;
    {
        FrmNote f;
        EXPECT_EQ(f.windowTitle(), platform::Lang(3300));
        EXPECT_EQ(Ctl<QPushButton>(&f, "CommandDel")->text(), platform::Lang(1015));
        EXPECT_EQ(Items(f), (QStringList{"S3", "S2", "S1", "S0", "S15", "S14"}));
        auto* list = Ctl<QListWidget>(&f, "List1");
        list->setCurrentRow(1);
        f.CommandDel_Click();
        EXPECT_EQ(Items(f), (QStringList{"S3", "S1", "S0", "S15", "S14"}));
        f.CommandDel_Click();
        EXPECT_EQ(Items(f).size(), 5) << "nothing selected: nothing deleted";
        f.CommandCancel_Click();
    }
    EXPECT_EQ(CurData, before);
    {
        FrmNote f;
        Ctl<QListWidget>(&f, "List1")->setCurrentRow(0);
        f.CommandDel_Click();
        f.CommandOK_Click();
    }
    EXPECT_EQ(CurData.NoteIndex, 4);
    const char* packed[] = {"S14", "S15", "S0", "S1", "S2"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(CurData.Note[i].value(), packed[i]) << "slot " << i;
    for (int i = 5; i < 16; ++i) EXPECT_EQ(CurData.Note[i], FixStr<8>::NulText()) << "slot " << i;
}

TEST_F(FrmNoteTest, DeletingEveryRecordEmptiesEverySlot) {
    FrmNote f;
    f.show();
    QApplication::setActiveWindow(&f);
    auto* list = Ctl<QListWidget>(&f, "List1");
    list->setFocus();
    while (list->count() > 0) {
        list->setCurrentRow(0);
        f.CommandDel_Click();
    }
    // Enter in the list moves on to the delete button, as Tab does.
    list->setFocus();
    Key(list, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_TRUE(Ctl<QWidget>(&f, "CommandDel")->hasFocus());
    f.CommandOK_Click();
    EXPECT_EQ(CurData.NoteIndex, 0);
    for (const auto& note : CurData.Note) EXPECT_EQ(note, FixStr<8>::NulText());
}

}  // namespace
