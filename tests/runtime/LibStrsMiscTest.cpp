#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>

#include "runtime/LibStrs.h"

#include "fixture/Escaped.h"

using namespace znp;

namespace {

using test::Escaped;

TEST(IfThen, ChoosesACopy) {
    Variant a = Variant::ArrayOf({Variant(1)});
    Variant chosen = IfThen(true, a, Variant("no"));
    chosen[0] = Variant(2);
    EXPECT_EQ(a[0], Variant(1));
    EXPECT_EQ(IfThen(false, a, Variant("no")), Variant("no"));
}

TEST(IsEmptyOrNull, OnlyEmptyAndNull) {
    EXPECT_TRUE(IsEmptyOrNull(Variant()));
    EXPECT_TRUE(IsEmptyOrNull(Variant::Null()));
    EXPECT_FALSE(IsEmptyOrNull(Variant("")));
    EXPECT_FALSE(IsEmptyOrNull(Variant(u"")));
    EXPECT_FALSE(IsEmptyOrNull(Variant(0)));
    EXPECT_FALSE(IsEmptyOrNull(Variant::Array(0, -1)));
}

TEST(BuildCountedList, PrefixCountAndEntriesEachFollowedBySeparator) {
    EXPECT_EQ(BuildCountedList(u"A", Variant::ArrayOf({Variant(2), Variant("x"), Variant(u"y")})),
              u"A\x03" u"2\x03" u"x\x03" u"y\x03");
    // Entries past the count are not listed.
    EXPECT_EQ(BuildCountedList(u"P", Variant::ArrayOf({Variant(1), Variant(7), Variant("z")})), u"P\x03" u"1\x03" u"7\x03");
    EXPECT_EQ(BuildCountedList(u"", Variant::ArrayOf({Variant(0)})), u"\x03" u"0\x03");
}

TEST(BuildCountedList, CountBeyondTheEntriesRaises) {
    EXPECT_THROW(BuildCountedList(u"A", Variant::ArrayOf({Variant(3), Variant("x")})), EVariantError);
    EXPECT_THROW(BuildCountedList(u"A", Variant("not an array")), EVariantError);
}

struct MaskCase {
    std::string text, mask, newMask, result;
};
void PrintTo(const MaskCase& c, std::ostream* os) {
    *os << "\"" << Escaped(c.text) << "\" from \"" << Escaped(c.mask) << "\" to \"" << Escaped(c.newMask) << "\"";
}


class ReformatMaskTextCases : public testing::TestWithParam<MaskCase> {};

TEST_P(ReformatMaskTextCases, Result) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(ReformatMaskText(c.text, c.mask, c.newMask, "936"), c.result);
}

const std::string kOrderMask = "!aaaa\\-aaaaaaaaaaa;0; ";
const std::string kOrderMaskWithLiterals = "!aaaa\\-aaaaaaaaaaa;1; ";

INSTANTIATE_TEST_SUITE_P(
    Masks, ReformatMaskTextCases,
    testing::Values(MaskCase{"2024/01/05", "9999/99/99;1; ", "", "20240105"},
                    MaskCase{"113/01/05", "999/99/99;1; ", "", "1130105"},
                    MaskCase{"2024-01-05", "9999-99-99;1; ", "", "20240105"},
                    MaskCase{"    /  /  ", "9999/99/99;1; ", "", "        "},
                    MaskCase{"ABCD12345678901", kOrderMask, "", "ABCD12345678901"},
                    MaskCase{"ABCD-1234", kOrderMaskWithLiterals, "", "ABCD1234"},
                    // A list caption saved without literals, shown with them.
                    MaskCase{"ABCD1234", kOrderMask, kOrderMaskWithLiterals, "ABCD-1234"},
                    MaskCase{"AB  1234", kOrderMask, kOrderMaskWithLiterals, "AB  -1234"},
                    MaskCase{"20240105", "", "9999/99/99;1; ", "2024/01/05"},
                    MaskCase{"2024/01/05", "9999/99/99;1; ", "99/99/9999;1;_", "20/24/0105"},
                    MaskCase{"abc", "", "", "abc"},
                    // The text is taken as the edit takes it: its literals line up with the mask's.
                    MaskCase{"2024/1/5", "9999/99/99;1; ", "", "20241 5"},
                    MaskCase{"2024/1/5", "9999/99/99;1; ", "9999-99-99;1;_", "2024-1 -5 "},
                    MaskCase{"ABCDE-12345678901", kOrderMask, "", "ABCD12345678901"},
                    MaskCase{"ABCD-12345678901", kOrderMaskWithLiterals, kOrderMask, "ABCD12345678901"},
                    MaskCase{"\xD6\xD0-\xCE\xC4", "cc-cc;1;_", "", "\xD6\xD0\xCE\xC4"},
                    // The trail byte 0x5C of a GBK character is not the mask's literal "\".
                    MaskCase{"\x83\x5C" "AB\\1234", "aaaa\\\\9999;1;_", "", "\x83\x5C" "AB1234"}));

TEST(ButtonCaption, CaptionsByName) {
    struct {
        std::string name, caption;
    } cases[] = {
        {"Yes", "是(&Y)"},       {"No", "否(&N)"},        {"OK", "确定"},         {"Cancel", "取消"},
        {"Abort", "中断(&A)"},   {"Retry", "重试(&R)"},   {"Ignore", "忽略(&I)"}, {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"}, {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
        {"Close", "Close"},      {"yes", "yes"},           {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ButtonCaption(c.name), c.caption) << c.name;
    // The captions are GBK bytes: "确定" is C8 B7 B6 A8.
    EXPECT_EQ(ButtonCaption("OK"), "\xC8\xB7\xB6\xA8");
}

TEST(StrToFloatDef, ReadsDecimalNumbers) {
    struct {
        std::string text;
        double value;
    } cases[] = {
        {"1.5", 1.5},   {"-2.25", -2.25}, {"+3", 3},      {"  42  ", 42}, {"1e3", 1000},
        {"1.5E-1", 0.15}, {".5", 0.5},    {"5.", 5},      {"0", 0},
        // Not numbers: the default.
        {"", -1},       {"   ", -1},      {"1,5", -1},    {"1.5x", -1},   {"abc", -1},
        {"inf", -1},    {"nan", -1},      {"0x10", -1},   {"1 2", -1},    {"+-1", -1},
        {"++1", -1},    {"1e400", -1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(StrToFloatDef(c.text, -1), c.value) << "'" << c.text << "'";
}

TEST(StrToFloatDef, PointIsTheDecimalSeparatorInEveryLocale) {
    const char* locales[] = {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* locale : locales)
        if (std::setlocale(LC_NUMERIC, locale)) {
            switched = true;
            break;
        }
    EXPECT_DOUBLE_EQ(StrToFloatDef("1.5", 0), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatDef("1,5", 0), 0);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
}

TEST(IsLocalHost, OnlyTheLoopbackAddressAsWritten) {
    EXPECT_TRUE(IsLocalHost("127.0.0.1"));
    EXPECT_FALSE(IsLocalHost("localhost"));
    EXPECT_FALSE(IsLocalHost("127.0.0.01"));
    EXPECT_FALSE(IsLocalHost(" 127.0.0.1"));
    EXPECT_FALSE(IsLocalHost(""));
}

TEST(TempFolder, EndsWithSeparator) {
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    setenv("TMPDIR", "/var/tmp/kv", 1);
    EXPECT_EQ(TempFolder(), "/var/tmp/kv/");
    setenv("TMPDIR", "/var/tmp/kv/", 1);
    EXPECT_EQ(TempFolder(), "/var/tmp/kv/");
    if (old)
        setenv("TMPDIR", saved.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

}  // namespace
