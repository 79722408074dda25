#include "link/ui/FrmComSet.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/SharedState.h"
#include "link/ComPorts.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"

namespace {

using platform::Kind;
using platform::Row;

constexpr int kRefreshMs = 1000;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Label, "Label1").At(0, 270).Text(1402).Before("Combo1", -1, 100),
    Row(Kind::List, "Combo1").At(1080, 240, 1335).Tab(0),
    Row(Kind::Label, "LabelDevice").At(2520, 270, 2175),
    Row(Kind::CommandButton, "CommandOK").At(1200, 780, 1215).Tab(1).Text(101),
    Row(Kind::CommandButton, "CommandCancel").At(2640, 780, 1215).Tab(2).Text(102),
};

// Enter presses OK, as it always did.
constexpr auto kForm = platform::Form("FrmComSet").Text(1401).Size(4815, 1335).EnterPressesDefault();

}  // namespace

FrmComSet::FrmComSet(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    auto* ok = platform::Ctl<QPushButton>(this, "CommandOK");
    ok->setDefault(true);
    auto* timer = platform::Named(new QTimer(this), "ReShowComPortTimer");
    timer->setInterval(kRefreshMs);

    platform::OnEvent(platform::Ctl<platform::ComboBox>(this, "Combo1"), &QComboBox::currentIndexChanged, this,
                      "Combo1_Click", [this] { Combo1_Click(); });
    platform::OnEvent(ok, &QPushButton::clicked, this, "CommandOK_Click", [this] { CommandOK_Click(); });
    platform::OnEvent(platform::Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this,
                      "CommandCancel_Click", [this] { CommandCancel_Click(); });
    platform::OnEvent(timer, &QTimer::timeout, this, "ReShowComPortTimer_Timer",
                      [this] { ReShowComPortTimer_Timer(); });

    Form_Load();
}

void FrmComSet::InitComSetShow() {
    setWindowTitle(platform::Lang(1401));
    platform::Ctl<QLabel>(this, "Label1")->setText(platform::Lang(1402));
    platform::PlaceLabels(*this);
    SetOKCancelCaption(this);
}

void FrmComSet::Form_Load() {
    InitComSetShow();
    const auto choice = ChooseComPort(CommPortNo);
    ShowList(choice.entries, choice.paths, choice.index);
    PortID = choice.portId;
    platform::Ctl<QTimer>(this, "ReShowComPortTimer")->start();
}

void FrmComSet::ShowList(const std::vector<std::string>& entries, const std::vector<std::string>& paths,
                         int index) {
    auto* combo = platform::Ctl<platform::ComboBox>(this, "Combo1");
    paths_ = paths;
    std::vector<std::string> shown;
    for (int i = 0; i < combo->ListCount(); ++i) shown.push_back(combo->List(i));
    if (shown != entries) {
        // Clear() emits no change and the first item added selects nothing.
        combo->Clear();
        for (const auto& e : entries) combo->AddItem(e);
    }
    combo->SetListIndex(index);
    ShowDevice();
}

void FrmComSet::ShowDevice() {
    const int i = platform::Ctl<platform::ComboBox>(this, "Combo1")->ListIndex();
    platform::Ctl<QLabel>(this, "LabelDevice")
        ->setText(i >= 0 && i < static_cast<int>(paths_.size()) ? platform::QText(paths_[static_cast<std::size_t>(i)])
                                                               : QString());
}

void FrmComSet::Combo1_Click() {
    auto* combo = platform::Ctl<platform::ComboBox>(this, "Combo1");
    const int i = combo->ListIndex();
    PortID = i < 0 ? 0 : PortNumberOfText(combo->List(i)).value_or(0);
    ShowDevice();
}

void FrmComSet::ReShowComPortTimer_Timer() {
    const auto choice = ChooseComPort(PortID);
    ShowList(choice.entries, choice.paths, choice.index);
    PortID = choice.portId;
}

void FrmComSet::CommandOK_Click() {
    auto* combo = platform::Ctl<platform::ComboBox>(this, "Combo1");
    std::optional<std::string> chosen;
    if (combo->ListIndex() >= 0) chosen = combo->List(combo->ListIndex());
    if (!AcceptComPort(chosen))
        platform::MsgBox("The port choice could not be stored in " + MySetupPath() + ".", platform::Buttons::Ok,
                         platform::Icon::Exclamation);
    accept();
}

void FrmComSet::CommandCancel_Click() { reject(); }

void FrmComSet::done(int result) {
    platform::Ctl<QTimer>(this, "ReShowComPortTimer")->stop();
    QDialog::done(result);
}
