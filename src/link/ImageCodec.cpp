#include "link/ImageCodec.h"

#include "core/BandPlan.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "link/ImageAreas.h"

void InitCommData() {
    ImageView img(CommData);
    img.fill(0x0010, 0x00FF, 0x00);
    img.fill(0x0100, 0x027F, 0xFF);
    img.fill(0x0280, 0x037F, 0x00);
    img.fill(0x0380, 0x039F, 0xFF);
    img.fill(0x03A0, 0x7FFF, 0x00);
}

void SetCommData() {
    if (ScanEnable) SetCommDataByScan();
    if (AlertEnable) SetCommDataByAlert();
    SetCommDataByFrequency();
    if (WriteDataOK) {
        SetCommDataByFunSet();
        // The event records go in even when a signalling encoder failed.
        SetCommDataByNote();
    }
}

void SetCommDataByFunSet() {
    SetCommDataByOption();
    SetCommDataByHyperSet(1);
    SetCommDataByHyperSet(2);
    if (WriteDataOK) SetCommDataBy5Tone();
    if (WriteDataOK) SetCommDataBy2Tone();
    if (WriteDataOK) SetCommDataByDTMF();
    if (WriteDataOK) SetCommDataByDTMFCommuBook();
}

void GetDataByComm() {
    GetFrequencyByCommData();
    if (ScanEnable) GetScanByCommData();
    if (AlertEnable) GetAlertByCommData();
    GetEmbedInfoByCommData();
    GetFunSetByCommData();
    GetNoteByCommData();
}

void GetFunSetByCommData() {
    // The hyper settings read DisplayManner, which the option decoder sets.
    GetOptionByCommData();
    GetHyperSetByCommData(1);
    GetHyperSetByCommData(2);
    Get5ToneByCommData();
    Get2ToneByCommData();
    GetDTMFByCommData();
    GetDTMFCommuBookByCommData();
}

void SetBandByRadio() {
    PCBand = RadioBand;
    SetBandByType(PCBand);
    InitHyperRange();
}
