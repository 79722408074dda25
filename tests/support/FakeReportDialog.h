#pragma once
// A dialog as the report reads it, filled by the test: captions, shown texts,
// check values and lists by name and index. Reading a control the test did
// not give throws, as reading a missing control of a real dialog does. The
// loader counts the instances alive, so a test sees every one released.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "printing/ReportDialog.h"

class FakeReportDialog : public ReportDialog {
public:
    using Key = std::pair<std::string, int>;

    explicit FakeReportDialog(int* alive = nullptr) : alive_(alive) {
        if (alive_) ++*alive_;
    }
    ~FakeReportDialog() override {
        if (alive_) --*alive_;
    }

    std::string caption;
    std::map<Key, std::string> captions;
    std::map<Key, std::string> texts;
    std::map<Key, int> checks;
    std::map<Key, std::vector<std::string>> lists;
    std::map<Key, int> listIndexes;
    // Grids by name: rows of cells.
    std::map<std::string, std::vector<std::vector<std::string>>> grids;

    std::string FormCaption() const override { return caption; }
    std::string Caption(std::string_view name, int index) const override { return At(captions, name, index); }
    std::string Text(std::string_view name, int index) const override { return At(texts, name, index); }
    int CheckValue(std::string_view name, int index) const override { return At(checks, name, index); }
    int ListIndex(std::string_view name, int index) const override { return At(listIndexes, name, index); }
    int ListCount(std::string_view name, int index) const override {
        return static_cast<int>(At(lists, name, index).size());
    }
    std::string ListItem(std::string_view name, int index, int item) const override {
        const auto& list = At(lists, name, index);
        return item >= 0 && item < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(item)] : "";
    }
    std::string TabCaption(std::string_view name, int tab) const override { return At(captions, name, tab); }
    int GridRows(std::string_view name) const override { return static_cast<int>(Grid(name).size()); }
    std::string GridText(std::string_view name, int row, int col) const override {
        const auto& grid = Grid(name);
        if (row < 0 || col < 0 || row >= static_cast<int>(grid.size())) return {};
        const auto& cells = grid[static_cast<std::size_t>(row)];
        return col < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(col)] : "";
    }

private:
    template <class T>
    static const T& At(const std::map<Key, T>& map, std::string_view name, int index) {
        const auto it = map.find(Key(std::string(name), index));
        if (it == map.end())
            throw std::out_of_range("no control " + std::string(name) + "(" + std::to_string(index) + ")");
        return it->second;
    }

    const std::vector<std::vector<std::string>>& Grid(std::string_view name) const {
        const auto it = grids.find(std::string(name));
        if (it == grids.end()) throw std::out_of_range("no grid " + std::string(name));
        return it->second;
    }

    int* alive_;
};
