#pragma once
// The prompt service of the running program: real message boxes.
#include "platform/Prompts.h"

namespace platform {

class MessageBoxPrompts : public PromptService {
public:
    Answer Ask(const Prompt& prompt) override;
};

}  // namespace platform
