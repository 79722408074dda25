#include "mainwindow/ui/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/FormLanguage.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/Picture.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

constexpr std::string_view kSysInfoMissing = "此时系统信息不可用";

// The etched separator ends here.
constexpr int kLineEnd = 5657;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Picture, "picIcon").At(240, 120, 1020, 1020),
    Row(Kind::Label, "lblTitle").At(1410, 240, 4095, 480).Text(1040),
    Row(Kind::Label, "lblVersion").At(1440, 780, 4095, 225).Text(1039),
    Row(Kind::Label, "lblDescription").At(1410, 1125, 4095, 1170).Text(1900),
    Row(Kind::Line, "Line1", 1).At(225, 2430, kLineEnd - 225, 15),
    Row(Kind::Line, "Line1", 0).At(240, 2445, kLineEnd - 240, 30),
    Row(Kind::Label, "lblDisclaimer").At(240, 2625, 5415, 585).Text(1038),
    Row(Kind::CommandButton, "cmdOK").At(1920, 3480, 1467, 345).Tab(0).Text(101),
    Row(Kind::CommandButton, "cmdSysInfo").At(3600, 3480, 1452, 345).Tab(1).Text(1036),
};

// Enter presses the focused button, OK unless the system information
// button has the focus.
constexpr auto kForm = platform::Form("frmAbout").Text(5052).Size(5865, 3990).EnterPressesDefault();

void Paint(QWidget* line, const QColor& colour) {
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
}

void MakeTitleBig(QLabel* title, const QFont& formFont) {
    QFont big = formFont;
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
}

}  // namespace

std::string VersionLine() {
    return GetLangText(2200) + " " + std::to_string(kProgramVersion.major) + "." +
           std::to_string(kProgramVersion.minor) + "." + std::to_string(kProgramVersion.revision);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    Ctl<QLabel>(this, "picIcon")->setPixmap(platform::ReadPicture(platform::BesideProgram("icons/program.png")));
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
        auto* label = Ctl<QLabel>(this, name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Paint(Ctl<QWidget>(this, "Line1", 1), QColor(128, 128, 128));
    Paint(Ctl<QWidget>(this, "Line1", 0), QColor(255, 255, 255));
    auto* ok = Ctl<QPushButton>(this, "cmdOK");
    auto* sysInfo = Ctl<QPushButton>(this, "cmdSysInfo");
    ok->setDefault(true);
    ok->setAutoDefault(true);
    sysInfo->setAutoDefault(true);

    platform::OnEvent(ok, &QPushButton::clicked, this, "cmdOK_Click", [this] { cmdOK_Click(); });
    platform::OnEvent(sysInfo, &QPushButton::clicked, this, "cmdSysInfo_Click", [this] { cmdSysInfo_Click(); });
    Form_Load();
    ok->setFocus();
}

void frmAbout::Form_Load() {
    LoadFormLanguage(this);
    auto* title = Ctl<QLabel>(this, "lblTitle");
    // The title keeps its own size after the localiser set the form's font.
    MakeTitleBig(title, font());
    Ctl<QLabel>(this, "lblVersion")->setText(platform::QText(VersionLine()));
    title->setText(platform::QText(platform::AppTitle()));
    Ctl<QLabel>(this, "lblDisclaimer")->setText(platform::Lang(2100));
    Ctl<QLabel>(this, "lblDescription")->setText(platform::Lang(2101));
    FitTexts();
}

// A language's texts may need more lines than the box was drawn for: the
// label grows and everything below it moves down with the box's bottom.
void frmAbout::FitTexts() {
    for (const char* name : {"lblDescription", "lblDisclaimer"}) {
        auto* label = Ctl<QLabel>(this, name);
        const int extra = label->heightForWidth(label->width()) - label->height();
        if (extra <= 0) continue;
        const int below = label->geometry().bottom();
        label->resize(label->width(), label->height() + extra);
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != label && w->y() > below) w->move(w->x(), w->y() + extra);
        setFixedSize(width(), height() + extra);
    }
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void StartSysInfo() { platform::MsgBox(kSysInfoMissing, platform::Buttons::Ok); }
