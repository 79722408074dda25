#pragma once
// The records of the data files, packed and unpacked member by member in the
// order and sizes the files use (integers and longs little-endian, texts as
// their bytes, no padding).
//
// Unpack overwrites exactly the members the packed form holds, so a caller
// can unpack an older, shorter layout over a record that already holds the
// values the old layout lacks.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/RadioRecord.h"

void Pack(ByteWriter& w, const UFreData& r);
void Unpack(ByteReader& r, UFreData& out);

void Pack(ByteWriter& w, const DTMFData& r);
void Unpack(ByteReader& r, DTMFData& out);
void Pack(ByteWriter& w, const Tone2Data& r);
void Unpack(ByteReader& r, Tone2Data& out);
void Pack(ByteWriter& w, const Tone5Data& r);
void Unpack(ByteReader& r, Tone5Data& out);
void Pack(ByteWriter& w, const OptionData& r);
void Unpack(ByteReader& r, OptionData& out);
void Pack(ByteWriter& w, const ScanData& r);
void Unpack(ByteReader& r, ScanData& out);
void Pack(ByteWriter& w, const AlertData& r);
void Unpack(ByteReader& r, AlertData& out);
void Pack(ByteWriter& w, const FunSetData& r);
void Unpack(ByteReader& r, FunSetData& out);
void Pack(ByteWriter& w, const CommuBookItem& r);
void Unpack(ByteReader& r, CommuBookItem& out);
void Pack(ByteWriter& w, const HyperSetData& r);
void Unpack(ByteReader& r, HyperSetData& out);
void Pack(ByteWriter& w, const HyperData& r);
void Unpack(ByteReader& r, HyperData& out);
void Pack(ByteWriter& w, const TVItem& r);
void Unpack(ByteReader& r, TVItem& out);

// The three layouts of the configuration record in a data file.
enum class DatLayout {
    V200,  // 13,111 bytes, starts with the version text
    V101,  // 13,107 bytes: no version text
    V100,  // 11,901 bytes: no version text, hyper banks without rows 7..12,
           // no event records, hyper modes, beep volume or external speaker
};

inline constexpr std::size_t kDatSizeV200 = 13111;
inline constexpr std::size_t kDatSizeV101 = 13107;
inline constexpr std::size_t kDatSizeV100 = 11901;
std::size_t DatSize(DatLayout layout);

// The configuration record in the given layout. Packing in an older layout
// exists to build such files for tests; the program writes only V200.
void Pack(ByteWriter& w, const RadioData& r, DatLayout layout = DatLayout::V200);
// Reads the members `layout` holds into `out`; the others keep their values
// (the version text is not touched by the older layouts).
void Unpack(ByteReader& r, RadioData& out, DatLayout layout = DatLayout::V200);
