#include "core/Defaults.h"

#include "core/SharedState.h"

void InitDTMFData() {
    DTMFData d = CurData.FunSet.DTMF;
    const DTMFCodeItem blankCode{FixStr<24>::Of(""), 0};
    const DTMFKillItem blankKill{FixStr<14>::Of(""), 0};
    d.DTMFCode.fill(blankCode);
    d.PTTIDBeginCode = blankCode;
    d.PTTIDEndCode = blankCode;
    d.DTMFKillCode = blankKill;
    d.DTMFStunCode = blankKill;
    d.DTMFANI = 0;
    d.DTMFSendTime = 1;
    d.PTTIDMode = 3;
    d.DTMFSelfID = "000";
    d.DTMFSepCode = 14;    // "*"
    d.DTMFGroupCode = 10;  // "A"
    d.DTMFDecodeResp = 0;
    d.DTMFFirstDelay = 20;
    d.DTMFPreDelay = 1;
    d.DTMFResetTime = 0;
    d.DTMFPostDelay = 20;
    d.DTMFPauseTime = 10;
    d.DTMFSideTone = 0;
    CurData.FunSet.DTMF = d;
}

void Init2ToneData() {
    Tone2Head& h = CurData.FunSet.Tone2.Tone2Set;
    h.DecTone1.set(3217);   // 321.7 Hz
    h.DecTone2.set(9281);   // 928.1 Hz
    h.DecPair = 0;
    h.DecDiv1.set(14920);
    h.DecDiv2.set(5172);
    h.Time9 = 0;
    h.DecodeResp = 0;
    h.SideTone = 0;
    h.ToneA.set(3217);
    h.ToneB.set(9281);
    h.ToneC.set(6265);
    h.ToneD.set(20438);
    h.Time20 = 5;
    h.Time21 = 5;
    h.Time22 = 10;
    h.Time23 = 0;
}

void Init5ToneData() {
    Tone2Data t2 = CurData.FunSet.Tone2;
    Tone5Data t5 = CurData.FunSet.Tone5;

    t5.Head0 = 0;
    t5.DecodeResp = 0;
    t5.Standard = 0;
    t5.SelfIDLen = 0;
    t5.TonePeriod = 70;
    t5.SelfID = FixStr<6>::NulText();
    t5.Time17 = 0;
    t5.Time18 = 20;
    t5.Time19 = 20;
    t5.Time20 = 10;
    t5.FirstDelay = 20;
    t5.PauseTime = 20;
    t5.PauseCode = 0;
    t5.PauseFirstDelay = 20;
    t5.SideTone = 0;
    t5.SepCode = 13;

    t5.DefTone = kDefaultUserTones;
    CurData.Tone5DecodeTime = 2;

    // Names survive the defaults; the default data file replaces them.
    for (Tone5InfoCode& c : t5.InfoCode) {
        c.Func = c.Resp = c.CodeLen = 0;
        c.Code = FixStr<12>::NulText();
    }
    for (Tone5Code& c : t5.Tone5List) {
        c.EmptyFlag = 1;
        c.CodeLen = 0;
        c.Code = "";
        c.Standard = 0;
        c.TonePeriod = 70;
        c.Reserved = 0;
    }
    for (Tone2Item& c : t2.Tone2List) {
        c.EmptyFlag = 1;
        c.Div1.set(0);
        c.Div2.set(0);
        c.Tone1.set(0);
        c.Tone2.set(0);
    }
    Tone2Item& first = t2.Tone2List[1];
    first.EmptyFlag = 0;
    first.Div1.set(14920);
    first.Div2.set(5172);
    first.Tone1.set(3217);  // 321.7 Hz
    first.Tone2.set(9281);  // 928.1 Hz
    // The five-tone PTT ID codes are left as they are.

    CurData.FunSet.Tone2 = t2;
    CurData.FunSet.Tone5 = t5;
}
