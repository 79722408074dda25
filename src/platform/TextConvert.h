#pragma once
// The one place where the program's texts meet QString.
//
// Two kinds of text live in the program:
// - UTF-8 texts (language files, messages, list items): QText and Utf8;
// - record bytes, shown one byte to one character (a channel name, the
//   radio's model code): ByteText and TextBytes, and BytesToUtf8 where such
//   bytes go into a message or a cell text.
#include <string>
#include <string_view>

#include <QString>

namespace platform {

QString QText(std::string_view utf8);
std::string Utf8(const QString& text);

// Byte b becomes the character U+00bb.
QString ByteText(std::string_view bytes);
// Character U+00bb becomes byte b; a character beyond one byte cannot be
// stored and becomes '?'. The boxes that edit record bytes refuse such
// characters on every input path, so only a program fault reaches that.
std::string TextBytes(const QString& text);
// ByteText written as UTF-8.
std::string BytesToUtf8(std::string_view bytes);

}  // namespace platform
