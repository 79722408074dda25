#pragma once
// The memory image as a whole: the blank pattern every session starts from,
// the encode and decode drivers over the area codecs (ImageAreas.h), and the
// band takeover after a read.
//
// A write: InitCommData, WriteDataOK = true, SetCommData, and the transfer
// only if WriteDataOK is still true. A read: InitCommData, the transfer, then
// SetBandByRadio and GetDataByComm.

// Blank pattern: 0x0010-0x00FF 0x00, flag nibbles 0xFF (every slot empty),
// 0x0280-0x037F 0x00, presence bitmaps 0xFF (every code empty), the rest from
// 0x03A0 on 0x00. 0x0000-0x000F (factory test data) are left as they are.
void InitCommData();

// Fills the image from the working data; stops at the first guarded encoder
// that fails (one message box at most). The caller sets WriteDataOK first.
void SetCommData();
// The function-settings half of SetCommData.
void SetCommDataByFunSet();

// Fills the working data from an image read in full.
void GetDataByComm();
// The function-settings half of GetDataByComm.
void GetFunSetByCommData();

// The radio's band plan becomes the data's (band edges and hyper ranges).
void SetBandByRadio();
