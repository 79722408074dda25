#include "signalling/ui/FrmDTMF.h"

#include <string>
#include <vector>

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "platform/ReplyTimer.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"
#include "signalling/ui/DTMFCallDialog.h"
#include "signalling/ui/RuledBox.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

// The window design in twips.
constexpr int kRowPitch = 360;
constexpr int kLabelDrop = 30;
constexpr int kLabelGap = 100;
constexpr int kMemoryTop = 300;
constexpr int kMemoryBoxLeft = 720;
constexpr int kMemoryBoxWidth = 3195;
constexpr int kListLeft = 6840;
constexpr int kListWidth = 2295;
constexpr int kOwnIDWidth = 735;
constexpr int kSettingsTop = 240;
constexpr int kCheckTop = 3900;
constexpr int kCodeTop = 4380;
constexpr int kCodeLeft = 5640;
constexpr int kCodeWidth = 3495;
constexpr int kButtonTop = 7440;
constexpr int kButtonWidth = 1215;
constexpr int kParkedTop = 8400;  // below the client area
constexpr int kParkedLeft = 9600; // beyond its right edge
constexpr int kCommitMs = 50;

constexpr std::string_view kMemoryNames[kDTMFMemories] = {"M1", "M2",  "M3",  "M4",  "M5",  "M6",  "M7",  "M8",
                                                          "M9", "M10", "M11", "M12", "M13", "M14", "M15", "M16"};

// The rows of the settings column, top to bottom (Combo1(4) stands for Text3).
constexpr int kSettingsRows[] = {kSendTimeList, kOwnIDRow, 5, 6, 7, 8, 9, 10, 11, 12};
// Lists the dialog keeps out of sight below the client area.
constexpr int kHiddenLists[] = {kMemoryList, kANIList, kPTTIDModeList};

int SettingsTop(int list) {
    int row = 0;
    for (int r : kSettingsRows) {
        if (r == list) return kSettingsTop + row * kRowPitch;
        ++row;
    }
    return kParkedTop;
}

std::vector<platform::ControlRow> ControlRows() {
    std::vector<platform::ControlRow> rows;
    rows.push_back(Row(Kind::Frame, "Frame1").At(120, 120, 4095, 7080).Text(1602));
    for (int i = 0; i < kDTMFMemories; ++i) {
        const int top = kMemoryTop + i * kRowPitch;
        rows.push_back(Row(Kind::Label, "Label1", i).At(180, top + kLabelDrop).In("Frame1").Literal(kMemoryNames[i]));
        rows.push_back(Row(Kind::TextBox, "Text2", i)
                           .At(kMemoryBoxLeft, top, kMemoryBoxWidth)
                           .In("Frame1")
                           .Limit(DTMFCodeBoxLimit(i))
                           .Tab(14 + i));
    }
    rows.push_back(Row(Kind::Label, "Label2").At(180, 6120, 3795).In("Frame1").Text(1603));
    rows.push_back(Row(Kind::CommandButton, "CommandSpecial").At(180, 6540, 1815).In("Frame1").Text(3003).Tab(30));

    int tab = 0;
    for (int list : kSettingsRows) {
        const int top = SettingsTop(list);
        rows.push_back(Row(Kind::Label, "Label3", list).At(0, top + kLabelDrop).Before("Combo1", kSendTimeList, kLabelGap));
        if (list == kOwnIDRow)
            rows.push_back(Row(Kind::TextBox, "Text3").At(kListLeft, top, kOwnIDWidth).Limit(kOwnIDLength).Tab(tab++));
        else
            rows.push_back(Row(Kind::List, "Combo1", list).At(kListLeft, top, kListWidth).Tab(tab++));
    }
    for (int k = 0; k < 3; ++k) {
        const int list = kHiddenLists[k];
        const int top = kParkedTop + k * kRowPitch;
        auto label = Row(Kind::Label, "Label3", list).At(0, top + kLabelDrop).Before("Combo1", kSendTimeList, kLabelGap);
        auto combo = Row(Kind::List, "Combo1", list).At(kListLeft, top, kListWidth);
        // Combo1(3) is hidden by the load itself.
        rows.push_back(list == kPTTIDModeList ? label : label.Hidden());
        rows.push_back(list == kPTTIDModeList ? combo : combo.Hidden());
    }
    rows.push_back(Row(Kind::List, "Combo1", kOwnIDRow).At(kListLeft, kParkedTop + 3 * kRowPitch, 1215));
    rows.push_back(Row(Kind::CheckBox, "Check1").At(kListLeft, kCheckTop, kListWidth).Text(1612).Tab(33));
    for (int k = 0; k < 4; ++k) {
        const int box = kBeginCodeBox + k;
        const int top = kCodeTop + k * kRowPitch;
        rows.push_back(Row(Kind::Label, "Label1", box).At(0, top + kLabelDrop).Before("Text2", box, kLabelGap));
        rows.push_back(Row(Kind::TextBox, "Text2", box).At(kCodeLeft, top, kCodeWidth).Limit(DTMFCodeBoxLimit(box)).Tab(10 + k));
    }
    rows.push_back(Row(Kind::CommandButton, "CommandOK").At(600, kButtonTop, kButtonWidth).Tab(31));
    rows.push_back(Row(Kind::CommandButton, "CommandCancel").At(2400, kButtonTop, kButtonWidth).Tab(32));

    rows.push_back(Row(Kind::Frame, "Frame2").At(kParkedLeft, 120, 3000, 735).Text(1601));
    rows.push_back(Row(Kind::TextBox, "Text1").At(120, 300, 2760).In("Frame2").Limit(DTMFCodeBoxLimit(0)));
    rows.push_back(Row(Kind::TabControl, "SSTab1").At(120, kParkedTop + 4 * kRowPitch, 3000, 1000));
    for (int t = 0; t < 3; ++t) rows.push_back(Row(Kind::TabPage, "SSTab1Page", t).In("SSTab1"));
    return rows;
}

constexpr auto kForm = platform::Form("FrmDTMF").Literal("DTMF").Size(9315, 7980);

platform::ComboBox* Combo(const QObject* f, int index) { return Ctl<platform::ComboBox>(f, "Combo1", index); }
platform::TextBox* Code(const QObject* f, int index) { return Ctl<platform::TextBox>(f, "Text2", index); }
platform::TextBox* OwnID(const QObject* f) { return Ctl<platform::TextBox>(f, "Text3"); }
std::string BytesOf(const platform::TextBox* box) { return platform::TextBytes(box->text()); }

// The dialog waiting for its commit; a new load stores it first, so a
// reopened dialog shows what the last OK accepted.
FrmDTMF* g_pendingCommit = nullptr;

}  // namespace

FrmDTMF::FrmDTMF(QWidget* parent, std::unique_ptr<platform::ReplyTimer> okTimer)
    : QDialog(parent), okTimer_(std::move(okTimer)) {
    if (g_pendingCommit) g_pendingCommit->OKTimer_Timer();
    if (!okTimer_) okTimer_ = std::make_unique<platform::QtReplyTimer>(kCommitMs);
    okTimer_->OnTick([this] { platform::RunGuarded("OKTimer_Timer", [this] { OKTimer_Timer(); }); });
    platform::BuildForm(*this, kForm, ControlRows());
    platform::KeepFocusInClientArea(*this);
    SetUpBoxes();
    ConnectRules();
    Form_Load();
}

FrmDTMF::~FrmDTMF() {
    if (g_pendingCommit == this) g_pendingCommit = nullptr;
}

void FrmDTMF::SetUpBoxes() {
    for (int i = 0; i < kDTMFCodeBoxes; ++i) {
        SetUpRuledBox(Code(this, i), &DTMFCodeChar);
        Code(this, i)->installEventFilter(this);
    }
    SetUpRuledBox(Ctl<platform::TextBox>(this, "Text1"), &DTMFCodeChar);
    SetUpRuledBox(OwnID(this), &OwnIDChar);
}

void FrmDTMF::ConnectRules() {
    using platform::OnEvent;
    OnEvent(Combo(this, kSeparatorList), &QComboBox::currentIndexChanged, this, "Combo1_Click",
            [this] { Combo1_Click(kSeparatorList); });
    OnEvent(OwnID(this), &platform::TextBox::LostFocus, this, "Text3_LostFocus", [this] { Text3_LostFocus(); });
    OnEvent(Ctl<QPushButton>(this, "CommandSpecial"), &QPushButton::clicked, this, "CommandSpecial_Click",
            [this] { CommandSpecial_Click(); });
    OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
            [this] { CommandOK_Click(); });
    OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
            [this] { CommandCancel_Click(); });
}

bool FrmDTMF::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && platform::ControlName(watched) == "Text2") {
        const int index = platform::ControlIndex(watched);
        platform::RunGuarded("Text2_GotFocus", [this, index] { Text2_GotFocus(index); });
    }
    return QDialog::eventFilter(watched, event);
}

// ---- load -------------------------------------------------------------------

void FrmDTMF::Form_Load() {
    curDTMFEditID_ = 0;
    okTimer_->Stop();
    Ctl<QLabel>(this, "Label3", kPTTIDModeList)->hide();
    Combo(this, kPTTIDModeList)->hide();
    InitDTMFShow();
    ShowDTMFData();
    Combo(this, kSendTimeList)->setFocus();
}

void FrmDTMF::InitDTMFShow() {
    setWindowTitle(QStringLiteral("DTMF"));
    Ctl<QGroupBox>(this, "Frame2")->setTitle(platform::Lang(1601));
    Ctl<QGroupBox>(this, "Frame1")->setTitle(platform::Lang(1602));
    Ctl<QLabel>(this, "Label2")->setText(platform::Lang(1603));
    for (int i = 0; i < kDTMFLists; ++i) Ctl<QLabel>(this, "Label3", i)->setText(platform::Lang(DTMFListCaptionId(i)));
    Ctl<QCheckBox>(this, "Check1")->setText(platform::Lang(1612));
    Ctl<QPushButton>(this, "CommandSpecial")->setText(platform::Lang(3003));
    for (auto [box, key] : {std::pair{kKillCodeBox, 60069}, {kStunCodeBox, 60093}, {kBeginCodeBox, 60302},
                            {kEndCodeBox, 60303}})
        Ctl<QLabel>(this, "Label1", box)->setText(platform::QText(GetOptionText(key)));
    platform::PlaceLabels(*this);
    for (int list = 0; list < kDTMFLists; ++list) {
        auto* combo = Combo(this, list);
        combo->Clear();
        for (const std::string& item : DTMFListItems(list)) combo->AddItem(item);
    }
    SetOKCancelCaption(this);
}

void FrmDTMF::ShowDTMFData() {
    const DTMFControls c = ShowDTMFBlock(CurData.FunSet.DTMF);
    // In the order the block was always shown: the separator rule runs when
    // its list is set, before the code boxes hold the block's codes.
    for (int list : {kANIList, kSendTimeList, kPTTIDModeList}) Combo(this, list)->SetListIndex(c.item[static_cast<std::size_t>(list)]);
    OwnID(this)->setText(platform::ByteText(c.ownID));
    for (int list : {kSeparatorList, kGroupList}) Combo(this, list)->SetListIndex(c.item[static_cast<std::size_t>(list)]);
    for (int box : {kBeginCodeBox, kEndCodeBox, kKillCodeBox, kStunCodeBox})
        Code(this, box)->setText(platform::ByteText(c.codes[static_cast<std::size_t>(box)]));
    for (int i = 0; i < kDTMFMemories; ++i) Code(this, i)->setText(platform::ByteText(c.codes[static_cast<std::size_t>(i)]));
    for (int list = kDecodeRespList; list <= kPauseTimeList; ++list)
        Combo(this, list)->SetListIndex(c.item[static_cast<std::size_t>(list)]);
    platform::SetCheckValue(Ctl<QCheckBox>(this, "Check1"), c.sideTone);
}

// ---- rules ------------------------------------------------------------------

void FrmDTMF::Text2_GotFocus(int index) { curDTMFEditID_ = index; }

void FrmDTMF::Combo1_Click(int index) {
    if (index != kSeparatorList) return;
    const std::string sep = Combo(this, kSeparatorList)->Text();
    const std::string own = BytesOf(OwnID(this));
    for (int i = 0; i < kComposedCodeBoxes; ++i) {
        auto* box = Code(this, i);
        box->setText(platform::ByteText(WithSeparator(BytesOf(box), sep, own)));
    }
}

void FrmDTMF::Text3_LostFocus() {
    auto* ownBox = OwnID(this);
    const std::string own = PadID(BytesOf(ownBox));
    ownBox->setText(platform::ByteText(own));
    const std::string sep = Combo(this, kSeparatorList)->Text();
    for (int i = 0; i < kComposedCodeBoxes; ++i) {
        auto* box = Code(this, i);
        box->setText(platform::ByteText(WithOwnID(BytesOf(box), sep, own)));
    }
}

void FrmDTMF::CommandSpecial_Click() {
    if (!ComposerServes(curDTMFEditID_)) return;
    FrmDTMFSpecial composer(*this);
    composer.exec();
}

void FrmDTMF::CommandOK_Click() {
    if (commitPending_) return;
    if (KillEqualsStun(BytesOf(Code(this, kKillCodeBox)), BytesOf(Code(this, kStunCodeBox)))) {
        Code(this, kKillCodeBox)->setFocus();
        platform::MsgBox(GetLangText(kKillEqualsStunText), platform::Buttons::Ok, platform::Icon::None);
        return;
    }
    commitPending_ = true;
    g_pendingCommit = this;
    hide();
    okTimer_->Start();
}

DTMFControls FrmDTMF::ReadControls() const {
    DTMFControls c;
    for (int list = 0; list < kDTMFLists; ++list) c.item[static_cast<std::size_t>(list)] = Combo(this, list)->ListIndex();
    c.ownID = BytesOf(OwnID(this));
    for (int i = 0; i < kDTMFCodeBoxes; ++i) c.codes[static_cast<std::size_t>(i)] = BytesOf(Code(this, i));
    c.sideTone = platform::CheckValue(Ctl<QCheckBox>(this, "Check1"));
    return c;
}

void FrmDTMF::OKTimer_Timer() {
    okTimer_->Stop();
    if (!commitPending_) return;
    StoreDTMFBlock(ReadControls(), CurData.FunSet.DTMF);
    commitPending_ = false;
    if (g_pendingCommit == this) g_pendingCommit = nullptr;
    done(QDialog::Accepted);
    if (deleteAfterCommit_) deleteLater();
}

void FrmDTMF::CommandCancel_Click() { reject(); }

void FrmDTMF::DeleteAfterCommit() {
    if (commitPending_) deleteAfterCommit_ = true;
    else delete this;
}

void ShowFrmDTMF() {
    auto* dialog = new FrmDTMF();
    dialog->exec();
    dialog->DeleteAfterCommit();
}
