#include "settings/ui/FrmEMG.h"

#include <array>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "core/SharedState.h"
#include "settings/EmbedInfoTexts.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

// The window design in twips.
constexpr int kLabelGap = 50;
constexpr int kRowPitch = 360;
constexpr int kBoxLeft = 2160;
constexpr int kFrameBoxLeft = 1680;
constexpr int kBoxWidth = 4695;
constexpr int kRowsTop = 2400;
constexpr int kFrameRowsTop = 240;
constexpr int kLabelDrop = 30;
constexpr int kReasonHeight = 975;

// A row below the frame: its control, then its caption.
struct InfoRow {
    Kind kind;
    const char* control;
    int index;
    const char* label;
    int labelIndex;
};
constexpr std::array<InfoRow, 9> kRows = {{
    {Kind::List, "Combo1", 0, "Label1", 1},
    {Kind::List, "Combo1", 1, "Label1", 2},
    {Kind::TextBox, "Text1", 0, "Label2", -1},
    {Kind::TextBox, "Text1", 6, "Label1", 0},
    {Kind::TextBox, "Text1", 7, "Label1", 9},
    {Kind::TextBox, "Text1", 1, "Label1", 3},
    {Kind::TextBox, "Text1", 2, "Label1", 4},
    {Kind::TextBox, "Text1", 3, "Label1", 5},
    {Kind::TextBox, "Text1", kEmbedVersionBox, "Label1", 8},
}};
constexpr int kFirstDealerBox = 8;
constexpr int kFirstDealerLabel = 10;

std::vector<platform::ControlRow> ControlRows() {
    std::vector<platform::ControlRow> rows;
    rows.push_back(Row(Kind::Frame, "Frame1").At(240, 0, 6615, 2055));
    for (int r = 0; r < 4; ++r) {
        const int top = kFrameRowsTop + r * kRowPitch;
        rows.push_back(Row(Kind::Label, "Label1", kFirstDealerLabel + r)
                           .At(0, top + kLabelDrop)
                           .In("Frame1")
                           .Before("Text1", kFirstDealerBox, kLabelGap));
        rows.push_back(Row(Kind::TextBox, "Text1", kFirstDealerBox + r).At(kFrameBoxLeft, top, kBoxWidth).In("Frame1"));
    }
    int top = kRowsTop;
    for (const InfoRow& r : kRows) {
        rows.push_back(Row(Kind::Label, r.label, r.labelIndex).At(0, top + kLabelDrop).Before("Text1", 0, kLabelGap));
        rows.push_back(Row(r.kind, r.control, r.index).At(kBoxLeft, top, kBoxWidth));
        top += kRowPitch;
    }
    rows.push_back(Row(Kind::Label, "Label1", 6).At(0, top + kLabelDrop).Before("Text1", 0, kLabelGap));
    rows.push_back(Row(Kind::Label, "Label1", 7).At(0, top + kLabelDrop + 270).Before("Text1", 0, kLabelGap));
    rows.push_back(
        Row(Kind::MultiLineText, "Text1", kEmbedReasonBox).At(kBoxLeft, top, kBoxWidth, kReasonHeight));
    const int buttonTop = top + kReasonHeight + 240;
    rows.push_back(Row(Kind::CommandButton, "CommandClose").At(2940, buttonTop, 1215).Tab(0));
    rows.push_back(Row(Kind::CommandButton, "CommandHelp").At(4440, buttonTop, 1215).Hidden());
    return rows;
}

constexpr int kFormWidth = 7095;
constexpr int kFormHeight = kRowsTop + static_cast<int>(kRows.size()) * kRowPitch + kReasonHeight + 240 + 375 + 240;
constexpr auto kForm = platform::Form("FrmEMG").Size(kFormWidth, kFormHeight);

}  // namespace

FrmEMG::FrmEMG(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, ControlRows());
    for (int i = 0; i < kEmbedBoxes; ++i) Ctl<QWidget>(this, "Text1", i)->setEnabled(false);
    for (int i = 0; i < 2; ++i) Ctl<QWidget>(this, "Combo1", i)->setEnabled(false);
    Ctl<QTextEdit>(this, "Text1", kEmbedReasonBox)->setLineWrapMode(QTextEdit::WidgetWidth);
    platform::OnEvent(Ctl<QPushButton>(this, "CommandClose"), &QPushButton::clicked, this, "CommandClose_Click",
                      [this] { CommandClose_Click(); });
    Form_Load();
}

void FrmEMG::Form_Load() {
    auto* band = Ctl<platform::ComboBox>(this, "Combo1", 1);
    band->Clear();
    for (const char* item : kEmbedBandItems) band->AddItem(item);
    ChangShowByLanguage();
    ShowByData();
}

void FrmEMG::ChangShowByLanguage() {
    const EmbedCaptions captions = EmbedCaptionsOf(LangIndex);
    setWindowTitle(platform::QText(captions.form));
    Ctl<QGroupBox>(this, "Frame1")->setTitle(platform::QText(captions.frame));
    Ctl<QLabel>(this, "Label2")->setText(platform::QText(captions.label2));
    for (int i = 0; i < kEmbedLabels; ++i)
        Ctl<QLabel>(this, "Label1", i)->setText(platform::QText(captions.label1[static_cast<std::size_t>(i)]));
    // The version box shows on the dialog's own background.
    auto* version = Ctl<QWidget>(this, "Text1", kEmbedVersionBox);
    QPalette palette = version->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, this->palette().color(group, QPalette::Window));
    version->setPalette(palette);
    platform::PlaceLabels(*this);
    SetCloseHelpCaption(this);
}

void FrmEMG::ShowByData() {
    auto* model = Ctl<platform::ComboBox>(this, "Combo1", 0);
    model->Clear();
    model->AddItem(ModelName);
    model->SetListIndex(0);
    SetComboText(*Ctl<platform::ComboBox>(this, "Combo1", 1),
                 GetComboItem(*Ctl<platform::ComboBox>(this, "Combo1", 1), EmbedInfo.Band));
    const auto texts = EmbedInfoBoxTexts(EmbedInfo);
    for (int i = 0; i < kEmbedBoxes; ++i) {
        const QString text = platform::ByteText(texts[static_cast<std::size_t>(i)]);
        if (i == kEmbedReasonBox)
            Ctl<QTextEdit>(this, "Text1", i)->setPlainText(text);
        else
            Ctl<platform::TextBox>(this, "Text1", i)->setText(text);
    }
}

void FrmEMG::CommandClose_Click() { accept(); }
