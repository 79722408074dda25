#include "platform/ui/Picture.h"

#include "platform/SafeFile.h"

namespace platform {
namespace {

// Far beyond any picture the program ships; a larger file is not one of them.
constexpr std::size_t kPictureLimit = 4 << 20;

}  // namespace

QPixmap ReadPicture(const std::string& path) {
    const FileBytes read = ReadFileUpTo(path, kPictureLimit);
    QPixmap picture;
    if (read.ok())
        picture.loadFromData(read.bytes.data(), static_cast<uint>(read.bytes.size()));
    return picture;
}

}  // namespace platform
