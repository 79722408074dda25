#pragma once
// A prompt service for benchmarks that drive the program: a message box
// would block the run, so every question is answered (No, else Cancel) and
// counted, and the last text kept for the report.
#include <string>

#include "platform/Prompts.h"

class CountingPrompts : public platform::PromptService {
public:
    platform::Answer Ask(const platform::Prompt& p) override {
        ++count;
        last = p.text;
        return p.buttons == platform::Buttons::YesNo || p.buttons == platform::Buttons::YesNoCancel
                   ? platform::Answer::No
                   : platform::Answer::Cancel;
    }
    int count = 0;
    std::string last;
};
