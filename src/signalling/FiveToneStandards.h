#pragma once
// The sixteen five-tone standards: what each code digit sounds like, the
// standard's default tone period, and the tone-table view the five-tone
// dialog shows for the standard chosen last. A stored standard is an index
// 0..15 into the standards lists; 15 is the user-defined one, whose tones
// live in Tone5Data.DefTone.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kStandardCount = 16;
inline constexpr int kUserStandard = 15;
// The period any name outside the fixed fifteen gets, the user-defined
// standard's included.
inline constexpr std::string_view kUserStandardPeriod = "70";

struct StandardTones {
    std::string_view name;
    // The text of digits 0..F; "" where the standard has no tone for a digit.
    std::array<std::string_view, 16> tones;
    std::string_view period;  // ms
};

// The fifteen fixed standards, in list order (indexes 0..14).
extern const std::array<StandardTones, kUserStandard> StandardToneTable;

// The names the standards lists are created with; item 15 is replaced by a
// language text when the dialog loads.
extern const std::array<std::string_view, kStandardCount> kStandardNames;

// The index of the fixed standard with exactly this name (case and blanks
// count); kUserStandard for any other text.
int StandardIndexOfName(std::string_view name);

// The default tone period of the standard of that name.
std::string DefaultPeriodOf(std::string_view name);

// Language texts of the view's labels (section "OPTION").
struct ToneViewLabels {
    std::string frequency;  // 60085
    std::string period;     // 60086
    std::string groupTone;  // 60087
    std::string repeatTone; // 60088
};
inline constexpr int32_t kToneViewFrequencyText = 60085;
inline constexpr int32_t kToneViewPeriodText = 60086;
inline constexpr int32_t kToneViewGroupText = 60087;
inline constexpr int32_t kToneViewRepeatText = 60088;

// The tone-table view of the standard named `name`: 21 lines, each ended by
// CR LF. A name outside the fixed fifteen shows the user-defined tones
// (0.1 Hz each), with one decimal and no zero before the point.
std::string StandardToneView(std::string_view name, const std::array<int16_t, 16>& userTones,
                             const ToneViewLabels& labels);
