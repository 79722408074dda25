#include "settings/ui/FrmNote.h"

#include <string>
#include <vector>

#include <QListWidget>
#include <QPushButton>

#include "core/SharedState.h"
#include "settings/NoteList.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::ListBox, "List1").At(120, 120, 3615, 4560).Tab(0),
    Row(Kind::CommandButton, "CommandDel").At(4080, 720, 1215).Tab(1),
    Row(Kind::CommandButton, "CommandOK").At(4080, 3360, 1215).Tab(2),
    Row(Kind::CommandButton, "CommandCancel").At(4080, 4080, 1215).Tab(3),
};
constexpr auto kForm = platform::Form("FrmNote").Size(5415, 4800);

}  // namespace

FrmNote::FrmNote(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    platform::OnEvent(Ctl<QPushButton>(this, "CommandDel"), &QPushButton::clicked, this, "CommandDel_Click",
                      [this] { CommandDel_Click(); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
                      [this] { CommandOK_Click(); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
                      [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmNote::Form_Load() {
    ChangShowByLanguage();
    ShowNoteList();
}

void FrmNote::ChangShowByLanguage() {
    setWindowTitle(platform::Lang(3300));
    Ctl<QPushButton>(this, "CommandDel")->setText(platform::Lang(1015));
    SetOKCancelCaption(this);
}

void FrmNote::ShowNoteList() {
    auto* list = Ctl<QListWidget>(this, "List1");
    list->clear();
    for (const std::string& text : NoteListTexts(CurData)) list->addItem(platform::ByteText(text));
}

void FrmNote::CommandDel_Click() {
    auto* list = Ctl<QListWidget>(this, "List1");
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return;
    delete list->takeItem(list->row(selected.front()));
    // Nothing stays selected, so a second press deletes nothing more.
    list->clearSelection();
    list->setCurrentRow(-1);
}

void FrmNote::CommandOK_Click() {
    const auto* list = Ctl<QListWidget>(this, "List1");
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i) texts.push_back(platform::TextBytes(list->item(i)->text()));
    StoreNoteList(CurData, texts);
    accept();
}

void FrmNote::CommandCancel_Click() { reject(); }
