#include "platform/Prompts.h"

#include <utility>

namespace platform {
namespace {

PromptService* g_service = nullptr;
std::string g_title = "KQ_314";

Answer FirstButton(Buttons b) {
    switch (b) {
        case Buttons::Ok:
        case Buttons::OkCancel: return Answer::Ok;
        case Buttons::YesNoCancel:
        case Buttons::YesNo: return Answer::Yes;
        case Buttons::RetryCancel: return Answer::Retry;
        case Buttons::AbortRetryIgnore: return Answer::Abort;
    }
    return Answer::Ok;
}

}  // namespace

PromptService* SetPromptService(PromptService* service) { return std::exchange(g_service, service); }
PromptService* CurrentPromptService() { return g_service; }

Answer MsgBox(std::string_view text, Buttons buttons, Icon icon) {
    return MsgBoxTitled(text, {}, buttons, icon);
}

Answer MsgBoxTitled(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
    Prompt p{std::string(text), buttons, icon, std::string(title)};
    if (!g_service) return FirstButton(buttons);
    return g_service->Ask(p);
}

void SetAppTitle(std::string title) { g_title = std::move(title); }
const std::string& AppTitle() { return g_title; }

}  // namespace platform
