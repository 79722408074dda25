#pragma once
// Texts looked up by number in the language files beside the program.
//
// The files are "key=value" settings files (UTF-8) in the "language" folder:
// section "OTHER" holds the numbered texts of windows and messages, sections
// "MSG" and "OPTION" the question texts and the signalling dialogs' captions
// and list entries.
#include <cstdint>
#include <string>
#include <string_view>

// The text of `id` in section "OTHER" of the current language file
// (`LangFilePath` beside the program); when that is missing or blank, the
// text in english.ini; else the empty text. Never shows a message.
std::string GetLangText(int16_t id);

// The value of `key` in `section` of the current language file only: no
// fallback to english.ini, the empty text when missing. Used for the
// sections "MSG" (keys such as "9001", "900C") and "OPTION".
std::string ReadLangFileText(std::string_view section, std::string_view key);

// Shorthands for the two directly read sections.
std::string GetMsgText(std::string_view key);
std::string GetOptionText(int32_t key);

// The language file of a language index (1 English, 2 Chinese) relative to
// the program folder: "language/english.ini" or "language/Tchinese.ini".
std::string LangFileOf(int16_t langIndex);

// Forgets every remembered value (the program's state back to its start).
void ResetLangTextCache();
