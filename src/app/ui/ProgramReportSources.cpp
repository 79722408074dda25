#include "app/ui/ProgramReportSources.h"

#include "channels/ui/FrmCHEdit.h"
#include "core/LangText.h"
#include "mainwindow/ChannelRowText.h"
#include "mainwindow/ui/frmMain.h"
#include "printing/ui/HiddenForm.h"
#include "settings/ui/FrmAlert.h"
#include "settings/ui/FrmEMG.h"
#include "settings/ui/FrmOption.h"
#include "signalling/ui/Frm2Tone.h"
#include "signalling/ui/Frm5Tone.h"
#include "signalling/ui/FrmDTMF.h"

namespace {

constexpr int kUserToneText = 4031;

std::unique_ptr<ReportDialog> LoadReportDialog(ReportForm form) {
    switch (form) {
        case ReportForm::CHEdit: return LoadHiddenForm<FrmCHEdit>();
        case ReportForm::Option: return LoadHiddenForm<FrmOption>();
        case ReportForm::EMG: return LoadHiddenForm<FrmEMG>();
        case ReportForm::Alert: return LoadHiddenForm<FrmAlert>();
        case ReportForm::DTMF: return LoadHiddenForm<FrmDTMF>();
        case ReportForm::Tone2: return LoadHiddenForm<Frm2Tone>();
        case ReportForm::Tone5: return LoadHiddenForm<Frm5Tone>();
        default: return nullptr;
    }
}

}  // namespace

ReportSources ProgramReportSources(const QWidget* mainWindow) {
    ReportSources sources;
    if (const auto* window = dynamic_cast<const frmMain*>(mainWindow)) {
        sources.ctcss = window->Lookups().ctcss;
        sources.dcs = window->Lookups().dcs;
    } else {
        sources.ctcss = CTCSSLookupTexts();
        sources.ctcss.push_back(GetLangText(kUserToneText));
        sources.dcs = DCSLookupTexts();
    }
    sources.loadDialog = &LoadReportDialog;
    return sources;
}
