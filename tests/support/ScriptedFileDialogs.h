#pragma once
// File dialogs that answer from a script and record what was asked. A dialog
// nobody expected fails the running test.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

class ScriptedFileDialogs : public platform::FileDialogs {
public:
    enum class Kind { Open, Save };
    struct Asked {
        Kind kind;
        platform::FileDialogRequest request;
    };

    ScriptedFileDialogs();  // installs itself until it ends

    // The next dialog must be of `kind`; it answers `path` (nothing: the user
    // cancelled).
    void expect(Kind kind, std::optional<std::string> path);
    void expectOpen(std::optional<std::string> path) { expect(Kind::Open, std::move(path)); }
    void expectSave(std::optional<std::string> path) { expect(Kind::Save, std::move(path)); }

    bool allAnswered() const { return script_.empty(); }
    const std::vector<Asked>& asked() const { return asked_; }

    std::optional<std::string> OpenFile(const platform::FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const platform::FileDialogRequest& request) override;

private:
    std::optional<std::string> Answer(Kind kind, const platform::FileDialogRequest& request);

    struct Step {
        Kind kind;
        std::optional<std::string> path;
    };
    std::deque<Step> script_;
    std::vector<Asked> asked_;
    platform::ScopedFileDialogs install_;
};
