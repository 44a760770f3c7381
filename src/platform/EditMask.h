// The platform's edit masks: what a masked edit shows, what it accepts and what its text is.
//
// Notation. A mask text has up to three fields separated by ";":
//
//     <mask> [ ";" <save literals> [ ";" <blank character> ] ]      e.g. "9999/99/99;1; "
//
// <mask> is read character by character; every character except the directives takes one
// position of the edit:
//
//     0   digit, required                 9   digit, optional
//     #   digit, "+" or "-", optional
//     L   letter, required                l   letter, optional
//     A   letter or digit, required       a   letter or digit, optional
//     C   any character, required         c   any character, optional
//     _   a literal blank
//     \x  the character x as a literal    (so "\-" is a literal "-", "\;" a literal ";")
//     >   the following input positions turn letters to upper case
//     <   the following input positions turn letters to lower case
//     <>  no case shift from here on
//     !   the text of the edit drops its trailing blanks (unfilled optional positions at the end
//         are not part of the value, only blanks before the last filled position stay)
//     anything else (":" and "/" included) is a literal that stands in its own position.
//
// <save literals> "0" leaves the literal characters out of the edit's text (its value); any other
// value, or no field, keeps them. <blank character> is the character shown at an input position
// that holds nothing; without the field it is "_".
//
// Positions count bytes, as everything else in the byte texts of the platform: a double-byte
// character of the code page (a literal of the mask, or a character typed into the edit) takes two
// positions and is never split. A double-byte input character needs two adjacent input positions;
// where only one is left before a literal, that position stays blank and the character moves on.
// Letters are ASCII letters and double-byte characters; case shifts touch ASCII letters only
// (a GBK or Big5 trail byte can look like a letter and must never be changed).
//
// Three forms of a masked text appear in the model:
//   - the edit text: what the edit shows, Length() bytes, literals in place, the blank character
//     at every empty input position (BlankText() for an empty edit);
//   - the value: what the edit's Text holds: the characters of the input positions with the
//     blank character read as a blank, the literals too when the mask saves them, and without the
//     trailing blanks when the mask has "!";
//   - the input characters: the characters of the input positions only (ReformatMaskText's bare
//     characters).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/SystemInfo.h"

namespace znp {

class EditMask {
public:
    // No mask: every text is its own edit text, value and input characters.
    EditMask() = default;
    // CodePage decides which bytes start double-byte characters, in the mask and in the texts.
    explicit EditMask(std::string mask, std::string codePage = AnsiCodePage());

    const std::string& MaskText() const { return source_; }
    // Whether the mask field is not empty (an edit without mask behaves as a plain edit).
    bool IsMasked() const { return masked_; }
    bool SaveLiterals() const { return saveLiterals_; }
    char BlankChar() const { return blank_; }
    bool TrimsTrailingBlanks() const { return trimTrailing_; }

    // Number of positions (bytes) of the edit text.
    int Length() const { return static_cast<int>(slots_.size()); }
    bool IsInputPosition(int pos) const;
    bool IsRequiredPosition(int pos) const;
    // Whether Character (one character: one byte, or the two bytes of a double-byte character)
    // may be typed at Pos. A double-byte character also needs Pos + 1 to be an input position.
    bool Allows(int pos, std::string_view character) const;
    // The character that lands at Pos when Character is typed there (the case shift applied).
    std::string Shifted(int pos, std::string_view character) const;

    // The edit text of an empty edit.
    std::string BlankText() const;
    // Lays input characters (no literals) into the input positions from the left; a blank stays
    // an empty position; characters beyond the last input position are dropped.
    std::string Apply(std::string_view inputs) const;
    // The edit text for a value, as assigning the edit's Text does: a value of a mask that saves
    // literals is read position by position (its literal positions are skipped), otherwise it is
    // laid in with Apply.
    std::string Format(std::string_view value) const;
    // The value of an edit text (the edit's Text).
    std::string Value(std::string_view editText) const;
    // The input characters of a value: the literal positions of a mask that saves literals are
    // dropped; the value of a mask that does not is already its input characters.
    std::string Strip(std::string_view value) const;
    // Whether every required position of the edit text holds a character.
    bool IsComplete(std::string_view editText) const;

private:
    enum class Kind : unsigned char { Literal, Digit, DigitOrSign, Letter, AlphaNum, Any };
    enum class Shift : unsigned char { None, Upper, Lower };
    struct Slot {
        Kind kind = Kind::Literal;
        bool required = false;
        Shift shift = Shift::None;
        char literal = 0;
    };

    std::string source_;
    std::string codePage_;
    std::vector<Slot> slots_;
    bool masked_ = false;
    bool saveLiterals_ = true;
    char blank_ = '_';
    bool trimTrailing_ = false;

    bool IsLead(char c) const;
    // Bytes of the character that starts at Pos of Text: 2 for a whole double-byte character.
    size_t CharSize(std::string_view text, size_t pos) const;
    bool IsInput(size_t pos) const { return pos < slots_.size() && slots_[pos].kind != Kind::Literal; }
    char ShiftByte(const Slot& slot, char c) const;
    void Parse(std::string_view mask);
};

}  // namespace znp
