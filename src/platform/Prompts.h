#pragma once
// Every message box and question of the program goes through this seam, so
// that tests answer them from a script and every flow runs without a screen.
#include <string>
#include <string_view>

#include "platform/Seam.h"

namespace platform {

enum class Buttons { Ok, OkCancel, YesNoCancel, YesNo, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Prompt {
    std::string text;  // UTF-8
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::string title;  // empty: the application title
};

class PromptService {
public:
    virtual ~PromptService() = default;
    virtual Answer Ask(const Prompt& prompt) = 0;
};

// Installs the service every prompt goes to; returns the previous one.
// Without one, prompts answer as if the first button was pressed.
PromptService* SetPromptService(PromptService* service);
PromptService* CurrentPromptService();
using ScopedPromptService = Scoped<&SetPromptService>;

// Shows a message box with the application title as caption.
Answer MsgBox(std::string_view text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None);
// The same with a caption of its own.
Answer MsgBoxTitled(std::string_view text, std::string_view title, Buttons buttons, Icon icon);

// The caption of every message box: the application title.
void SetAppTitle(std::string title);
const std::string& AppTitle();

}  // namespace platform
