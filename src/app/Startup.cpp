#include "app/Startup.h"

#include "channels/BatchFun.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/MsgText.h"
#include "core/SharedState.h"
#include "core/Startup.h"
#include "core/StartupState.h"
#include "link/ComPorts.h"
#include "link/TestData.h"
#include "mainwindow/ColumnMap.h"
#include "platform/LateWork.h"
#include "platform/SerialDevices.h"
#include "printing/ReportText.h"

namespace {

// A stored port the system does not list gives way to the first listed one.
void CheckComPort() {
    if (IsVista != 0) return;
    const auto ports = platform::ListSerialDevices();
    if (!IsComPortExist(CommPortNo, ports)) CommPortNo = GetFirstComPort(ports);
}

}  // namespace

void Main(const std::function<void()>& showMainWindow) {
    StartSharedState();
    ReadSetupFile();
    // The system's port list is slow to get and the write-back waits for the
    // disc; nothing the main window first shows needs either, so the program
    // may leave them until its window has painted.
    platform::DoLateWork([] {
        CheckComPort();
        WriteBackSetupFile();
    });

    InitHyperRange();
    InitGridEditState();
    NewRadioData();
    InitEmbedInfo();
    InitMsgText();
    InitLangButtonText();
    InitPrintText();
    InitFunEnable();
    InitTestData();
    LoadMainShowList();
    ChooseHelpFile();
    LoadBatchFun();
    LoadSettingFile();

    if (showMainWindow) showMainWindow();
}
