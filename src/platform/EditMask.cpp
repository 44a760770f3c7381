#include "platform/EditMask.h"

#include <utility>

namespace znp {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

EditMask::EditMask(std::string mask, std::string codePage) : source_(std::move(mask)), codePage_(std::move(codePage)) {
    // The mask field ends at the first ";" that is neither escaped nor the trail byte of a
    // double-byte literal.
    std::string_view text(source_);
    size_t end = 0;
    while (end < text.size() && text[end] != ';') {
        if (text[end] == '\\' && end + 1 < text.size())
            end += 1 + CharSize(text, end + 1);
        else
            end += CharSize(text, end);
    }
    if (end > text.size()) end = text.size();
    Parse(text.substr(0, end));
    if (end >= text.size()) return;

    std::string_view rest = text.substr(end + 1);
    size_t semi = rest.find(';');
    saveLiterals_ = rest.substr(0, semi) != "0";
    if (semi == std::string_view::npos) return;
    std::string_view blank = rest.substr(semi + 1);
    // A double-byte character cannot stand in one position.
    if (!blank.empty() && !IsLead(blank[0])) blank_ = blank[0];
}

bool EditMask::IsLead(char c) const { return IsLeadByte(static_cast<unsigned char>(c), codePage_); }

size_t EditMask::CharSize(std::string_view text, size_t pos) const {
    return IsLead(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

void EditMask::Parse(std::string_view mask) {
    masked_ = !mask.empty();
    Shift shift = Shift::None;
    auto literal = [this](char c) {
        Slot slot;
        slot.literal = c;
        slots_.push_back(slot);
        literals_ += c;
    };
    auto input = [this, &shift](Kind kind, bool required) {
        Slot slot;
        slot.kind = kind;
        slot.required = required;
        slot.shift = shift;
        slots_.push_back(slot);
        literals_ += '\0';
    };
    size_t i = 0;
    while (i < mask.size()) {
        char c = mask[i];
        if (IsLead(c)) {
            size_t n = CharSize(mask, i);
            for (size_t k = 0; k < n; ++k) literal(mask[i + k]);
            i += n;
            continue;
        }
        ++i;
        switch (c) {
            case '!': trimTrailing_ = true; break;
            case '>':
                if (i < mask.size() && mask[i] == '<') {
                    shift = Shift::None;
                    ++i;
                } else {
                    shift = Shift::Upper;
                }
                break;
            case '<':
                if (i < mask.size() && mask[i] == '>') {
                    shift = Shift::None;
                    ++i;
                } else {
                    shift = Shift::Lower;
                }
                break;
            case '\\':
                if (i < mask.size()) {
                    size_t n = CharSize(mask, i);
                    for (size_t k = 0; k < n; ++k) literal(mask[i + k]);
                    i += n;
                }
                break;
            case '0': input(Kind::Digit, true); break;
            case '9': input(Kind::Digit, false); break;
            case '#': input(Kind::DigitOrSign, false); break;
            case 'L': input(Kind::Letter, true); break;
            case 'l': input(Kind::Letter, false); break;
            case 'A': input(Kind::AlphaNum, true); break;
            case 'a': input(Kind::AlphaNum, false); break;
            case 'C': input(Kind::Any, true); break;
            case 'c': input(Kind::Any, false); break;
            case '_': literal(' '); break;
            default: literal(c); break;
        }
    }
}

bool EditMask::IsInputPosition(int pos) const { return pos >= 0 && IsInput(static_cast<size_t>(pos)); }

bool EditMask::IsRequiredPosition(int pos) const { return IsInputPosition(pos) && slots_[pos].required; }

bool EditMask::Allows(int pos, std::string_view character) const {
    if (!IsInputPosition(pos) || character.empty()) return false;
    const Slot& slot = slots_[pos];
    if (IsLead(character[0])) {
        if (character.size() != 2 || !IsInput(static_cast<size_t>(pos) + 1)) return false;
        return slot.kind == Kind::Letter || slot.kind == Kind::AlphaNum || slot.kind == Kind::Any;
    }
    if (character.size() != 1) return false;
    char c = character[0];
    switch (slot.kind) {
        case Kind::Digit: return IsDigit(c);
        case Kind::DigitOrSign: return IsDigit(c) || c == '+' || c == '-';
        case Kind::Letter: return IsAsciiLetter(c);
        case Kind::AlphaNum: return IsAsciiLetter(c) || IsDigit(c);
        case Kind::Any: return true;
        case Kind::Literal: return false;
    }
    return false;
}

char EditMask::ShiftByte(const Slot& slot, char c) const {
    if (slot.shift == Shift::Upper && c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (slot.shift == Shift::Lower && c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
}

std::string EditMask::Shifted(int pos, std::string_view character) const {
    std::string out(character);
    if (IsInputPosition(pos) && out.size() == 1) out[0] = ShiftByte(slots_[pos], out[0]);
    return out;
}

std::string EditMask::BlankText() const {
    std::string out;
    out.reserve(slots_.size());
    for (const Slot& slot : slots_) out += slot.kind == Kind::Literal ? slot.literal : blank_;
    return out;
}

std::string EditMask::Apply(std::string_view inputs) const {
    if (!masked_) return std::string(inputs);
    std::string out = BlankText();
    size_t pos = 0;
    size_t i = 0;
    while (i < inputs.size()) {
        while (pos < slots_.size() && !IsInput(pos)) ++pos;
        if (pos >= slots_.size()) break;
        size_t n = CharSize(inputs, i);
        if (n == 2) {
            // The two bytes must stand side by side in input positions.
            if (!IsInput(pos + 1)) {
                ++pos;
                continue;
            }
            out[pos] = inputs[i];
            out[pos + 1] = inputs[i + 1];
            pos += 2;
        } else {
            char c = inputs[i];
            if (c != ' ') out[pos] = ShiftByte(slots_[pos], c);
            ++pos;
        }
        i += n;
    }
    return out;
}

std::string EditMask::Format(std::string_view value) const {
    if (masked_ && saveLiterals_ && HasFullShape(value)) {
        // A value of this mask as its edit gives it: read position by position, so a character
        // that merely looks like a literal stays where it is.
        std::string out = BlankText();
        for (size_t pos = 0; pos < slots_.size(); ++pos)
            if (IsInput(pos) && value[pos] != ' ') out[pos] = ShiftByte(slots_[pos], value[pos]);
        return out;
    }
    return Lay(value, nullptr);
}

bool EditMask::HasFullShape(std::string_view text) const {
    if (text.size() != slots_.size()) return false;
    for (size_t pos = 0; pos < slots_.size(); pos += CharSize(text, pos)) {
        if (IsInput(pos)) {
            // A double-byte character must lie wholly on input positions.
            if (CharSize(text, pos) == 2 && !IsInput(pos + 1)) return false;
            continue;
        }
        const size_t n = CharSize(literals_, pos);
        if (text.substr(pos, n) != std::string_view(literals_).substr(pos, n)) return false;
    }
    return true;
}

size_t EditMask::FindCharacter(std::string_view text, size_t from, std::string_view character) const {
    for (size_t i = from; i < text.size(); i += CharSize(text, i))
        if (text.substr(i, CharSize(text, i)) == character) return i;
    return std::string_view::npos;
}

std::string EditMask::Lay(std::string_view text, size_t* reached) const {
    if (reached) *reached = 0;
    if (!masked_) {
        if (reached) *reached = text.size();
        return std::string(text);
    }
    std::string out = BlankText();
    size_t pos = 0;  // in the mask
    size_t i = 0;    // in the text
    while (pos < slots_.size() && i < text.size()) {
        if (!IsInput(pos)) {
            // A run of literals: the text's copy of it, as far as it goes, is passed over. A value of
            // a mask without literals holds none, so there a character the next position could take
            // is that position's data.
            size_t next = pos;
            while (next < slots_.size() && !IsInput(next)) ++next;
            for (; pos < slots_.size() && !IsInput(pos);) {
                const size_t n = CharSize(literals_, pos);
                const std::string_view character = std::string_view(literals_).substr(pos, n);
                if (i < text.size() && text.substr(i, CharSize(text, i)) == character &&
                    (saveLiterals_ || next >= slots_.size() || !Allows(static_cast<int>(next), character)))
                    i += n;
                pos += n;
            }
            continue;
        }
        size_t end = pos;
        while (end < slots_.size() && IsInput(end)) ++end;
        // The first character of the literals after the segment; a blank literal cannot tell a
        // blank of the text from a separator, so it aligns nothing.
        std::string_view literal;
        if (end < slots_.size()) literal = std::string_view(literals_).substr(end, CharSize(literals_, end));
        if (literal == " ") literal = {};
        // A character equal to the literal is the literal only where it could not be typed: in a
        // position that takes any character it is data (a value's own "-" stays where it is).
        auto atLiteral = [&] {
            return !literal.empty() && text.substr(i, literal.size()) == literal &&
                   (pos >= end || !Allows(static_cast<int>(pos), literal));
        };
        size_t next = end;  // the first input position after the literals
        while (next < slots_.size() && !IsInput(next)) ++next;
        while (i < text.size() && pos < end && !atLiteral()) {
            const size_t n = CharSize(text, i);
            if (n == 2) {
                if (pos + 1 >= end) break;  // one place left: the character is not split
                out[pos] = text[i];
                out[pos + 1] = text[i + 1];
                pos += 2;
            } else {
                if (text[i] != ' ') out[pos] = ShiftByte(slots_[pos], text[i]);
                ++pos;
            }
            i += n;
            if (reached) *reached = pos;
        }
        // What the segment cannot hold up to the text's copy of the literal belongs to this
        // segment and is dropped; without that literal in the text, the text flows on.
        if (i < text.size() && !atLiteral() && !literal.empty() &&
            (next >= slots_.size() || !Allows(static_cast<int>(next), literal))) {
            const size_t found = FindCharacter(text, i, literal);
            if (found != std::string_view::npos) i = found;
        }
        pos = end;
    }
    return out;
}

std::string EditMask::Inputs(std::string_view text) const {
    size_t reached = 0;
    const std::string shown = Lay(text, &reached);
    if (!masked_) return shown;
    std::string out;
    size_t pos = 0;
    while (pos < reached) {
        if (!IsInput(pos)) {
            ++pos;
            continue;
        }
        const size_t n = CharSize(shown, pos);
        if (n == 2 && IsInput(pos + 1)) {
            out.append(shown, pos, 2);
            pos += 2;
            continue;
        }
        out += shown[pos] == blank_ ? ' ' : shown[pos];
        ++pos;
    }
    return out;
}

std::string EditMask::Value(std::string_view editText) const {
    if (!masked_) return std::string(editText);
    std::string out;
    out.reserve(slots_.size());
    size_t pos = 0;
    while (pos < slots_.size()) {
        if (!IsInput(pos)) {
            if (saveLiterals_) out += slots_[pos].literal;
            ++pos;
            continue;
        }
        if (pos >= editText.size()) {
            out += ' ';
            ++pos;
            continue;
        }
        size_t n = CharSize(editText, pos);
        if (n == 2 && IsInput(pos + 1)) {
            // Whole: a trail byte equal to the blank character is no blank.
            out.append(editText.substr(pos, 2));
            pos += 2;
            continue;
        }
        char c = editText[pos];
        out += (c == blank_ || n == 2) ? ' ' : c;
        ++pos;
    }
    if (trimTrailing_) {
        size_t last = out.find_last_not_of(' ');
        out.erase(last == std::string::npos ? 0 : last + 1);
    }
    return out;
}

std::string EditMask::Strip(std::string_view value) const {
    if (!masked_ || !saveLiterals_) return std::string(value);
    std::string out;
    size_t pos = 0;
    while (pos < value.size() && pos < slots_.size()) {
        size_t n = CharSize(value, pos);
        if (IsInput(pos)) out.append(value.substr(pos, n));
        pos += n;
    }
    return out;
}

bool EditMask::IsComplete(std::string_view editText) const {
    size_t pos = 0;
    while (pos < slots_.size()) {
        if (!IsInput(pos)) {
            ++pos;
            continue;
        }
        size_t n = pos < editText.size() ? CharSize(editText, pos) : 1;
        if (n == 2 && IsInput(pos + 1)) {
            pos += 2;
            continue;
        }
        bool empty = pos >= editText.size() || editText[pos] == blank_ || editText[pos] == ' ' || n == 2;
        if (empty && slots_[pos].required) return false;
        ++pos;
    }
    return true;
}

}  // namespace znp
