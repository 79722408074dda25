#pragma once
// Pictures the program shows from files of its own (toolbar buttons, the
// about box). Qt would open such a file itself, and its open waits for ever
// on a FIFO in the file's place; the bytes are read through the program's
// file layer instead, which takes only regular files and never waits.
#include <string>

#include <QPixmap>

namespace platform {

// The picture in the file at `path`; a null pixmap when the file is missing,
// is not a regular file, cannot be read or holds no picture Qt can decode.
QPixmap ReadPicture(const std::string& path);

}  // namespace platform
