// The five date layouts, date texts and date arithmetic. Nothing here raises: bad input gives 0,
// the empty text or false.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "runtime/LibStrs.h"

namespace znp {

namespace {

// OLE date of 1970-01-01, and the range of dates the calendar knows (0001-01-01 to 9999-12-31).
constexpr std::int64_t kUnixEpoch = 25569;
constexpr std::int64_t kMinDay = -693593;
constexpr std::int64_t kMaxDay = 2958465;

bool IsLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days since 1970-01-01 of a proleptic Gregorian date, and back (after H. Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

bool ValidCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    return d <= DaysInMonth(static_cast<int>(y), static_cast<int>(m));
}

// The day number of a date value: its integer part (the fraction of a date before 1899 is also
// a time of day, so the day is the value truncated toward zero).
bool DayOf(double date, std::int64_t& day) {
    if (!std::isfinite(date)) return false;
    double whole = std::trunc(date);
    if (whole < static_cast<double>(kMinDay) || whole > static_cast<double>(kMaxDay)) return false;
    day = static_cast<std::int64_t>(whole);
    return true;
}

std::string DateText(std::int64_t day) {
    int y, m, d;
    CivilFromDays(day - kUnixEpoch, y, m, d);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", y, m, d);
    return buffer;
}

// Optional blanks, an optional sign and decimal digits, nothing else; false otherwise.
bool ReadInteger(const std::string& text, std::int64_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size()) return false;
    std::int64_t result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        result = result * 10 + (text[i] - '0');
        if (result > 0x7FFFFFFF) return false;
    }
    value = negative ? -result : result;
    return true;
}

std::int64_t IntegerOr(const std::string& text, std::int64_t fallback) {
    std::int64_t value;
    return ReadInteger(text, value) ? value : fallback;
}

std::string Trimmed(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    size_t end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

// The first character of a separator, whole when it is a double-byte character.
std::string FirstChar(const std::string& separator) {
    if (separator.empty()) return {};
    size_t n = IsLeadByte(static_cast<unsigned char>(separator[0]), AnsiCodePage()) && separator.size() > 1 ? 2 : 1;
    return separator.substr(0, n);
}

}  // namespace

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, double& date) {
    if (!ValidCivil(year, month, day)) return false;
    date = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpoch);
    return true;
}

bool TryDecodeDate(double date, int& year, int& month, int& day) {
    std::int64_t n;
    if (!DayOf(date, n)) return false;
    CivilFromDays(n - kUnixEpoch, year, month, day);
    return true;
}

std::string FormatDateByType(int dateType, const std::string& separator, double date) {
    int y, m, d;
    if (date == 0 || !TryDecodeDate(date, y, m, d)) return {};
    const std::string s = FirstChar(separator);
    const char* sep = s.c_str();
    char buffer[64];
    switch (dateType) {
        case 1: std::snprintf(buffer, sizeof buffer, "%.4d%s%.2d%s%.2d", y, sep, m, sep, d); break;
        case 2: std::snprintf(buffer, sizeof buffer, "%.2d%s%.2d%s%.4d", m, sep, d, sep, y); break;
        case 3: std::snprintf(buffer, sizeof buffer, "%.2d%s%.2d%s%.4d", d, sep, m, sep, y); break;
        case 4: std::snprintf(buffer, sizeof buffer, "%.2d%s%.2d%s%.2d", y - 1911, sep, m, sep, d); break;
        case 5: std::snprintf(buffer, sizeof buffer, "%.3d%s%.2d%s%.2d", y - 1911, sep, m, sep, d); break;
        default: return {};
    }
    return buffer;
}

std::string FormatYearMonthByType(int dateType, const std::string& separator, double date) {
    int y, m, d;
    if (date == 0 || !TryDecodeDate(date, y, m, d)) return {};
    const std::string s = FirstChar(separator);
    const char* sep = s.c_str();
    char buffer[64];
    switch (dateType) {
        case 1: std::snprintf(buffer, sizeof buffer, "%.4d%s%.2d", y, sep, m); break;
        case 2:
        case 3: std::snprintf(buffer, sizeof buffer, "%.2d%s%.4d", m, sep, y); break;
        case 4: std::snprintf(buffer, sizeof buffer, "%.2d%s%.2d", y - 1911, sep, m); break;
        case 5: std::snprintf(buffer, sizeof buffer, "%.3d%s%.2d", y - 1911, sep, m); break;
        default: return {};
    }
    return buffer;
}

double ParseDateByType(const std::string& text, int dateType, const std::string& separator) {
    if (Trimmed(text).empty()) return 0;
    std::string rest = text;
    const std::int64_t p1 = IntegerOr(Trimmed(SplitFirst(rest, separator)), -1);
    const std::int64_t p2 = IntegerOr(Trimmed(SplitFirst(rest, separator)), -1);
    const std::int64_t p3 = IntegerOr(Trimmed(SplitFirst(rest, separator)), -1);
    if (p1 <= 0 || p2 <= 0 || p3 <= 0 || dateType < 1 || dateType > 5) return 0;
    std::int64_t year, month, day;
    switch (dateType) {
        case 1: year = p1, month = p2, day = p3; break;
        case 2: year = p3, month = p1, day = p2; break;
        case 3: year = p3, month = p2, day = p1; break;
        default: year = p1 + 1911, month = p2, day = p3; break;
    }
    if (!ValidCivil(year, month, 1)) return 0;
    const std::int64_t result = DaysFromCivil(year, static_cast<int>(month), 1) + kUnixEpoch + day - 1;
    // The overflow of the day may not leave the calendar.
    return result > kMaxDay ? 0 : static_cast<double>(result);
}

double ParseYYYYMMDD(const std::string& text) {
    if (text.size() != 8) return 0;
    const std::int64_t y = IntegerOr(text.substr(0, 4), 0);
    const std::int64_t m = IntegerOr(text.substr(4, 2), 0);
    const std::int64_t d = IntegerOr(text.substr(6, 2), 0);
    if (y == 0 || m == 0 || d == 0 || !ValidCivil(y, m, d)) return 0;
    return static_cast<double>(DaysFromCivil(y, static_cast<int>(m), static_cast<int>(d)) + kUnixEpoch);
}

bool IsValidYYYYMMDD(const std::string& text) {
    if (text.empty()) return true;
    // Eight digits, no less: a shorter text or one with signs would pass the reading of its parts
    // and the text comparison below ("2024011" reads as 1 January 2024).
    if (text.size() != 8) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    if (ParseYYYYMMDD(text) == 0) return false;
    return text >= "17530101" && text <= "99991231";
}

std::string AddToDate(const Variant& date, const std::string& unit, int n) {
    double value;
    if (date.Type() == VarType::String || date.Type() == VarType::OleStr)
        value = ParseYYYYMMDD(date.AsString());
    else if (date.Type() == VarType::Date)
        value = date.AsDate();
    else
        return {};
    int y, m, d;
    if (value == 0 || !TryDecodeDate(value, y, m, d)) return {};
    if (unit.size() != 1) return {};
    switch (unit[0]) {
        case 'Y':
        case 'y': {
            // A day that the new year lacks keeps the date as it was.
            const std::int64_t year = static_cast<std::int64_t>(y) + n;
            if (!ValidCivil(year, m, d)) return DateText(DaysFromCivil(y, m, d) + kUnixEpoch);
            return DateText(DaysFromCivil(year, m, d) + kUnixEpoch);
        }
        case 'M':
        case 'm': {
            const std::int64_t total = static_cast<std::int64_t>(y) * 12 + m + n;
            std::int64_t month = total % 12;
            std::int64_t year = total / 12;
            if (month == 0) {
                month = 12;
                year -= 1;
            }
            if (year < 1 || year > 9999 || month < 1) return {};
            const int day = d > DaysInMonth(static_cast<int>(year), static_cast<int>(month))
                                ? DaysInMonth(static_cast<int>(year), static_cast<int>(month))
                                : d;
            return DateText(DaysFromCivil(year, static_cast<int>(month), day) + kUnixEpoch);
        }
        case 'D':
        case 'd': {
            std::int64_t day = 0;
            DayOf(value, day);
            day += n;
            if (day < kMinDay || day > kMaxDay) return {};
            return DateText(day);
        }
        default: return {};
    }
}

}  // namespace znp
