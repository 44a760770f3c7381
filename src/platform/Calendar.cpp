#include "platform/Calendar.h"

#include <cmath>

namespace znp::calendar {

namespace {

// Days from 1 January 1970 of a proleptic Gregorian date and back, after H. Hinnant's
// "chrono-compatible low-level date algorithms"; exact for every year an int64 day count holds,
// so callers range-check before or after as they need.
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    CivilDate date;
    date.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.Year = static_cast<int>(yoe + era * 400 + (date.Month <= 2));
    return date;
}

// Beyond this the whole part of a date value cannot name a day of the calendar; checked before the
// value is turned into an integer.
constexpr double kDateLimit = 1e8;

}  // namespace

bool IsLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(std::int64_t year, std::int64_t month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(std::int64_t year, std::int64_t month, std::int64_t day) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1) return false;
    return day <= DaysInMonth(year, month);
}

bool InRange(DayNumber day) { return day >= kFirstDay && day <= kLastDay; }

std::optional<DayNumber> DayNumberOf(std::int64_t year, std::int64_t month, std::int64_t day) {
    if (!IsValidDate(year, month, day)) return std::nullopt;
    return DaysFromCivil(year, month, day) + kUnixEpochDay;
}

std::optional<DayNumber> DayNumberOf(const CivilDate& date) { return DayNumberOf(date.Year, date.Month, date.Day); }

std::optional<CivilDate> CivilDateOf(DayNumber day) {
    if (!InRange(day)) return std::nullopt;
    return CivilFromDays(day - kUnixEpochDay);
}

int WeekdayOf(DayNumber day) { return static_cast<int>(((day - 1) % 7 + 7) % 7) + 1; }

std::optional<CivilDate> AddMonths(const CivilDate& date, std::int64_t months) {
    if (!IsValidDate(date.Year, date.Month, date.Day)) return std::nullopt;
    // Far beyond the calendar in either direction; keeps the sum below from overflowing.
    if (months > 12 * kMaxYear || months < -12 * kMaxYear) return std::nullopt;
    const std::int64_t total = static_cast<std::int64_t>(date.Year) * 12 + date.Month + months;
    std::int64_t year = total / 12;
    std::int64_t month = total % 12;
    if (month == 0) {
        month = 12;
        year -= 1;
    }
    if (year < kMinYear || year > kMaxYear) return std::nullopt;
    const int last = DaysInMonth(year, month);
    return CivilDate{static_cast<int>(year), static_cast<int>(month), date.Day > last ? last : date.Day};
}

std::optional<DayNumber> AddDays(DayNumber day, std::int64_t days) {
    if (!InRange(day) || days > kLastDay - kFirstDay || days < kFirstDay - kLastDay) return std::nullopt;
    const DayNumber result = day + days;
    if (!InRange(result)) return std::nullopt;
    return result;
}

std::optional<DateTimeParts> SplitDate(double date) {
    if (!std::isfinite(date) || date > kDateLimit || date < -kDateLimit) return std::nullopt;
    const double whole = std::trunc(date);
    DateTimeParts parts;
    parts.Day = static_cast<DayNumber>(whole);
    parts.Millisecond = std::llround(std::fabs(date - whole) * static_cast<double>(kMillisecondsPerDay));
    if (parts.Millisecond >= kMillisecondsPerDay) {
        // Rounded up to midnight: the start of the following day, which for a day before the epoch
        // lies toward zero as well.
        parts.Millisecond = 0;
        parts.Day += 1;
    }
    if (!InRange(parts.Day)) return std::nullopt;
    return parts;
}

std::optional<DayNumber> DayOfDate(double date) {
    if (!std::isfinite(date) || date > kDateLimit || date < -kDateLimit) return std::nullopt;
    const auto day = static_cast<DayNumber>(std::trunc(date));
    if (!InRange(day)) return std::nullopt;
    return day;
}

double JoinDate(DayNumber day, std::int64_t millisecond) {
    const double fraction = static_cast<double>(millisecond) / static_cast<double>(kMillisecondsPerDay);
    const double whole = static_cast<double>(day);
    return day < 0 ? whole - fraction : whole + fraction;
}

}  // namespace znp::calendar
