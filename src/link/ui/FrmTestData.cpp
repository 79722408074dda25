#include "link/ui/FrmTestData.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/TextCodec.h"
#include "link/TestData.h"
#include "link/TestDataEditor.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/FileDialogs.h"
#include "platform/Prompts.h"
#include "platform/ui/TextBox.h"

namespace {

QString Text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The window design in twips, at 15 twips to the pixel.
constexpr int Px(int twips) { return twips / 15; }
constexpr int kBoxWidth = Px(735);
constexpr int kBoxHeight = Px(330);
constexpr int kRowPitch = Px(360);
constexpr int kLabelGap = Px(50);
constexpr int kFrameLeft = 8;
constexpr int kFrameTop = 8;
constexpr int kFrameInnerTop = 20;
constexpr int kMargin = 8;
constexpr int kColumnGap = 16;
constexpr int kFileButtonLeft = Px(7320);
constexpr std::array<int, 2> kFileButtonTops = {Px(720), Px(1320)};
constexpr int kFileButtonWidth = Px(855);
constexpr int kButtonHeight = Px(375);
constexpr int kOKLeft = Px(3000);
constexpr int kCancelLeft = Px(4320);
constexpr int kOKTop = Px(6120);
constexpr int kOKWidth = Px(1215);
constexpr int kRows = 15;

}  // namespace

FrmTestData::FrmTestData(QWidget* parent) : QDialog(parent) {
    platform::SetControlName(this, "FrmTestData");
    Frame1 = platform::Named(new QGroupBox(this), "Frame1");
    for (int i = 0; i < static_cast<int>(kTestDataSize); ++i) {
        const bool shown = TestBoxPlaceOf(i).has_value();
        auto* box = new platform::TextBox(shown ? static_cast<QWidget*>(Frame1) : this, "Text1", i);
        box->SetCharRule(platform::rules::HexDigit);
        box->SetTypingLimit(kTestBoxLength);
        box->SetSwallowClipboardKeys(true);
        box->SetSelectAllOnFocus(true);
        box->SetEnterMovesFocus(true);
        box->setAlignment(Qt::AlignCenter);
        box->setVisible(shown);
        Text1[static_cast<std::size_t>(i)] = box;
    }
    for (int i = 1; i < static_cast<int>(Label1.size()); ++i) {
        const bool shown = TestBoxPlaceOf(i).has_value();
        auto* label = platform::Named(new QLabel(shown ? static_cast<QWidget*>(Frame1) : this), "Label1", i);
        label->setVisible(shown);
        Label1[static_cast<std::size_t>(i)] = label;
    }
    for (int i = 0; i < 2; ++i) {
        Command1[static_cast<std::size_t>(i)] = platform::NewCommandButton(this, "Command1", i);
        connect(Command1[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    CommandOK = platform::NewCommandButton(this, "CommandOK");
    CommandCancel = platform::NewCommandButton(this, "CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });

    // Tab runs down the left column, then down the right one.
    QWidget* previous = nullptr;
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < kRows; ++row)
            for (int i = 0; i < static_cast<int>(kTestDataSize); ++i) {
                const auto place = TestBoxPlaceOf(i);
                if (!place || place->column != column || place->row != row) continue;
                QWidget* box = Text1[static_cast<std::size_t>(i)];
                if (previous) setTabOrder(previous, box);
                previous = box;
            }
    for (QWidget* w : {static_cast<QWidget*>(Command1[0]), static_cast<QWidget*>(Command1[1]),
                       static_cast<QWidget*>(CommandOK), static_cast<QWidget*>(CommandCancel)}) {
        setTabOrder(previous, w);
        previous = w;
    }

    Form_Load();
}

void FrmTestData::Form_Load() {
    const TestDataCaptions captions = TestDataCaptionsOf(LangIndex);
    setWindowTitle(Text(captions.caption));
    Command1[0]->setText(Text(captions.load));
    Command1[1]->setText(Text(captions.save));
    for (int i = 1; i < static_cast<int>(Label1.size()); ++i)
        Label1[static_cast<std::size_t>(i)]->setText(Text(TestByteLabel(i, LangIndex)));
    SetOKCancelCaption(this);
    LayOut();
    working_ = TestData;
    ShowBoxes();
}

void FrmTestData::LayOut() {
    // Each column's boxes stand right of its widest label.
    std::array<int, 2> labelWidth{};
    for (int i = 1; i < static_cast<int>(Label1.size()); ++i) {
        QLabel* label = Label1[static_cast<std::size_t>(i)];
        label->adjustSize();
        if (const auto place = TestBoxPlaceOf(i))
            labelWidth[static_cast<std::size_t>(place->column)] =
                std::max(labelWidth[static_cast<std::size_t>(place->column)], label->width());
    }
    const std::array<int, 2> boxLeft = {
        kMargin + labelWidth[0] + kLabelGap,
        kMargin + labelWidth[0] + kLabelGap + kBoxWidth + kColumnGap + labelWidth[1] + kLabelGap,
    };
    for (int i = 0; i < static_cast<int>(kTestDataSize); ++i) {
        const auto place = TestBoxPlaceOf(i);
        if (!place) continue;
        const int left = boxLeft[static_cast<std::size_t>(place->column)];
        const int top = kFrameInnerTop + place->row * kRowPitch;
        Text1[static_cast<std::size_t>(i)]->setGeometry(left, top, kBoxWidth, kBoxHeight);
        if (i >= 1 && i < static_cast<int>(Label1.size())) {
            QLabel* label = Label1[static_cast<std::size_t>(i)];
            label->move(left - label->width() - kLabelGap, top + (kBoxHeight - label->height()) / 2);
        }
    }
    const int frameWidth = boxLeft[1] + kBoxWidth + kMargin;
    const int frameHeight = kFrameInnerTop + kRows * kRowPitch + kMargin;
    Frame1->setGeometry(kFrameLeft, kFrameTop, frameWidth, frameHeight);

    const int fileLeft = std::max(kFileButtonLeft, kFrameLeft + frameWidth + kMargin);
    for (std::size_t k = 0; k < Command1.size(); ++k)
        Command1[k]->setGeometry(fileLeft, kFileButtonTops[k], kFileButtonWidth, kButtonHeight);
    const int okTop = std::max(kOKTop, kFrameTop + frameHeight + kMargin);
    CommandOK->setGeometry(kOKLeft, okTop, kOKWidth, kButtonHeight);
    CommandCancel->setGeometry(kCancelLeft, okTop, kOKWidth, kButtonHeight);
    setFixedSize(fileLeft + kFileButtonWidth + kMargin, okTop + kButtonHeight + kMargin);
}

void FrmTestData::ShowBoxes() {
    for (std::size_t i = 0; i < kTestDataSize; ++i) Text1[i]->setText(Text(ByteToHex(working_[i])));
}

std::array<std::string, kTestDataSize> FrmTestData::BoxTexts() const {
    std::array<std::string, kTestDataSize> texts;
    for (std::size_t i = 0; i < kTestDataSize; ++i) texts[i] = Text1[i]->text().toStdString();
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
