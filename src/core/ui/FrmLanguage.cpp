#include "core/ui/FrmLanguage.h"

#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/ui/ComboBox.h"
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
    Row(Kind::Label, "Label1").At(0, 270).Text(1503).Before("Combo1", -1, 100),
    Row(Kind::List, "Combo1").At(1320, 240, 3375).Tab(0),
    Row(Kind::CommandButton, "CommandOK").At(1140, 780, 1215).Tab(1).Text(101),
    Row(Kind::CommandButton, "CommandCancel").At(2580, 780, 1215).Tab(2).Text(102),
};

constexpr auto kForm = platform::Form("FrmLanguage").Text(1503).Size(4935, 1335);

}  // namespace

FrmLanguage::FrmLanguage(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    platform::OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
                      [this] { CommandOK_Click(); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
                      [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmLanguage::Form_Load() {
    const QString caption = platform::Lang(1503);
    setWindowTitle(caption);
    Ctl<QLabel>(this, "Label1")->setText(caption);
    platform::PlaceLabels(*this);
    SetOKCancelCaption(this);
    auto* languages = Ctl<platform::ComboBox>(this, "Combo1");
    languages->AddItem(GetLangText(1501));
    languages->AddItem(GetLangText(1502));
    languages->SetListIndex(LangIndex - 1);
}

void FrmLanguage::CommandOK_Click() {
    const int chosen = Ctl<platform::ComboBox>(this, "Combo1")->ListIndex();
    // With nothing chosen the language stays as it is.
    if (chosen >= 0) {
        LangIndex = int16_t(chosen + 1);
        LangFileName = LangIndex == 2 ? "Tchinese.ini" : "english.ini";
        LangFilePath = LangFileOf(LangIndex);
        MainView().Form_ReLoad();
    }
    accept();
}

void ShowFrmLanguage() {
    FrmLanguage dialog;
    dialog.exec();
}
