#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "fixture/Escaped.h"

using namespace znp;
using test::Escaped;

namespace {

TEST(NumberText, IntegersAreReadWithoutWrapping) {
    struct Case {
        std::string text;
        bool ok;
        std::int64_t value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"-42", true, -42},
        {"+42", true, 42},
        {" \t42\r\n", true, 42},  // blanks and control characters around it
        {"$1F", true, 31},
        {"0x1f", true, 31},
        {"-$10", true, -16},
        {"007", true, 7},
        {"9223372036854775807", true, INT64_MAX},
        {"-9223372036854775807", true, -INT64_MAX},
        {"9223372036854775808", false, 0},
        {"-9223372036854775808", false, 0},  // the magnitude stays within 2^63 - 1 for both signs
        {"18446744073709551615", false, 0},
        {"$FFFFFFFFFFFFFFFF", false, 0},
        {"99999999999999999999999", false, 0},
        {"+-12", false, 0},
        {"-+12", false, 0},
        {"--12", false, 0},
        {"1 2", false, 0},
        {"12a", false, 0},
        {"1.0", false, 0},
        {"1e3", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"$G", false, 0},
    };
    for (const Case& c : cases) {
        std::int64_t value = 0;
        EXPECT_EQ(TryTextToInt64(c.text, value), c.ok) << Escaped(c.text);
        if (c.ok) {
            EXPECT_EQ(value, c.value) << Escaped(c.text);
        }
    }
}

TEST(NumberText, ThirtyTwoBitIntegersRefuseWhatDoesNotFit) {
    int value = 0;
    EXPECT_TRUE(TryTextToInt("2147483647", value));
    EXPECT_EQ(value, 2147483647);
    EXPECT_TRUE(TryTextToInt("-2147483648", value));
    EXPECT_EQ(value, INT32_MIN);
    value = 5;
    EXPECT_FALSE(TryTextToInt("2147483648", value));
    EXPECT_FALSE(TryTextToInt("-2147483649", value));
    EXPECT_EQ(value, 5) << "a refused text leaves the value alone";
}

TEST(NumberText, DecimalNumbersAreReadWithAPoint) {
    struct Case {
        std::string text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"1.5", true, 1.5},
        {"-1.5", true, -1.5},
        {"+1.5", true, 1.5},
        {" 1.5\t", true, 1.5},
        {".5", true, 0.5},
        {"5.", true, 5},
        {"1e3", true, 1000},
        {"1E-3", true, 0.001},
        {"-2.5e+2", true, -250},
        {"1e-400", true, 0},  // too small reads as zero
        {"0.000000e999", true, 0},
        {"1e400", false, 0},  // too large is no number
        {"+-12", false, 0},
        {"-+12", false, 0},
        {"1,5", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {"0x10", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {".", false, 0},
        {"", false, 0},
        {"1.2.3", false, 0},
        {"12abc", false, 0},
    };
    for (const Case& c : cases) {
        double value = -7;
        EXPECT_EQ(TryTextToFloat(c.text, value), c.ok) << Escaped(c.text);
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.value) << Escaped(c.text);
        }
    }
}

TEST(NumberText, GeneralFormatIsFixedDownToTheFifthDecimal) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {1, "1"},
        {-1.5, "-1.5"},
        {0.1, "0.1"},
        {0.00001, "0.00001"},
        {0.000042, "0.000042"},
        {0.0000099, "9.9E-6"},
        {0.000001, "1E-6"},
        {-0.000001, "-1E-6"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {1e300, "1E300"},
        {2.5e-300, "2.5E-300"},
        {3.14159265358979, "3.14159265358979"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {999999999999999.9, "1E15"},  // rounds into the next decade
        {100, "100"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToText(c.value), c.text) << c.value;
}

TEST(NumberText, GeneralFormatReadsBackToTheSameValue) {
    for (double value : {0.1, 1.0 / 7, 12345.6789, -0.000042, 6.02e23, 1e-7, 45296.75}) {
        double read = 0;
        ASSERT_TRUE(TryTextToFloat(FloatToText(value), read)) << value;
        EXPECT_NEAR(read, value, std::fabs(value) * 1e-14) << value;
    }
}

}  // namespace
