#include "link/ui/FrmPassWord.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/TextBox.h"

namespace {
constexpr int kPassWordChars = 4;
QString Text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
}  // namespace

FrmPassWord::FrmPassWord(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmPassWord");
    Label1 = platform::Named(new QLabel(this), "Label1");
    Text1 = new platform::TextBox(this, "Text1");
    Text1->SetTypingLimit(kPassWordChars);
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setStyleSheet("lineedit-password-character: 42");  // '*'
    CommandOK = platform::NewCommandButton(this, "CommandOK");
    CommandCancel = platform::NewCommandButton(this, "CommandCancel");
    CommandOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    connect(Text1, &QLineEdit::returnPressed, this, [this] { CommandOK_Click(); });
    Form_Load();
}

void FrmPassWord::Form_Load() {
    PassWordEntered = false;
    InitPassWordShow();
    ShowPassWord();
}

void FrmPassWord::InitPassWordShow() {
    setWindowTitle(Text(GetLangText(3100)));
    Label1->setText(Text(GetLangText(3101)));
    SetOKCancelCaption(this);
}

void FrmPassWord::ShowPassWord() { Text1->setText(QString::fromLatin1(InputPassWord.data(), static_cast<int>(InputPassWord.size()))); }

void FrmPassWord::CommandOK_Click() {
    PassWordEntered = true;
    const QByteArray typed = Text1->text().toLatin1();
    InputPassWord = TrimFixStr(std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())));
    accept();
}

void FrmPassWord::CommandCancel_Click() { reject(); }
