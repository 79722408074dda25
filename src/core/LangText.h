#pragma once
// Texts looked up by number in the language files beside the program.
#include <cstdint>
#include <string>

// The text of `id` in section "OTHER" of the current language file, else of
// english.ini, else the empty text.
std::string GetLangText(int16_t id);
