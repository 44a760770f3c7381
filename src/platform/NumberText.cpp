#include "platform/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace znp {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

// The magnitude is kept within INT64_MAX for both signs, so that every integer read here can be
// negated and written back; -2^63 is no integer of the text form.
bool TryTextToInt64(std::string_view text, std::int64_t& value) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    std::int64_t result = 0;
    for (char c : text) {
        const int digit = base == 16 ? HexValue(c) : (IsDigit(c) ? c - '0' : -1);
        if (digit < 0) return false;
        if (result > (INT64_MAX - digit) / base) return false;
        result = result * base + digit;
    }
    value = negative ? -result : result;
    return true;
}

bool TryTextToInt(std::string_view text, int& value) {
    std::int64_t wide = 0;
    if (!TryTextToInt64(text, wide) || wide < INT_MIN || wide > INT_MAX) return false;
    value = static_cast<int>(wide);
    return true;
}

bool TryTextToFloat(std::string_view text, double& value) {
    text = Trimmed(text);
    // The shape first: from_chars alone would take "inf", "nan" and hexadecimal forms.
    size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t mantissaStart = i;
    size_t digits = 0, firstSignificant = std::string_view::npos, point = std::string_view::npos;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            if (text[i] != '0' && firstSignificant == std::string_view::npos) firstSignificant = digits;
            ++digits;
        } else if (text[i] == '.' && point == std::string_view::npos) {
            point = digits;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    const size_t mantissaEnd = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
        if (i == text.size()) return false;
        for (; i < text.size(); ++i) {
            if (!IsDigit(text[i])) return false;
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (expNegative) exponent = -exponent;
    }
    if (i != text.size()) return false;
    std::string plain(text.substr(mantissaStart, mantissaEnd - mantissaStart));
    if (mantissaEnd != text.size()) plain += "e" + std::to_string(exponent);
    double magnitude = 0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
    if (ptr != plain.data() + plain.size()) return false;
    if (ec == std::errc::result_out_of_range) {
        // Out of range is too large or too small: the decimal exponent of the first significant
        // digit tells which. Too small reads as zero, as the platform reads it.
        if (firstSignificant == std::string_view::npos) {
            magnitude = 0;
        } else {
            const long integerDigits = static_cast<long>(point == std::string_view::npos ? digits : point);
            const long leading = integerDigits - static_cast<long>(firstSignificant) - 1 + exponent;
            if (leading > 0) return false;
            magnitude = 0;
        }
    } else if (ec != std::errc()) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

std::string FloatToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    // 15 significant digits and the decimal exponent of the first of them, after rounding.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", value);
    std::string_view text(buffer);
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const size_t e = text.find('E');
    std::string digits;
    for (char c : text.substr(0, e))
        if (IsDigit(c)) digits += c;
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        } else {
            const size_t whole = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                out += digits + std::string(whole - digits.size(), '0');
            } else {
                out += digits.substr(0, whole) + "." + digits.substr(whole);
            }
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    return out + "E" + std::to_string(exponent);
}

}  // namespace znp
