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
    // The edit text for a text given to the edit, as assigning the edit's Text does. The text is
    // laid in segment by segment (a segment: the input positions between two literals), whether
    // the mask saves its literals or not:
    //   - the text's characters fill the segment from the left; a blank leaves a position empty;
    //   - a character of the text equal to the literal that follows the segment ends the segment
    //     early (its remaining positions stay empty) and is passed over with the literal, so the
    //     text's literals line up with the mask's: "2024/1/5" under "9999/99/99" shows
    //     "2024/1 /5 ". Only where the position could not take that character when typed: in a
    //     position for any character ("c", "C") it is data and stays;
    //   - when the segment is full and the text holds that literal further on, the characters up
    //     to it do not fit and are dropped ("ABCDE-12345678901" under "aaaa\-aaaaaaaaaaa" shows
    //     "ABCD-12345678901", unless the next segment could take it as data); a text without it
    //     flows on into the next segment ("20240105" shows "2024/01/05");
    //   - a double-byte character needs two places of one segment: where only one is left, that
    //     place stays empty and the character goes on to the next segment;
    //   - a blank literal (directive "_") aligns nothing, as a blank of the text cannot be told
    //     from it; what is left over at the end is dropped.
    // A text that already has the full shape of a mask that saves literals (its length, every
    // literal in place) is that edit's own value and is read position by position.
    std::string Format(std::string_view value) const;
    // The characters the text fills the input positions with when it is given to the edit
    // (Format), up to the last position it reached: empty positions inside read as blanks.
    std::string Inputs(std::string_view text) const;
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
    std::string literals_;  // the literal byte of every position, NUL at input positions
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
    // Format; Reached, when given, receives one past the last input position the text filled.
    std::string Lay(std::string_view text, size_t* reached) const;
    // Whether Text is as long as the mask and holds every literal at its position.
    bool HasFullShape(std::string_view text) const;
    // Position of Character (one whole character) in Text from From on, or npos.
    size_t FindCharacter(std::string_view text, size_t from, std::string_view character) const;
};

}  // namespace znp
