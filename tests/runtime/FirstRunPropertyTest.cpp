// The first run of a periodic schedule over many random start dates of 1900-2100 and random
// cycles of every mode (a fixed seed, so a failure repeats): the first run is on or after the
// start, has the weekday or day asked for (or is the month's last day), and lies within one
// period of the start.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "Kvtr42C/Variant.h"
#include "platform/Calendar.h"
#include "runtime/DateRule.h"

using namespace znp;

namespace {

std::string TextOf(const CivilDate& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.Year, date.Month, date.Day);
    return buffer;
}

CivilDate Read(const std::string& text) {
    return {std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2))};
}

DayNumber Day(const CivilDate& date) { return *calendar::DayNumberOf(date); }

// Sunday 0 ... Saturday 6, as the cycle asks for it.
int Weekday(const CivilDate& date) { return calendar::WeekdayOf(Day(date)) - 1; }

int MonthsBetween(const CivilDate& from, const CivilDate& to) {
    return (to.Year * 12 + to.Month) - (from.Year * 12 + from.Month);
}

class FirstRunProperty : public ::testing::Test {
protected:
    std::mt19937 random_{20240315};
    CivilDate RandomStart() {
        const DayNumber first = *calendar::DayNumberOf(1900, 1, 1), last = *calendar::DayNumberOf(2100, 12, 31);
        return *calendar::CivilDateOf(std::uniform_int_distribution<DayNumber>(first, last)(random_));
    }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
};

constexpr int kRounds = 20000;

TEST_F(FirstRunProperty, EveryNDaysStartsOnTheStart) {
    for (int i = 0; i < kRounds; ++i) {
        const CivilDate start = RandomStart();
        const Variant cycle = Variant::ArrayOf({Variant(0), Variant(std::to_string(Between(1, 999)))});
        ASSERT_EQ(FirstRunDateOf(TextOf(start), cycle), TextOf(start));
    }
}

TEST_F(FirstRunProperty, WeeklyIsTheWeekdayWithinNWeeks) {
    for (int i = 0; i < kRounds; ++i) {
        const CivilDate start = RandomStart();
        const int n = Between(1, 99), w = Between(0, 6);
        const Variant cycle = Variant::ArrayOf({Variant(1), Variant::ArrayOf({Variant(std::to_string(n)), Variant(w)})});
        const std::string first = FirstRunDateOf(TextOf(start), cycle);
        ASSERT_EQ(first.size(), 8u) << TextOf(start) << " n " << n << " w " << w;
        const CivilDate run = Read(first);
        const DayNumber days = Day(run) - Day(start);
        ASSERT_GE(days, 0) << TextOf(start) << " n " << n << " w " << w;
        ASSERT_LT(days, 7 * n) << TextOf(start) << " n " << n << " w " << w;
        // The first such weekday on or after the start, moved on by N - 1 weeks.
        ASSERT_GE(days, 7 * (n - 1)) << TextOf(start) << " n " << n << " w " << w;
        ASSERT_EQ(Weekday(run), w) << TextOf(start) << " n " << n << " w " << w;
    }
}

TEST_F(FirstRunProperty, MonthlyByDayIsThatDayOrTheMonthsLastWithinNMonths) {
    for (int i = 0; i < kRounds; ++i) {
        const CivilDate start = RandomStart();
        const int n = Between(1, 99), d = Between(1, 31);
        const Variant cycle = Variant::ArrayOf(
            {Variant(2), Variant::ArrayOf({Variant(0), Variant(std::to_string(n)), Variant(std::to_string(d))})});
        const std::string first = FirstRunDateOf(TextOf(start), cycle);
        ASSERT_EQ(first.size(), 8u) << TextOf(start) << " n " << n << " d " << d;
        const CivilDate run = Read(first);
        const int last = calendar::DaysInMonth(run.Year, run.Month);
        ASSERT_GE(Day(run), Day(start)) << TextOf(start) << " n " << n << " d " << d;
        ASSERT_EQ(run.Day, d <= last ? d : last) << TextOf(start) << " n " << n << " d " << d;
        ASSERT_LE(MonthsBetween(start, run), n) << TextOf(start) << " n " << n << " d " << d;
        ASSERT_GE(MonthsBetween(start, run), n - 1) << TextOf(start) << " n " << n << " d " << d;
    }
}

TEST_F(FirstRunProperty, MonthlyByWeekdayIsTheOrdinalWeekdayWithinNMonths) {
    for (int i = 0; i < kRounds; ++i) {
        const CivilDate start = RandomStart();
        const int n = Between(1, 99), k = Between(0, 4), w = Between(0, 6);
        const Variant cycle = Variant::ArrayOf(
            {Variant(2), Variant::ArrayOf({Variant(1), Variant(std::to_string(n)), Variant(k), Variant(w)})});
        const std::string first = FirstRunDateOf(TextOf(start), cycle);
        const std::string what = TextOf(start) + " n " + std::to_string(n) + " k " + std::to_string(k) + " w " + std::to_string(w);
        ASSERT_EQ(first.size(), 8u) << what;
        const CivilDate run = Read(first);
        ASSERT_GE(Day(run), Day(start)) << what;
        ASSERT_EQ(Weekday(run), w) << what;
        if (k < 4)
            ASSERT_EQ((run.Day - 1) / 7, k) << what;
        else
            ASSERT_GT(run.Day + 7, calendar::DaysInMonth(run.Year, run.Month)) << what;
        ASSERT_LE(MonthsBetween(start, run), n) << what;
        ASSERT_GE(MonthsBetween(start, run), n - 1) << what;
    }
}

TEST_F(FirstRunProperty, HourlyHasNoDay) {
    for (int i = 0; i < 1000; ++i) {
        const CivilDate start = RandomStart();
        const Variant cycle = Variant::ArrayOf({Variant(3), Variant(Between(1, 48) / 2.0)});
        ASSERT_EQ(FirstRunDateOf(TextOf(start), cycle), "");
    }
}

}  // namespace
