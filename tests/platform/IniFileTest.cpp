#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Kvtr42C/Exception.h"
#include "fixture/TestPaths.h"
#include "platform/SystemInfo.h"

using namespace znp;

namespace {

using Strings = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::string, std::string>>;

class IniFileTest : public ::testing::Test {
protected:
    IniFileTest() : folder_(test::MakeTempFolder("znp-ini")), codePage_(AnsiCodePage()) {}
    ~IniFileTest() override {
        SetAnsiCodePage(codePage_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Path() const { return folder_ + "/test.ini"; }
    IniFile File(const std::string& text) {
        std::ofstream(Path(), std::ios::binary) << text;
        return IniFile(Path());
    }
    std::string Text() const {
        std::ifstream in(Path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string folder_;
    std::string codePage_;
};

const char* const kSample =
    "top=ignored before any section\n"
    "[Main]\n"
    "  Name  =  Value with blanks  \n"
    "quoted=\"  kept  \"\n"
    "single='x'\n"
    "half=\"open\n"
    "empty=\n"
    "; comment=no\n"
    "# hash=no\n"
    "no equals sign\n"
    "=no name\n"
    "eq=a=b\n"
    "dup=first\n"
    "DUP=second\n"
    "[ Other ]\n"
    "k=other\n"
    "[main]\n"
    "later=second section of the same name\n";

}  // namespace

TEST_F(IniFileTest, ReadStringFollowsThePlatformRules) {
    IniFile ini = File(kSample);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Main", "Name", "Value with blanks"},
        {"MAIN", "name", "Value with blanks"},
        {"main", "quoted", "  kept  "},
        {"Main", "single", "x"},
        {"Main", "half", "\"open"},
        {"Main", "empty", ""},
        {"Main", "eq", "a=b"},
        {"Main", "dup", "first"},
        {"Other", "k", "other"},
        {"Main", "top", "<def>"},
        {"Main", "; comment", "<def>"},
        {"Main", "# hash", "<def>"},
        {"Main", "no equals sign", "<def>"},
        {"Main", "later", "<def>"},  // the first section of a name counts
        {"Main", "missing", "<def>"},
        {"Missing", "Name", "<def>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<def>"), c.expected);
    }
    EXPECT_TRUE(ini.ValueExists("main", "EMPTY"));
    EXPECT_FALSE(ini.ValueExists("Main", "missing"));
    EXPECT_TRUE(ini.SectionExists("other"));
    EXPECT_FALSE(ini.SectionExists("Missing"));
}

TEST_F(IniFileTest, MissingFileReadsAsDefaults) {
    IniFile ini(folder_ + "/none.ini");
    EXPECT_EQ(ini.ReadString("S", "K", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("S", "K", 7), 7);
    EXPECT_TRUE(ini.ReadBool("S", "K", true));
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_FALSE(ini.SectionExists("S"));
}

TEST_F(IniFileTest, ReadInteger) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"12", 12},          {" 12 ", 12},       {"-5", -5},          {"+5", 5},
        {"$1F", 31},         {"0x10", 16},       {"-$10", -16},       {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},              {"-2147483648", -2147483647 - 1},
        {"2147483648", -99}, {"12abc", -99},     {"abc", -99},        {"", -99},
        {"$", -99},          {"0x", -99},        {"1.5", -99},        {"$100000000", -99},
        {"--1", -99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        IniFile ini = File(std::string("[S]\nK=") + c.text + "\n");
        EXPECT_EQ(ini.ReadInteger("S", "K", -99), c.expected);
    }
}

TEST_F(IniFileTest, ReadBoolIsAnIntegerThatIsNotZero) {
    IniFile ini = File("[S]\nzero=0\none=1\ntwo=2\nyes=yes\ntrue=True\n");
    EXPECT_FALSE(ini.ReadBool("S", "zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "one", false));
    EXPECT_TRUE(ini.ReadBool("S", "two", false));
    EXPECT_FALSE(ini.ReadBool("S", "yes", false));  // no number: the default
    EXPECT_TRUE(ini.ReadBool("S", "true", true));
}

TEST_F(IniFileTest, Listings) {
    IniFile ini = File(kSample + std::string("[Work]\nA=1\nB=2\nA=3\n"));
    EXPECT_EQ(ini.ReadSections(), (Strings{"Main", "Other", "Work"}));
    EXPECT_EQ(ini.ReadSection("other"), Strings{"k"});
    EXPECT_EQ(ini.ReadSectionValues("work"), (Pairs{{"A", "1"}, {"B", "2"}, {"A", "3"}}));
    EXPECT_TRUE(ini.ReadSectionValues("missing").empty());
}

TEST_F(IniFileTest, WritesKeepTheRestOfTheFile) {
    IniFile ini = File("; settings\n[A]\nx=1\n\n[B]\ny=2\n");
    ini.WriteString("a", "X", "changed");
    ini.WriteString("A", "z", "new");
    ini.WriteInteger("C", "n", -4);
    ini.WriteBool("C", "b", true);
    EXPECT_EQ(Text(), "; settings\n[A]\nx=changed\nz=new\n\n[B]\ny=2\n\n[C]\nn=-4\nb=1\n");
    EXPECT_EQ(ini.ReadInteger("c", "N", 0), -4);
    EXPECT_TRUE(ini.ReadBool("C", "b", false));
}

TEST_F(IniFileTest, WriteCreatesTheFileAndKeepsLineEnds) {
    IniFile fresh(folder_ + "/fresh.ini");
    fresh.WriteString("S", "k", "v");
    EXPECT_EQ(fresh.ReadString("S", "k", ""), "v");

    IniFile ini = File("[S]\r\nk=1\r\n");
    ini.WriteString("S", "k", "2");
    ini.WriteString("T", "k", "3");
    EXPECT_EQ(Text(), "[S]\r\nk=2\r\n\r\n[T]\r\nk=3\r\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
}

TEST_F(IniFileTest, WritesThatWouldNotReadBackAreRefused) {
    IniFile ini = File("[S]\nk=1\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"S", "k", "two\nlines"}, {"S", "k", "cr\r"},  {"S", "a=b", "v"}, {"S", "", "v"}, {"S", " k", "v"},
        {"S", ";k", "v"},         {"S]", "k", "v"},    {"", "k", "v"},     {"S\n", "k", "v"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "/" + c.value);
        EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), Exception);
    }
    EXPECT_EQ(Text(), "[S]\nk=1\n");
}

TEST_F(IniFileTest, WriteToAMissingFolderRaises) {
    IniFile ini(folder_ + "/no/such/folder/x.ini");
    EXPECT_THROW(ini.WriteString("S", "k", "v"), Exception);
}

TEST_F(IniFileTest, DeleteKeyAndEraseSection) {
    IniFile ini = File("[A]\nx=1\ny=2\n[B]\nz=3\n");
    ini.DeleteKey("a", "X");
    ini.DeleteKey("A", "missing");
    ini.EraseSection("missing");
    EXPECT_EQ(Text(), "[A]\ny=2\n[B]\nz=3\n");
    ini.EraseSection("A");
    EXPECT_EQ(Text(), "[B]\nz=3\n");
}

TEST_F(IniFileTest, DoubleByteCharactersAreNeverSplit) {
    // "\x81\x5D" and "\x81\x61" are single GBK characters whose trail bytes are "]" and "a".
    SetAnsiCodePage("936");
    IniFile ini = File("[\x81\x5D]\nk=in\n[\x81\x41]\nk=v\n");
    EXPECT_EQ(ini.ReadString("\x81\x5D", "k", ""), "in");
    EXPECT_EQ(ini.ReadSections(), (Strings{"\x81\x5D", "\x81\x41"}));
    // Letter case is not folded inside a double-byte character.
    EXPECT_FALSE(SameIniName("\x81\x61", "\x81\x41"));
    EXPECT_TRUE(SameIniName("a\x81\x61", "A\x81\x61"));
    EXPECT_EQ(ini.ReadString("\x81\x41", "K", ""), "v");
    ini.WriteString("\x81\x5D", "k", "out");
    EXPECT_EQ(ini.ReadString("\x81\x5D", "k", ""), "out");
}
