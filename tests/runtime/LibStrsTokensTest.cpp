#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "runtime/LibStrs.h"

#include "fixture/Escaped.h"

using namespace znp;

namespace {

// GBK characters whose trail byte equals an ASCII separator or letter.
const std::string kTrailBackslash = "\x83\x5C";  // 僜
const std::string kTrailBar = "\x83\x7C";        // 億
const std::string kTrailUpperA = "\x81\x41";     // 丄
const std::string kTrailLowerA = "\x81\x61";     // 乤
const std::string kZhong = "\xD6\xD0";           // 中
const std::string kWen = "\xCE\xC4";             // 文
// Big5 characters whose trail byte is "\" and "|".
const std::string kBig5Gong = "\xA5\x5C";  // 功
const std::string kBig5Si = "\xA5\x7C";    // 四

using test::Escaped;

struct TokenCase {
    std::string text;
    std::string separator;
    int n;
    std::string codePage;
    std::string token;
};
void PrintTo(const TokenCase& c, std::ostream* os) {
    *os << "piece " << c.n << " of \"" << Escaped(c.text) << "\" at \"" << Escaped(c.separator) << "\" (" << c.codePage
        << ")";
}


class GetTokenCases : public testing::TestWithParam<TokenCase> {};

TEST_P(GetTokenCases, NthPiece) {
    const TokenCase& c = GetParam();
    EXPECT_EQ(GetToken(c.text, c.separator, c.n, c.codePage), c.token);
}

// Splitting in one walk gives the very pieces that GetToken finds one by one.
TEST_P(GetTokenCases, SplitTokensGivesTheSamePieces) {
    const TokenCase& c = GetParam();
    const std::vector<std::string> pieces = SplitTokens(c.text, c.separator, c.codePage);
    const bool inside = c.n >= 1 && c.n <= static_cast<int>(pieces.size());
    EXPECT_EQ(inside ? pieces[static_cast<size_t>(c.n - 1)] : std::string(), c.token);
    if (!c.separator.empty() && !c.text.empty()) {
        EXPECT_EQ(static_cast<int>(pieces.size()), CountTokens(c.text, c.separator, c.codePage));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, GetTokenCases,
    testing::Values(TokenCase{"a;b;c", ";", 1, "936", "a"},
                    TokenCase{"a;b;c", ";", 3, "936", "c"},
                    TokenCase{"a;b;c", ";", 4, "936", ""},
                    TokenCase{"a;b;", ";", 3, "936", ""},        // trailing separator: empty last piece
                    TokenCase{"a;b;c", ";", 0, "936", ""},
                    TokenCase{"a;b;c", ";", -1, "936", ""},
                    TokenCase{";b", ";", 1, "936", ""},
                    TokenCase{"", ";", 1, "936", ""},
                    TokenCase{"x<>yy<>z", "<>", 2, "936", "yy"},  // separator of two characters
                    TokenCase{"abc", "", 1, "936", "abc"},        // an empty separator never occurs
                    TokenCase{"ABCD-123", "-", 2, "936", "123"},
                    TokenCase{"ABCD", "-", 2, "936", ""},
                    TokenCase{"sp_Range\x03" "A\x03" "B\x03", "\x03", 3, "936", "B"},
                    // Trail bytes equal to the separator belong to their character.
                    TokenCase{kTrailBackslash + "x\\y", "\\", 1, "936", kTrailBackslash + "x"},
                    TokenCase{kTrailBackslash + "x\\y", "\\", 2, "936", "y"},
                    TokenCase{kTrailBar + "|" + kTrailBar, "|", 2, "936", kTrailBar},
                    TokenCase{kBig5Gong + "\\" + kBig5Si + "|z", "\\", 2, "950", kBig5Si + "|z"},
                    TokenCase{kBig5Gong + "\\" + kBig5Si + "|z", "|", 2, "950", "z"},
                    // A separator made of the trail of one character and the lead of the next.
                    TokenCase{kZhong + kWen, "\xD0\xCE", 2, "936", ""},
                    // A separator that is itself a double-byte character.
                    TokenCase{"a" + kZhong + "b", kZhong, 2, "936", "b"},
                    // Without double-byte characters (code page 437) the same bytes do split.
                    TokenCase{kTrailBackslash + "x\\y", "\\", 2, "437", "x"}));

struct CountCase {
    std::string text;
    std::string separator;
    int count;
};
void PrintTo(const CountCase& c, std::ostream* os) {
    *os << "\"" << Escaped(c.text) << "\" at \"" << Escaped(c.separator) << "\"";
}


class CountTokensCases : public testing::TestWithParam<CountCase> {};

TEST_P(CountTokensCases, Pieces) {
    const CountCase& c = GetParam();
    EXPECT_EQ(CountTokens(c.text, c.separator, "936"), c.count);
}

INSTANTIATE_TEST_SUITE_P(Pieces, CountTokensCases,
                         testing::Values(CountCase{"", ";", 0}, CountCase{"a", ";", 1}, CountCase{";", ";", 2},
                                         CountCase{"A;B;", ";", 3}, CountCase{"a<>b<>c", "<>", 3},
                                         CountCase{"abc", "", 1}, CountCase{";;;", ";", 4},
                                         CountCase{kTrailBar + "|" + kTrailBar, "|", 2},
                                         CountCase{kTrailBackslash + kTrailBackslash, "\\", 1}));

TEST(SplitFirst, TakesTheHeadOffTheText) {
    struct {
        std::string text, separator, head, rest;
    } cases[] = {
        {"a;b;c", ";", "a", "b;c"},
        {"abc", ";", "abc", ""},  // no separator: the whole text goes
        {";x", ";", "", "x"},
        {"a;", ";", "a", ""},
        {"x--y--z", "--", "x", "y--z"},
        {"", ";", "", ""},
        {kTrailBackslash + "\\rest", "\\", kTrailBackslash, "rest"},
        {kTrailBar + "a|b", "|", kTrailBar + "a", "b"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(SplitFirst(text, c.separator, "936"), c.head) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

TEST(FindText, FindsOnlyOnCharacterBoundaries) {
    const std::string text = kTrailBackslash + "\\" + kTrailBackslash + "\\";
    EXPECT_EQ(FindText(text, "\\", 0, "936"), 2u);
    EXPECT_EQ(FindText(text, "\\", 3, "936"), 5u);
    EXPECT_EQ(FindText(text, "\\", 0, "437"), 1u);
    EXPECT_EQ(FindText(text, "", 0, "936"), std::string::npos);
    EXPECT_EQ(FindText("abc", "abcd", 0, "936"), std::string::npos);
    // A lead byte at the very end has no trail: it is a character of its own.
    EXPECT_EQ(FindText("a\xD6", "\xD6", 0, "936"), 1u);
}

TEST(SplitFirst, UsesTheAnsiCodePageByDefault) {
    const std::string saved = AnsiCodePage();
    SetAnsiCodePage("936");
    std::string text = kTrailBar + "|x";
    EXPECT_EQ(SplitFirst(text, "|"), kTrailBar);
    SetAnsiCodePage("437");
    text = kTrailBar + "|x";
    EXPECT_EQ(SplitFirst(text, "|"), "\x83");
    SetAnsiCodePage(saved);
}

TEST(PadRight, PadsButNeverCuts) {
    EXPECT_EQ(PadRight("AB", 4), "AB  ");
    EXPECT_EQ(PadRight("ABCDE", 4), "ABCDE");
    EXPECT_EQ(PadRight("ABCD", 4), "ABCD");
    EXPECT_EQ(PadRight("7", 3, '0'), "700");
    EXPECT_EQ(PadRight("", 2, '.'), "..");
    EXPECT_EQ(PadRight("AB", 0), "AB");
    EXPECT_EQ(PadRight("AB", -3), "AB");
    EXPECT_EQ(PadRight(kZhong, 4), kZhong + "  ");  // a double-byte character is two wide
}

struct ReplaceCase {
    std::string name;
    std::string text, oldText, newText;
    bool trim;
    std::string result;
};

class ReplaceTextCases : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextCases, Result) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceText(c.text, c.oldText, c.newText, c.trim, "936"), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTextCases,
    testing::Values(
        ReplaceCase{"SaveLiterals", "9999/99/99;0; ", ";0;", ";1;", false, "9999/99/99;1; "},
        ReplaceCase{"Middle", "x;0;y", ";0;", ";1;", false, "x;1;y"},
        ReplaceCase{"DeleteEvery", "a;b;;c;", ";", "", false, "abc"},
        ReplaceCase{"MatchedWithCase", "ABC abc", "abc", "x", false, "ABC x"},
        ReplaceCase{"OnlyCaseDiffers", "Abc abc", "abc", "ABC", false, "Abc abc"},
        // The search starts again at the beginning: removing "ab" from "aabb" leaves "ab", then "".
        ReplaceCase{"RestartsAtBeginning", "aabb", "ab", "", false, ""},
        ReplaceCase{"NewHoldsOld", "a-b-c", "-", "--", false, "a--b--c"},
        ReplaceCase{"EmptyOld", "abc", "", "x", false, "abc"},
        ReplaceCase{"TrimBlanksAndControls", " \t;x;\r\n ", ";", "", true, "x"},
        ReplaceCase{"NoTrim", " ;x; ", ";", "", false, " x "},
        ReplaceCase{"TrimWithoutMatch", "  x  ", ";", "", true, "x"},
        ReplaceCase{"TrailByteIsNoOld", kTrailBar + "|x", "|", "", false, kTrailBar + "x"},
        // Two characters whose trail bytes differ only like "A" and "a" are different characters.
        ReplaceCase{"DoubleByteCaseIsNoCase", kTrailUpperA + "x", kTrailUpperA, kTrailLowerA, false,
                    kTrailLowerA + "x"}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

TEST(ReplaceText, RestartedSearchSeesOccurrencesFormedByAReplacement) {
    // One pass would give "abab"; every replacement here forms a new "ab" to its left.
    EXPECT_EQ(ReplaceText("aabb", "ab", "ba", false, "936"), "bbaa");
}

TEST(ReplaceText, EndsForAPairThatRewritesItsOwnOutputForEver) {
    // "bbaa" holds no "ab", but "a" + "bbaa" does, and so on without end.
    std::string result = ReplaceText("aab", "ab", "bbaa", false, "936");
    EXPECT_LT(result.size(), 64u);
}

}  // namespace
