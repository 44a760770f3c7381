// Pieces of separated texts, padding and replacing: every search keeps double-byte characters
// whole.
#include <cstring>

#include "runtime/LibStrs.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

bool IsLead(char c, const std::string& codePage) { return IsLeadByte(static_cast<unsigned char>(c), codePage); }

// Letters of different case are the same; bytes of double-byte characters are compared as they
// are (a trail byte "A" and a trail byte "a" belong to different characters).
bool SameIgnoringCase(const std::string& a, const std::string& b, const std::string& codePage) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsLead(a[i], codePage) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::size_t FindText(const std::string& text, const std::string& pattern, std::size_t from,
                     const std::string& codePage) {
    if (pattern.empty()) return std::string::npos;
    // Walk character by character from the start: only there is it known where characters begin.
    size_t pos = 0;
    while (pos < text.size()) {
        if (pos >= from && text.size() - pos >= pattern.size() &&
            std::memcmp(text.data() + pos, pattern.data(), pattern.size()) == 0)
            return pos;
        pos += IsLead(text[pos], codePage) && pos + 1 < text.size() ? 2 : 1;
    }
    return std::string::npos;
}

std::vector<std::string> SplitTokens(const std::string& text, const std::string& separator,
                                     const std::string& codePage) {
    std::vector<std::string> pieces;
    if (separator.empty()) return {text};
    // Whether the code page has lead bytes at all is asked once, not for every byte.
    const bool doubleByte = IsLeadByte(0x81, codePage);
    const char first = separator[0];
    size_t start = 0, pos = 0;
    while (pos < text.size()) {
        if (text[pos] == first && text.size() - pos >= separator.size() &&
            std::memcmp(text.data() + pos, separator.data(), separator.size()) == 0) {
            pieces.emplace_back(text, start, pos - start);
            pos += separator.size();
            start = pos;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        pos += doubleByte && byte >= 0x80 && IsLeadByte(byte, codePage) && pos + 1 < text.size() ? 2 : 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string GetToken(const std::string& text, const std::string& separator, int n, const std::string& codePage) {
    if (n < 1) return {};
    size_t start = 0;
    for (int piece = 1; piece < n; ++piece) {
        size_t at = FindText(text, separator, start, codePage);
        if (at == std::string::npos) return {};
        start = at + separator.size();
    }
    size_t end = FindText(text, separator, start, codePage);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int CountTokens(const std::string& text, const std::string& separator, const std::string& codePage) {
    if (text.empty()) return 0;
    int count = 1;
    for (size_t at = FindText(text, separator, 0, codePage); at != std::string::npos;
         at = FindText(text, separator, at + separator.size(), codePage))
        ++count;
    return count;
}

std::string SplitFirst(std::string& text, const std::string& separator, const std::string& codePage) {
    size_t at = FindText(text, separator, 0, codePage);
    std::string head;
    if (at == std::string::npos) {
        head.swap(text);
        return head;
    }
    head = text.substr(0, at);
    text.erase(0, at + separator.size());
    return head;
}

std::string PadRight(const std::string& text, int width, char padChar) {
    std::string out = text;
    if (width > 0 && out.size() < static_cast<size_t>(width)) out.append(static_cast<size_t>(width) - out.size(), padChar);
    return out;
}

std::string ReplaceText(const std::string& text, const std::string& oldText, const std::string& newText,
                        bool trimResult, const std::string& codePage) {
    std::string out = text;
    if (!oldText.empty() && !SameIgnoringCase(oldText, newText, codePage)) {
        if (FindText(newText, oldText, 0, codePage) != std::string::npos) {
            // New holds Old: one pass over the original text, never over what was put in.
            std::string result;
            size_t start = 0;
            for (size_t at = FindText(out, oldText, 0, codePage); at != std::string::npos;
                 at = FindText(out, oldText, start, codePage)) {
                result.append(out, start, at - start);
                result += newText;
                start = at + oldText.size();
            }
            result.append(out, start, std::string::npos);
            out.swap(result);
        } else {
            // Each replacement may form a new occurrence with what stood before it, so the search
            // starts again at the beginning. The callers delete or turn ";0;" into ";1;", which
            // takes one round per occurrence; the bound only stops a pair that would rewrite its
            // own output for ever.
            size_t rounds = text.size() + 1;
            for (size_t at = FindText(out, oldText, 0, codePage); at != std::string::npos && rounds-- > 0;
                 at = FindText(out, oldText, 0, codePage))
                out.replace(at, oldText.size(), newText);
        }
    }
    return trimResult ? Trim(out) : out;
}

}  // namespace znp
