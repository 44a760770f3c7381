// Whole texts between code page 936 (GBK) and Big5, character by character.
//
// A text goes through three steps: it is decoded from its code page to Unicode (iconv), each
// simplified character is replaced by its traditional counterpart or the other way round
// (OpenCC's Taiwan-standard character tables: STCharacters then TWVariants, or TWVariantsRev
// then TSCharacters; no phrase tables, so one character always gives one character and the
// result never depends on the words around it), and it is encoded in the other code page (iconv).
//
// What has no counterpart is handled the same way every time:
//   - a character the tables do not list is kept as it is (ASCII, digits, punctuation, the
//     separators 0x01, 0x03, 0x04, and every character that is the same in both scripts);
//   - a character the target code page cannot hold after the table step becomes one "?"
//     (for instance a simplified-only character without a traditional form outside Big5, or
//     the kana and symbols of GBK that Big5 lacks);
//   - a byte that is no character of the source code page (a broken double-byte character)
//     becomes one "?", and the text goes on with the next byte.
// The number of characters is therefore kept: what was one character is one character.
//
// When the OpenCC tables cannot be loaded, only the code page changes (the second step is
// left out); the texts then keep their script and what the target cannot hold becomes "?".
#pragma once

#include <string>

namespace rirodozada {

enum class Direction { GBToBig5, Big5ToGB };

std::string Convert(Direction direction, const std::string& text);

// Loads the tables of a direction (once per process); false when they cannot be loaded.
bool PrepareTables(Direction direction);

// The Unicode (UTF-8) steps on their own, for the order file.
std::string DecodeToUtf8(const std::string& text, const char* codePage);
std::string EncodeFromUtf8(const std::string& text, const char* codePage);
std::string ConvertCharacters(Direction direction, const std::string& utf8);

inline constexpr const char* kGBCodePage = "GBK";
inline constexpr const char* kBig5CodePage = "BIG5";

}  // namespace rirodozada
