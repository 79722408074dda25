#include "link/RadioIdentity.h"

#include "core/SharedState.h"
#include "core/StartupState.h"
#include "core/TextCodec.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"

namespace {

// Identification reply, offsets behind the echo.
struct IdentifyView {
    std::span<const uint8_t, 16> b;
    std::span<const uint8_t, 7> model() const { return b.subspan<1, 7>(); }
    uint8_t band() const { return b[8]; }
    std::span<const uint8_t, 4> version() const { return b.subspan<9, 4>(); }
    uint8_t features() const { return b[13]; }  // bit 7-i is SettingFlag(i)
    uint8_t status() const { return b[14]; }    // bit 0 killed, bit 1 stunned
};

bool IsTextEnd(uint8_t c) { return c == 0x00 || c == 0xFF; }

}  // namespace

void DecodeIdentity(std::span<const uint8_t, 16> reply) {
    const IdentifyView v{reply};

    RadioModel.clear();
    for (uint8_t c : v.model()) {
        if (IsTextEnd(c)) break;
        RadioModel.push_back(static_cast<char>(c));
    }
    RadioBand = v.band();

    // A left-out byte does not end the version text.
    RadioVersion.clear();
    for (uint8_t c : v.version())
        if (!IsTextEnd(c)) RadioVersion.push_back(static_cast<char>(c));
    RadioVerNo = 2;
    if (RadioVersion.size() == 4 && RadioVersion[1] >= '0' && RadioVersion[1] <= '9')
        RadioVerNo = static_cast<int16_t>(RadioVersion[1] - '0');

    for (int i = 0; i < 4; ++i)
        if (SettingFlag[i] == 0) SettingFlag[i] = static_cast<int16_t>((v.features() >> (7 - i)) & 1);

    RadioKilled = (v.status() & 0x01) ? -1 : 0;
    RadioStunned = (v.status() & 0x02) ? -1 : 0;
}

bool IsModelOK(std::string_view pc, std::string_view radio) {
    const auto p = TrimFixStr(pc);
    auto r = TrimFixStr(radio);
    if (r == kRadioModelAlias) r = std::string(kPcModelCode);
    return p == r;
}

bool IsVersionOK(std::string_view pc, std::string_view radio) {
    if (pc == radio) return true;
    if (pc == "V200") return radio == "V101" || radio == "V100";
    if (pc == "V101") return radio == "V100";
    return false;
}

bool CheckRadioIdentity(bool writing) {
    using platform::Buttons;
    using platform::Icon;
    bool failed = false;
    if (RadioModel != kPcModelCode || RadioVersion != kPcVersion) {
        if (!IsModelOK(kPcModelCode, RadioModel)) {
            platform::MsgBox("Model type is wrong. \r\nPC is " + GetModelName(kPcModelCode) +
                                 "\r\nRadio is " + platform::BytesToUtf8(GetModelName(RadioModel)),
                             Buttons::Ok);
            failed = true;
        } else if (!IsVersionOK(kPcVersion, RadioVersion)) {
            // The text asks, but the box offers only OK: nothing is overwritten.
            platform::MsgBox("Version is wrong. Overwrite?\r\nPC is " + std::string(kPcVersion) +
                                 "\r\nRadio is " + platform::BytesToUtf8(RadioVersion),
                             Buttons::Ok);
            failed = true;
        }
    }
    if (writing && RadioBand != PCBand) {
        platform::MsgBox("Frequencys is wrong!", Buttons::Ok, Icon::Exclamation);
        failed = true;
    }
    if (!failed && writing) {
        if (RadioKilled) {
            platform::MsgBox("Radio is killed,can't be written!", Buttons::Ok);
            failed = true;
        } else if (RadioStunned) {
            platform::MsgBox("Radio is fainted,can't be written!", Buttons::Ok);
            failed = true;
        }
    }
    return !failed;
}
