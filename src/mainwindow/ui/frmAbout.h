#pragma once
// The About box: the program's title, version and two descriptive texts,
// and a button for the system information tool, which this system does not
// have: it shows the message the box shows whenever the tool is missing.
// Controls: picIcon, lblTitle, lblVersion, lblDescription, Line1(0..1),
// lblDisclaimer, cmdOK (the default button), cmdSysInfo.
#include <string>

#include <QDialog>

// The program's release: major, minor and revision, shown as "2.0.3".
struct ProgramVersion {
    int major;
    int minor;
    int revision;
};
inline constexpr ProgramVersion kProgramVersion{2, 0, 3};

// Language text 2200, a blank and the version numbers joined by ".".
std::string VersionLine();

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click() { accept(); }
    void cmdSysInfo_Click();

private:
    void Form_Load();
    void FitTexts();
};

// Starts the system information tool; here always its "not available" message.
void StartSysInfo();
