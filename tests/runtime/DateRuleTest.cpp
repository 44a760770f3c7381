#include "runtime/DateRule.h"

#include <gtest/gtest.h>

#include <string>

using namespace znp;

namespace {

const std::string S(1, '\x03');

// An entry text from its fields.
std::string Entry(std::initializer_list<std::string> fields) {
    std::string text;
    bool first = true;
    for (const std::string& f : fields) {
        if (!first) text += S;
        text += f;
        first = false;
    }
    return text;
}

// ---- Shifting ------------------------------------------------------------------------------------

TEST(ShiftDate, MovesByWeeksAndMonths) {
    struct Case {
        const char *base, *n, *unit, *m, *anchor, *result;
    };
    const Case cases[] = {
        // The run day Friday 15 March 2024.
        {"20240315", "-1", "1", "0", "1", "20240201"},  // month before, first day
        {"20240315", "-1", "1", "0", "2", "20240229"},  // month before, last day
        {"20240315", "0", "0", "0", "1", "20240310"},   // this week's Sunday
        {"20240315", "0", "0", "0", "2", "20240316"},   // this week's Saturday
        {"20240315", "0", "0", "-1", "0", "20240314"},
        {"20240315", "1", "0", "2", "0", "20240324"},
        {"20240315", "1", "1", "-1", "0", "20240414"},
        {"20240315", "-2", "0", "0", "1", "20240225"},
        {"20240315", "0", "1", "0", "0", "20240315"},   // nothing moves
        {"20240315", "0", "0", "0", "0", "20240315"},
        {"20240315", "1", "1", "5", "1", "20240401"},   // first day ignores M
        {"20240315", "1", "1", "5", "2", "20240430"},   // last day ignores M
        {"20240315", "2", "1", "0", "9", "20240515"},   // an unknown anchor keeps the moved date
        {"20240315", "1", "7", "0", "0", "20240415"},   // any unit but "0" counts months
        {"20240131", "1", "1", "0", "0", "20240229"},   // the day lowered to the month's end
        {"20230131", "1", "1", "0", "0", "20230228"},
        {"20240310", "0", "0", "0", "1", "20240310"},   // a Sunday is its own first day
        {"20240316", "0", "0", "0", "2", "20240316"},   // a Saturday its own last day
        {"20240101", "-1", "0", "0", "1", "20231224"},  // weeks across the year
        {"18991230", "0", "0", "0", "1", "18991224"},   // before 1900 as well
        {"18991231", "-1", "1", "0", "2", "18991130"},
        {"202403", "-3", "1", "9", "2", "202312"},      // a year-month moves by months only
        {"202401", "1", "0", "x", "x", "202402"},
        {"2024", "1", "1", "0", "0", ""},               // no year-month
        {"", "1", "1", "0", "0", ""},
        {"2024ab15", "1", "1", "0", "0", ""},
        {"20240230", "1", "1", "0", "0", ""},
        {"99991231", "1", "1", "0", "0", ""},           // past the calendar
        {"99991231", "0", "0", "1", "0", ""},
        {"00010101", "-1", "0", "0", "1", ""},
        {"20240315", "99", "0", "999", "0", "20281101"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShiftDate(c.base, c.n, c.unit, c.m, c.anchor), c.result)
            << c.base << " " << c.n << " " << c.unit << " " << c.m << " " << c.anchor;
}

TEST(ShiftDate, NOrMThatIsNoIntegerFails) {
    struct Case {
        const char *n, *unit, *m, *anchor;
    };
    const Case cases[] = {{"x", "1", "0", "0"},         {"1", "0", "", "0"},  {"", "0", "0", "1"},
                          {"1.5", "1", "0", "0"},       {"+-1", "0", "0", "0"}, {"1", "1", "9e9", "0"},
                          {"99999999999", "0", "0", "0"}};
    for (const Case& c : cases)
        EXPECT_THROW(ShiftDate("20240315", c.n, c.unit, c.m, c.anchor), EConvertError) << c.n << " " << c.m;
    // Where the case does not use M, M is not read.
    EXPECT_EQ(ShiftDate("20240315", "0", "1", "x", "1"), "20240301");
    EXPECT_EQ(ShiftDate("20240315", " 1 ", "1", "\t-1\r\n", "0"), "20240414") << "trimmed like every integer";
    // Large week counts stay inside 64 bits and leave the calendar.
    EXPECT_EQ(ShiftDate("20240315", "2147483647", "0", "2147483647", "0"), "");
}

TEST(DateRuleHelpers, AddMonthsAndWeekdays) {
    EXPECT_EQ(AddMonths("20240131", 1), "20240229");
    EXPECT_EQ(AddMonths("20240131", -2), "20231130");
    EXPECT_EQ(AddMonths("x", 1), "");
    EXPECT_EQ(WeekdayOf("20240315"), 6);
    EXPECT_EQ(WeekdayOf("20240310"), 1);
    EXPECT_EQ(WeekdayOf("18991230"), 7);
    EXPECT_EQ(WeekdayOf("2024"), 0);
}

// ---- Entries -------------------------------------------------------------------------------------

TEST(DynamicDateEntry, ReadsAndWritesBothKinds) {
    const std::string range = Entry({"0", "sp02", "Y", "-1", "1", "1", "0", "Y", "-1", "1", "2", "0", "D"});
    DynamicDateEntry e = DynamicDateEntry::Parse(range);
    EXPECT_TRUE(e.IsRange());
    EXPECT_EQ(e.ControlName, "sp02");
    EXPECT_TRUE(e.Begin.IsTicked());
    EXPECT_EQ(e.Begin.N, "-1");
    EXPECT_EQ(e.Begin.Anchor, "1");
    EXPECT_EQ(e.End.Anchor, "2");
    EXPECT_EQ(e.KindLetter, "D");
    EXPECT_EQ(e.ConditionIndex, "");
    EXPECT_EQ(e.ToText(), range);
    e.ConditionIndex = "3";
    EXPECT_EQ(e.ToText(true), range + S + "3");
    EXPECT_EQ(DynamicDateEntry::Parse(range + S + "3").ConditionIndex, "3");
    // The example: first and last day of the month before the run.
    EXPECT_EQ(e.Begin.Apply("20240305"), "20240201");
    EXPECT_EQ(e.End.Apply("20240305"), "20240229");

    const std::string single = Entry({"1", "edFrom", "N", "0", "0", "0", "0", "D"});
    DynamicDateEntry s = DynamicDateEntry::Parse(single + S + "2");
    EXPECT_FALSE(s.IsRange());
    EXPECT_FALSE(s.Begin.IsTicked());
    EXPECT_EQ(s.ConditionIndex, "2");
    EXPECT_EQ(s.ToText(), single);
    EXPECT_EQ(s.ToText(true), single + S + "2");

    DynamicDateEntry fresh;  // a new entry: unticked, N 0, week, plus/minus, M 0
    fresh.ControlName = "edTo";
    EXPECT_EQ(fresh.ToText(), Entry({"1", "edTo", "N", "0", "0", "0", "0", "D"}));
    fresh.Type = "0";
    EXPECT_EQ(fresh.ToText(), Entry({"0", "edTo", "N", "0", "0", "0", "0", "N", "0", "0", "0", "0", "D"}));
}

TEST(DynamicDateEntry, ADamagedEntryReadsWithoutRaising) {
    const DynamicDateEntry e = DynamicDateEntry::Parse("0" + S + "sp02" + S + "Y");
    EXPECT_TRUE(e.IsRange());
    EXPECT_EQ(e.Begin.N, "");
    EXPECT_EQ(e.KindLetter, "");
    EXPECT_THROW(e.Begin.Apply("20240315"), EConvertError);
}

TEST(DateShiftRow, IdentityIsDecidedOnTheTextsWithoutTheUnit) {
    struct Case {
        DateShiftRow row;
        std::string result;
    };
    const Case cases[] = {
        {{"Y", "0", "1", "0", "0"}, "20240315"},
        {{"Y", "0", "0", "0", "0"}, "20240315"},
        {{"Y", "0", "x", "0", "0"}, "20240315"},   // the unit takes no part
        {{"Y", "00", "1", "0", "0"}, "20240315"},  // not identical as text, but moves by nothing
        {{"Y", "0", "1", "1", "0"}, "20240301"},
        {{"Y", "0", "0", "2", "0"}, "20240316"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.row.Apply("20240315"), c.result) << c.row.N << c.row.Unit << c.row.Anchor;
    EXPECT_EQ((DateShiftRow{"Y", "0", "0", "0", "0"}).Apply(""), "") << "an hourly run has no day";
    EXPECT_TRUE((DateShiftRow{"Y", "0", "1", "0", "0"}).IsIdentity());
    EXPECT_FALSE((DateShiftRow{"Y", "00", "1", "0", "0"}).IsIdentity());
}

// ---- Values of a run -------------------------------------------------------------------------------

class ApplyDynamicDatesTest : public testing::Test {
protected:
    // Condition values 1..3: a single date, a date range, a list.
    Variant Values() {
        Variant v = Variant::Array(1, 3);
        v[1] = Variant("20240101");
        v[2] = Variant::ArrayOf({Variant("\x04"), Variant("20240101"), Variant("20240131")});
        v[3] = Variant::ArrayOf({Variant("\x05"), Variant::ArrayOf({Variant("A")})});
        return v;
    }
    static Variant List(std::initializer_list<std::string> entries) {
        std::vector<Variant> items{Variant(static_cast<int>(entries.size()))};
        for (const std::string& e : entries) items.emplace_back(e);
        return Variant::ArrayOf(items);
    }
};

TEST_F(ApplyDynamicDatesTest, TickedRowsMoveFromTheRunDay) {
    const Variant list = List({Entry({"1", "edFrom", "Y", "0", "1", "0", "-1", "D", "1"}),
                               Entry({"0", "sp02", "Y", "-1", "1", "1", "0", "Y", "-1", "1", "2", "0", "D", "2"})});
    const Variant result = ApplyDynamicDates(Values(), list, "20240315");
    EXPECT_EQ(result[1].AsString(), "20240314");
    EXPECT_EQ(result[2][0].AsString(), "\x04");
    EXPECT_EQ(result[2][1].AsString(), "20240201");
    EXPECT_EQ(result[2][2].AsString(), "20240229");
    EXPECT_EQ(result[3], Values()[3]);
}

TEST_F(ApplyDynamicDatesTest, UntickedRowsAndIdentityRows) {
    const Variant list = List({Entry({"1", "edFrom", "N", "5", "1", "0", "-1", "D", "1"}),
                               Entry({"0", "sp02", "Y", "0", "1", "0", "0", "N", "-1", "1", "2", "0", "D", "2"})});
    const Variant result = ApplyDynamicDates(Values(), list, "20240315");
    EXPECT_EQ(result[1].AsString(), "20240101") << "unticked: the entered value stays";
    EXPECT_EQ(result[2][1].AsString(), "20240315") << "N, anchor and M all 0: the run day itself";
    EXPECT_EQ(result[2][2].AsString(), "20240131");
}

TEST_F(ApplyDynamicDatesTest, KindAndHourlyRuns) {
    // A kind other than "D" moves a year-month.
    const Variant monthList = List({Entry({"1", "edMonth", "Y", "-1", "1", "0", "0", "M", "1"})});
    EXPECT_EQ(ApplyDynamicDates(Values(), monthList, "20240315")[1].AsString(), "202402");
    // An hourly schedule has no run day: every ticked date becomes empty.
    const Variant list = List({Entry({"1", "edFrom", "Y", "0", "1", "0", "0", "D", "1"}),
                               Entry({"0", "sp02", "Y", "-1", "1", "1", "0", "N", "0", "0", "0", "0", "D", "2"})});
    const Variant result = ApplyDynamicDates(Values(), list, "");
    EXPECT_EQ(result[1].AsString(), "");
    EXPECT_EQ(result[2][1].AsString(), "");
    EXPECT_EQ(result[2][2].AsString(), "20240131");
    EXPECT_EQ(ApplyDynamicDates(Values(), List({}), "20240315"), Values());
}

TEST_F(ApplyDynamicDatesTest, BrokenEntriesFail) {
    const std::string noIndex = Entry({"1", "edFrom", "Y", "0", "1", "0", "0", "D"});
    const std::string listNotRange = Entry({"0", "sp03", "Y", "0", "1", "0", "0", "N", "0", "0", "0", "0", "D", "3"});
    const std::string textNotRange = Entry({"0", "sp01", "Y", "0", "1", "0", "0", "N", "0", "0", "0", "0", "D", "1"});
    const std::string badN = Entry({"1", "edFrom", "Y", "x", "1", "0", "0", "D", "1"});
    const std::string indexOutside = Entry({"1", "edFrom", "Y", "0", "1", "0", "0", "D", "9"});
    const std::string indexNoNumber = Entry({"1", "edFrom", "Y", "0", "1", "0", "0", "D", "one"});
    for (const std::string& entry : {noIndex, listNotRange, textNotRange, badN, indexOutside, indexNoNumber})
        EXPECT_ANY_THROW(ApplyDynamicDates(Values(), List({entry}), "20240315")) << entry;
    EXPECT_ANY_THROW(ApplyDynamicDates(Values(), Variant("x"), "20240315"));
}

// ---- First run -------------------------------------------------------------------------------------

Variant Cycle(int mode, Variant params) { return Variant::ArrayOf({Variant(mode), std::move(params)}); }

TEST(FirstRunDateOf, EveryCycleMode) {
    struct Case {
        const char* name;
        const char* start;
        Variant cycle;
        const char* result;
    };
    const Case cases[] = {
        {"every 3 days", "20240110", Cycle(0, Variant("3")), "20240110"},
        {"weekly Wednesday from Monday", "20240115", Cycle(1, Variant::ArrayOf({Variant("1"), Variant(3)})), "20240117"},
        {"2 weeks Monday from Wednesday", "20240117", Cycle(1, Variant::ArrayOf({Variant("2"), Variant(1)})), "20240129"},
        {"weekly on the start's weekday", "20240117", Cycle(1, Variant::ArrayOf({Variant("1"), Variant(3)})), "20240117"},
        {"weekly Sunday from Saturday", "20240120", Cycle(1, Variant::ArrayOf({Variant("1"), Variant(0)})), "20240121"},
        {"weekly Saturday from Sunday", "20240121", Cycle(1, Variant::ArrayOf({Variant("1"), Variant(6)})), "20240127"},
        {"day 31 from 10 February", "20240210", Cycle(2, Variant::ArrayOf({Variant(0), Variant("1"), Variant("31")})), "20240229"},
        {"day 31 in a 30-day month", "20240410", Cycle(2, Variant::ArrayOf({Variant(0), Variant("1"), Variant("31")})), "20240430"},
        {"day 5 from 10 January", "20240110", Cycle(2, Variant::ArrayOf({Variant(0), Variant("1"), Variant("5")})), "20240205"},
        {"day 15 every 3 months", "20240110", Cycle(2, Variant::ArrayOf({Variant(0), Variant("3"), Variant("15")})), "20240315"},
        {"day 10 on the start day", "20240110", Cycle(2, Variant::ArrayOf({Variant(0), Variant("1"), Variant("10")})), "20240110"},
        {"day 5 every 2 months", "20241210", Cycle(2, Variant::ArrayOf({Variant(0), Variant("2"), Variant("5")})), "20250205"},
        {"last Friday", "20240110", Cycle(2, Variant::ArrayOf({Variant(1), Variant("1"), Variant(4), Variant(5)})), "20240126"},
        {"first Monday before the start", "20240110", Cycle(2, Variant::ArrayOf({Variant(1), Variant("1"), Variant(0), Variant(1)})), "20240205"},
        {"second Tuesday every 3 months", "20240110", Cycle(2, Variant::ArrayOf({Variant(1), Variant("3"), Variant(1), Variant(2)})), "20240312"},
        {"last Wednesday on the month's last day", "20240101", Cycle(2, Variant::ArrayOf({Variant(1), Variant("1"), Variant(4), Variant(3)})), "20240131"},
        {"fourth Thursday", "20240101", Cycle(2, Variant::ArrayOf({Variant(1), Variant("1"), Variant(3), Variant(4)})), "20240125"},
        {"first Monday on the 1st", "20240101", Cycle(2, Variant::ArrayOf({Variant(1), Variant("1"), Variant(0), Variant(1)})), "20240101"},
        {"every hour", "20240110", Cycle(3, Variant(0.5)), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstRunDateOf(c.start, c.cycle), c.result) << c.name;
}

TEST(FirstRunDateOf, UnreadableInputGivesNoDate) {
    const Variant weekly = Cycle(1, Variant::ArrayOf({Variant("1"), Variant(3)}));
    EXPECT_EQ(FirstRunDateOf("", weekly), "");
    EXPECT_EQ(FirstRunDateOf("20240230", weekly), "");
    EXPECT_EQ(FirstRunDateOf("20240110", Variant()), "");
    EXPECT_EQ(FirstRunDateOf("20240110", Cycle(7, Variant("1"))), "");
    EXPECT_EQ(FirstRunDateOf("20240110", Cycle(0, Variant::Null())), "");
    EXPECT_EQ(FirstRunDateOf("20240110", Cycle(1, Variant::ArrayOf({Variant("x"), Variant(3)}))), "");
    EXPECT_EQ(FirstRunDateOf("20240110", Cycle(1, Variant::ArrayOf({Variant("1"), Variant(9)}))), "");
    EXPECT_EQ(FirstRunDateOf("20240110", Cycle(2, Variant::ArrayOf({Variant(1), Variant("1"), Variant(5), Variant(1)}))), "");
    EXPECT_EQ(FirstRunDateOf("99991215", Cycle(2, Variant::ArrayOf({Variant(0), Variant("1"), Variant("5")}))), "");
}

TEST(ScheduleCycle, ReadsTheCycleModeArray) {
    const ScheduleCycle byWeekday =
        ScheduleCycle::FromVariant(Cycle(2, Variant::ArrayOf({Variant(1), Variant("3"), Variant(1), Variant(2)})));
    EXPECT_EQ(byWeekday.Kind, ScheduleCycle::Mode::Monthly);
    EXPECT_TRUE(byWeekday.ByWeekday);
    EXPECT_EQ(byWeekday.Every, 3);
    EXPECT_EQ(byWeekday.Ordinal, 1);
    EXPECT_EQ(byWeekday.Weekday, 2);
    const ScheduleCycle hourly = ScheduleCycle::FromVariant(Cycle(3, Variant(0.5)));
    EXPECT_EQ(hourly.Kind, ScheduleCycle::Mode::Hourly);
    EXPECT_DOUBLE_EQ(hourly.Hours, 0.5);
    EXPECT_THROW(ScheduleCycle::FromVariant(Cycle(4, Variant(1))), EVariantError);
    EXPECT_THROW(ScheduleCycle::FromVariant(Cycle(0, Variant("abc"))), EVariantError);
    EXPECT_THROW(ScheduleCycle::FromVariant(Variant::Array(0, 0)), EVariantError);
}

}  // namespace
