#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "runtime/LibStrs.h"

#include "fixture/Escaped.h"

using namespace znp;

namespace {

using test::Escaped;

double Date(int y, int m, int d) {
    double date = 0;
    EXPECT_TRUE(TryEncodeDate(y, m, d, date)) << y << "-" << m << "-" << d;
    return date;
}

TEST(TryEncodeDate, KnowsTheOleEpochAndTheCalendarLimits) {
    EXPECT_EQ(Date(1899, 12, 30), 0);
    EXPECT_EQ(Date(1900, 1, 1), 2);
    EXPECT_EQ(Date(2024, 1, 5), 45296);
    EXPECT_EQ(Date(1, 1, 1), -693593);
    EXPECT_EQ(Date(9999, 12, 31), 2958465);
    double date;
    EXPECT_FALSE(TryEncodeDate(0, 12, 31, date));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, date));
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, date));
    EXPECT_FALSE(TryEncodeDate(2024, 4, 31, date));
}

TEST(TryDecodeDate, DropsTheTimeOfDayAlsoBefore1900) {
    int y, m, d;
    ASSERT_TRUE(TryDecodeDate(45296.99, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240105);
    // -1.25 is 29 December 1899, 6 o'clock: the day is the value truncated toward zero.
    ASSERT_TRUE(TryDecodeDate(-1.25, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    EXPECT_FALSE(TryDecodeDate(2958466, y, m, d));
    EXPECT_FALSE(TryDecodeDate(-693594, y, m, d));
}

TEST(DaysInMonth, GregorianLeapYears) {
    struct {
        int year, month, days;
    } cases[] = {{1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {2100, 2, 28}, {2024, 1, 31},
                 {2024, 4, 30}, {2024, 6, 30}, {2024, 9, 30}, {2024, 11, 30}, {2024, 12, 31}, {2024, 13, 0},
                 {2024, 0, 0},  {2024, -1, 0}};
    for (const auto& c : cases) EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

// ---- Formatting ----------------------------------------------------------------------------------

struct FormatCase {
    int type;
    std::string separator;
    int y, m, d;
    std::string date;       // FormatDateByType
    std::string yearMonth;  // FormatYearMonthByType
};
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << "type " << c.type << " \"" << Escaped(c.separator) << "\" " << c.y << "-" << c.m << "-" << c.d;
}


class FormatByType : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatByType, DateAndYearMonth) {
    const FormatCase& c = GetParam();
    // The time of day never shows; before 1900 it counts away from zero, as OLE dates do.
    const double day = Date(c.y, c.m, c.d);
    const double date = day < 0 ? day - 0.75 : day + 0.75;
    EXPECT_EQ(FormatDateByType(c.type, c.separator, date), c.date);
    EXPECT_EQ(FormatYearMonthByType(c.type, c.separator, date), c.yearMonth);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FormatByType,
    testing::Values(FormatCase{1, "/", 2024, 1, 5, "2024/01/05", "2024/01"},
                    FormatCase{2, "/", 2024, 1, 5, "01/05/2024", "01/2024"},
                    FormatCase{3, "/", 2024, 1, 5, "05/01/2024", "01/2024"},
                    FormatCase{4, "-", 2024, 1, 5, "113-01-05", "113-01"},
                    FormatCase{5, "/", 2024, 1, 5, "113/01/05", "113/01"},
                    // Minguo years keep at least two or three digits.
                    FormatCase{4, "/", 2005, 1, 5, "94/01/05", "94/01"},
                    FormatCase{5, "/", 2005, 1, 5, "094/01/05", "094/01"},
                    FormatCase{4, "/", 1912, 3, 9, "01/03/09", "01/03"},
                    FormatCase{5, "/", 1912, 3, 9, "001/03/09", "001/03"},
                    // No separator: type 1 is the date text.
                    FormatCase{1, "", 2024, 1, 5, "20240105", "202401"},
                    // Only the first character of the separator counts.
                    FormatCase{1, "-/", 2024, 12, 31, "2024-12-31", "2024-12"},
                    FormatCase{1, "/", 1, 1, 1, "0001/01/01", "0001/01"},
                    FormatCase{1, "/", 9999, 12, 31, "9999/12/31", "9999/12"},
                    FormatCase{0, "/", 2024, 1, 5, "", ""},
                    FormatCase{6, "/", 2024, 1, 5, "", ""}));

// The date utilities and the variant count days with the one calendar: before 1900 the fraction
// is a time of day counted forward from the start of the (negative) day.
TEST(FormatDateByType, AgreesWithTheVariantBefore1900) {
    struct Case {
        double date;
        const char* variantText;
        const char* dateText;
    };
    const Case cases[] = {{-1.25, "1899/12/29 06:00:00", "1899/12/29"},
                          {-1.75, "1899/12/29 18:00:00", "1899/12/29"},
                          {-0.5, "1899/12/30 12:00:00", "1899/12/30"},
                          {-36522.5, "1800/01/01 12:00:00", "1800/01/01"},
                          {45296.75, "2024/01/05 18:00:00", "2024/01/05"}};
    for (const Case& c : cases) {
        EXPECT_EQ(VarToStr(Variant::FromDate(c.date)), c.variantText) << c.date;
        EXPECT_EQ(FormatDateByType(1, "/", c.date), c.dateText) << c.date;
        EXPECT_EQ(AddToDate(Variant::FromDate(c.date), "D", 0), ReplaceText(c.dateText, "/", "", false)) << c.date;
    }
}

TEST(FormatDateByType, NoDateGivesEmptyText) {
    for (int type = 1; type <= 5; ++type) {
        EXPECT_EQ(FormatDateByType(type, "/", 0), "");
        EXPECT_EQ(FormatYearMonthByType(type, "/", 0), "");
    }
    EXPECT_EQ(FormatDateByType(1, "/", 2958466), "");  // after 9999-12-31
}

TEST(FormatDateByType, DoubleByteSeparatorStaysWhole) {
    const std::string saved = AnsiCodePage();
    SetAnsiCodePage("936");
    // "年" in GBK is C4 EA.
    EXPECT_EQ(FormatDateByType(1, "\xC4\xEA", Date(2024, 1, 5)), "2024\xC4\xEA" "01\xC4\xEA" "05");
    SetAnsiCodePage(saved);
}

// ---- Reading -------------------------------------------------------------------------------------

struct ParseCase {
    std::string text;
    int type;
    std::string separator;
    int expected;  // yyyymmdd, 0 for no date
};
void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << "\"" << Escaped(c.text) << "\" as type " << c.type << " at \"" << Escaped(c.separator) << "\"";
}


class ParseDateByTypeCases : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateByTypeCases, Date) {
    const ParseCase& c = GetParam();
    const double expected =
        c.expected == 0 ? 0 : Date(c.expected / 10000, c.expected / 100 % 100, c.expected % 100);
    EXPECT_EQ(ParseDateByType(c.text, c.type, c.separator), expected) << c.text << " as type " << c.type;
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ParseDateByTypeCases,
    testing::Values(ParseCase{"2024/01/05", 1, "/", 20240105},
                    ParseCase{"01/05/2024", 2, "/", 20240105},
                    ParseCase{"05/01/2024", 3, "/", 20240105},
                    ParseCase{"113/1/5", 4, "/", 20240105},
                    ParseCase{"094/01/05", 5, "/", 20050105},
                    ParseCase{"1/1/1", 4, "/", 19120101},
                    // The day runs over into the next months.
                    ParseCase{"113/2/30", 4, "/", 20240301},
                    ParseCase{"2024/02/30", 1, "/", 20240301},
                    ParseCase{"2023/02/29", 1, "/", 20230301},
                    ParseCase{"02/30/2024", 2, "/", 20240301},
                    ParseCase{"30/02/2024", 3, "/", 20240301},
                    ParseCase{"2024/01/400", 1, "/", 20250203},
                    ParseCase{" 2024 / 1 / 5 ", 1, "/", 20240105},
                    ParseCase{"2024-01-05", 1, "-", 20240105},
                    ParseCase{"2024/01/05/07", 1, "/", 20240105},  // the third piece ends at a separator
                    ParseCase{"2024/13/01", 1, "/", 0},
                    ParseCase{"2024/0/05", 1, "/", 0},
                    ParseCase{"0/1/1", 1, "/", 0},
                    ParseCase{"2024/01/00", 1, "/", 0},
                    ParseCase{"2024/-1/05", 1, "/", 0},
                    ParseCase{"2024/1a/05", 1, "/", 0},
                    ParseCase{"2024/01", 1, "/", 0},
                    ParseCase{"2024-01-05", 1, "/", 0},
                    ParseCase{"    /  /  ", 1, "/", 0},
                    ParseCase{"", 1, "/", 0},
                    ParseCase{"   ", 1, "/", 0},
                    ParseCase{"2024/01/05", 0, "/", 0},
                    ParseCase{"2024/01/05", 6, "/", 0},
                    ParseCase{"10000/01/01", 1, "/", 0},
                    ParseCase{"8089/01/01", 4, "/", 0},              // Minguo 8089 is year 10000
                    ParseCase{"9999/12/32", 1, "/", 0},              // the overflow leaves the calendar
                    ParseCase{"2024/01/99999999999", 1, "/", 0},   // no integer
                    // Pieces are trimmed of blanks and control characters alike.
                    ParseCase{"\t2024/05/01", 1, "/", 20240501},
                    ParseCase{"2024/05/01\r\n", 1, "/", 20240501},
                    ParseCase{"2024/\x01" "05\x1F/01", 1, "/", 20240501},
                    ParseCase{"\t\r\n", 1, "/", 0},
                    // The platform's integer reading: one sign at most, no wrapping.
                    ParseCase{"+2024/05/01", 1, "/", 20240501},
                    ParseCase{"+-2024/05/01", 1, "/", 0},
                    ParseCase{"9223372036854775807/01/01", 4, "/", 0},  // no overflow adding 1911
                    ParseCase{"2147483647/01/01", 5, "/", 0},
                    ParseCase{"2024/01/9223372036854775807", 1, "/", 0},
                    ParseCase{"1850/01/01", 1, "/", 18500101}));

struct DateTextCase {
    std::string text;
    int date;  // yyyymmdd read by ParseYYYYMMDD, 0 for none
    bool valid;  // IsValidYYYYMMDD
};
void PrintTo(const DateTextCase& c, std::ostream* os) { *os << "\"" << Escaped(c.text) << "\""; }


class DateTexts : public testing::TestWithParam<DateTextCase> {};

TEST_P(DateTexts, ReadAndCheck) {
    const DateTextCase& c = GetParam();
    const double expected = c.date == 0 ? 0 : Date(c.date / 10000, c.date / 100 % 100, c.date % 100);
    EXPECT_EQ(ParseYYYYMMDD(c.text), expected) << c.text;
    EXPECT_EQ(IsValidYYYYMMDD(c.text), c.valid) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateTexts,
    testing::Values(DateTextCase{"20240105", 20240105, true},
                    DateTextCase{"20240229", 20240229, true},
                    DateTextCase{"20230229", 0, false},
                    DateTextCase{"20240230", 0, false},
                    DateTextCase{"17530101", 17530101, true},
                    DateTextCase{"99991231", 99991231, true},
                    // A real date, but before the first date a date field takes.
                    DateTextCase{"17521231", 17521231, false},
                    DateTextCase{"00010101", 10101, false},
                    DateTextCase{"", 0, true},  // a date field may stay empty
                    DateTextCase{"2024011", 0, false},
                    DateTextCase{"202401050", 0, false},
                    DateTextCase{"20241301", 0, false},
                    DateTextCase{"20240005", 0, false},
                    DateTextCase{"00000105", 0, false},
                    DateTextCase{"2024AB05", 0, false},
                    DateTextCase{"        ", 0, false},
                    // Signs inside would read as numbers; a date text is digits only.
                    DateTextCase{"2024+1+5", 20240105, false}));

TEST(DayOfDateText, KeepsTheEpochApartFromNoDate) {
    EXPECT_EQ(ParseYYYYMMDD("18991230"), 0) << "date value 0, which these utilities read as no date";
    EXPECT_EQ(DayOfDateText("18991230"), 0);
    EXPECT_EQ(DayOfDateText("18991229"), -1);
    EXPECT_EQ(DayOfDateText("00010101"), -693593);
    EXPECT_EQ(DayOfDateText("20230229"), std::nullopt);
    EXPECT_EQ(DayOfDateText("2024011"), std::nullopt);
}

// ---- Arithmetic ----------------------------------------------------------------------------------

struct AddCase {
    std::string name;
    Variant date;
    std::string unit;
    int n;
    std::string result;
};
void PrintTo(const AddCase& c, std::ostream* os) { *os << c.name; }


class AddToDateCases : public testing::TestWithParam<AddCase> {};

TEST_P(AddToDateCases, DateText) {
    const AddCase& c = GetParam();
    EXPECT_EQ(AddToDate(c.date, c.unit, c.n), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Units, AddToDateCases,
    testing::Values(
        AddCase{"MonthClampsToLeapDay", "20240131", "M", 1, "20240229"},
        AddCase{"MonthClampsToCommonFebruary", "20230131", "M", 1, "20230228"},
        AddCase{"MonthClampsTo30", "20240331", "M", 1, "20240430"},
        AddCase{"MonthIntoDecember", "20241115", "M", 1, "20241215"},
        AddCase{"MonthOutOfDecember", "20241215", "M", 1, "20250115"},
        AddCase{"LowerCaseMonthBack", "20240115", "m", -1, "20231215"},
        AddCase{"MonthsBackOverYear", "20240115", "M", -13, "20221215"},
        AddCase{"ZeroMonths", "20240131", "M", 0, "20240131"},
        AddCase{"MonthsPastYear9999", "99991215", "M", 1, ""},
        AddCase{"MonthsBeforeYear1", "00010115", "M", -1, ""},
        AddCase{"YearKeepsLeapDayThatDoesNotExist", "20240229", "Y", 1, "20240229"},
        AddCase{"YearToNextLeapYear", "20240229", "y", 4, "20280229"},
        AddCase{"YearBack", "20240105", "Y", -1, "20230105"},
        AddCase{"YearPast9999KeepsDate", "99991231", "Y", 1, "99991231"},
        AddCase{"DayOverYearEnd", "20241231", "D", 1, "20250101"},
        AddCase{"DayBackToLeapDay", "20240301", "d", -1, "20240229"},
        AddCase{"DaysPast9999", "99991231", "D", 1, ""},
        AddCase{"WideDateText", Variant(u"20240131"), "M", 1, "20240229"},
        AddCase{"DateValue", Variant::FromDate(45322.5), "M", 12, "20250131"},  // 2024-01-31 noon
        AddCase{"DateValueBefore1900", Variant::FromDate(-1.25), "D", 2, "18991231"},
        AddCase{"UnknownUnit", "20240115", "W", 1, ""},
        AddCase{"LongUnit", "20240115", "MM", 1, ""},
        AddCase{"EmptyUnit", "20240115", "", 1, ""},
        AddCase{"DateZero", Variant::FromDate(0), "D", 1, ""},
        AddCase{"UnreadableText", "2024-1-5", "D", 1, ""},
        AddCase{"InvalidText", "20240230", "D", 1, ""},
        AddCase{"Integer", Variant(45296), "D", 1, ""},
        AddCase{"Empty", Variant(), "D", 1, ""},
        AddCase{"Null", Variant::Null(), "D", 1, ""}),
    [](const testing::TestParamInfo<AddCase>& info) { return info.param.name; });

}  // namespace
