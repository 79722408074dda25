#include "core/MsgText.h"
#include "core/ui/FrmModel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "core/BandPlan.h"
#include "core/DataFiles.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/StartupState.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/Prompts.h"

namespace {

QString Lang(int16_t id) { return QString::fromStdString(GetLangText(id)); }

// The plan the list shows: a plan other than the two named ones (possible
// from a data file) works with the table of the first, and shows as it.
int16_t PlanInUse() { return PCBand == 1 ? 1 : 0; }

}  // namespace

FrmModel::FrmModel(QWidget* parent) : QDialog(parent) {
    platform::SetControlName(this, "FrmModel");
    label0_ = platform::Named(new QLabel(this), "Label1", 0);
    label1_ = platform::Named(new QLabel(this), "Label1", 1);
    combo0_ = new platform::ComboBox(this, "Combo1", 0);
    combo1_ = new platform::ComboBox(this, "Combo1", 1);
    text1_ = platform::Named(new QTextEdit(this), "Text1");
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QTextEdit::NoWrap);
    commandOK_ = platform::NewCommandButton(this, "CommandOK");
    commandCancel_ = platform::NewCommandButton(this, "CommandCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label0_, 0, 0, Qt::AlignRight);
    grid->addWidget(combo0_, 0, 1);
    grid->addWidget(combo1_, 1, 1);
    grid->addWidget(label1_, 2, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(text1_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandOK_);
    buttons->addWidget(commandCancel_);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(combo1_, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(1); });
    connect(commandOK_, &QPushButton::clicked, this, &FrmModel::CommandOK_Click);
    connect(commandCancel_, &QPushButton::clicked, this, &FrmModel::CommandCancel_Click);

    InitModelShow();
    ShowModelList();
    ShowCurBand();
}

void FrmModel::InitModelShow() {
    setWindowTitle(Lang(2300));
    label0_->setText(Lang(2301));
    label1_->setText(Lang(2302));
    SetOKCancelCaption(this);
}

void FrmModel::ShowModelList() {
    combo0_->AddItem(GetModelName(RadioModel));
    combo0_->SetListIndex(0);
    combo0_->setEnabled(false);
    combo1_->AddItem("Band 1");
    combo1_->AddItem("Band 2");
}

void FrmModel::ShowCurBand() {
    const int before = combo1_->ListIndex();
    combo1_->SetListIndex(PlanInUse());
    if (combo1_->ListIndex() == before) Combo1_Click(1);
}

void FrmModel::Combo1_Click(int index) {
    if (index != 1 || combo1_->ListIndex() < 0) return;
    QString text = QString::fromStdString(GetBandText(static_cast<int16_t>(combo1_->ListIndex())));
    text1_->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FrmModel::CommandOK_Click() {
    const int chosen = combo1_->ListIndex();
    if (IsOtherBandPlan(chosen, PCBand) &&
        platform::MsgBoxTitled(MsgText().MsgClearFre, MsgText().MsgWarning, platform::Buttons::OkCancel,
                               platform::Icon::Exclamation) ==
            platform::Answer::Ok) {
        PCBand = static_cast<int16_t>(chosen);
        SetBandByType(PCBand);
        InitHyperRange();
        NewDataFile();
    }
    accept();
}

void ShowFrmModel() {
    FrmModel dialog;
    dialog.exec();
}
