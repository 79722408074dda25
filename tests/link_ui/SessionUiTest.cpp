// The progress and password dialogs, and whole sessions through the real
// serial port against the simulated radio on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <map>
#include <optional>
#include <random>
#include <thread>

#include "DeviceLinks.h"
#include "HangLimit.h"
#include "KeyPresses.h"
#include "ProgramSandbox.h"
#include "ScriptedPrompts.h"
#include "WaitFor.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "link/ui/FrmPassWord.h"
#include "link/ui/FrmProgress.h"
#include "link/ui/SessionDialogs.h"
#include "platform/ui/ComboBox.h"
#include "link/ImageAreas.h"
#include "link/Session.h"
#include "link/SimPty.h"
#include "link/TransferPlan.h"
#include "platform/ui/Controls.h"
#include "platform/QtSerialPort.h"
#include "platform/ReplyTimer.h"
#include "platform/ui/TextBox.h"

namespace {

using platform::Answer;
using platform::Buttons;

class SessionUiTest : public testing::Test {
protected:
    void SetUp() override {
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        CurData.CHCount = 0;
        ScanEnable = 0;
        AlertEnable = -1;
        SaveOldRadioData();
    }
    void TearDown() override {
        stop_ = true;
        if (server_.joinable()) server_.join();
        installed_.reset();
    }
    static QString Lang(int id) { return QString::fromStdString(GetLangText(static_cast<int16_t>(id))); }

    // The session's port is a real serial port on the simulated radio's
    // terminal; its dialogs are the real ones. The radio answers every frame,
    // so the reply timer only ends a hang (the session's time-outs are tested
    // on a virtual clock).
    void StartRadio() {
        std::string error;
        ASSERT_TRUE(pty_.Open(error)) << error;
        server_ = std::thread([this] { pty_.Serve(radio_, stop_); });
        const std::string path = links_.To(pty_.DevicePath());
        hooks_.makePort = [path] {
            auto p = std::make_unique<platform::QtSerialPort>();
            p->SetDevicePathOverride(path);
            return p;
        };
        hooks_.makeTimer = [] { return std::make_unique<platform::QtReplyTimer>(kHangLimitMs); };
        AddSessionDialogs(hooks_);
        installed_.emplace(hooks_);
    }
    void StopRadio() {
        stop_ = true;
        server_.join();
    }

    ProgramSandbox sandbox;
    sim::SimRadio radio_;
    DeviceLinks links_;
    sim::SimPty pty_;
    std::atomic<bool> stop_{false};
    std::thread server_;
    SessionHooks hooks_;
    std::optional<ScopedSessionHooks> installed_;
};

TEST_F(SessionUiTest, ProgressDialogShowsThePercentageAndOnlyAsksToCancel) {
    CommMode = SessionMode::Write;
    FrmProgressView view;
    auto& form = view.Form();
    EXPECT_EQ(form.windowTitle(), "Write data to radio");
    auto* label1 = platform::Control<QLabel>(&form, "Label1");
    auto* label2 = platform::Control<QLabel>(&form, "Label2");
    auto* bar = platform::Control<QProgressBar>(&form, "ProgressBar1");
    auto* cancel = platform::Control<QPushButton>(&form, "Command1");
    ASSERT_TRUE(label1 && label2 && bar && cancel);
    EXPECT_EQ(label1->text(), "Completion percentage:");
    EXPECT_EQ(label2->text(), "0%");
    EXPECT_EQ(cancel->text(), "&Cancel");
    EXPECT_EQ(bar->maximum(), 100);

    bool loaded = false;
    view.RunModal([&] {
        loaded = true;
        EXPECT_TRUE(view.IsVisible());
        view.SetProgressValue(42);
        EXPECT_EQ(label2->text(), "42%");
        EXPECT_EQ(bar->value(), 42);
        // Cancel, the close button and Escape only ask the session to stop.
        cancel->click();
        EXPECT_TRUE(CommCancel);
        CommCancel = false;
        form.close();
        EXPECT_TRUE(CommCancel);
        EXPECT_TRUE(form.isVisible());
        CommCancel = false;
        form.reject();
        EXPECT_TRUE(CommCancel);
        EXPECT_TRUE(form.isVisible());
        view.Close();
    });
    EXPECT_TRUE(loaded);
    EXPECT_FALSE(form.isVisible());

    // A session that ends inside the load (a port failure) closes it at once.
    CommMode = SessionMode::Read;
    FrmProgressView quick;
    EXPECT_EQ(quick.Form().windowTitle(), "Read data from radio");
    quick.RunModal([&] { quick.Close(); });
    EXPECT_FALSE(quick.Form().isVisible());
}

// The session hands over every new percentage once its next frame is out;
// the display takes them as a person can follow them: the first at once, then
// at most one per refresh interval, the latest, and the last one always
// before the dialog closes. Counted against the ticks of the display's own
// refresh timer, which hold however slowly the machine runs.
TEST_F(SessionUiTest, ProgressDisplayIsCoalescedAndShowsTheLastValue) {
    CommMode = SessionMode::Read;
    FrmProgressView view;
    auto* label = platform::Control<QLabel>(&view.Form(), "Label2");
    auto* bar = platform::Control<QProgressBar>(&view.Form(), "ProgressBar1");
    auto* refresh = platform::Control<QTimer>(&view.Form(), "RefreshTimer");
    ASSERT_TRUE(label && bar && refresh);
    int handed = 0;
    const auto hand = [&](int value) { view.SetProgressValue(handed = value); };
    int changes = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] { ++changes; });
    // Connected after the dialog's own handler: sees what a tick left shown.
    int ticks = 0;
    int ticksWithoutTheLatest = 0;
    QObject::connect(refresh, &QTimer::timeout, [&] {
        ++ticks;
        if (bar->value() != handed) ++ticksWithoutTheLatest;
    });
    view.RunModal([&] {
        hand(1);
        EXPECT_EQ(label->text(), "1%") << "a still display shows a value at once";
        for (int v = 2; v <= 57; ++v) hand(v);
        EXPECT_EQ(label->text(), "1%");
        EXPECT_TRUE(WaitFor([&] { return ticks == 1; }));
        EXPECT_EQ(label->text(), "57%") << "the latest value once the interval is up";
        EXPECT_EQ(changes, 2);

        // A new value every time the event loop has looked, for three ticks:
        // each tick shows the latest, and nothing changes between ticks.
        const QDeadlineTimer hang(kHangLimit);
        for (int v = 0; ticks < 4 && !hang.hasExpired();) {
            do v = v % 96 + 1;
            while (v == bar->value());  // a value the display does not show
            hand(v);
            QApplication::processEvents();
        }
        EXPECT_EQ(ticks, 4) << "the display stopped following a steady stream";
        EXPECT_EQ(changes, 2 + 3);

        // Still for a whole interval: the next value shows at once.
        EXPECT_TRUE(WaitFor([&] { return !refresh->isActive(); }));
        EXPECT_EQ(changes, 5);
        hand(98);
        EXPECT_EQ(label->text(), "98%");
        // The session ends right after its last counts.
        hand(99);
        hand(100);
        view.Close();
    });
    EXPECT_EQ(label->text(), "100%");
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(changes, 7);
    EXPECT_EQ(ticksWithoutTheLatest, 0);
}

TEST_F(SessionUiTest, PasswordDialog) {
    InputPassWord = "12";
    {
        FrmPassWord form;
        EXPECT_EQ(form.windowTitle(), Lang(3100));
        EXPECT_EQ(platform::Control<QLabel>(&form, "Label1")->text(), Lang(3101));
        auto* box = platform::Control<platform::TextBox>(&form, "Text1");
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text(), "12");
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
        EXPECT_EQ(box->TypingLimit(), 4);
        EXPECT_EQ(platform::Control<QPushButton>(&form, "CommandOK")->text(), Lang(101));
        box->setText("AB  ");
        form.CommandOK_Click();
        EXPECT_TRUE(PassWordEntered);
        EXPECT_EQ(InputPassWord, "AB");  // trailing blanks go
    }
    {
        FrmPassWord form;
        EXPECT_FALSE(PassWordEntered);
        platform::Control<platform::TextBox>(&form, "Text1")->setText(" X");
        form.CommandOK_Click();
        EXPECT_EQ(InputPassWord, " X");  // a leading blank stays
    }
    {
        FrmPassWord form;
        platform::Control<platform::TextBox>(&form, "Text1")->setText("9999");
        form.CommandCancel_Click();
        EXPECT_FALSE(PassWordEntered);
        EXPECT_EQ(InputPassWord, " X");
    }
    {
        // Enter in the box presses OK.
        FrmPassWord form;
        form.show();
        QApplication::setActiveWindow(&form);
        auto* box = platform::Control<platform::TextBox>(&form, "Text1");
        box->setFocus();
        box->setText("77");
        Key(box, Qt::Key_Return, Qt::NoModifier, "\r");
        EXPECT_TRUE(PassWordEntered);
        EXPECT_EQ(InputPassWord, "77");
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
}

TEST_F(SessionUiTest, FullReadThroughTheSerialPort) {
    std::mt19937 rng(5);
    for (auto& b : radio_.Mem()) b = static_cast<uint8_t>(rng());
    std::fill(radio_.Mem().begin() + image_map::kFlagNibbles, radio_.Mem().begin() + 0x0280, 0x00);
    std::fill(radio_.Mem().begin() + image_map::kTone5Bitmap, radio_.Mem().begin() + 0x03A0, 0x00);
    radio_.SetReadPassword("");
    StartRadio();
    ScriptedPrompts prompts;
    prompts.expect(MsgText().MsgReadAsk, Buttons::OkCancel, Answer::Ok);
    prompts.expect(Lang(2004).toStdString(), Buttons::Ok, Answer::Ok);
    ReadFromRadio();
    EXPECT_TRUE(prompts.allAnswered());
    StopRadio();
    EXPECT_EQ(CommMode, SessionMode::Idle);
    EXPECT_FALSE(SessionPort().IsOpen());
    EXPECT_TRUE(std::equal(CommData.begin() + 0x10, CommData.end(), radio_.Mem().begin() + 0x10));
    EXPECT_FALSE(IsDataChanged());
}

// The real dialogs over a running read: the password box the session opens,
// then Cancel in the progress dialog while the blocks come in.
TEST_F(SessionUiTest, PasswordBoxThenCancelDuringARead) {
    sim::SimRadioConfig config;
    config.replyDelayUs = 2000;  // a full read takes seconds: Cancel comes well before its end
    radio_.Config() = config;
    std::fill(radio_.Mem().begin() + image_map::kFlagNibbles, radio_.Mem().begin() + 0x0280, 0x00);
    std::fill(radio_.Mem().begin() + image_map::kTone5Bitmap, radio_.Mem().begin() + 0x03A0, 0x00);
    radio_.SetReadPassword("12");
    InputPassWord = "";
    StartRadio();
    // The user, as the windows come up.
    bool typed = false;
    bool cancelled = false;
    QTimer user;
    user.setInterval(5);
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        const std::string name = platform::ControlName(modal);
        if (name == "FrmPassWord" && !typed) {
            platform::Ctl<platform::TextBox>(modal, "Text1")->setText("12");
            platform::Ctl<QPushButton>(modal, "CommandOK")->click();
            typed = true;
        } else if (name == "FrmProgress" && typed && !cancelled &&
                   platform::Ctl<QLabel>(modal, "Label2")->text() != "0%") {
            platform::Ctl<QPushButton>(modal, "Command1")->click();
            cancelled = true;
        }
    });
    user.start();
    ScriptedPrompts prompts;
    prompts.expect(MsgText().MsgReadAsk, Buttons::OkCancel, Answer::Ok);
    prompts.expect(Lang(2006).toStdString(), Buttons::Ok, Answer::Ok);
    ReadFromRadio();
    user.stop();
    StopRadio();
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_TRUE(typed);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(InputPassWord, "12");
    EXPECT_EQ(CommMode, SessionMode::Idle);
    EXPECT_FALSE(SessionPort().IsOpen());
    EXPECT_FALSE(CommCancel);
    EXPECT_FALSE(IsDataChanged()) << "a cancelled read changes no data";
    EXPECT_LT(radio_.FramesReceived(), 1000) << "the read stopped at its next step";
}

TEST_F(SessionUiTest, FullWriteThroughTheSerialPort) {
    for (int i = 1; i <= 758; i += 3) {
        UFreData ch;
        ch.CHNo = static_cast<int16_t>(i);
        ch.UsedFlag = 1;
        ch.RxFre = "014512500";
        ch.OffsetFre = "000000000";
        ch.CHName = FixStr<7>::NulText();
        UFreList[CurData.CHCount++] = ch;
    }
    SaveOldRadioData();
    StartRadio();
    ScriptedPrompts prompts;
    prompts.expect(MsgText().MsgWriteAsk, Buttons::OkCancel, Answer::Ok);
    prompts.expect(Lang(2005).toStdString(), Buttons::Ok, Answer::Ok);
    WriteToRadio();
    EXPECT_TRUE(prompts.allAnswered());
    StopRadio();
    EXPECT_EQ(CommMode, SessionMode::Idle);
    int written = 0;
    for (int32_t a = 0x0100; a <= 0x7FF0; a += 16) {
        if (GetNextCommAddr(a) != a) continue;
        ++written;
        ASSERT_TRUE(std::equal(CommData.begin() + a, CommData.begin() + a + 16, radio_.Mem().begin() + a))
            << std::hex << a;
    }
    EXPECT_EQ(written, CommBlockTotal);
}

TEST_F(SessionUiTest, EmbeddedInformationReadShowsTheViewer) {
    auto put = [this](std::size_t addr, std::string_view text) {
        std::copy(text.begin(), text.end(), radio_.Mem().begin() + static_cast<std::ptrdiff_t>(addr));
    };
    std::fill(radio_.Mem().begin() + 0x10, radio_.Mem().begin() + 0x100, 0x00);
    put(0x30, "SN20240001");
    put(0x50, "LOT-7");
    put(0x70, "DEALER 9");
    radio_.Mem()[45] = 1;  // the band byte of this firmware
    radio_.SetReadPassword("");
    ModelName = "KQ-314";
    InitEmbedInfo();  // as start-up leaves it: the read fills neither version nor area code
    StartRadio();
    // What the viewer shows while it is up, read as the user sees it.
    std::map<std::string, QString> seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || platform::ControlName(modal) != "FrmEMG") return;
        seen["title"] = modal->windowTitle();
        seen["model"] = platform::Ctl<platform::ComboBox>(modal, "Combo1", 0)->currentText();
        seen["band"] = platform::Ctl<platform::ComboBox>(modal, "Combo1", 1)->currentText();
        for (int i : {0, 1, 5, 6, 8}) seen["Text1(" + std::to_string(i) + ")"] = platform::Ctl<QLineEdit>(modal, "Text1", i)->text();
        platform::Ctl<QPushButton>(modal, "CommandClose")->click();
    });
    poll.start();
    ReadRMGDataFromRadio();
    EXPECT_TRUE(WaitFor([] { return CommMode == SessionMode::Idle; })) << "the session ends";
    poll.stop();
    StopRadio();
    const std::map<std::string, QString> expected = {
        {"title", "Embedded Message"}, {"model", "KQ-314"}, {"band", "Band 2"},    {"Text1(0)", ""},
        {"Text1(1)", "SN20240001"},    {"Text1(5)", "V2.00"}, {"Text1(6)", "LOT-7"}, {"Text1(8)", "DEALER 9"},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(IsDataChanged()) << "the read changes no data";
}

}  // namespace
