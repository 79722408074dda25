#include "printing/ReportDialog.h"

#include <stdexcept>

std::string_view ReportFormName(ReportForm form) {
    switch (form) {
        case ReportForm::CHEdit: return "FrmCHEdit";
        case ReportForm::Option: return "FrmOption";
        case ReportForm::DTMF: return "FrmDTMF";
        case ReportForm::EMG: return "FrmEMG";
        case ReportForm::Alert: return "FrmAlert";
        case ReportForm::Tone2: return "Frm2Tone";
        case ReportForm::Tone5: return "Frm5Tone";
    }
    return "?";
}

std::vector<std::string> ReportDialog::ListItems(std::string_view name, int index) const {
    std::vector<std::string> items;
    const int count = ListCount(name, index);
    items.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) items.push_back(ListItem(name, index, i));
    return items;
}

std::unique_ptr<ReportDialog> ReportSources::Load(ReportForm form) const {
    std::unique_ptr<ReportDialog> dialog = loadDialog ? loadDialog(form) : nullptr;
    if (!dialog) throw std::runtime_error("the report cannot load " + std::string(ReportFormName(form)));
    return dialog;
}
