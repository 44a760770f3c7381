#include "Kvtr42C/Variant.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "fixture/Escaped.h"

using namespace znp;
using test::Escaped;

namespace {

// Sets the variant code page for one test and restores it.
class CodePageScope {
public:
    explicit CodePageScope(const std::string& codePage) : saved_(VariantCodePage()) { SetVariantCodePage(codePage); }
    ~CodePageScope() { SetVariantCodePage(saved_); }

private:
    std::string saved_;
};

// ---- Conversions that succeed ------------------------------------------------------------------------

TEST(Variant, ConvertsToTextAsThePlatformWritesIt) {
    struct Case {
        const char* name;
        Variant value;
        std::string text;
    };
    const Case cases[] = {
        {"empty", Variant(), ""},
        {"integer", Variant(-42), "-42"},
        {"int64", Variant(std::int64_t{9007199254740993}), "9007199254740993"},
        {"true", Variant(true), "True"},
        {"false", Variant(false), "False"},
        {"double", Variant(1.5), "1.5"},
        {"small double", Variant(0.00001), "0.00001"},
        {"tiny double", Variant(0.000001), "1E-6"},
        {"large double", Variant(1.5e20), "1.5E20"},
        {"date", Variant::FromDate(45296), "2024/01/05"},
        {"date and time", Variant::FromDate(45296.75), "2024/01/05 18:00:00"},
        {"epoch", Variant::FromDate(0), "1899/12/30"},
        {"day before the epoch", Variant::FromDate(-1), "1899/12/29"},
        {"time before the epoch", Variant::FromDate(-1.25), "1899/12/29 06:00:00"},
        {"evening before the epoch", Variant::FromDate(-1.75), "1899/12/29 18:00:00"},
        {"half a day either side of zero", Variant::FromDate(-0.5), "1899/12/30 12:00:00"},
        {"1850", Variant::FromDate(-18260.5), "1850/01/01 12:00:00"},
        {"first day", Variant::FromDate(-693593), "0001/01/01"},
        {"last day", Variant::FromDate(2958465.5), "9999/12/31 12:00:00"},
        {"byte text", Variant("abc"), "abc"},
        {"wide text", Variant(u"abc"), "abc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.AsString(), c.text) << c.name;
        EXPECT_EQ(VarToStr(c.value), c.text) << c.name;
    }
    EXPECT_EQ(VarToStr(Variant::Null()), "");
}

TEST(Variant, ReadsNumbersFromText) {
    struct Case {
        std::string text;
        std::int64_t asInt64;
        double asDouble;
    };
    const Case cases[] = {
        {"42", 42, 42},
        {" -42 ", -42, -42},
        {"\t7\r\n", 7, 7},
        {"$10", 16, NAN},  // hexadecimal is an integer form only
        {"2.5", 2, 2.5},   // half to even
        {"3.5", 4, 3.5},
        {"-2.5", -2, -2.5},
        {"1e3", 1000, 1000},
        {"9223372036854775807", INT64_MAX, 9223372036854775807.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Variant(c.text).AsInt64(), c.asInt64) << c.text;
        if (!std::isnan(c.asDouble)) {
            EXPECT_DOUBLE_EQ(Variant(c.text).AsDouble(), c.asDouble) << c.text;
        }
    }
    EXPECT_EQ(Variant(u"12").AsInteger(), 12);
    EXPECT_TRUE(Variant(" TRUE ").AsBoolean());
    EXPECT_FALSE(Variant("false").AsBoolean());
    EXPECT_TRUE(Variant("-1").AsBoolean());
    EXPECT_FALSE(Variant("0").AsBoolean());
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_EQ(Variant().AsInteger(), 0);
    EXPECT_EQ(Variant(2.5).AsInteger(), 2);
    EXPECT_EQ(Variant::FromDate(45296.75).AsInteger(), 45297);
}

TEST(Variant, ReadsDatesFromTextAlsoBefore1900) {
    struct Case {
        std::string text;
        double date;
    };
    const Case cases[] = {
        {"2024/01/05", 45296},
        {"2024-1-5", 45296},
        {"2024.01.05", 45296},
        {" 2024/01/05 18:00 ", 45296.75},
        {"2024/01/05 18:00:00", 45296.75},
        {"1899/12/30", 0},
        {"1899/12/29 06:00:00", -1.25},
        {"1899/12/29 18:00", -1.75},
        {"0001/01/01", -693593},
        {"9999/12/31", 2958465},
        {"45296.5", 45296.5},  // a number is a date value as it is
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(Variant(c.text).AsDate(), c.date) << c.text;
    // What a date writes, it reads back.
    for (double date : {-1.25, -1.75, -36522.0, 45296.75, -693592.5}) {
        const std::string text = Variant::FromDate(date).AsString();
        EXPECT_DOUBLE_EQ(Variant(text).AsDate(), date) << text;
    }
}

// ---- Conversions that refuse -------------------------------------------------------------------------

TEST(Variant, ConversionsAtTheLimitsRaiseInsteadOfWrapping) {
    struct Case {
        const char* name;
        std::function<void()> convert;
    };
    const Case cases[] = {
        {"unsigned 64-bit text as integer", [] { (void)Variant("18446744073709551615").AsInt64(); }},
        {"unsigned 64-bit text as 32-bit", [] { (void)Variant("18446744073709551615").AsInteger(); }},
        {"2^63 text", [] { (void)Variant("9223372036854775808").AsInt64(); }},
        {"-2^63 text", [] { (void)Variant("-9223372036854775808").AsInt64(); }},
        {"1e300 as Int64", [] { (void)Variant(1e300).AsInt64(); }},
        {"-1e300 as Int64", [] { (void)Variant(-1e300).AsInt64(); }},
        {"1e300 text as Int64", [] { (void)Variant("1e300").AsInt64(); }},
        {"2^63 double", [] { (void)Variant(9223372036854775808.0).AsInt64(); }},
        {"-2^63 double", [] { (void)Variant(-9223372036854775808.0).AsInt64(); }},
        {"NaN as integer", [] { (void)Variant(std::numeric_limits<double>::quiet_NaN()).AsInt64(); }},
        {"infinity as integer", [] { (void)Variant(std::numeric_limits<double>::infinity()).AsInteger(); }},
        {"date 1e300 as integer", [] { (void)Variant::FromDate(1e300).AsInteger(); }},
        {"2^31 as 32-bit", [] { (void)Variant(std::int64_t{2147483648}).AsInteger(); }},
        {"double sign", [] { (void)Variant("+-12").AsDouble(); }},
        {"double sign as integer", [] { (void)Variant("+-12").AsInt64(); }},
        {"1e400 text", [] { (void)Variant("1e400").AsDouble(); }},
        {"nan text", [] { (void)Variant("nan").AsDouble(); }},
        {"no number", [] { (void)Variant("12abc").AsInteger(); }},
        {"null as integer", [] { (void)Variant::Null().AsInteger(); }},
        {"null as text", [] { (void)Variant::Null().AsString(); }},
        {"date after 9999 as text", [] { (void)Variant::FromDate(2958466).AsString(); }},
        {"date before year 1 as text", [] { (void)Variant::FromDate(-693594).AsString(); }},
        {"date 1e300 as text", [] { (void)Variant::FromDate(1e300).AsString(); }},
        {"date NaN as text", [] { (void)VarToStr(Variant::FromDate(std::numeric_limits<double>::quiet_NaN())); }},
        {"date text year 0", [] { (void)Variant("0/1/1").AsDate(); }},
        {"date text year 99999", [] { (void)Variant("99999/1/1").AsDate(); }},
        {"date text year 2^31", [] { (void)Variant("2147483648/1/1").AsDate(); }},
        {"date text 29 February 2023", [] { (void)Variant("2023/02/29").AsDate(); }},
        {"date text mixed separators", [] { (void)Variant("2024/01-05").AsDate(); }},
        {"date text hour 24", [] { (void)Variant("2024/01/05 24:00").AsDate(); }},
        {"date text trailing word", [] { (void)Variant("2024/01/05 noon").AsDate(); }},
        {"array as text", [] { (void)Variant::Array(0, 1).AsString(); }},
        {"text as object", [] { (void)Variant("x").AsObject(); }},
    };
    for (const Case& c : cases) EXPECT_THROW(c.convert(), EVariantError) << c.name;
}

TEST(Variant, WindowHandlesAreWholeNumbersWithinThirtyTwoBits) {
    EXPECT_EQ(VarToHandle(Variant(0x20010)), 0x20010u);
    EXPECT_EQ(VarToHandle(Variant()), 0u);
    EXPECT_EQ(VarToHandle(Variant(std::int64_t{0xFFFFFFFF})), 0xFFFFFFFFu);
    EXPECT_EQ(VarToHandle(Variant("131088")), 131088u);
    for (const Variant& refused : {Variant(-1), Variant(std::int64_t{0x100000000}), Variant(1e300), Variant("abc"),
                                   Variant(true), Variant::Null(), Variant::Array(0, 1)})
        EXPECT_THROW(VarToHandle(refused), EVariantError) << refused.TypeName();
}

// ---- Arrays ------------------------------------------------------------------------------------------

TEST(Variant, ArraysKeepTheirBoundsAndRefuseIndexesOutsideThem) {
    Variant a = Variant::Array(-2, 1);
    EXPECT_EQ(a.DimCount(), 1);
    EXPECT_EQ(a.LowBound(), -2);
    EXPECT_EQ(a.HighBound(), 1);
    a[-2] = Variant(1);
    a[1] = Variant("last");
    EXPECT_EQ(a[-2].AsInteger(), 1);
    EXPECT_TRUE(a[0].IsEmpty());
    EXPECT_EQ(a[1].AsString(), "last");
    EXPECT_THROW(a[-3], EVariantError);
    EXPECT_THROW(a[2], EVariantError);
    EXPECT_THROW(a.At(0, 0), EVariantError) << "one dimension, two indexes";
    EXPECT_THROW(a.LowBound(2), EVariantError);
    EXPECT_THROW(Variant(1).LowBound(), EVariantError);

    Variant grid = Variant::Array({{1, 2}, {0, 2}});
    grid.At(2, 1) = Variant("x");
    EXPECT_EQ(grid.At(2, 1).AsString(), "x");
    EXPECT_EQ(grid.ArrayData().Items[1 * 3 + 1].AsString(), "x") << "row-major, the last index fastest";
    EXPECT_THROW(grid.At(0, 0), EVariantError);
    EXPECT_THROW(grid[1], EVariantError);

    Variant empty = Variant::Array(5, 4);
    EXPECT_EQ(empty.HighBound() - empty.LowBound() + 1, 0);
    EXPECT_THROW(empty[5], EVariantError);
    EXPECT_THROW(Variant::Array(5, 3), EVariantError);
    EXPECT_THROW(Variant::Array(std::vector<ArrayBound>{}), EVariantError);
    EXPECT_THROW(Variant::Array(std::vector<ArrayBound>{{0, 1}, {0, 1}, {0, 1}}), EVariantError);
}

TEST(Variant, ArraysAtTheEndsOfTheIntRange) {
    // Bounds anywhere in the int range are fine while the array stays small.
    Variant top = Variant::Array(INT_MAX - 1, INT_MAX);
    top[INT_MAX] = Variant(7);
    EXPECT_EQ(top[INT_MAX].AsInteger(), 7);
    EXPECT_THROW(top[INT_MIN], EVariantError);
    Variant bottom = Variant::Array(INT_MIN, INT_MIN + 1);
    bottom[INT_MIN] = Variant(8);
    EXPECT_EQ(bottom[INT_MIN].AsInteger(), 8);
    EXPECT_THROW(bottom[INT_MAX], EVariantError);
    Variant emptyAtTop = Variant::Array(INT_MAX, INT_MAX - 1);
    EXPECT_THROW(emptyAtTop[INT_MAX], EVariantError);
    Variant grid = Variant::Array({{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN + 1}});
    grid.At(INT_MAX, INT_MIN + 1) = Variant(9);
    EXPECT_EQ(grid.At(INT_MAX, INT_MIN + 1).AsInteger(), 9);

    // Bounds that would need billions of elements are refused, not allocated or wrapped.
    EXPECT_THROW(Variant::Array(INT_MIN, INT_MAX), EVariantError);
    EXPECT_THROW(Variant::Array(0, INT_MAX), EVariantError);
    EXPECT_THROW(Variant::Array({{0, 1 << 20}, {0, 1 << 20}}), EVariantError);
    EXPECT_THROW(Variant::Array(INT_MAX, INT_MAX - 2), EVariantError) << "high below low - 1";
    EXPECT_EQ(Variant::Array(INT_MIN + 1, INT_MIN).ArrayData().Items.size(), 0u) << "empty at the bottom";
    Variant small = Variant::Array(INT_MIN, INT_MIN);
    EXPECT_THROW(small.Redim(INT_MAX), EVariantError);
    EXPECT_EQ(small.HighBound(), INT_MIN) << "a refused Redim changes nothing";
}

TEST(Variant, RedimKeepsTheElements) {
    Variant a = Variant::ArrayOf({Variant(1), Variant(2), Variant(3)});
    a.Redim(4);
    EXPECT_EQ(a[2].AsInteger(), 3);
    EXPECT_TRUE(a[4].IsEmpty());
    a.Redim(0);
    EXPECT_EQ(a.HighBound(), 0);
    EXPECT_EQ(a[0].AsInteger(), 1);
    a.Redim(-1);
    EXPECT_EQ(a.HighBound(), -1);
    EXPECT_THROW(a.Redim(-2), EVariantError);

    Variant grid = Variant::Array({{0, 1}, {0, 1}});
    grid.At(1, 1) = Variant("b");
    grid.At(0, 1) = Variant("a");
    grid.Redim(2);
    EXPECT_EQ(grid.At(0, 1).AsString(), "a");
    EXPECT_EQ(grid.At(1, 1).AsString(), "b");
    EXPECT_TRUE(grid.At(1, 2).IsEmpty());
}

TEST(Variant, ArraysAreValuesAndCompareElementByElement) {
    Variant nested = Variant::ArrayOf({Variant("\x04"), Variant::ArrayOf({Variant(1), Variant(u"x")})});
    Variant copy = nested;
    copy[1][0] = Variant(2);
    EXPECT_EQ(nested[1][0].AsInteger(), 1) << "copying copies the array";
    EXPECT_NE(copy, nested);
    copy[1][0] = Variant(1);
    EXPECT_EQ(copy, nested);
    EXPECT_NE(Variant::Array(0, 1), Variant::Array(1, 2)) << "bounds are part of the value";
    EXPECT_NE(Variant(1), Variant(std::int64_t{1})) << "so is the type";
    EXPECT_NE(Variant("1"), Variant(u"1"));
}

// ---- Code pages --------------------------------------------------------------------------------------

TEST(Variant, WideTextFollowsTheVariantCodePage) {
    struct Case {
        std::string codePage;
        std::u16string wide;
        std::string bytes;
    };
    const Case cases[] = {
        {"936", u"\u4E2D\u6587", "\xD6\xD0\xCE\xC4"},   // 中文 in GBK
        {"950", u"\u4E2D\u6587", "\xA4\xA4\xA4\xE5"},   // 中文 in Big5
        {"936", u"\u56FD", "\xB9\xFA"},                 // 国 (simplified)
        {"950", u"\u570B", "\xB0\xEA"},                 // 國 (traditional)
        {"437", u"\u00E9t\u00E9", "\x82t\x82"},         // été
        {"437", u"\u4E2D", "?"},                        // not in the code page
        {"936", u"abc", "abc"},
    };
    for (const Case& c : cases) {
        CodePageScope scope(c.codePage);
        EXPECT_EQ(Escaped(Variant(c.wide).AsString()), Escaped(c.bytes)) << c.codePage;
        EXPECT_EQ(Variant(c.bytes).AsWide(), c.bytes == "?" ? u"?" : c.wide) << c.codePage;
        EXPECT_EQ(Escaped(WideToBytes(c.wide, c.codePage)), Escaped(c.bytes));
    }
    // A byte sequence the code page does not define becomes "?" and the rest survives.
    EXPECT_EQ(BytesToWide("a\xFF" "b", "936"), u"a?b");
}

TEST(Variant, EmptyOrNull) {
    EXPECT_TRUE(VarIsEmptyOrNull(Variant()));
    EXPECT_TRUE(VarIsEmptyOrNull(Variant::Null()));
    EXPECT_TRUE(VarIsEmptyOrNull(Variant(" \t\r\n")));
    EXPECT_TRUE(VarIsEmptyOrNull(Variant(u"  ")));
    EXPECT_FALSE(VarIsEmptyOrNull(Variant("x")));
    EXPECT_FALSE(VarIsEmptyOrNull(Variant(0)));
    EXPECT_FALSE(VarIsEmptyOrNull(Variant::Array(0, -1)));
}

}  // namespace
