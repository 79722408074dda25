// simradio: a simulated radio behind an echoing programming cable, on a
// pseudo-terminal. Run it, then choose its device as the program's serial
// port (see --help).
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "link/SimPty.h"
#include "link/SimRadio.h"

namespace {

std::atomic<bool> g_stop{false};

void OnSignal(int) { g_stop = true; }

const char* kUsage = R"(usage: simradio [options]

Creates a pseudo-terminal that behaves like the radio behind its programming
cable (every byte sent comes back as an echo, then the radio's reply) and
prints its device path. Choose that device as the program's serial port.

  --link PATH          also make PATH a symbolic link to the device, e.g.
                       /dev/ttyUSB9 so that the port list shows it (as COM10);
                       creating a link in /dev needs root
  --memory FILE        load the 32,768-byte memory from FILE (when it exists)
                       and save it there after every session that wrote
  --password TEXT      set a read password (up to 4 characters)
  --model TEXT         model code of the identification (default 314KTR)
  --band N             band code (default 0)
  --version TEXT       firmware version text (default V200)
  --features N         feature byte (default 0)
  --status N           status byte: 1 killed, 2 stunned (default 0)
  --pace               send every byte at the speed of 9600 baud
  --byte-at-a-time     deliver every reply one byte at a time
  --reply-delay-ms N   time the radio takes before each reply (default 0)
  --late-ms N          delay of a late reply (default 400)
  --no-factory-word    the radio does not know the factory handshake word
  --transcript FILE    write every frame with its time to FILE ("-": stdout)
  --fault KIND:N[:K]   switch on a fault for frame N (1 is the first frame
                       received; 0 every frame); may be repeated. KIND is
                         drop        no reply
                         resend      answer 0x0A to K write frames from N on
                         checksum    wrong checksum byte
                         address     read reply for another address
                         length      read reply with a wrong length byte
                         lastbyte    reply not closed by 0x06
                         extra       K bytes added to the reply
                         missing     the reply's last K bytes left out
                         garbage     K stray bytes before the reply
                         late        the reply comes after the time-out
                         split       the reply comes one byte at a time
                         silent      from frame N on, no more replies
                         disconnect  half the reply, then the line goes dead
)";

bool ToInt(const std::string& s, int& out) {
    int base = 10;
    std::string_view v = s;
    if (v.starts_with("0x") || v.starts_with("0X")) {
        base = 16;
        v.remove_prefix(2);
    }
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out, base);
    return !v.empty() && ec == std::errc() && end == v.data() + v.size();
}

int Fail(const std::string& message) {
    std::cerr << "simradio: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    sim::SimRadioConfig config;
    std::string linkPath, memoryPath, transcriptPath, password;
    bool setPassword = false;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        auto number = [&](int lo, int hi, auto& field) {
            std::string v;
            int n = 0;
            if (!value(v) || !ToInt(v, n) || n < lo || n > hi) return false;
            field = static_cast<std::remove_reference_t<decltype(field)>>(n);
            return true;
        };
        bool ok = true;
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--link") ok = value(linkPath);
        else if (a == "--memory") ok = value(memoryPath);
        else if (a == "--transcript") ok = value(transcriptPath);
        else if (a == "--password") ok = setPassword = value(password);
        else if (a == "--model") ok = value(config.model);
        else if (a == "--version") ok = value(config.version);
        else if (a == "--band") ok = number(0, 255, config.band);
        else if (a == "--features") ok = number(0, 255, config.features);
        else if (a == "--status") ok = number(0, 255, config.status);
        else if (a == "--pace") config.paced = true;
        else if (a == "--byte-at-a-time") config.byteAtATime = true;
        else if (a == "--no-factory-word") config.knowsFactoryWord = false;
        else if (a == "--reply-delay-ms") {
            int ms = 0;
            ok = number(0, 60'000, ms);
            config.replyDelayUs = int64_t{ms} * 1000;
        } else if (a == "--late-ms") {
            int ms = 0;
            ok = number(0, 60'000, ms);
            config.lateUs = int64_t{ms} * 1000;
        } else if (a == "--fault") {
            std::string v;
            sim::Fault f;
            ok = value(v) && sim::ParseFault(v, f);
            if (ok) config.faults.push_back(f);
        } else {
            return Fail("unknown option " + a + " (see --help)");
        }
        if (!ok) return Fail("bad or missing value for " + a + " (see --help)");
    }
    if (setPassword && password.size() > 4) return Fail("the password has at most 4 characters");

    sim::SimRadio radio(config);
    std::string error;
    if (!memoryPath.empty() && std::filesystem::exists(memoryPath) && !radio.LoadMemory(memoryPath, error))
        return Fail(error);
    if (setPassword) radio.SetReadPassword(password);
    auto save = [&] {
        if (memoryPath.empty() || !radio.Dirty()) return;
        std::string e;
        if (radio.SaveMemory(memoryPath, e))
            radio.MarkSaved();
        else
            std::cerr << "simradio: " << e << "\n";
    };
    radio.OnSessionEnd(save);

    sim::SimPty pty;
    if (!pty.Open(error)) return Fail(error);
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(linkPath)) &&
            !std::filesystem::is_symlink(std::filesystem::symlink_status(linkPath)))
            return Fail(linkPath + " exists and is not a link; choose another path");
        std::filesystem::remove(linkPath, ec);
        std::filesystem::create_symlink(pty.DevicePath(), linkPath, ec);
        if (ec) return Fail("cannot make the link " + linkPath + ": " + ec.message());
    }

    std::ofstream transcriptFile;
    std::ostream* transcript = nullptr;
    if (transcriptPath == "-") {
        transcript = &std::cout;
    } else if (!transcriptPath.empty()) {
        transcriptFile.open(transcriptPath);
        if (!transcriptFile) return Fail("cannot write " + transcriptPath);
        transcript = &transcriptFile;
    }
    std::size_t written = 0;
    auto writeTranscript = [&] {
        if (!transcript) return;
        const auto& t = radio.Transcript();
        for (; written < t.size(); ++written) *transcript << sim::SimRadio::FormatEntry(t[written]) << "\n";
        transcript->flush();
    };

    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    std::cout << "simradio: the radio is on " << pty.DevicePath();
    if (!linkPath.empty()) std::cout << " (linked at " << linkPath << ")";
    std::cout << "; stop with Ctrl+C" << std::endl;

    pty.Serve(radio, g_stop, writeTranscript);
    writeTranscript();
    save();
    if (pty.Dead()) std::cout << "simradio: the line was cut (disconnect fault)" << std::endl;
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(std::filesystem::symlink_status(linkPath)))
            std::filesystem::remove(linkPath, ec);
    }
    return 0;
}
