#include "link/ui/FrmPassWord.h"

#include <QLabel>
#include <QPushButton>

#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"

namespace {

using platform::Kind;
using platform::Row;

constexpr int kPassWordChars = 4;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Label, "Label1").At(0, 270).Text(3101).Before("Text1", -1, 50),
    Row(Kind::TextBox, "Text1").At(1560, 240, 1935).Tab(0).Limit(kPassWordChars),
    Row(Kind::CommandButton, "CommandOK").At(600, 840, 1215).Tab(1).Text(101),
    Row(Kind::CommandButton, "CommandCancel").At(2040, 840, 1215).Tab(2).Text(102),
};

// Enter in the box presses OK, as it always did: this dialog keeps its
// default button rather than moving the focus on.
constexpr auto kForm = platform::Form("FrmPassWord").Text(3100).Size(3855, 1455).EnterPressesDefault();

}  // namespace

FrmPassWord::FrmPassWord(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    auto* box = platform::Ctl<platform::TextBox>(this, "Text1");
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet("lineedit-password-character: 42");  // '*'
    auto* ok = platform::Ctl<QPushButton>(this, "CommandOK");
    ok->setDefault(true);
    platform::OnEvent(ok, &QPushButton::clicked, this, "CommandOK_Click", [this] { CommandOK_Click(); });
    platform::OnEvent(platform::Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this,
                      "CommandCancel_Click", [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmPassWord::Form_Load() {
    PassWordEntered = false;
    InitPassWordShow();
    ShowPassWord();
}

void FrmPassWord::InitPassWordShow() {
    setWindowTitle(platform::Lang(3100));
    platform::Ctl<QLabel>(this, "Label1")->setText(platform::Lang(3101));
    platform::PlaceLabelBefore(platform::Ctl<QLabel>(this, "Label1"), platform::Ctl<QWidget>(this, "Text1"), 50);
    SetOKCancelCaption(this);
}

void FrmPassWord::ShowPassWord() {
    platform::Ctl<platform::TextBox>(this, "Text1")->setText(platform::ByteText(InputPassWord));
}

void FrmPassWord::CommandOK_Click() {
    PassWordEntered = true;
    InputPassWord = TrimFixStr(platform::TextBytes(platform::Ctl<platform::TextBox>(this, "Text1")->text()));
    accept();
}

void FrmPassWord::CommandCancel_Click() { reject(); }
