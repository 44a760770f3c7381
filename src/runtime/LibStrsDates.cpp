// The five date layouts, date texts and date arithmetic. Nothing here raises: bad input gives 0,
// the empty text or false.
#include <cstdint>
#include <cstdio>
#include <optional>

#include "platform/Calendar.h"
#include "platform/NumberText.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

std::optional<CivilDate> CivilOfDate(double date) {
    const auto day = calendar::DayOfDate(date);
    return day ? calendar::CivilDateOf(*day) : std::nullopt;
}

std::string DateText(const CivilDate& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.Year, date.Month, date.Day);
    return buffer;
}

std::string DateText(DayNumber day) {
    const auto civil = calendar::CivilDateOf(day);
    return civil ? DateText(*civil) : std::string();
}

// A piece of a typed date: trimmed of blanks and control characters and read as the platform
// reads an integer; Fallback when it is none.
std::int64_t IntegerOr(const std::string& text, std::int64_t fallback) {
    std::int64_t value;
    return TryTextToInt64(text, value) ? value : fallback;
}

// The first character of a separator, whole when it is a double-byte character.
std::string FirstChar(const std::string& separator) {
    if (separator.empty()) return {};
    size_t n = IsLeadByte(static_cast<unsigned char>(separator[0]), AnsiCodePage()) && separator.size() > 1 ? 2 : 1;
    return separator.substr(0, n);
}

// A Minguo year (year - 1911) with at least Digits digits; negative for the years before 1912.
std::string MinguoYear(int year, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.*d", digits, year - 1911);
    return buffer;
}

}  // namespace

int DaysInMonth(int year, int month) { return calendar::DaysInMonth(year, month); }

bool TryEncodeDate(int year, int month, int day, double& date) {
    const auto n = calendar::DayNumberOf(year, month, day);
    if (!n) return false;
    date = calendar::JoinDate(*n);
    return true;
}

bool TryDecodeDate(double date, int& year, int& month, int& day) {
    const auto civil = CivilOfDate(date);
    if (!civil) return false;
    year = civil->Year, month = civil->Month, day = civil->Day;
    return true;
}

std::string FormatDateByType(int dateType, const std::string& separator, double date) {
    const auto c = date == 0 ? std::nullopt : CivilOfDate(date);
    if (!c) return {};
    const std::string sep = FirstChar(separator);
    char buffer[64];
    switch (dateType) {
        case 1: std::snprintf(buffer, sizeof buffer, "%.4d%s%.2d%s%.2d", c->Year, sep.c_str(), c->Month, sep.c_str(), c->Day); break;
        case 2: std::snprintf(buffer, sizeof buffer, "%.2d%s%.2d%s%.4d", c->Month, sep.c_str(), c->Day, sep.c_str(), c->Year); break;
        case 3: std::snprintf(buffer, sizeof buffer, "%.2d%s%.2d%s%.4d", c->Day, sep.c_str(), c->Month, sep.c_str(), c->Year); break;
        case 4:
        case 5: {
            const std::string year = MinguoYear(c->Year, dateType == 4 ? 2 : 3);
            std::snprintf(buffer, sizeof buffer, "%s%s%.2d%s%.2d", year.c_str(), sep.c_str(), c->Month, sep.c_str(), c->Day);
            break;
        }
        default: return {};
    }
    return buffer;
}

std::string FormatYearMonthByType(int dateType, const std::string& separator, double date) {
    const auto c = date == 0 ? std::nullopt : CivilOfDate(date);
    if (!c) return {};
    const std::string sep = FirstChar(separator);
    char buffer[64];
    switch (dateType) {
        case 1: std::snprintf(buffer, sizeof buffer, "%.4d%s%.2d", c->Year, sep.c_str(), c->Month); break;
        case 2:
        case 3: std::snprintf(buffer, sizeof buffer, "%.2d%s%.4d", c->Month, sep.c_str(), c->Year); break;
        case 4:
        case 5: {
            const std::string year = MinguoYear(c->Year, dateType == 4 ? 2 : 3);
            std::snprintf(buffer, sizeof buffer, "%s%s%.2d", year.c_str(), sep.c_str(), c->Month);
            break;
        }
        default: return {};
    }
    return buffer;
}

double ParseDateByType(const std::string& text, int dateType, const std::string& separator) {
    if (Trim(text).empty()) return 0;
    std::string rest = text;
    const std::int64_t p1 = IntegerOr(SplitFirst(rest, separator), -1);
    const std::int64_t p2 = IntegerOr(SplitFirst(rest, separator), -1);
    const std::int64_t p3 = IntegerOr(SplitFirst(rest, separator), -1);
    if (p1 <= 0 || p2 <= 0 || p3 <= 0 || dateType < 1 || dateType > 5) return 0;
    // Years and months this large are no date; the bound keeps the Minguo year and the day's
    // overflow below from overflowing themselves.
    constexpr std::int64_t kLimit = 100000000;
    if (p1 > kLimit || p2 > kLimit || p3 > kLimit) return 0;
    std::int64_t year, month, day;
    switch (dateType) {
        case 1: year = p1, month = p2, day = p3; break;
        case 2: year = p3, month = p1, day = p2; break;
        case 3: year = p3, month = p2, day = p1; break;
        default: year = p1 + 1911, month = p2, day = p3; break;
    }
    const auto first = calendar::DayNumberOf(year, month, 1);
    if (!first) return 0;
    // The overflow of the day runs into the next months but may not leave the calendar.
    const auto result = calendar::AddDays(*first, day - 1);
    return result ? calendar::JoinDate(*result) : 0;
}

std::optional<DayNumber> DayOfDateText(const std::string& text) {
    if (text.size() != 8) return std::nullopt;
    return calendar::DayNumberOf(IntegerOr(text.substr(0, 4), 0), IntegerOr(text.substr(4, 2), 0),
                                 IntegerOr(text.substr(6, 2), 0));
}

double ParseYYYYMMDD(const std::string& text) {
    const auto day = DayOfDateText(text);
    return day ? calendar::JoinDate(*day) : 0;
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
    // Date 0 is no date here, as everywhere in these utilities (the date text 18991230 too).
    const auto day = value == 0 ? std::nullopt : calendar::DayOfDate(value);
    const auto civil = day ? calendar::CivilDateOf(*day) : std::nullopt;
    if (!civil || unit.size() != 1) return {};
    switch (unit[0]) {
        case 'Y':
        case 'y': {
            // A day that the new year lacks keeps the date as it was.
            const std::int64_t year = static_cast<std::int64_t>(civil->Year) + n;
            if (!calendar::IsValidDate(year, civil->Month, civil->Day)) return DateText(*civil);
            return DateText(CivilDate{static_cast<int>(year), civil->Month, civil->Day});
        }
        case 'M':
        case 'm': {
            const auto moved = calendar::AddMonths(*civil, n);
            return moved ? DateText(*moved) : std::string();
        }
        case 'D':
        case 'd': {
            const auto moved = calendar::AddDays(*day, n);
            return moved ? DateText(*moved) : std::string();
        }
        default: return {};
    }
}

}  // namespace znp
