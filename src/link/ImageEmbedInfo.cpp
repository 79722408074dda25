// The radio's embedded information, 0x0010-0x00FF of the image. The program
// only reads it; a write starts above it.
#include <string>

#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "link/ImageAreas.h"

namespace {

// The band byte moved between firmware generations.
constexpr std::size_t kBandOldFirmware = 41;
constexpr std::size_t kBand = 45;

// A text of the area: the bytes up to the first 0x00 (0xFF is an ordinary
// character here), without trailing blanks, then a NUL; the field pads or cuts.
template <std::size_t N>
void ReadInfoText(const ImageView& image, std::size_t addr, std::size_t size, FixStr<N>& field) {
    field = TrimFixStr(image.text(addr, size, 0x00)) + '\0';
}

}  // namespace

void GetEmbedInfoByCommData() {
    const ImageView image(CommData);
    EmbedInfoData& e = EmbedInfo;
    e.Band = image.byte(RadioVerNo == 1 ? kBandOldFirmware : kBand);
    ReadInfoText(image, 0x30, 16, e.SerialNo);
    ReadInfoText(image, 0x40, 16, e.ProduceDate);
    ReadInfoText(image, 0x50, 8, e.ManufactureCode);
    ReadInfoText(image, 0x58, 4, e.UserCode);
    ReadInfoText(image, 0x60, 16, e.MaintainDate);
    ReadInfoText(image, 0x70, 16, e.DealerCode);
    ReadInfoText(image, 0x80, 16, e.StockDate);
    ReadInfoText(image, 0x90, 16, e.SellDate);
    ReadInfoText(image, 0xA0, 16, e.Seller);
    ReadInfoText(image, 0xB0, 48, e.MaintainReason);  // 48 bytes into a 96-character field
}
