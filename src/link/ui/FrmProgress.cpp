#include "link/ui/FrmProgress.h"

#include <algorithm>
#include <utility>

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/MsgText.h"
#include "core/SharedState.h"
#include "platform/Guard.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"

namespace {

using platform::Kind;
using platform::Row;

constexpr int kLabelGap = 10;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Label, "Label1").At(0, 240),
    Row(Kind::Label, "Label2").At(3120, 240, 900),
    Row(Kind::ProgressBar, "ProgressBar1").At(240, 600, 4695, 300),
    Row(Kind::CommandButton, "Command1").At(1980, 1140, 1215).Tab(0).Literal("&Cancel"),
};

constexpr auto kForm = platform::Form("FrmProgress").Size(5190, 1815);

}  // namespace

FrmProgress::FrmProgress(QWidget* parent)
    : QDialog(parent), refresh_(platform::Named(new QTimer(this), "RefreshTimer")) {
    setModal(true);
    platform::BuildForm(*this, kForm, kRows);
    platform::OnEvent(platform::Ctl<QPushButton>(this, "Command1"), &QPushButton::clicked, this, "Command1_Click",
                      [this] { Command1_Click(); });
    refresh_->setSingleShot(true);
    refresh_->setInterval(kProgressRefreshMs);
    platform::OnEvent(refresh_, &QTimer::timeout, this, "SetProgressValue", [this] { ShowDueProgress(); });
    platform::RunGuarded("ProgressForm_Load", [this] { Form_Load(); });
}

void FrmProgress::ChangShowByLanguage() {
    platform::RunGuarded("ProgressChangShowByLanguage", [this] {
        const auto mode = static_cast<std::size_t>(CommMode);
        if (mode < MsgText().MsgReadWrite.size()) setWindowTitle(platform::QText(MsgText().MsgReadWrite[mode]));
        platform::Ctl<QLabel>(this, "Label1")->setText(platform::QText(MsgText().MsgPercent));
    });
}

void FrmProgress::justSize() {
    platform::RunGuarded("ProgressjustSize", [this] {
        platform::PlaceLabelBefore(platform::Ctl<QLabel>(this, "Label1"), platform::Ctl<QLabel>(this, "Label2"),
                                   kLabelGap);
    });
}

void FrmProgress::Form_Load() {
    ChangShowByLanguage();
    justSize();
    SetProgressValue(0);
}

void FrmProgress::SetProgressValue(int32_t value) {
    platform::RunGuarded("SetProgressValue", [this, value] {
        platform::Ctl<QProgressBar>(this, "ProgressBar1")->setValue(std::clamp<int32_t>(value, 0, 100));
        platform::Ctl<QLabel>(this, "Label2")->setText(QString::number(value) + "%");
    });
}

void FrmProgress::FollowProgress(int32_t value) {
    due_ = value;
    if (!refresh_->isActive()) ShowDueProgress();
}

void FrmProgress::ShowDueProgress() {
    if (!due_) return;
    SetProgressValue(*std::exchange(due_, std::nullopt));
    refresh_->start();
}

void FrmProgress::Command1_Click() { CommCancel = true; }

void FrmProgress::RunModal(const std::function<void()>& load) {
    // The first frame goes out once the dialog's own loop runs, so that a
    // session that ends at once (a port failure) can still close it.
    QTimer::singleShot(0, this, [load] { platform::RunGuarded("ProgressForm_Load", load); });
    if (!closed_) exec();
}

void FrmProgress::CloseBySession() {
    ShowDueProgress();
    refresh_->stop();
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
