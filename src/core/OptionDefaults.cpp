#include "core/Defaults.h"

#include "core/SharedState.h"

void InitOptionData() {
    OptionData o{};
    o.LongPressTime = 10;  // 1.0 s
    o.PowerOnPassWord = FixStr<7>::NulText();
    o.PowerOnText = "Welcome";
    CurData.FunSet.Option = o;
    CurData.BeepVolume = 0;
    CurData.ExtSpeaker = 0;
}

void InitScanData() {
    ScanData s{};
    s.LookBackA = 5;  // 1.0 s
    s.LookBackB = 5;
    CurData.FunSet.Scan = s;
}

void InitAlertData() {
    AlertData a{};
    a.PreAlertTime = 1;
    a.LoneWorkTime = 5;
    CurData.FunSet.Alert = a;
}
