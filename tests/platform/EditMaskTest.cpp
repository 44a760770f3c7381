#include "platform/EditMask.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "fixture/Escaped.h"

using namespace znp;

namespace {

// GBK characters whose trail byte equals an ASCII character that means something to masks.
const std::string kTrailBackslash = "\x83\x5C";   // 僜
const std::string kTrailUnderscore = "\x81\x5F";  // 乢
const std::string kTrailLowerA = "\x81\x61";      // 乤
const std::string kTrailUpperL = "\x81\x4C";
const std::string kZhong = "\xD6\xD0";  // 中
const std::string kWen = "\xCE\xC4";    // 文

const std::string kDateMask = "9999/99/99;1; ";
const std::string kOrderMask = "!aaaa\\-aaaaaaaaaaa;0; ";

using test::Escaped;

// ---- The notation ------------------------------------------------------------------------------

struct ParseCase {
    std::string mask;
    int length;
    bool saveLiterals;
    char blank;
    std::string blankText;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << "mask \"" << Escaped(c.mask) << "\""; }


class EditMaskParse : public testing::TestWithParam<ParseCase> {};

TEST_P(EditMaskParse, FieldsAndEmptyText) {
    const ParseCase& c = GetParam();
    EditMask mask(c.mask, "936");
    EXPECT_EQ(mask.Length(), c.length);
    EXPECT_EQ(mask.SaveLiterals(), c.saveLiterals);
    EXPECT_EQ(mask.BlankChar(), c.blank);
    EXPECT_EQ(mask.BlankText(), c.blankText);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, EditMaskParse,
    testing::Values(
        ParseCase{kDateMask, 10, true, ' ', "    /  /  "},             // Gregorian date
        ParseCase{"999/99/99;1; ", 9, true, ' ', "   /  /  "},         // Minguo date, three digits
        ParseCase{kOrderMask, 16, false, ' ', "    -           "},     // order type and number
        ParseCase{"99-99", 5, true, '_', "__-__"},                     // no fields: defaults
        ParseCase{"00:00;0;*", 5, false, '*', "**:**"},
        ParseCase{"00:00;;*", 5, true, '*', "**:**"},                  // empty save field keeps literals
        ParseCase{"99;0;", 2, false, '_', "__"},                       // empty blank field
        ParseCase{">LL<ll<>cc", 6, true, '_', "______"},                // case shifts take no position
        ParseCase{"\\;99;0;_", 3, false, '_', ";__"},                  // escaped field separator
        ParseCase{"_99", 3, true, '_', " __"},                         // literal blank
        ParseCase{"\\L\\9l", 3, true, '_', "L9_"},                     // escaped mask characters
        ParseCase{"99" + kTrailBackslash + "99;1;_", 6, true, '_', "__" + kTrailBackslash + "__"},
        ParseCase{kTrailUpperL + "L", 3, true, '_', kTrailUpperL + "_"},
        ParseCase{"", 0, true, '_', ""}));

TEST(EditMask, TrailByteOfDoubleByteLiteralEscapesNothingInGbkButDoesInSingleByteCodePage) {
    const std::string text = "99" + kTrailBackslash + "99;1;_";
    // In GBK the literal takes two positions and both 9s after it stay inputs.
    EditMask gbk(text, "936");
    EXPECT_TRUE(gbk.IsInputPosition(4));
    EXPECT_TRUE(gbk.IsInputPosition(5));
    // In a single-byte code page 0x5C is "\" and turns the next "9" into a literal.
    EditMask latin(text, "437");
    EXPECT_EQ(latin.Length(), 5);
    EXPECT_EQ(latin.BlankText(), "__\x83" "9_");
}

TEST(EditMask, NoMaskPassesTextsThrough) {
    EditMask none;
    EXPECT_FALSE(none.IsMasked());
    EXPECT_EQ(none.Apply("a b"), "a b");
    EXPECT_EQ(none.Format("a-b"), "a-b");
    EXPECT_EQ(none.Value("a b "), "a b ");
    EXPECT_EQ(none.Strip("a-b"), "a-b");
}

// ---- Edit text, value and input characters --------------------------------------------------------

struct TextCase {
    std::string name;
    std::string mask;
    std::string given;     // value for Format (or input characters when fromInputs)
    bool fromInputs;
    std::string editText;  // what the edit shows
    std::string value;     // what its Text holds
};

class EditMaskTexts : public testing::TestWithParam<TextCase> {};

TEST_P(EditMaskTexts, EditTextAndValue) {
    const TextCase& c = GetParam();
    EditMask mask(c.mask, "936");
    std::string shown = c.fromInputs ? mask.Apply(c.given) : mask.Format(c.given);
    EXPECT_EQ(shown, c.editText);
    EXPECT_EQ(mask.Value(shown), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditMaskTexts,
    testing::Values(
        TextCase{"DateFull", kDateMask, "2024/01/05", false, "2024/01/05", "2024/01/05"},
        TextCase{"DatePartial", kDateMask, "2024/1", false, "2024/1 /  ", "2024/1 /  "},
        TextCase{"DateEmptyKeepsBlanks", kDateMask, "", false, "    /  /  ", "    /  /  "},
        TextCase{"DateFromDigits", kDateMask, "20240105", true, "2024/01/05", "2024/01/05"},
        // A value without the mask's literal flows on into the next segment.
        TextCase{"ValueWithoutItsLiteralFlowsOn", "99-99;1;_", "1234", false, "12-34", "12-34"},
        TextCase{"NoLiteralsValue", "99-99;0;_", "1234", false, "12-34", "1234"},
        TextCase{"BlankShownAsBlankChar", "99-99;1;_", "1 -3", false, "1_-3_", "1 -3 "},
        TextCase{"OrderFull", kOrderMask, "ABCD12345678901", false, "ABCD-12345678901", "ABCD12345678901"},
        // "!": trailing blanks are not part of the value, inner ones are.
        TextCase{"OrderShort", kOrderMask, "AB", false, "AB  -           ", "AB"},
        TextCase{"OrderInnerBlanks", kOrderMask, "AB  123", false, "AB  -123        ", "AB  123"},
        TextCase{"OrderEmpty", kOrderMask, "", false, "    -           ", ""},
        TextCase{"OrderTooLong", kOrderMask, "ABCD123456789012345", false, "ABCD-12345678901", "ABCD12345678901"},
        TextCase{"DoubleByteInputs", kOrderMask, kZhong + kWen + "123", false,
                 kZhong + kWen + "-123        ", kZhong + kWen + "123"},
        // One position is left before the literal: the character is not split, it moves on.
        TextCase{"DoubleByteMovesPastLiteral", kOrderMask, "ABC" + kZhong + "1", false,
                 "ABC -" + kZhong + "1        ", "ABC " + kZhong + "1"},
        // A double-byte character never straddles a literal: it goes on to the next segment.
        TextCase{"DoubleByteNeverStraddlesALiteral", "9-cc;1;_", "1" + kZhong + "x", false, "1-" + kZhong,
                 "1-" + kZhong},
        // A trail byte equal to the blank character is no blank.
        TextCase{"TrailEqualsBlank", "cccc;0;_", kTrailUnderscore + "ab", false, kTrailUnderscore + "ab",
                 kTrailUnderscore + "ab"},
        TextCase{"TrailEqualsBlankWithLiterals", "cc-cc;1;_", kTrailUnderscore + "-ab", false,
                 kTrailUnderscore + "-ab", kTrailUnderscore + "-ab"},
        TextCase{"UpperShift", ">llll", "abCD", true, "ABCD", "ABCD"},
        TextCase{"MixedShifts", "<LL>LL<>ll", "ABcdEfGh", true, "abCDEf", "abCDEf"},
        // A trail byte that looks like a letter keeps its case.
        TextCase{"ShiftLeavesTrailBytes", ">cc", kTrailLowerA, true, kTrailLowerA, kTrailLowerA}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

// ---- Laying a text into a mask --------------------------------------------------------------------

// What a masked edit shows when its Text is given a text: the text's literals line up with the
// mask's, each segment is filled from its own part of the text, and what a segment cannot hold is
// dropped, never shifted into the next segment.
TEST(EditMask, TextsAreLaidInSegmentBySegment) {
    const std::string kMinguoMask = "999/99/99;1; ";
    struct Case {
        const char* what;
        std::string mask, text, shown;
    } cases[] = {
        {"a short month and day are padded before the literal", kDateMask, "2024/1/5", "2024/1 /5 "},
        {"full date", kDateMask, "2024/01/05", "2024/01/05"},
        {"digits only flow through the literals", kDateMask, "20240105", "2024/01/05"},
        {"a short year", kDateMask, "24/1/5", "24  /1 /5 "},
        {"separators only", kDateMask, "//", "    /  /  "},
        {"a text longer than the mask", kDateMask, "2024/01/05 12:00", "2024/01/05"},
        {"a year too long for its places is cut, the rest stays in place", kDateMask, "20245/1/5", "2024/1 /5 "},
        {"a month too long for its places", kDateMask, "2024/123/5", "2024/12/5 "},
        {"another separator is no literal", kDateMask, "2024-1-5", "2024/-1/-5"},
        {"a three-digit Minguo year", kMinguoMask, "113/1/5", "113/1 /5 "},
        {"a two-digit Minguo year", kMinguoMask, "99/12/31", "99 /12/31"},
        {"month/day/year", "99-99-9999;1; ", "1-5-2024", "1 -5 -2024"},
        {"a lookup text with an order type too long", kOrderMask, "ABCDE-12345678901", "ABCD-12345678901"},
        {"a lookup text with a short order type", kOrderMask, "AB-123", "AB  -123        "},
        {"a lookup text without the literal", kOrderMask, "ABCD12345678901", "ABCD-12345678901"},
        {"an order number too long", kOrderMask, "ABCD-123456789012345", "ABCD-12345678901"},
        {"case shifts apply per position", ">LL-<LL;1;_", "ab-CD", "AB-cd"},
        {"a literal at the start", "(999)999;1;_", "(12)345", "(12_)345"},
        {"a literal at the start missing from the text", "(999)999;1;_", "12)345", "(12_)345"},
        {"a double-byte literal lines up", "9999" + kZhong + "99;1;_", "24" + kZhong + "1", "24__" + kZhong + "1_"},
        {"double-byte characters fill a segment", "cccc-cc;1;_", kZhong + kWen + "-ab", kZhong + kWen + "-ab"},
        {"a double-byte character does not fit the last place", "cc-cc;1;_", "a" + kZhong + "-b", "a_-" + kZhong},
        {"and goes on when the text has no literal", "cc-cc;1;_", "a" + kZhong + "b", "a_-" + kZhong},
        {"a double-byte character never splits at the end", "ccc;1;_", "ab" + kZhong, "ab_"},
        {"a trail byte equal to the literal is no literal", "cc\\\\cc;1;_", kTrailBackslash + "\\ab",
         kTrailBackslash + "\\ab"},
        {"a blank literal aligns nothing", "99_99;1;_", "1  3 ", "1_ 3_"},
        // Where any character may be typed, a character equal to the literal is data: a value of
        // a mask without literals restores as it was saved.
        {"the literal's character typed as data", "cccc-cccc;0;_", "ab-cxyz", "ab-c-xyz_"},
        {"the literal's character as data after a full segment", "cc-cc;0;_", "ab-c", "ab--c"},
        {"no input places", "--;1;_", "12", "--"},
        {"a value with the full shape is read position by position", "cc-cc;1;_", "a--b_", "a--b_"},
        {"a double-byte character on a literal spoils the shape", "c-cc;1;_", kZhong + "ab", "_-" + kZhong},
        {"an empty text", kDateMask, "", "    /  /  "},
        {"no mask", "", "2024/1/5", "2024/1/5"},
    };
    for (const Case& c : cases) {
        const EditMask mask(c.mask, "936");
        EXPECT_EQ(Escaped(mask.Format(c.text)), Escaped(c.shown)) << c.what;
        EXPECT_EQ(static_cast<int>(mask.Format(c.text).size()), c.mask.empty() ? static_cast<int>(c.text.size())
                                                                                 : mask.Length())
            << c.what;
    }
}

TEST(EditMask, InputsAreWhatTheLaidTextFillsUpToItsLastCharacter) {
    struct Case {
        std::string mask, text, inputs;
    } cases[] = {
        {kDateMask, "2024/1/5", "20241 5"},
        {kDateMask, "2024/01/05", "20240105"},
        {kDateMask, "    /  /  ", "        "},
        {kDateMask, "2024", "2024"},
        {kDateMask, "", ""},
        {kOrderMask, "ABCDE-12345678901", "ABCD12345678901"},
        {kOrderMask, "AB", "AB"},
        {"cc-cc;1;_", kZhong + "-" + kWen, kZhong + kWen},
        {"", "a-b", "a-b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Escaped(EditMask(c.mask, "936").Inputs(c.text)), Escaped(c.inputs)) << Escaped(c.text);
}

struct StripCase {
    std::string mask;
    std::string value;
    std::string inputs;
};
void PrintTo(const StripCase& c, std::ostream* os) {
    *os << "\"" << Escaped(c.value) << "\" under \"" << Escaped(c.mask) << "\"";
}


class EditMaskStrip : public testing::TestWithParam<StripCase> {};

TEST_P(EditMaskStrip, InputCharacters) {
    const StripCase& c = GetParam();
    EXPECT_EQ(EditMask(c.mask, "936").Strip(c.value), c.inputs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditMaskStrip,
    testing::Values(StripCase{kDateMask, "2024/01/05", "20240105"},
                    StripCase{kDateMask, "    /  /  ", "        "},
                    StripCase{kDateMask, "2024/0", "20240"},                   // only what the text holds
                    StripCase{kDateMask, "2024/01/05xyz", "20240105"},         // beyond the mask
                    StripCase{"999/99/99;1; ", "113/01/05", "1130105"},
                    StripCase{kOrderMask, "AB  123", "AB  123"},               // value without literals
                    StripCase{"!aaaa\\-aaaaaaaaaaa;1; ", "ABCD-1234", "ABCD1234"},
                    // The trail byte 0x5C of the first character is not the literal "\".
                    StripCase{"cc\\\\cc;1;_", kTrailBackslash + "\\ab", kTrailBackslash + "ab"}));

// ---- Typing --------------------------------------------------------------------------------------

TEST(EditMask, AllowsCharactersByPositionKind) {
    EditMask mask("09#LlAaCc-", "936");
    struct {
        int pos;
        std::string character;
        bool allowed;
    } cases[] = {
        {0, "5", true},   {0, "x", false}, {1, "0", true},  {1, "-", false}, {2, "-", true},
        {2, "+", true},   {2, "7", true},  {2, "x", false}, {3, "x", true},  {3, "5", false},
        {4, "Q", true},   {5, "5", true},  {5, "_", false}, {6, "z", true},  {7, "_", true},
        {8, " ", true},   {9, "-", false},                   // literal position
        {3, kZhong, true},                                    // letter position with another after it
        {8, kZhong, false},                                   // last input position: no room
        {0, kZhong, false},                                   // digit position
        {-1, "1", false}, {10, "1", false}, {0, "", false}, {0, "12", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mask.Allows(c.pos, c.character), c.allowed) << "position " << c.pos << " '" << c.character << "'";
    EXPECT_TRUE(mask.IsRequiredPosition(0));
    EXPECT_FALSE(mask.IsRequiredPosition(1));
    EXPECT_TRUE(mask.IsRequiredPosition(3));
    EXPECT_FALSE(mask.IsRequiredPosition(9));
}

TEST(EditMask, ShiftsTypedLetters) {
    EditMask mask(">l<l", "936");
    EXPECT_EQ(mask.Shifted(0, "a"), "A");
    EXPECT_EQ(mask.Shifted(1, "B"), "b");
    EXPECT_EQ(mask.Shifted(0, kTrailLowerA), kTrailLowerA);
}

TEST(EditMask, CompleteWhenEveryRequiredPositionIsFilled) {
    EditMask mask("00-99;1;_", "936");
    EXPECT_TRUE(mask.IsComplete("12-__"));
    EXPECT_TRUE(mask.IsComplete("12-  "));
    EXPECT_FALSE(mask.IsComplete("1_-34"));
    EXPECT_FALSE(mask.IsComplete("1 -34"));
    EXPECT_FALSE(mask.IsComplete("1"));
    EXPECT_TRUE(EditMask(kDateMask, "936").IsComplete("    /  /  "));
    // The trail byte "_" of a double-byte character fills its position.
    EXPECT_TRUE(EditMask("CC;1;_", "936").IsComplete(kTrailUnderscore));
}

}  // namespace
