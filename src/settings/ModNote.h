#pragma once
// The radio's one-byte symbol codes of event-record characters: "0".."9" are
// 0..9, "A".."Z" are 10..35, and 36 stands for every other character.
#include <cstdint>
#include <string>
#include <string_view>

// The code of the text's first character; 36 for the empty text.
int16_t GetNoteCode(std::string_view text);
// The character of a code; one NUL character for a code outside 0..35.
std::string GetNoteChar(int16_t code);
