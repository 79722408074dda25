#include "platform/Locale.h"

#include <clocale>
#include <cstdlib>

#include <QLocale>
#include <QTime>

#include "platform/TextConvert.h"

namespace platform {

std::string_view PosixLocaleName() {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value) return value;
    }
    return "C";
}

uint16_t LocaleIdFromName(std::string_view name) {
    // "zh_TW.UTF-8@variant": only language and territory count
    const auto cut = name.find_first_of(".@");
    const auto base = name.substr(0, cut);
    if (base == "zh_TW") return static_cast<uint16_t>(LocaleId::ChineseTaiwan);
    if (base == "zh_CN") return static_cast<uint16_t>(LocaleId::ChinesePRC);
    if (base == "zh_HK") return static_cast<uint16_t>(LocaleId::ChineseHongKong);
    return static_cast<uint16_t>(LocaleId::EnglishUS);
}

uint16_t SystemDefaultLocaleId() { return LocaleIdFromName(PosixLocaleName()); }

namespace {
std::string ShortTimeIn(const QLocale& locale, int hour, int minute, int second) {
    QString pattern = locale.timeFormat(QLocale::ShortFormat);
    pattern.replace(QLatin1Char('B'), QStringLiteral("AP"));
    return Utf8(locale.toString(QTime(hour, minute, second), pattern));
}
}  // namespace

std::string ShortTimeText(int hour, int minute, int second) {
    return ShortTimeIn(QLocale::system(), hour, minute, second);
}

std::string ShortTimeText(std::string_view localeName, int hour, int minute, int second) {
    return ShortTimeIn(QLocale(QText(localeName)), hour, minute, second);
}

void ForceDecimalPoint() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale c(QLocale::C);
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
}

}  // namespace platform
