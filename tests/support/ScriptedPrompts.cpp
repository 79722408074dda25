#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts::ScriptedPrompts() : install_(*this) {}

void ScriptedPrompts::expect(std::string text, platform::Buttons buttons, platform::Answer answer,
                             platform::Icon icon, bool checkIcon) {
    script_.push_back({false, std::move(text), buttons, icon, checkIcon, answer});
}

void ScriptedPrompts::expectAny(platform::Answer answer) {
    Step s;
    s.any = true;
    s.answer = answer;
    script_.push_back(s);
}

platform::Answer ScriptedPrompts::Ask(const platform::Prompt& prompt) {
    asked_.push_back(prompt);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected prompt: \"" << prompt.text << "\"";
        return platform::Answer::Cancel;
    }
    const Step step = script_.front();
    script_.pop_front();
    if (!step.any) {
        EXPECT_EQ(prompt.text, step.text);
        EXPECT_EQ(static_cast<int>(prompt.buttons), static_cast<int>(step.buttons))
            << "buttons of \"" << prompt.text << "\"";
        if (step.checkIcon) {
            EXPECT_EQ(static_cast<int>(prompt.icon), static_cast<int>(step.icon))
                << "icon of \"" << prompt.text << "\"";
        }
    }
    return step.answer;
}
