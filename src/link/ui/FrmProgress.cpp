#include "link/ui/FrmProgress.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/MsgText.h"
#include "core/SharedState.h"
#include "platform/ui/Controls.h"

namespace {
QString Text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
}  // namespace

FrmProgress::FrmProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmProgress");
    setModal(true);
    Label1 = platform::Named(new QLabel(this), "Label1");
    Label2 = platform::Named(new QLabel(this), "Label2");
    Label2->setMinimumWidth(48);
    ProgressBar1 = platform::Named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumWidth(320);
    Command1 = platform::NewCommandButton(this, "Command1");
    Command1->setText("&Cancel");

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(Label1);
    top->addWidget(Label2);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Form_Load();
}

void FrmProgress::ChangShowByLanguage() {
    const auto mode = static_cast<std::size_t>(CommMode);
    if (mode < MsgText().MsgReadWrite.size()) setWindowTitle(Text(MsgText().MsgReadWrite[mode]));
    Label1->setText(Text(MsgText().MsgPercent));
}

void FrmProgress::Form_Load() {
    ChangShowByLanguage();
    SetProgressValue(0);
}

void FrmProgress::SetProgressValue(int32_t value) {
    ProgressBar1->setValue(std::clamp<int32_t>(value, 0, 100));
    Label2->setText(QString::number(value) + "%");
}

void FrmProgress::Command1_Click() { CommCancel = true; }

void FrmProgress::RunModal(const std::function<void()>& load) {
    // The first frame goes out once the dialog's own loop runs, so that a
    // session that ends at once (a port failure) can still close it.
    QTimer::singleShot(0, this, [load] { load(); });
    if (!closed_) exec();
}

void FrmProgress::CloseBySession() {
    closed_ = true;
    closing_ = true;
    if (isVisible()) QDialog::done(QDialog::Accepted);
    closing_ = false;
}

void FrmProgress::done(int result) {
    // Escape and the window's close button ask for Cancel; only the session
    // ends the dialog.
    if (closing_) {
        QDialog::done(result);
        return;
    }
    Command1_Click();
}

void FrmProgress::closeEvent(QCloseEvent* event) {
    if (closing_ || closed_) {
        event->accept();
        return;
    }
    Command1_Click();
    event->ignore();
}
