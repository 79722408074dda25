#pragma once
// A prompt service that answers from a script and records what was asked.
// A prompt nobody expected fails the running test.
#include <deque>
#include <string>
#include <vector>

#include "platform/Prompts.h"

class ScriptedPrompts : public platform::PromptService {
public:
    ScriptedPrompts();  // installs itself until it ends

    // The next prompt must show `text` (exactly) with these buttons and icon.
    void expect(std::string text, platform::Buttons buttons, platform::Answer answer,
                platform::Icon icon = platform::Icon::None, bool checkIcon = false);
    // The next prompt may show anything; it is answered with `answer`.
    void expectAny(platform::Answer answer);

    bool allAnswered() const { return script_.empty(); }
    const std::vector<platform::Prompt>& asked() const { return asked_; }

    platform::Answer Ask(const platform::Prompt& prompt) override;

private:
    struct Step {
        bool any = false;
        std::string text;
        platform::Buttons buttons{};
        platform::Icon icon{};
        bool checkIcon = false;
        platform::Answer answer{};
    };
    std::deque<Step> script_;
    std::vector<platform::Prompt> asked_;
    platform::ScopedPromptService install_;
};
