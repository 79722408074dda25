// Logic tests run without an application object: nothing they test may need one.
#include <gtest/gtest.h>

#include "ScriptedFileDialogs.h"
#include "ScriptedPrompts.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // A question or a file dialog that no test expects fails that test
    // instead of silently taking the first button.
    ScriptedPrompts strictPrompts;
    ScriptedFileDialogs strictFileDialogs;
    return RUN_ALL_TESTS();
}
