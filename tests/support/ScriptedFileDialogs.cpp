#include "ScriptedFileDialogs.h"

#include <gtest/gtest.h>

ScriptedFileDialogs::ScriptedFileDialogs() : install_(*this) {}

void ScriptedFileDialogs::expect(Kind kind, std::optional<std::string> path) {
    script_.push_back({kind, std::move(path)});
}

std::optional<std::string> ScriptedFileDialogs::OpenFile(const platform::FileDialogRequest& request) {
    return Answer(Kind::Open, request);
}

std::optional<std::string> ScriptedFileDialogs::SaveFile(const platform::FileDialogRequest& request) {
    return Answer(Kind::Save, request);
}

std::optional<std::string> ScriptedFileDialogs::Answer(Kind kind, const platform::FileDialogRequest& request) {
    asked_.push_back({kind, request});
    const char* name = kind == Kind::Open ? "open" : "save";
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << name << " dialog: \"" << request.title << "\"";
        return std::nullopt;
    }
    const Step step = script_.front();
    script_.pop_front();
    EXPECT_EQ(static_cast<int>(kind), static_cast<int>(step.kind)) << "kind of the " << name << " dialog";
    return step.path;
}
