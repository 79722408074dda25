#pragma once
// A dialog the report loads without showing it: the dialog is constructed
// (its whole load runs), read by control name and index, and destroyed with
// this object.
#include <memory>

#include <QWidget>

#include "printing/ReportDialog.h"

class HiddenForm : public ReportDialog {
public:
    explicit HiddenForm(std::unique_ptr<QWidget> form);
    ~HiddenForm() override;

    const QWidget& Form() const { return *form_; }

    std::string FormCaption() const override;
    std::string Caption(std::string_view name, int index = -1) const override;
    std::string Text(std::string_view name, int index = -1) const override;
    int CheckValue(std::string_view name, int index = -1) const override;
    int ListIndex(std::string_view name, int index = -1) const override;
    int ListCount(std::string_view name, int index = -1) const override;
    std::string ListItem(std::string_view name, int index, int item) const override;
    std::string TabCaption(std::string_view name, int tab) const override;
    int GridRows(std::string_view name) const override;
    std::string GridText(std::string_view name, int row, int col) const override;

private:
    std::unique_ptr<QWidget> form_;
};

// Loads `Dialog` for the report.
template <class Dialog>
std::unique_ptr<ReportDialog> LoadHiddenForm() {
    return std::make_unique<HiddenForm>(std::make_unique<Dialog>());
}
