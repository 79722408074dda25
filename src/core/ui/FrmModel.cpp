#include "core/MsgText.h"
#include "core/ui/FrmModel.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "core/BandPlan.h"
#include "core/DataFiles.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "core/StartupState.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
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

constexpr int kLabelGap = 50;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Label, "Label1", 0).At(0, 270).Text(2301),
    Row(Kind::List, "Combo1", 0).At(1200, 240, 2535).Tab(0),
    Row(Kind::List, "Combo1", 1).At(1200, 660, 2535).Tab(1),
    Row(Kind::Label, "Label1", 1).At(0, 1110).Text(2302),
    Row(Kind::MultiLineText, "Text1").At(1200, 1080, 4215, 1215).Tab(2),
    Row(Kind::CommandButton, "CommandOK").At(1800, 2520, 1215).Tab(3).Text(101),
    Row(Kind::CommandButton, "CommandCancel").At(3240, 2520, 1215).Tab(4).Text(102),
};

constexpr auto kForm = platform::Form("FrmModel").Text(2300).Size(5655, 3135);

platform::ComboBox* Combo1(const QObject* form, int index) { return Ctl<platform::ComboBox>(form, "Combo1", index); }

// The plan the list shows: a plan other than the two named ones (possible
// from a data file) works with the table of the first, and shows as it.
int16_t PlanInUse() { return PCBand == 1 ? 1 : 0; }

}  // namespace

FrmModel::FrmModel(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    platform::OnEvent(Combo1(this, 1), &QComboBox::currentIndexChanged, this, "Combo1_Click",
                      [this] { Combo1_Click(1); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
                      [this] { CommandOK_Click(); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
                      [this] { CommandCancel_Click(); });

    InitModelShow();
    ShowModelList();
    ShowCurBand();
}

void FrmModel::InitModelShow() {
    setWindowTitle(platform::Lang(2300));
    auto* label0 = Ctl<QLabel>(this, "Label1", 0);
    auto* label1 = Ctl<QLabel>(this, "Label1", 1);
    label0->setText(platform::Lang(2301));
    label1->setText(platform::Lang(2302));
    platform::PlaceLabelBefore(label0, Combo1(this, 0), kLabelGap);
    platform::PlaceLabelBefore(label1, Ctl<QWidget>(this, "Text1"), kLabelGap);
    SetOKCancelCaption(this);
}

void FrmModel::ShowModelList() {
    auto* model = Combo1(this, 0);
    model->AddItem(GetModelName(RadioModel));
    model->SetListIndex(0);
    model->setEnabled(false);
    Combo1(this, 1)->AddItem("Band 1");
    Combo1(this, 1)->AddItem("Band 2");
}

void FrmModel::ShowCurBand() {
    auto* bands = Combo1(this, 1);
    const int before = bands->ListIndex();
    bands->SetListIndex(PlanInUse());
    if (bands->ListIndex() == before) Combo1_Click(1);
}

void FrmModel::Combo1_Click(int index) {
    const int plan = Combo1(this, 1)->ListIndex();
    if (index != 1 || plan < 0) return;
    QString text = platform::QText(GetBandText(static_cast<int16_t>(plan)));
    Ctl<QTextEdit>(this, "Text1")->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FrmModel::CommandOK_Click() {
    const int chosen = Combo1(this, 1)->ListIndex();
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
