#include <gtest/gtest.h>

#include "runtime/PasswordScramble.h"

using namespace znp;

TEST(PasswordScramble, KnownForms) {
    struct Case {
        const char* password;
        const char* scrambled;
    } cases[] = {
        // 'A' 0x41 rotated right by 1 is 0xA0; 'B' 0x42 by 2 is 0x90; 'C' 0x43 by 3 is 0x68.
        {"A", "a0"},
        {"AB", "a090"},
        {"ABC", "a09068"},
        // The eighth character is not rotated (8 mod 8 = 0), the ninth by one again.
        {"aaaaaaaaa", "b0582c160b85c261b0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password);
        EXPECT_EQ(ScramblePassword(c.password), c.scrambled);
        std::string password, badPair;
        ASSERT_TRUE(TryUnscramblePassword(c.scrambled, password, badPair));
        EXPECT_EQ(password, c.password);
    }
}

TEST(PasswordScramble, RoundTrip) {
    for (const std::string& password : {std::string("x"), std::string("s3cret"),
                                        std::string("a long password of more than eight bytes"), std::string("密码"),
                                        std::string("\x00\xff\x80", 3)}) {
        SCOPED_TRACE(password);
        std::string back, badPair;
        ASSERT_TRUE(TryUnscramblePassword(ScramblePassword(password), back, badPair));
        EXPECT_EQ(back, password);
    }
}

TEST(PasswordScramble, EmptyPassword) {
    EXPECT_EQ(ScramblePassword(""), ScramblePassword(EmptyPasswordText));
    EXPECT_EQ(UnscramblePassword(ScramblePassword(EmptyPasswordText)), "");
    EXPECT_EQ(UnscramblePassword(""), "");
}

TEST(PasswordScramble, ReadingIsForgiving) {
    // Upper-case digits read as well; a character left over at the end is ignored.
    EXPECT_EQ(UnscramblePassword("A090"), "AB");
    EXPECT_EQ(UnscramblePassword("a0907"), "AB");
    EXPECT_EQ(UnscramblePassword("a"), "");
}

TEST(PasswordScramble, PairThatIsNoHexadecimalNumber) {
    for (const char* stored : {"zz", "a0g1", "a0 1", "a0-1"}) {
        SCOPED_TRACE(stored);
        std::string password = "unchanged", badPair;
        EXPECT_FALSE(TryUnscramblePassword(stored, password, badPair));
        EXPECT_EQ(password, "unchanged");
        EXPECT_EQ(badPair, std::string(stored).substr(std::string(stored).size() - 2));
    }
}
