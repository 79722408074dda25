#include "ProgramSandbox.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "app/ProgramState.h"

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

ProgramSandbox::~ProgramSandbox() {
    EXPECT_TRUE(prompts.allAnswered()) << "an expected prompt never came";
    EXPECT_TRUE(fileDialogs.allAnswered()) << "an expected file dialog never came";
    ResetProgramState();
}
