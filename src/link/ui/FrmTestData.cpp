#include "link/ui/FrmTestData.h"

#include <algorithm>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/TextCodec.h"
#include "link/TestData.h"
#include "link/TestDataEditor.h"
#include "platform/FileDialogs.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/Twips.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"

namespace {

using platform::Kind;
using platform::PixelsFromTwips;
using platform::Row;

// The window design in twips.
constexpr int kBoxWidth = 735;
constexpr int kBoxHeight = 330;
constexpr int kRowPitch = 360;
constexpr int kLabelGap = 50;
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 120;
constexpr int kFrameInnerTop = 300;
constexpr int kMargin = 120;
constexpr int kColumnGap = 240;
constexpr int kFileButtonLeft = 7320;
constexpr std::array<int, 2> kFileButtonTops = {720, 1320};
constexpr int kFileButtonWidth = 855;
constexpr int kButtonHeight = 375;
constexpr int kOKLeft = 3000;
constexpr int kCancelLeft = 4320;
constexpr int kOKTop = 6120;
constexpr int kOKWidth = 1215;
constexpr int kRows = 15;
constexpr int kLabels = 32;  // Label1(1..31)

// Tab runs down the left column, then down the right one; the boxes that
// are never shown take no place in it.
int TabOf(int box) {
    const auto place = TestBoxPlaceOf(box);
    return place ? place->column * kRows + place->row : -1;
}

std::vector<platform::ControlRow> ControlRows() {
    std::vector<platform::ControlRow> rows;
    rows.push_back(Row(Kind::Frame, "Frame1").At(kFrameLeft, kFrameTop, 0, 0));
    for (int i = 0; i < static_cast<int>(kTestDataSize); ++i) {
        auto box = Row(Kind::TextBox, "Text1", i).At(0, 0, kBoxWidth, kBoxHeight).Limit(kTestBoxLength);
        rows.push_back(TestBoxPlaceOf(i) ? box.In("Frame1").Tab(TabOf(i)) : box.Hidden());
    }
    for (int i = 1; i < kLabels; ++i) {
        const auto label = Row(Kind::Label, "Label1", i);
        rows.push_back(TestBoxPlaceOf(i) ? label.In("Frame1") : label.Hidden());
    }
    const int next = 2 * kRows;
    rows.push_back(Row(Kind::CommandButton, "Command1", 0).Tab(next));
    rows.push_back(Row(Kind::CommandButton, "Command1", 1).Tab(next + 1));
    rows.push_back(Row(Kind::CommandButton, "CommandOK").Tab(next + 2).Text(101));
    rows.push_back(Row(Kind::CommandButton, "CommandCancel").Tab(next + 3).Text(102));
    return rows;
}

}  // namespace

FrmTestData::FrmTestData(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, platform::Form("FrmTestData"), ControlRows());
    for (int i = 0; i < static_cast<int>(kTestDataSize); ++i) {
        auto* box = platform::Ctl<platform::TextBox>(this, "Text1", i);
        box->SetCharRule(platform::rules::HexDigit);
        box->SetSwallowClipboardKeys(true);
        box->SetSelectAllOnFocus(true);
        box->setAlignment(Qt::AlignCenter);
    }
    for (int i = 0; i < 2; ++i)
        platform::OnEvent(platform::Ctl<QPushButton>(this, "Command1", i), &QPushButton::clicked, this,
                          "Command1_Click", [this, i] { Command1_Click(i); });
    platform::OnEvent(platform::Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
                      [this] { CommandOK_Click(); });
    platform::OnEvent(platform::Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this,
                      "CommandCancel_Click", [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmTestData::Form_Load() {
    const TestDataCaptions captions = TestDataCaptionsOf(LangIndex);
    setWindowTitle(platform::QText(captions.caption));
    platform::Ctl<QPushButton>(this, "Command1", 0)->setText(platform::QText(captions.load));
    platform::Ctl<QPushButton>(this, "Command1", 1)->setText(platform::QText(captions.save));
    for (int i = 1; i < kLabels; ++i)
        platform::Ctl<QLabel>(this, "Label1", i)->setText(platform::QText(TestByteLabel(i, LangIndex)));
    SetOKCancelCaption(this);
    LayOut();
    working_ = TestData;
    ShowBoxes();
}

void FrmTestData::LayOut() {
    // Each column's boxes stand right of its widest label (pixels from here on).
    std::array<int, 2> labelWidth{};
    for (int i = 1; i < kLabels; ++i) {
        QLabel* label = platform::Ctl<QLabel>(this, "Label1", i);
        label->adjustSize();
        if (const auto place = TestBoxPlaceOf(i)) {
            auto& widest = labelWidth[static_cast<std::size_t>(place->column)];
            widest = std::max(widest, label->width());
        }
    }
    const int margin = PixelsFromTwips(kMargin);
    const int gap = PixelsFromTwips(kLabelGap);
    const int boxWidth = PixelsFromTwips(kBoxWidth);
    const int boxHeight = PixelsFromTwips(kBoxHeight);
    const std::array<int, 2> boxLeft = {
        margin + labelWidth[0] + gap,
        margin + labelWidth[0] + gap + boxWidth + PixelsFromTwips(kColumnGap) + labelWidth[1] + gap,
    };
    for (int i = 0; i < static_cast<int>(kTestDataSize); ++i) {
        const auto place = TestBoxPlaceOf(i);
        if (!place) continue;
        auto* box = platform::Ctl<platform::TextBox>(this, "Text1", i);
        const int top = PixelsFromTwips(kFrameInnerTop + place->row * kRowPitch);
        box->setGeometry(boxLeft[static_cast<std::size_t>(place->column)], top, boxWidth, boxHeight);
        if (i >= 1 && i < kLabels) {
            QLabel* label = platform::Ctl<QLabel>(this, "Label1", i);
            label->move(label->x(), top + (boxHeight - label->height()) / 2);
            platform::PlaceLabelBefore(label, box, kLabelGap);
        }
    }
    const int frameLeft = PixelsFromTwips(kFrameLeft);
    const int frameTop = PixelsFromTwips(kFrameTop);
    const int frameWidth = boxLeft[1] + boxWidth + margin;
    const int frameHeight = PixelsFromTwips(kFrameInnerTop + kRows * kRowPitch) + margin;
    platform::Ctl<QGroupBox>(this, "Frame1")->setGeometry(frameLeft, frameTop, frameWidth, frameHeight);

    const int buttonHeight = PixelsFromTwips(kButtonHeight);
    const int fileWidth = PixelsFromTwips(kFileButtonWidth);
    const int fileLeft = std::max(PixelsFromTwips(kFileButtonLeft), frameLeft + frameWidth + margin);
    for (int k = 0; k < 2; ++k)
        platform::Ctl<QPushButton>(this, "Command1", k)
            ->setGeometry(fileLeft, PixelsFromTwips(kFileButtonTops[static_cast<std::size_t>(k)]), fileWidth,
                          buttonHeight);
    const int okTop = std::max(PixelsFromTwips(kOKTop), frameTop + frameHeight + margin);
    const int okWidth = PixelsFromTwips(kOKWidth);
    platform::Ctl<QPushButton>(this, "CommandOK")->setGeometry(PixelsFromTwips(kOKLeft), okTop, okWidth, buttonHeight);
    platform::Ctl<QPushButton>(this, "CommandCancel")
        ->setGeometry(PixelsFromTwips(kCancelLeft), okTop, okWidth, buttonHeight);
    setFixedSize(fileLeft + fileWidth + margin, okTop + buttonHeight + margin);
}

void FrmTestData::ShowBoxes() {
    for (int i = 0; i < static_cast<int>(kTestDataSize); ++i)
        platform::Ctl<platform::TextBox>(this, "Text1", i)
            ->setText(platform::QText(ByteToHex(working_[static_cast<std::size_t>(i)])));
}

std::array<std::string, kTestDataSize> FrmTestData::BoxTexts() const {
    std::array<std::string, kTestDataSize> texts;
    for (int i = 0; i < static_cast<int>(kTestDataSize); ++i)
        texts[static_cast<std::size_t>(i)] = platform::Utf8(platform::Ctl<platform::TextBox>(this, "Text1", i)->text());
    return texts;
}

void FrmTestData::Command1_Click(int index) {
    if (index == 0) LoadFile();
    else if (index == 1) SaveFile();
}

void FrmTestData::LoadFile() {
    const TestDataCaptions captions = TestDataCaptionsOf(LangIndex);
    const auto path = platform::OpenFileDialog({captions.caption, captions.filter, TedFileName});
    if (!path) return;
    switch (ReadTedFile(*path, working_)) {
        case TedReadResult::Read: ShowBoxes(); return;
        case TedReadResult::TooShort:
            platform::MsgBox(GetLangText(kTedTooShortText) + "\n" + *path, platform::Buttons::Ok,
                             platform::Icon::Exclamation);
            return;
        case TedReadResult::Missing:
        case TedReadResult::Unreadable:
            platform::MsgBox(GetLangText(kTedReadErrorText) + "\n" + *path, platform::Buttons::Ok,
                             platform::Icon::Exclamation);
            return;
    }
}

void FrmTestData::SaveFile() {
    TestRecord parsed = working_;
    const auto bad = ParseTestBoxes(BoxTexts(), parsed);
    if (!bad.empty()) {
        platform::MsgBox(BadBoxesMessage(kBadBoxesNotSavedText, bad, LangIndex), platform::Buttons::Ok,
                         platform::Icon::Exclamation);
        return;
    }
    working_ = parsed;
    const TestDataCaptions captions = TestDataCaptionsOf(LangIndex);
    const auto path = platform::SaveFileDialog({captions.caption, captions.filter, TedFileName});
    if (!path) return;
    if (!WriteTedFile(*path, working_))
        platform::MsgBox(GetLangText(kTedWriteErrorText) + "\n" + *path, platform::Buttons::Ok,
                         platform::Icon::Exclamation);
}

void FrmTestData::CommandOK_Click() {
    const auto bad = ParseTestBoxes(BoxTexts(), working_);
    if (!bad.empty())
        platform::MsgBox(BadBoxesMessage(kBadBoxesKeptText, bad, LangIndex), platform::Buttons::Ok,
                         platform::Icon::Exclamation);
    TestData = working_;
    accept();
}

void FrmTestData::CommandCancel_Click() { reject(); }
