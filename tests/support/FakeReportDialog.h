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
    int GridRows(std::string_view) const override { return 0; }
    std::string GridText(std::string_view, int, int) const override { return {}; }

private:
    template <class T>
    static const T& At(const std::map<Key, T>& map, std::string_view name, int index) {
        const auto it = map.find(Key(std::string(name), index));
        if (it == map.end())
            throw std::out_of_range("no control " + std::string(name) + "(" + std::to_string(index) + ")");
        return it->second;
    }

    int* alive_;
};
