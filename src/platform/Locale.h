#pragma once
// The locale facts the program asks the system for, from the POSIX locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class LocaleId : uint16_t {
    EnglishUS = 0x0409,
    ChineseTaiwan = 0x0404,
    ChinesePRC = 0x0804,
    ChineseHongKong = 0x0C04,
};

// The locale name as the C library would choose it for messages:
// LC_ALL, else LC_MESSAGES, else LANG.
std::string_view PosixLocaleName();

// The numeric id of a locale name such as "zh_TW.UTF-8".
uint16_t LocaleIdFromName(std::string_view name);

// The system default locale id.
uint16_t SystemDefaultLocaleId();

// Makes "." the decimal separator of this process: the C library's numeric
// formatting and Qt's default locale (validators, spin boxes). Nothing outside
// the process changes. Call right after the application object exists.
void ForceDecimalPoint();

// The short time text of the system locale. Some locales' patterns use the
// day-period letter "B", which this Qt prints as a literal "B": it is read as
// the AM/PM marker instead.
std::string ShortTimeText(int hour, int minute, int second);
std::string ShortTimeText(std::string_view localeName, int hour, int minute, int second);

}  // namespace platform
