// The one calendar of the process. Every reader and writer of dates (the variant, the date
// utilities, the selection panel, the date rules, the logs) counts days here, so that they agree
// on every day, also before 1900.
//
// The calendar is the proleptic Gregorian one over the years 1 to 9999, the years an OLE date can
// name. Days are numbered as OLE dates number them: day 0 is 30 December 1899, day 2 is 1 January
// 1900, day -1 is 29 December 1899.
//
// A date value (an OLE date) holds a day in its whole part and the time of day in its fraction.
// The whole part is taken toward zero, and the fraction is the time counted forward from the start
// of that day whatever the sign: -1.25 is 29 December 1899 at 06:00 (day -1, a quarter of a day),
// not 28 December at 18:00.
#pragma once

#include <cstdint>
#include <optional>

namespace znp {

// A day number: days since 30 December 1899.
using DayNumber = std::int64_t;

// A date of the calendar: year, month 1-12, day of the month.
struct CivilDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool operator==(const CivilDate&) const = default;
};

// A date value split into its day and its time of day.
struct DateTimeParts {
    DayNumber Day = 0;
    std::int64_t Millisecond = 0;  // of the day, 0 to 86,399,999
    int Hour() const { return static_cast<int>(Millisecond / 3600000); }
    int Minute() const { return static_cast<int>(Millisecond / 60000 % 60); }
    int Second() const { return static_cast<int>(Millisecond / 1000 % 60); }
};

namespace calendar {

inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;
inline constexpr DayNumber kFirstDay = -693593;   // 1 January 1
inline constexpr DayNumber kLastDay = 2958465;    // 31 December 9999
inline constexpr DayNumber kUnixEpochDay = 25569;  // 1 January 1970
inline constexpr std::int64_t kMillisecondsPerDay = 86400000;

// ---- Civil dates and day numbers -----------------------------------------------------------------

// Gregorian leap years: divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(std::int64_t year);
// 28 to 31; 0 for a month outside 1-12.
int DaysInMonth(std::int64_t year, std::int64_t month);
// Whether the three numbers name a real date of the years 1-9999.
bool IsValidDate(std::int64_t year, std::int64_t month, std::int64_t day);
// Whether a day number lies in the years 1-9999.
bool InRange(DayNumber day);

// The day number of a real date of the years 1-9999; none otherwise.
std::optional<DayNumber> DayNumberOf(std::int64_t year, std::int64_t month, std::int64_t day);
std::optional<DayNumber> DayNumberOf(const CivilDate& date);
// The date of a day number of the years 1-9999; none otherwise.
std::optional<CivilDate> CivilDateOf(DayNumber day);

// The weekday of a day: 1 = Sunday ... 7 = Saturday (day 1, 31 December 1899, was a Sunday).
int WeekdayOf(DayNumber day);

// The date N months later (earlier for negative N), the day lowered to the end of the target month
// when that month is shorter (31 January + 1 month = 29 February 2024). None when the result
// leaves the years 1-9999 or the date is not valid.
std::optional<CivilDate> AddMonths(const CivilDate& date, std::int64_t months);
// A day number moved by N days; none when it leaves the years 1-9999.
std::optional<DayNumber> AddDays(DayNumber day, std::int64_t days);

// ---- Date values (OLE dates) ----------------------------------------------------------------------

// The day and time of a date value, the time rounded to the millisecond (a time that rounds up to
// midnight is the start of the next day). None for a value that is not finite or lies outside the
// years 1-9999.
std::optional<DateTimeParts> SplitDate(double date);
// The day of a date value, the time of day dropped (the whole part toward zero, never rounded
// into the next day, so that a date and a time taken apart agree); none as for SplitDate.
std::optional<DayNumber> DayOfDate(double date);
// The date value of a day and a time of day (milliseconds, 0 to one day): for a day before the
// epoch the fraction is subtracted, as OLE dates count it.
double JoinDate(DayNumber day, std::int64_t millisecond = 0);

}  // namespace calendar

}  // namespace znp
