#include "ProgramSandbox.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "core/LangText.h"

namespace {

// The program's state is reset before the folder is pointed at, so nothing
// read from the previous folder is remembered for this one.
const std::string& ResetFirst(const std::string& folder) {
    ResetProgramState();
    return folder;
}

}  // namespace

ProgramSandbox::ProgramSandbox() : folder_(ResetFirst(path())) {
    for (const char* name : {"english.ini", "Tchinese.ini"})
        std::filesystem::copy_file(std::string(KQ_SOURCE_DIR) + "/data/language/" + name,
                                   write(std::string("language/") + name, ""),
                                   std::filesystem::copy_options::overwrite_existing);
}

void ProgramSandbox::Reset() { ResetProgramState(); }

void ProgramSandbox::SetEnglishText(int id, std::string_view text) {
    const std::string name = "language/english.ini";
    std::string ini = read(name);
    const std::string key = "\n" + std::to_string(id) + "=";
    const auto at = ini.find(key);
    ASSERT_NE(at, std::string::npos) << "no text " << id << " in " << name;
    const auto value = at + key.size();
    ini.replace(value, ini.find('\n', value) - value, text);
    write(name, ini);
    ResetLangTextCache();
}

ProgramSandbox::~ProgramSandbox() {
    EXPECT_TRUE(prompts.allAnswered()) << "an expected prompt never came";
    EXPECT_TRUE(fileDialogs.allAnswered()) << "an expected file dialog never came";
    EXPECT_TRUE(printer.allAnswered()) << "an expected printer dialog never came";
    ResetProgramState();
}
