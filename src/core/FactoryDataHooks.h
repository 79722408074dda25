#pragma once
// The factory test data travels with the configuration: in factory mode it is
// part of the saved copy, of the change test and of every data file (a third
// file beside the .dat, extension "ted"). The factory-mode code installs
// these hooks; while a hook is empty the factory mode counts as off.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct FactoryDataHooks {
    // True while the factory mode is on.
    std::function<bool()> enabled;
    // Saved copy := working copy, and back.
    std::function<void()> saveOld;
    std::function<void()> loadOld;
    // True when the working and the saved test data are equal.
    std::function<bool()> same;
    // The test-data file beside a data file (its own naming rule); nothing
    // when the path is too short to have one.
    std::function<std::optional<std::string>(std::string_view datPath)> companionPath;
    // The file bytes of the working test data, for a save.
    std::function<std::vector<uint8_t>()> pack;
    // Checks the bytes of a test-data file (nullopt: there is none) and keeps
    // what they hold aside; false refuses the whole load.
    std::function<bool(std::optional<std::span<const uint8_t>>)> parse;
    // The saved test data := what the last successful parse kept aside.
    std::function<void()> commitParsed;
};

FactoryDataHooks& FactoryHooks();
// True when the factory mode is on (its hooks installed and enabled).
bool FactoryDataActive();
