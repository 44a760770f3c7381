#include "platform/Calendar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

using namespace znp;

namespace {

// Dates as "yyyy-mm-dd" and moments as "yyyy-mm-dd hh:nn:ss.zzz", so that the tables read as dates.
std::string Text(const CivilDate& d) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return buffer;
}

std::string Text(std::optional<CivilDate> d) { return d ? Text(*d) : "none"; }

std::string DayText(DayNumber day) { return Text(calendar::CivilDateOf(day)); }

std::string MomentText(double date) {
    const auto parts = calendar::SplitDate(date);
    if (!parts) return "none";
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s %02d:%02d:%02d.%03d", DayText(parts->Day).c_str(), parts->Hour(),
                  parts->Minute(), parts->Second(), static_cast<int>(parts->Millisecond % 1000));
    return buffer;
}

CivilDate Civil(const std::string& text) {
    CivilDate d;
    std::sscanf(text.c_str(), "%d-%d-%d", &d.Year, &d.Month, &d.Day);
    return d;
}

TEST(Calendar, DayNumbersAndDatesAgreeBothWays) {
    struct Case {
        DayNumber day;
        const char* date;
    };
    const Case cases[] = {
        {0, "1899-12-30"},       {1, "1899-12-31"},       {2, "1900-01-01"},       {-1, "1899-12-29"},
        {-2, "1899-12-28"},      {60, "1900-02-28"},      {61, "1900-03-01"},      // 1900 had no 29 February
        {-36522, "1800-01-01"},  {-18261, "1849-12-31"},  {25569, "1970-01-01"},   {45296, "2024-01-05"},
        {45351, "2024-02-29"},   {36585, "2000-02-29"},   {-693593, "0001-01-01"}, {2958465, "9999-12-31"},
        {-657434, "0100-01-01"}, {-109571, "1600-01-01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(DayText(c.day), c.date);
        EXPECT_EQ(calendar::DayNumberOf(Civil(c.date)), c.day);
    }
}

TEST(Calendar, EveryDayOfTheCalendarRoundTrips) {
    // One walk over all 3.65 million days: each day's date follows the previous one's.
    CivilDate previous = *calendar::CivilDateOf(calendar::kFirstDay);
    for (DayNumber day = calendar::kFirstDay + 1; day <= calendar::kLastDay; ++day) {
        const CivilDate date = *calendar::CivilDateOf(day);
        const bool nextDay = date.Year == previous.Year && date.Month == previous.Month && date.Day == previous.Day + 1;
        const bool nextMonth = date.Day == 1 && previous.Day == calendar::DaysInMonth(previous.Year, previous.Month) &&
                               ((date.Year == previous.Year && date.Month == previous.Month + 1) ||
                                (date.Year == previous.Year + 1 && date.Month == 1 && previous.Month == 12));
        ASSERT_TRUE(nextDay || nextMonth) << Text(previous) << " then " << Text(date);
        ASSERT_EQ(calendar::DayNumberOf(date), day) << Text(date);
        previous = date;
    }
}

TEST(Calendar, OutsideTheYears1To9999IsNoDate) {
    EXPECT_EQ(calendar::CivilDateOf(calendar::kFirstDay - 1), std::nullopt);
    EXPECT_EQ(calendar::CivilDateOf(calendar::kLastDay + 1), std::nullopt);
    EXPECT_EQ(calendar::CivilDateOf(INT64_MAX), std::nullopt);
    EXPECT_EQ(calendar::CivilDateOf(INT64_MIN), std::nullopt);
    struct Case {
        std::int64_t y, m, d;
    };
    const Case invalid[] = {{0, 12, 31},    {10000, 1, 1}, {2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31},
                            {2024, 13, 1},  {2024, 0, 1},  {2024, 1, 0},  {2024, 1, 32}, {-1, 1, 1},
                            {INT64_MAX, 1, 1}, {2024, INT64_MIN, 1}, {2024, 1, INT64_MAX}};
    for (const Case& c : invalid)
        EXPECT_EQ(calendar::DayNumberOf(c.y, c.m, c.d), std::nullopt) << c.y << "-" << c.m << "-" << c.d;
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    struct Case {
        std::int64_t year, month;
        int days;
    };
    const Case cases[] = {{1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {2100, 2, 28},
                          {1600, 2, 29}, {4, 2, 29},    {2024, 4, 30}, {2024, 12, 31}, {2024, 13, 0},
                          {2024, 0, 0},  {2024, -1, 0}};
    for (const Case& c : cases) EXPECT_EQ(calendar::DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(Calendar, WeekdaysRunFromSunday) {
    struct Case {
        const char* date;
        int weekday;
    };
    const Case cases[] = {{"1899-12-31", 1}, {"1899-12-30", 7}, {"1899-12-29", 6}, {"2024-03-10", 1},
                          {"2024-03-15", 6}, {"2024-03-16", 7}, {"0001-01-01", 2}, {"9999-12-31", 6},
                          {"1850-01-01", 3}};
    for (const Case& c : cases) EXPECT_EQ(calendar::WeekdayOf(*calendar::DayNumberOf(Civil(c.date))), c.weekday) << c.date;
}

TEST(Calendar, AddMonthsLowersTheDayToTheMonthsEnd) {
    struct Case {
        const char* date;
        std::int64_t months;
        const char* result;
    };
    const Case cases[] = {
        {"2024-01-31", 1, "2024-02-29"},  {"2023-01-31", 1, "2023-02-28"},  {"2024-03-31", 1, "2024-04-30"},
        {"2024-11-15", 1, "2024-12-15"},  {"2024-12-15", 1, "2025-01-15"},  {"2024-01-15", -1, "2023-12-15"},
        {"2024-01-15", -13, "2022-12-15"}, {"2024-01-31", 0, "2024-01-31"},  {"1899-12-30", -1, "1899-11-30"},
        {"9999-12-15", 1, "none"},        {"0001-01-15", -1, "none"},       {"0001-01-15", 119987, "9999-12-15"},
        {"2024-01-15", INT64_MAX, "none"}, {"2024-01-15", INT64_MIN, "none"}, {"2024-02-30", 1, "none"},
    };
    for (const Case& c : cases) EXPECT_EQ(Text(calendar::AddMonths(Civil(c.date), c.months)), c.result) << c.date;
}

TEST(Calendar, AddDaysStaysInsideTheCalendar) {
    EXPECT_EQ(calendar::AddDays(0, -1), -1);
    EXPECT_EQ(calendar::AddDays(calendar::kLastDay, 1), std::nullopt);
    EXPECT_EQ(calendar::AddDays(calendar::kFirstDay, -1), std::nullopt);
    EXPECT_EQ(calendar::AddDays(0, INT64_MAX), std::nullopt);
    EXPECT_EQ(calendar::AddDays(0, INT64_MIN), std::nullopt);
    EXPECT_EQ(calendar::AddDays(calendar::kFirstDay, calendar::kLastDay - calendar::kFirstDay), calendar::kLastDay);
}

// The fraction of a date value is the time counted forward from the start of its day, also for
// days before 30 December 1899.
TEST(Calendar, DateValuesSplitIntoDayAndTime) {
    struct Case {
        double value;
        const char* moment;
    };
    const Case cases[] = {
        {0, "1899-12-30 00:00:00.000"},
        {0.25, "1899-12-30 06:00:00.000"},
        {-0.25, "1899-12-30 06:00:00.000"},  // day 0 either side of zero
        {-1.25, "1899-12-29 06:00:00.000"},
        {-1.75, "1899-12-29 18:00:00.000"},
        {-1, "1899-12-29 00:00:00.000"},
        {2.5, "1900-01-01 12:00:00.000"},
        {45296.75, "2024-01-05 18:00:00.000"},
        {45296 + 1.0 / 86400, "2024-01-05 00:00:01.000"},
        {45296.9999999999, "2024-01-06 00:00:00.000"},  // rounds up to the next day's start
        {-1.9999999999, "1899-12-30 00:00:00.000"},    // ... which before 1900 lies toward zero
        {-693593.5, "0001-01-01 12:00:00.000"},
        {2958465.999, "9999-12-31 23:58:33.600"},
        {2958466, "none"},
        {-693594, "none"},
        {1e300, "none"},
        {-1e300, "none"},
        {std::numeric_limits<double>::infinity(), "none"},
        {std::numeric_limits<double>::quiet_NaN(), "none"},
    };
    for (const Case& c : cases) EXPECT_EQ(MomentText(c.value), c.moment) << c.value;
}

TEST(Calendar, JoinDateIsTheInverseOfSplitDate) {
    struct Case {
        DayNumber day;
        std::int64_t millisecond;
        double value;
    };
    const Case cases[] = {{0, 0, 0},          {0, 21600000, 0.25},     {-1, 21600000, -1.25},
                          {-1, 0, -1},        {45296, 64800000, 45296.75}, {-36522, 43200000, -36522.5}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(calendar::JoinDate(c.day, c.millisecond), c.value) << c.day;
        const auto parts = calendar::SplitDate(c.value);
        ASSERT_TRUE(parts);
        EXPECT_EQ(parts->Day, c.day);
        EXPECT_EQ(parts->Millisecond, c.millisecond);
    }
    EXPECT_EQ(calendar::DayOfDate(-1.25), -1);
    EXPECT_EQ(calendar::DayOfDate(1e300), std::nullopt);
}

}  // namespace
