#include "core/LangText.h"

#include "core/SharedState.h"
#include "platform/ProfileString.h"
#include "platform/ProgramFolder.h"

std::string GetLangText(int16_t id) {
    const std::string key = std::to_string(id);
    const std::string text =
        platform::ReadProfileString("OTHER", key, "", platform::BesideProgram(LangFilePath));
    if (!text.empty()) return text;
    return platform::ReadProfileString("OTHER", key, "",
                                       platform::BesideProgram("language/english.ini"));
}
