// Date rules: how a condition date moves with the day a report runs, and when a periodic report
// runs first.
//
// A dynamic date entry says, for one date condition of a form, how its date is made from a base
// day (the scheduled run day, or the date shown when a scheme is saved): the base moved by N weeks
// or months, then plus M days or to the first or last day of that week or month. The periodic
// schedule, the dynamic date fields sent with a periodic request and the date environment of
// saved schemes all use this one format and this one arithmetic; so does a scheduler that applies
// the entries on later runs. Nothing here knows a form: the functions are pure and work on date
// texts (yyyymmdd) and on the variants of a request.
//
// Entry format: fields separated by the character 0x03, counted from 1.
//   range entry:  "0", control name, begin row (5 fields), end row (5 fields), kind letter
//                 [, condition index]
//   single entry: "1" (anything but "0"), control name, row (5 fields), kind letter
//                 [, condition index]
//   row:          moves ("Y" or "N"), N (-99..99), unit ("0" week, "1" month),
//                 anchor ("0" plus/minus M days, "1" first day, "2" last day), M (-999..999)
// The kind letter is "D" for a date; the condition index (the position of the condition in the
// request's condition arrays) is present only in the list sent with a request.
//
// Weeks run from Sunday (their first day) to Saturday (their last day).
#pragma once

#include <string>

#include "Kvtr42C/Variant.h"

namespace znp {

// ---- Shifting a date ------------------------------------------------------------------------------

// Base moved by a rule row; the arguments are texts in this order: base, N, unit, M, anchor (for
// an entry row the base followed by its fields N, unit, M, anchor).
//  - A base of at most 6 characters is a year-month (yyyymm): it moves by N months and stays a
//    year-month; unit, anchor and M play no part. An empty or unreadable base gives "".
//  - Unit "0" (week), anchor "0": base + 7*N + M days.
//  - Unit "0", another anchor: the Sunday (anchor "1") or else the Saturday of the week of
//    base + 7*N days.
//  - Any other unit (month): base + N months, the day lowered to the month's end when needed;
//    then anchor "0" adds M days, "1" gives the month's first day, "2" its last day, any other
//    anchor the moved date itself.
// The result is a date text yyyymmdd, or "" for an unreadable base or a result outside the years
// 1-9999. Raises EConvertError when N, or M where it is used, is no integer.
std::string ShiftDate(const std::string& base, const std::string& n, const std::string& unit, const std::string& m,
                      const std::string& anchor);

// Adds N months to a date text, the day lowered to the end of a shorter month (20240131 + 1 =
// 20240229); "" for an unreadable date or a result outside the years 1-9999.
std::string AddMonths(const std::string& dateText, int n);
// Sunday 1 ... Saturday 7 of a date text; 0 for an unreadable one.
int WeekdayOf(const std::string& dateText);

// ---- Dynamic date entries ---------------------------------------------------------------------------

// One row of an entry: whether the date moves, and how (the texts as the entry holds them).
struct DateShiftRow {
    std::string Moves = "N";  // "Y": the date moves
    std::string N = "0";
    std::string Unit = "0";
    std::string Anchor = "0";
    std::string M = "0";

    bool IsTicked() const { return Moves == "Y"; }
    // N, anchor and M all "0" (the unit takes no part): the date is the base itself.
    bool IsIdentity() const { return N == "0" && Anchor == "0" && M == "0"; }
    // The date this row makes of a base: the base itself when the row is the identity, otherwise
    // ShiftDate(base, N, Unit, M, Anchor). Whether the row is ticked is the caller's question.
    std::string Apply(const std::string& base) const;
};

struct DynamicDateEntry {
    std::string Type = "1";  // "0" a range entry (a selection panel), anything else a single one
    std::string ControlName;
    DateShiftRow Begin;  // the single entry's only row
    DateShiftRow End;    // range entries only
    std::string KindLetter = "D";
    std::string ConditionIndex;  // only in the list sent with a request; "" when absent

    bool IsRange() const { return Type == "0"; }
    // Reads an entry text; missing fields read as empty texts, so a damaged entry reads without
    // raising and fails where its fields are used.
    static DynamicDateEntry Parse(const std::string& text);
    // The entry text: 13 fields for a range, 8 for a single entry, then the condition index when
    // WithConditionIndex is set.
    std::string ToText(bool withConditionIndex = false) const;
};

// The condition values of one run: for every entry of the list sent with a request (element 0
// the count n, elements 1..n the entry texts with their condition index), the condition value at
// that index is remade from the run day. The base is RunDate for an entry of kind "D", otherwise
// its first six characters (a year-month). A single entry whose row is ticked gets Row.Apply(base);
// a range entry's value [0x04, begin, end] gets its begin and end from the ticked rows; unticked
// rows leave the value as it was. Raises (EConvertError, EVariantError) when an entry has no
// condition index, its value is not a range where a range is expected, or N or M is no integer;
// the caller decides what such a failure means for the request.
Variant ApplyDynamicDates(const Variant& conditionValues, const Variant& dynamicDates, const std::string& runDate);

// ---- Periodic schedule ----------------------------------------------------------------------------

// The cycle of a periodic schedule as its cycle-mode array carries it: [mode, parameters].
struct ScheduleCycle {
    enum class Mode { EveryNDays = 0, Weekly = 1, Monthly = 2, Hourly = 3 };
    Mode Kind = Mode::EveryNDays;
    int Every = 1;              // N days, weeks or months
    bool ByWeekday = false;     // monthly: the k-th weekday instead of a day of the month
    int DayOfMonth = 1;         // monthly by day: D
    int Ordinal = 0;            // monthly by weekday: 0-3 first to fourth, 4 last
    int Weekday = 0;            // weekly and monthly by weekday: 0 = Sunday ... 6 = Saturday
    double Hours = 1;           // hourly: every H hours

    // Reads a cycle-mode array: [0, N text], [1, [N text, weekday]], [2, [0, N text, D text]],
    // [2, [1, N text, ordinal, weekday]] or [3, hours]. Raises EVariantError or EConvertError for
    // any other shape or a value that is no number.
    static ScheduleCycle FromVariant(const Variant& cycleMode);
};

// The first run day of a schedule starting on Start (yyyymmdd), as yyyymmdd:
//  - every N days: the start itself;
//  - weekly, every N weeks on weekday w: the first day with that weekday on or after the start,
//    moved on by N - 1 weeks;
//  - monthly, day D of every N months: day D of the start's month moved by N - 1 months when D is
//    not before the start's day, else by N months; the month's last day when it has no day D;
//  - monthly, k-th weekday of every N months: that weekday of the start's month moved by N - 1
//    months, or by N months when that day lies before the start;
//  - every H hours: no day, "".
// "" for an unreadable start or a result outside the calendar. A scheduler computes the following
// runs from this one by the same cycle.
std::string FirstRunDateOf(const std::string& start, const ScheduleCycle& cycle);
// The same from the cycle-mode array of a request; "" when the array cannot be read.
std::string FirstRunDateOf(const std::string& start, const Variant& cycleMode);

}  // namespace znp
