#include "link/Session.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/MsgText.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "link/ImageAreas.h"
#include "link/ImageCodec.h"
#include "link/RadioIdentity.h"
#include "link/TransferPlan.h"
#include "platform/Prompts.h"
#include "platform/ReplyTimer.h"
#include "platform/SerialPort.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr int16_t kSends = 3;
constexpr const char* kLineSettings = "9600,N,8,1";
constexpr int32_t kWriteStartAddr = 0x0100;
constexpr int32_t kReadStartAddr = 0x0010;
constexpr const char* kUntitledFileName = "new.dat";
constexpr int32_t kEmbedInfoEndAddr = 0x00FF;
// The password bytes within the password block.
constexpr std::size_t kPassWordOffset = 12;
constexpr std::size_t kPassWordLength = 4;

// The port of a link that has none set up: it never opens.
class NoSerialPort : public platform::SerialPort {
public:
    bool Open() override {
        SetLastError("no serial port is set up for the radio link");
        return false;
    }
    void Close() override {}
    bool IsOpen() const override { return false; }
    bool Write(std::span<const uint8_t>) override { return Open(); }
};

// What the session keeps beside the shared link state.
struct Link {
    SessionHooks* hooks = nullptr;
    FactorySessionSteps factory;
    std::unique_ptr<platform::SerialPort> port;
    std::unique_ptr<platform::ReplyTimer> timer;
    ProgressView* progress = nullptr;
    // A percentage to show once the frame being prepared is out: the display
    // never stands between a reply and the next request.
    std::optional<int32_t> progressDue;
    // A prompt or dialog of the session is open: replies are not acted on.
    bool promptOpen = false;
    // The frame last sent, whether a resend request may answer it, and how
    // often it was sent again on such requests.
    std::vector<uint8_t> lastFrame;
    bool lastWasWrite = false;
    int resends = 0;
    bool finishing = false;
};

Link& L() {
    static Link link;
    return link;
}

bool Mode(SessionMode m) { return CommMode == m; }
bool Transfer() { return Mode(SessionMode::Read) || Mode(SessionMode::Write); }

bool FactoryActive() {
    const auto& f = L().factory;
    return f.active && f.active();
}

// Opens a prompt of the session: replies meanwhile are dropped.
class PromptScope {
public:
    PromptScope() : was_(L().promptOpen) { L().promptOpen = true; }
    ~PromptScope() { L().promptOpen = was_; }
    PromptScope(const PromptScope&) = delete;
    PromptScope& operator=(const PromptScope&) = delete;

private:
    bool was_;
};

std::string PortFailureText() {
    std::string text = GetLangText(2002);
    const auto& detail = SessionPort().LastError();
    if (!detail.empty()) text += "\n" + detail;
    return text;
}

// The connection went away while the port was open (a pulled cable): not a
// port that could not be opened. The transport's reason follows as a sentence.
std::string PortLostText() {
    std::string text = GetLangText(2009);
    const auto& detail = SessionPort().LastError();
    if (!detail.empty()) text += "\n" + platform::AsSentence(detail);
    return text;
}

// The port failed under a running session: one message, then the session
// ends as failed.
void EndOnPortTrouble(const std::string& text) {
    if (Mode(SessionMode::Idle) || L().finishing) return;
    SessionTimer().Stop();
    {
        PromptScope prompt;
        platform::MsgBox(text, Buttons::Ok);
    }
    FinishComm(false);
}

void PortFailure() { EndOnPortTrouble(PortFailureText()); }

int32_t BlockSize() { return Mode(SessionMode::Write) ? WriteBlockSize : ReadBlockSize; }

// The per-block counter of the block at CommAddr, or nullptr outside the run.
int16_t* BlockCounter() {
    const int32_t size = BlockSize();
    if (size <= 0) return nullptr;
    const int32_t offset = CommAddr - CommStartAddr;
    if (offset < 0) return nullptr;
    const auto index = static_cast<std::size_t>(offset / size);
    return index < BlockRetry.size() ? &BlockRetry[index] : nullptr;
}

// After Retry on a block whose sends ran out, the next-block step must ask
// for that same block again.
void RewindOneBlock() {
    CommAddr -= BlockSize();
    if (CommBlockDone > 0) --CommBlockDone;
}

// The Retry/Cancel box of a session that got no answer.
void AskRetry() {
    const SessionState state = CommState;
    Answer answer;
    {
        PromptScope prompt;
        answer = platform::MsgBox(GetLangText(2003), Buttons::RetryCancel);
    }
    if (Mode(SessionMode::Idle) || CommState != state) return;  // abandoned meanwhile
    if (answer != Answer::Retry) {
        FinishComm(false);
        return;
    }
    if (CommCancel) {
        CommCancel = false;
        FinishComm(false);
        return;
    }
    if (state == SessionState::FactoryTestRead || state == SessionState::FactoryTestWrite) {
        if (!SessionPort().IsOpen() && !SessionPort().Open()) {
            PortFailure();
            return;
        }
    }
    if (state != SessionState::Restart) InitCommRetry();
    if (state == SessionState::Blocks) RewindOneBlock();
    RestartLink();
}

// A resend request (0x0A) for the outstanding write frame.
void OnResend() {
    SessionTimer().Stop();
    if (CommCancel) {
        CommCancel = false;
        FinishComm(false);
        return;
    }
    if (L().resends >= kMaxResends) {
        AskRetry();
        return;
    }
    ++L().resends;
    if (CommState == SessionState::FactoryTestWrite && L().factory.resendTestData)
        L().factory.resendTestData();
    else
        WriteDataBlock();
}

void OnPassWordData(std::span<const uint8_t> rx) {
    if (IsPassWordOK(rx)) {
        NextCommStep();
        return;
    }
    SessionTimer().Stop();
    bool entered = false;
    {
        PromptScope prompt;
        entered = Hooks().askPassWord ? Hooks().askPassWord() : false;
    }
    if (Mode(SessionMode::Idle) || CommState != SessionState::PassWord) return;
    if (entered && IsPassWordOK(rx)) {
        InitCommRetry();
        RestartLink();
        return;
    }
    FinishComm(false);
}

void OnIdentify() {
    SessionTimer().Stop();
    bool passed = false;
    {
        PromptScope prompt;
        passed = CheckRadioIdentity(Mode(SessionMode::Write));
    }
    if (Mode(SessionMode::Idle) || CommState != SessionState::Identify) return;
    if (passed)
        NextCommStep();
    else
        FinishComm(false);
}

void EnsureLink() {
    auto& l = L();
    if (!l.port) {
        l.port = Hooks().makePort ? Hooks().makePort() : std::make_unique<NoSerialPort>();
        l.port->OnComm([](platform::CommEvent e) { OnCommEvent(static_cast<int>(e)); });
    }
    if (!l.timer) {
        l.timer = Hooks().makeTimer ? Hooks().makeTimer() : std::make_unique<platform::ManualReplyTimer>();
        l.timer->OnTick([] { OnReplyTimeout(); });
    }
}

void RunProgressDialog() {
    auto& l = L();
    if (!Hooks().makeProgress) {
        StartCommLink();
        return;
    }
    auto view = Hooks().makeProgress();
    l.progress = view.get();
    view->RunModal([] { StartCommLink(); });
    l.progress = nullptr;
}

void ShowProgress(int32_t value) { L().progressDue = value; }

// The display catches up after a frame has gone out.
void CatchUpProgress() {
    auto& l = L();
    const auto due = std::exchange(l.progressDue, std::nullopt);
    if (due && l.progress && l.progress->IsVisible()) l.progress->SetProgressValue(*due);
}

// Back to idle without a word (a command that stops before its session).
void AbandonCommand() {
    SessionTimer().Stop();
    if (SessionPort().IsOpen()) SessionPort().Close();
    CommMode = SessionMode::Idle;
    CommState = SessionState::Idle;
}

// Opens the port for a session of `mode`; with `question` answered OK.
// Otherwise back to idle, false.
bool OpenAndAsk(SessionMode mode, const std::string& question) {
    CommMode = mode;
    if (!InitComm()) {
        CommMode = SessionMode::Idle;
        return false;
    }
    if (question.empty()) return true;
    if (platform::MsgBox(question, Buttons::OkCancel, Icon::Question) == Answer::Ok) return true;
    AbandonCommand();
    return false;
}

// Drops the port and timer (a session on them is abandoned) and what the
// session kept of its last frames.
void DropLink() {
    auto& l = L();
    if (l.timer) l.timer->Stop();
    if (l.port && l.port->IsOpen()) l.port->Close();
    l.timer.reset();
    l.port.reset();
    l.progress = nullptr;
    l.progressDue.reset();
    l.promptOpen = false;
    l.finishing = false;
    l.lastFrame.clear();
    l.lastWasWrite = false;
    l.resends = 0;
}

}  // namespace

const SessionHooks& Hooks() {
    static const SessionHooks none;
    return L().hooks ? *L().hooks : none;
}

SessionHooks* SetSessionHooks(SessionHooks* hooks) {
    DropLink();
    return std::exchange(L().hooks, hooks);
}

void SetFactorySteps(FactorySessionSteps steps) { L().factory = std::move(steps); }

void ResetSessionLink() {
    DropLink();
    L().factory = {};
}

platform::SerialPort& SessionPort() {
    EnsureLink();
    return *L().port;
}

platform::ReplyTimer& SessionTimer() {
    EnsureLink();
    return *L().timer;
}

// ---- commands ------------------------------------------------------------------

void ReadFromRadio() {
    if (IsDataChanged()) {
        const Answer answer = platform::MsgBox(GetMsgText("9001"), Buttons::YesNoCancel, Icon::Exclamation);
        if (answer == Answer::Yes) {
            if (Hooks().saveData) Hooks().saveData();
            // The user asked for the save; without it nothing is overwritten.
            if (IsDataChanged()) return;
        }
    }
    if (!OpenAndAsk(SessionMode::Read, MsgText().MsgReadAsk)) return;
    InitCommData();
    InitReadSpeed(false);
    RunProgressDialog();
}

void WriteToRadio() {
    if (!OpenAndAsk(SessionMode::Write, MsgText().MsgWriteAsk)) return;
    InitCommData();
    WriteDataOK = true;
    SetCommData();
    InitWriteSpeed();
    if (!WriteDataOK) {
        AbandonCommand();
        return;
    }
    RunProgressDialog();
}

void ReadRMGDataFromRadio() {
    if (!OpenAndAsk(SessionMode::EmbedInfo, {})) return;
    InitCommData();
    WriteLink();
}

// ---- session steps ---------------------------------------------------------------

bool InitComm() {
    switch (CommMode) {
        case SessionMode::Read:
            CommStartAddr = kReadStartAddr;
            CommEndAddr = kLastBlockAddr;
            CommAddr = CommStartAddr - ReadBlockSize;
            break;
        case SessionMode::Write:
            CommStartAddr = kWriteStartAddr;
            CommEndAddr = kLastBlockAddr;
            CommAddr = CommStartAddr - WriteBlockSize;
            break;
        case SessionMode::EmbedInfo:
            CommStartAddr = kReadStartAddr;
            CommEndAddr = kEmbedInfoEndAddr;
            CommAddr = CommStartAddr - ReadBlockSize;
            break;
        default: return false;
    }
    auto& l = L();
    CommCancel = false;
    SessionTimer().Stop();
    CommState = SessionState::Idle;
    l.finishing = false;
    l.promptOpen = false;
    l.progressDue.reset();
    l.lastFrame.clear();
    l.lastWasWrite = false;
    l.resends = 0;
    auto& port = SessionPort();
    if (port.IsOpen()) port.Close();
    port.SetCommPort(CommPortNo);
    port.SetSettings(kLineSettings);
    port.SetNoHandshaking();
    port.SetBinaryInput();
    port.SetReceiveThreshold(1);
    InitCommRetry();
    if (!port.Open()) {
        platform::MsgBox(PortFailureText(), Buttons::Ok);
        return false;
    }
    CommProgress = 0;
    return true;
}

void InitCommRetry() {
    LinkRetry = kSends;
    IdentifyRetry = kSends;
    PassWordRetry = kSends;
    const int32_t span = Mode(SessionMode::Write) ? kLastBlockAddr - kWriteStartAddr : kLastBlockAddr - kReadStartAddr;
    const int32_t size = std::max<int32_t>(BlockSize(), 1);
    BlockRetry.assign(static_cast<std::size_t>(span / size + 1), kSends);
}

void NextCommStep() {
    SessionTimer().Stop();
    if (CommCancel) {
        CommCancel = false;
        FinishComm(false);
        return;
    }
    auto& factory = L().factory;
    switch (CommState) {
        case SessionState::Link:
            CommState = SessionState::Identify;
            if (Transfer()) ShowProgress(0);
            WriteIdentify();
            break;
        case SessionState::Identify:
            CommState = SessionState::PassWord;
            WritePassWordRead();
            break;
        case SessionState::PassWord:
            CommState = SessionState::Blocks;
            if (Mode(SessionMode::Read) && FactoryActive()) {
                factory.startReadTestData();
            } else if (Mode(SessionMode::Write) && FactoryActive() && FactoryLink) {
                CommState = SessionState::FactoryTestRead;
                factory.startReadTestData();
            } else if (Mode(SessionMode::Write)) {
                WriteNextDataBlock();
            } else {
                WriteNextReadBlock();
            }
            break;
        case SessionState::Blocks:
            if (!Mode(SessionMode::Write)) {
                WriteNextReadBlock();
            } else if (FactoryLink) {
                // The test blocks are written: open anew as an ordinary session.
                InitCommRetry();
                WriteLink();
            } else {
                WriteNextDataBlock();
            }
            break;
        case SessionState::FactoryTestRead:
            CommState = SessionState::FactoryTestWrite;
            factory.startWriteTestData();
            break;
        case SessionState::FactoryTestWrite:
            if (factory.testDataWritten && factory.testDataWritten()) {
                CommState = SessionState::Blocks;
                NextCommStep();
            } else {
                factory.writeNextTestData();
            }
            break;
        case SessionState::Restart: WriteLink(); break;
        case SessionState::End: FinishComm(true); break;
        case SessionState::Idle: break;
    }
}

void StartCommLink() {
    if (Mode(SessionMode::Write) && FactoryActive())
        WriteFactoryLink();
    else if (Transfer())
        WriteLink();
}

void FinishComm(bool ok) {
    auto& l = L();
    if (l.finishing) return;
    l.finishing = true;
    if (l.progress) l.progress->Close();
    SessionTimer().Stop();
    if (SessionPort().IsOpen()) SessionPort().Close();
    {
        PromptScope prompt;
        if (ok) {
            switch (CommMode) {
                case SessionMode::Read:
                    SetBandByRadio();
                    GetDataByComm();
                    if (FactoryActive() && l.factory.readSucceeded) l.factory.readSucceeded();
                    IsNewFile = -1;
                    DataFileName = kUntitledFileName;
                    SaveOldRadioData();
                    MainView().ReShowListByData();
                    platform::MsgBox(GetLangText(2004), Buttons::Ok);
                    break;
                case SessionMode::Write: platform::MsgBox(GetLangText(2005), Buttons::Ok); break;
                case SessionMode::EmbedInfo:
                    GetEmbedInfoByCommData();
                    if (Hooks().showEmbedInfo) Hooks().showEmbedInfo();
                    break;
                default: break;
            }
        } else {
            switch (CommMode) {
                case SessionMode::Read: platform::MsgBox(GetLangText(2006), Buttons::Ok); break;
                case SessionMode::Write: platform::MsgBox(GetLangText(2007), Buttons::Ok); break;
                case SessionMode::EmbedInfo: platform::MsgBox(GetLangText(2008), Buttons::Ok); break;
                default: break;
            }
        }
    }
    CommState = SessionState::Idle;
    CommMode = SessionMode::Idle;
    l.finishing = false;
}

void EndLink() {
    CommState = SessionState::End;
    WriteEnd();
}

void RestartLink() {
    CommState = SessionState::Restart;
    WriteEnd();
}

// ---- senders ---------------------------------------------------------------------

bool SendSessionFrame(std::span<const uint8_t> frame, int replyLength, bool isWrite) {
    auto& l = L();
    if (!std::equal(frame.begin(), frame.end(), l.lastFrame.begin(), l.lastFrame.end())) {
        l.lastFrame.assign(frame.begin(), frame.end());
        l.resends = 0;
    }
    l.lastWasWrite = isWrite;
    if (SendFrame(SessionPort(), SessionTimer(), frame, replyLength)) {
        CatchUpProgress();
        return true;
    }
    l.progressDue.reset();
    PortFailure();
    return false;
}

namespace {
void SendLinkWord(bool factory) {
    auto& port = SessionPort();
    if (!port.IsOpen() && !port.Open()) {
        PortFailure();
        return;
    }
    CommState = SessionState::Link;
    CommProgress = 0;
    FactoryLink = factory;
    SendSessionFrame(factory ? BuildFactoryLinkRequest() : BuildLinkRequest(), kLinkReplyLength, false);
}

void SendReadRequest(int32_t addr) {
    SendSessionFrame(BuildReadRequest(addr, ReadBlockSize), ReadBlockSize + kBlockOverhead, false);
}
}  // namespace

void WriteLink() { SendLinkWord(false); }
void WriteFactoryLink() { SendLinkWord(true); }

void WriteIdentify() { SendSessionFrame(BuildIdentifyRequest(), kIdentifyReplyLength, false); }

void WritePassWordRead() { SendReadRequest(kPassWordBlockAddr); }

void WriteReadBlock() {
    if (CommAddr > kLastBlockAddr) {
        EndLink();
        return;
    }
    SendReadRequest(CommAddr);
}

void WriteNextReadBlock() {
    CommAddr += ReadBlockSize;
    if (CommAddr == kReadPlanAddr) InitReadSpeed(true);
    CommAddr = GetNextCommAddr(CommAddr);
    if (CommAddr > CommEndAddr) {
        EndLink();
        return;
    }
    if (!Mode(SessionMode::EmbedInfo)) ShowCommProgress();
    SendReadRequest(CommAddr);
}

void WriteDataBlock() {
    if (CommAddr > kLastBlockAddr) {
        EndLink();
        return;
    }
    const auto data = std::span<const uint8_t>(CommData).subspan(static_cast<std::size_t>(CommAddr),
                                                                  static_cast<std::size_t>(WriteBlockSize));
    SendSessionFrame(BuildWriteFrame(CommAddr, data), kAckReplyLength, true);
}

void WriteNextDataBlock() {
    CommAddr = GetNextCommAddr(CommAddr + WriteBlockSize);
    ShowCommProgress();
    if (CommAddr > kLastBlockAddr) {
        EndLink();
        return;
    }
    WriteDataBlock();
}

void WriteEnd() { SendSessionFrame(BuildEndRequest(), kAckReplyLength, false); }

// ---- events ----------------------------------------------------------------------

void OnCommEvent(int event) {
    auto& l = L();
    if (event == static_cast<int>(platform::CommEvent::PortLost)) {
        if (!l.promptOpen) EndOnPortTrouble(PortLostText());
        return;
    }
    if (event != static_cast<int>(platform::CommEvent::Receive)) return;
    const auto rx = SessionPort().ReadAll();
    if (Mode(SessionMode::Idle) || l.promptOpen || l.finishing) return;

    const auto& factory = l.factory;
    ReplyContext context;
    context.passWordAwaited = CommState == SessionState::PassWord;
    context.testReadAwaited = FactoryActive() && factory.testReadAwaited && factory.testReadAwaited();
    switch (ClassifyReply(rx, context)) {
        case ReplyKind::Ack: NextCommStep(); break;
        case ReplyKind::Resend:
            // Only a write frame may be asked for again: a read never writes.
            if (l.lastWasWrite) OnResend();
            break;
        case ReplyKind::Link: NextCommStep(); break;
        case ReplyKind::Identify:
            // Mended: only the identification request is answered this way.
            // Acting on such bytes in another state stopped the reply timer
            // and left the session waiting for ever, or would pass a block
            // over unread; the time-out there repeats or asks instead.
            if (CommState == SessionState::Identify) OnIdentify();
            break;
        case ReplyKind::PassWordData: OnPassWordData(rx); break;
        case ReplyKind::TestData:
            if (factory.onTestData) factory.onTestData(rx);
            break;
        case ReplyKind::ReadData:
            SaveReadData(rx, CommData);
            NextCommStep();
            break;
        case ReplyKind::None: break;
    }
}

void OnReplyTimeout() {
    SessionTimer().Stop();
    if (Mode(SessionMode::Idle) || L().promptOpen || L().finishing) return;
    if (CommCancel) {
        CommCancel = false;
        FinishComm(false);
        return;
    }
    switch (CommState) {
        case SessionState::Link:
            if (--LinkRetry > 0)
                WriteLink();
            else
                FinishComm(false);
            break;
        case SessionState::Identify:
            if (--IdentifyRetry > 0)
                WriteIdentify();
            else
                FinishComm(false);
            break;
        case SessionState::PassWord:
            if (--PassWordRetry > 0)
                WritePassWordRead();
            else if (Mode(SessionMode::EmbedInfo))
                FinishComm(false);
            else
                AskRetry();
            break;
        case SessionState::Blocks: {
            int16_t* counter = BlockCounter();
            if (!counter) {
                FinishComm(false);
            } else if (--*counter > 0) {
                if (Mode(SessionMode::Write))
                    WriteDataBlock();
                else
                    WriteReadBlock();
            } else if (Mode(SessionMode::EmbedInfo)) {
                FinishComm(false);
            } else {
                AskRetry();
            }
            break;
        }
        case SessionState::FactoryTestRead:
        case SessionState::FactoryTestWrite:
            if (SessionPort().IsOpen()) SessionPort().Close();
            AskRetry();
            break;
        case SessionState::Restart: AskRetry(); break;
        case SessionState::End: FinishComm(true); break;
        case SessionState::Idle: break;
    }
}

// ---- progress ----------------------------------------------------------------------

void ShowCommProgress() {
    if (CountCommBlock()) ShowProgress(CommProgress);
}

// ---- read password -------------------------------------------------------------------

std::string RadioPassWord(std::span<const uint8_t> rx) {
    const auto data = ReplyData(rx);
    std::string text(kPassWordLength, '\0');
    for (std::size_t j = 0; j < kPassWordLength && kPassWordOffset + j < data.size(); ++j) {
        const uint8_t b = data[kPassWordOffset + j];
        if (b == 0x00 || b == 0xFF) break;
        text[j] = static_cast<char>(b);
    }
    return TrimFixStr(text);
}

bool IsPassWordOK(std::span<const uint8_t> rx) {
    const std::string radio = RadioPassWord(rx);
    return radio.empty() || radio == InputPassWord;
}
