#include "mainwindow/ui/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "core/LangText.h"
#include "mainwindow/MainLayout.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormLanguage.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"

namespace {

constexpr std::string_view kSysInfoMissing = "此时系统信息不可用";

QRect Twips(int left, int top, int width, int height) {
    return {PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width), PixelsFromTwips(height)};
}

QString Lang(int16_t id) { return QString::fromStdString(GetLangText(id)); }

QLabel* NewLabel(QWidget* parent, std::string_view name, int langId, const QRect& place) {
    auto* label = platform::Named(new QLabel(parent), name);
    platform::SetLangTag(label, langId);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame* EtchedLine(QWidget* parent, int index, int left, int top, int thickness, const QColor& colour) {
    auto* line = platform::Named(new QFrame(parent), "Line1", index);
    line->setGeometry(PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(5657 - left), thickness);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    return line;
}

}  // namespace

std::string VersionLine() {
    return GetLangText(2200) + " " + std::to_string(kProgramVersion.major) + "." +
           std::to_string(kProgramVersion.minor) + "." + std::to_string(kProgramVersion.revision);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    platform::SetControlName(this, "frmAbout");
    platform::SetLangTag(this, 5052);
    setFixedSize(PixelsFromTwips(5865), PixelsFromTwips(3990));

    auto* picIcon = platform::Named(new QLabel(this), "picIcon");
    picIcon->setGeometry(Twips(240, 120, 1020, 1020));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(QPixmap(QString::fromStdString(platform::BesideProgram("icons/program.png"))));

    lblTitle = NewLabel(this, "lblTitle", 1040, Twips(1410, 240, 4095, 480));
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = NewLabel(this, "lblVersion", 1039, Twips(1440, 780, 4095, 225));
    lblDescription = NewLabel(this, "lblDescription", 1900, Twips(1410, 1125, 4095, 1170));
    EtchedLine(this, 1, 225, 2430, 1, QColor(128, 128, 128));
    EtchedLine(this, 0, 240, 2445, 2, QColor(255, 255, 255));
    lblDisclaimer = NewLabel(this, "lblDisclaimer", 1038, Twips(240, 2625, 5415, 585));

    cmdOK = platform::Named(new QPushButton(this), "cmdOK");
    platform::SetLangTag(cmdOK, 101);
    cmdOK->setGeometry(Twips(1920, 3480, 1467, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = platform::Named(new QPushButton(this), "cmdSysInfo");
    platform::SetLangTag(cmdSysInfo, 1036);
    cmdSysInfo->setGeometry(Twips(3600, 3480, 1452, 345));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::Form_Load() {
    LoadFormLanguage(this);
    // The title keeps its own size after the localiser set the form's font.
    QFont big = font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion->setText(QString::fromStdString(VersionLine()));
    lblTitle->setText(QString::fromStdString(platform::AppTitle()));
    lblDisclaimer->setText(Lang(2100));
    lblDescription->setText(Lang(2101));
    FitTexts();
}

// A language's texts may need more lines than the box was drawn for: the
// label grows and everything below it moves down with the box's bottom.
void frmAbout::FitTexts() {
    for (QLabel* label : {lblDescription, lblDisclaimer}) {
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
