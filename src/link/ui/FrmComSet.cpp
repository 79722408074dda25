#include "link/ui/FrmComSet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "link/ComPorts.h"
#include "platform/Prompts.h"

namespace {
constexpr int kRefreshMs = 1000;

QString Text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
}  // namespace

FrmComSet::FrmComSet(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmComSet");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setMinimumContentsLength(8);
    LabelDevice = new QLabel(this);
    LabelDevice->setObjectName("LabelDevice");
    LabelDevice->setMinimumWidth(140);
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName("CommandCancel");
    for (auto* b : {CommandOK, CommandCancel}) b->setAutoDefault(false);
    CommandOK->setDefault(true);
    ReShowComPortTimer = new QTimer(this);
    ReShowComPortTimer->setObjectName("ReShowComPortTimer");
    ReShowComPortTimer->setInterval(kRefreshMs);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(LabelDevice, 0, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    grid->addLayout(buttons, 1, 0, 1, 3);

    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    connect(ReShowComPortTimer, &QTimer::timeout, this, [this] { ReShowComPortTimer_Timer(); });

    Form_Load();
}

void FrmComSet::InitComSetShow() {
    setWindowTitle(Text(GetLangText(1401)));
    Label1->setText(Text(GetLangText(1402)));
    CommandOK->setText(Text(GetLangText(101)));
    CommandCancel->setText(Text(GetLangText(102)));
}

void FrmComSet::Form_Load() {
    InitComSetShow();
    const auto choice = ChooseComPort(CommPortNo);
    ShowList(choice.entries, choice.paths, choice.index);
    PortID = choice.portId;
    ReShowComPortTimer->start();
}

void FrmComSet::ShowList(const std::vector<std::string>& entries, const std::vector<std::string>& paths,
                         int index) {
    paths_ = paths;
    std::vector<std::string> shown;
    for (int i = 0; i < Combo1->count(); ++i) shown.push_back(Combo1->itemText(i).toStdString());
    if (shown != entries) {
        // Rebuilding would emit a change to "nothing chosen" first.
        const QSignalBlocker block(Combo1);
        Combo1->clear();
        for (const auto& e : entries) Combo1->addItem(Text(e));
        Combo1->setCurrentIndex(-1);
    }
    Combo1->setCurrentIndex(index);
    const int i = Combo1->currentIndex();
    LabelDevice->setText(i >= 0 && i < static_cast<int>(paths_.size()) ? Text(paths_[i]) : QString());
}

void FrmComSet::Combo1_Click() {
    const int i = Combo1->currentIndex();
    PortID = i < 0 ? 0 : PortNumberOfText(Combo1->itemText(i).toStdString()).value_or(0);
    LabelDevice->setText(i >= 0 && i < static_cast<int>(paths_.size()) ? Text(paths_[i]) : QString());
}

void FrmComSet::ReShowComPortTimer_Timer() {
    const auto choice = ChooseComPort(PortID);
    ShowList(choice.entries, choice.paths, choice.index);
    PortID = choice.portId;
}

void FrmComSet::CommandOK_Click() {
    const int i = Combo1->currentIndex();
    std::optional<std::string> chosen;
    if (i >= 0) chosen = Combo1->itemText(i).toStdString();
    if (!AcceptComPort(chosen))
        platform::MsgBox("The port choice could not be stored in " + MySetupPath() + ".", platform::Buttons::Ok,
                         platform::Icon::Exclamation);
    accept();
}

void FrmComSet::CommandCancel_Click() { reject(); }

void FrmComSet::done(int result) {
    ReShowComPortTimer->stop();
    QDialog::done(result);
}
