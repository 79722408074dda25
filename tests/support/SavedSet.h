#pragma once
// A set of three files saved, recovered and loaded as one, for tests of
// what a save cut short, a second program or an odd folder does to it.
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "FaultyFileSystem.h"
#include "FolderContents.h"
#include "platform/save/SaveRecovery.h"
#include "platform/save/StagedFiles.h"

// A set of three files in versions named by a letter; each version differs
// in every file, and in length.
struct SetOfFiles {
    std::string folder;
    std::array<std::string, 3> names{"a.fre", "a.ted", "a.dat"};

    FolderContents Version(char v) const {
        FolderContents out;
        for (std::size_t i = 0; i < names.size(); ++i)
            out[names[i]] = names[i] + " " + std::string(i + 1 + static_cast<std::size_t>(v - 'a'), v);
        return out;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> out;
        for (const std::string& name : names) out.push_back(folder + "/" + name);
        return out;
    }
    // Saves version `v`: nothing when saved, else the problem's text.
    std::string Save(char v) const {
        platform::StagedFiles files;
        const FolderContents bytes = Version(v);
        bool saved = files.Reserve(Paths());
        for (const std::string& name : names) saved = saved && files.Stage(folder + "/" + name, Bytes(bytes.at(name)));
        saved = saved && files.Commit();
        return saved ? "" : files.Problem() ? files.Problem()->Text() : "not saved";
    }
    // What a load reads while it holds the set, or why it was refused.
    std::string Load() const {
        const auto read = platform::ReadSteadily(Paths(), [&] {
            std::string out;
            for (const std::string& name : names) out += name + "=" + ReadWithoutWaiting(folder + "/" + name) + "\n";
            return out;
        });
        if (const auto* refused = std::get_if<platform::FileProblem>(&read)) return "refused: " + refused->Text();
        return std::get<std::string>(read);
    }
    std::string Loaded(char v) const {
        std::string out;
        for (const auto& name : names) out += name + "=" + Version(v).at(name) + "\n";
        return out;
    }
    // The folder holds version `v` and nothing else.
    void Reset(char v) const {
        for (const auto& e : std::filesystem::directory_iterator(folder)) std::filesystem::remove(e.path());
        for (const auto& [name, bytes] : Version(v)) TempDirWrite(name, bytes);
    }
    void TempDirWrite(const std::string& name, const std::string& bytes) const {
        const int fd = ::open((folder + "/" + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fd);
    }
};

// Saves version 'n' over 'o', dying after step `n`, on a file system set up
// by `as`; whether it got that far.
inline bool SaveDyingAfter(const SetOfFiles& set, int n, const std::function<void(FaultyFileSystem&)>& as) {
    FaultyFileSystem faults;
    if (as) as(faults);
    faults.DieAfter(n);
    set.Save('n');
    return faults.steps > n;
}
inline bool SaveDyingAfter(const SetOfFiles& set, int n, bool hardLinks = true) {
    return SaveDyingAfter(set, n, [&](FaultyFileSystem& faults) {
        if (!hardLinks) faults.NoHardLinks();
    });
}

// The step of a save of 'n' over 'o' (with the set at 'o' before and after)
// whose rename ends in `to`, on a file system set up by `as` (a folder that
// cannot be listed or held takes fewer steps); 0 when there is none.
inline int RenameStep(const SetOfFiles& set, const std::string& to,
                      const std::function<void(FaultyFileSystem&)>& as = {}) {
    int step = 0;
    set.Reset('o');
    {
        FaultyFileSystem counting;
        if (as) as(counting);
        set.Save('n');
        for (const std::string& line : counting.log)
            if (line.find(": rename ") != std::string::npos && line.ends_with(to)) step = std::stoi(line);
    }
    set.Reset('o');
    return step;
}

// Saves version 'n' over 'o', dying just after the new a.fre went in, on a
// file system set up by `as`; whether it got that far.
inline bool SaveDyingAfterItsFirstFileWentIn(const SetOfFiles& set,
                                             const std::function<void(FaultyFileSystem&)>& as = {}) {
    const int renamed = RenameStep(set, "-> " + set.folder + "/a.fre", as);
    return renamed > 0 && SaveDyingAfter(set, renamed, as);
}

// Saves version 'n' over 'o', dying once its journal is written, before it
// changes any file of the set; whether it got that far.
inline bool SaveDyingBeforeItsRenames(const SetOfFiles& set) {
    const int journal = RenameStep(set, ".jnl");
    return journal > 0 && SaveDyingAfter(set, journal);
}
