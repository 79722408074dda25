#include "printing/ui/HiddenForm.h"

#include <stdexcept>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

#include "platform/TextConvert.h"
#include "platform/ui/ControlText.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"

namespace {

// The control, or ControlNotFound naming what is missing.
QObject* Find(const QWidget& form, std::string_view name, int index) {
    if (QObject* control = platform::FindControl(&form, name, index)) return control;
    throw platform::ControlNotFound(platform::MissingControlText(&form, name, index, nullptr, "control"));
}

}  // namespace

HiddenForm::HiddenForm(std::unique_ptr<QWidget> form) : form_(std::move(form)) {
    if (!form_) throw std::invalid_argument("no dialog to read");
}

HiddenForm::~HiddenForm() = default;

std::string HiddenForm::FormCaption() const { return platform::Utf8(form_->windowTitle()); }

std::string HiddenForm::Caption(std::string_view name, int index) const {
    return platform::CaptionOf(Find(*form_, name, index));
}

std::string HiddenForm::Text(std::string_view name, int index) const {
    return platform::ShownTextOf(Find(*form_, name, index));
}

int HiddenForm::CheckValue(std::string_view name, int index) const {
    return platform::CheckValue(platform::Ctl<QCheckBox>(form_.get(), name, index));
}

int HiddenForm::ListIndex(std::string_view name, int index) const {
    return platform::Ctl<QComboBox>(form_.get(), name, index)->currentIndex();
}

int HiddenForm::ListCount(std::string_view name, int index) const {
    return platform::Ctl<QComboBox>(form_.get(), name, index)->count();
}

std::string HiddenForm::ListItem(std::string_view name, int index, int item) const {
    const auto* list = platform::Ctl<QComboBox>(form_.get(), name, index);
    if (item < 0 || item >= list->count()) return {};
    return platform::Utf8(list->itemText(item));
}

std::string HiddenForm::TabCaption(std::string_view name, int tab) const {
    const auto* tabs = platform::Ctl<QTabWidget>(form_.get(), name);
    if (tab < 0 || tab >= tabs->count()) return {};
    return platform::Utf8(tabs->tabText(tab));
}

int HiddenForm::GridRows(std::string_view name) const {
    return platform::Ctl<platform::Grid>(form_.get(), name)->Rows();
}

std::string HiddenForm::GridText(std::string_view name, int row, int col) const {
    const auto* grid = platform::Ctl<platform::Grid>(form_.get(), name);
    if (row < 0 || col < 0 || row >= grid->Rows() || col >= grid->Cols()) return {};
    return platform::Utf8(grid->TextMatrix(row, col));
}
