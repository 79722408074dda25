#include <array>
#include <cstdio>
#include <string>

#include "core/ChannelRecord.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/Locale.h"

namespace {

// Receive frequency of hyper rows 1..6, and again of rows 7..12.
constexpr std::array<const char*, 6> kHyperRowFre = {"108.0000", "220.0000", "350.0000",
                                                     "400.0000", "136.0000", "400.0000"};

void InitHyperRows(int16_t firstRow, int16_t bank) {
    for (int16_t i = 0; i < 6; ++i)
        AddHyperFreData(static_cast<int16_t>(firstRow + i), kHyperRowFre[static_cast<std::size_t>(i)], 1, bank);
}

// The date as the system writes it in its short form: year first in
// Traditional Chinese, month first otherwise.
std::string ShortDateText(const platform::DateTime& d) {
    char text[32];
    if (platform::SystemDefaultLocaleId() == static_cast<uint16_t>(platform::LocaleId::ChineseTaiwan))
        std::snprintf(text, sizeof text, "%d/%d/%d", d.year, d.month, d.day);
    else
        std::snprintf(text, sizeof text, "%d/%d/%d", d.month, d.day, d.year);
    return text;
}

}  // namespace

void InitRadioData() {
    InitDTMFData();
    Init2ToneData();
    Init5ToneData();
    InitOptionData();
    InitScanData();
    InitAlertData();
    InitCommuBook();
    InitLimitCH();
    InitHyperData();
    InitNoteData();
}

void NewRadioData() {
    RadioKilled = 0;
    RadioStunned = 0;
    GridCopyFlag = {};
    IsNewFile = -1;
    DataFileName = "new.dat";
    BookFileName = "new.cb";
    InitRadioData();
    CurData.CHCount = 0;  // the entries of UFreList stay as they were
    InitTVData();
    AddDefaultCH();
    // The default data file of the model and band plan replaces this
    // configuration and becomes the saved copy.
    LoadInitFile();
}

void InitCommuBook() {
    for (int16_t i = 0; i < kCommuBookSize; ++i) {
        CommuBookItem& e = CurData.CommuBook[static_cast<std::size_t>(i)];
        e.No = i;
        e.CallID = FixStr<5>::NulText();
        e.Name = FixStr<7>::NulText();
    }
}

void InitLimitCH() {
    // Only the number and the used flag: a programmed limit channel keeps
    // its frequency and reads as empty.
    for (int16_t i = 0; i < kLimitChannels; ++i) {
        UFreData& ch = CurData.LimitCH[static_cast<std::size_t>(i)];
        ch.CHNo = static_cast<int16_t>(i + 1);
        ch.UsedFlag = 0;
    }
}

void InitHyperData() {
    InitHyperRows(1, 0);
    InitHyperSet(0);
    InitHyperRows(1, 1);
    InitHyperSet(1);
    InitHyperUpperCH();
}

void InitHyperSet(int16_t bank) {
    if (bank != 0 && bank != 1) return;
    HyperSetData s{};
    s.VFOBandR = 4;
    s.MainSel = 1;
    CurData.Hyper[static_cast<std::size_t>(bank)].Setting = s;
    CurData.HyperMode[static_cast<std::size_t>(bank)] = 0;
}

void InitHyperUpperCH() {
    InitHyperRows(7, 0);
    InitHyperRows(7, 1);
}

void InitNoteData() {
    CurData.Note.fill(FixStr<8>::NulText());
    CurData.NoteIndex = 0;
}

void InitTVData() {
    for (int16_t i = 0; i < kTVItems; ++i) {
        TVItem& t = CurData.TV[static_cast<std::size_t>(i)];
        t.No = static_cast<int16_t>(i + 1);
        t.Flag = 0;
        t.Freq = "00000000";
    }
    TVItem& vfo = CurData.TV[kTVItems - 1];
    vfo.Flag = 1;
    vfo.Freq = "01080000";  // 108.0 MHz
}

void InitEmbedInfo() {
    const platform::DateTime d = platform::Now();
    const std::string date = ShortDateText(d) + std::string(1, '\0');
    char text[32];
    EmbedInfoData& e = EmbedInfo;
    e.Band = 0;
    std::snprintf(text, sizeof text, "%04d%02d%02d00000001", d.year % 10000, d.month % 100, d.day % 100);
    e.SerialNo = text;
    e.ProduceDate = date;
    std::snprintf(text, sizeof text, "%02d-1-E-1", d.month % 100);
    e.ManufactureCode = text;
    e.UserCode = "001A";
    e.MaintainDate = date;
    e.DealerCode = FixStr<16>::NulText();
    e.StockDate = date;
    e.SellDate = date;
    e.Seller = FixStr<16>::NulText();
    e.MaintainReason = FixStr<96>::NulText();
    e.Version = "V2.00";
    e.AreaCode.clear();
    e.ModelCode = "314KTR";
}
