#include "platform/SystemInfo.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>

using namespace znp;

namespace {

class CodePageGuard {
public:
    CodePageGuard() : saved_(AnsiCodePage()) {}
    ~CodePageGuard() { SetAnsiCodePage(saved_); }

private:
    std::string saved_;
};

}  // namespace

TEST(SystemInfo, PlatformPath) {
    CodePageGuard guard;
    SetAnsiCodePage("437");
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"D:\\Mid", "/Mid"},
        {"D:\\Mid\\", "/Mid/"},
        {"d:/Mid/x", "/Mid/x"},
        {"D:Mid", "/Mid"},
        {"D:", "/"},
        {"D:\\", "/"},
        {"\\\\server\\share\\x", "//server/share/x"},
        {"//server/share", "//server/share"},
        {"/opt/Mid/", "/opt/Mid/"},
        {"pkg\\sub", "pkg/sub"},
        {"\\pkg", "/pkg"},
        {"", ""},
        {"1:\\x", "1:/x"},  // not a drive
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(PlatformPath(c.path), c.expected);
    }
}

TEST(SystemInfo, PlatformPathKeepsDoubleByteCharacters) {
    CodePageGuard guard;
    // "\x81\x5C" is one GBK character whose trail byte is "\"; in Big5 likewise "\xA4\x5C".
    SetAnsiCodePage("936");
    EXPECT_EQ(PlatformPath("D:\\\x81\x5C\\x"), "/\x81\x5C/x");
    SetAnsiCodePage("950");
    EXPECT_EQ(PlatformPath("\xA4\x5C\\x"), "\xA4\x5C/x");
    // Without double-byte characters every "\" is a separator.
    SetAnsiCodePage("437");
    EXPECT_EQ(PlatformPath("\x81\\x"), "\x81/x");
}

TEST(SystemInfo, IsAbsoluteSystemPath) {
    struct Case {
        const char* path;
        bool absolute;
    } cases[] = {
        {"E:\\x", true}, {"E:x", true},  {"\\\\srv\\share", true}, {"//srv/share", true}, {"/opt", true},
        {"\\pkg", false}, {"pkg", false}, {"", false},             {"1:\\x", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(IsAbsoluteSystemPath(c.path), c.absolute);
    }
}

TEST(SystemInfo, LeadBytes) {
    EXPECT_TRUE(IsLeadByte(0x81, "936"));
    EXPECT_TRUE(IsLeadByte(0xFE, "950"));
    EXPECT_FALSE(IsLeadByte(0x80, "936"));
    EXPECT_FALSE(IsLeadByte(0xFF, "936"));
    EXPECT_FALSE(IsLeadByte(0x5C, "936"));
    EXPECT_FALSE(IsLeadByte(0x81, "437"));
}

TEST(SystemInfo, TempFolderEndsWithSeparator) {
    std::optional<std::string> saved;
    if (const char* old = getenv("TMPDIR")) saved = old;
    setenv("TMPDIR", "/var/tmp/x", 1);
    EXPECT_EQ(SystemTempFolder(), "/var/tmp/x/");
    setenv("TMPDIR", "/var/tmp/y/", 1);
    EXPECT_EQ(SystemTempFolder(), "/var/tmp/y/");
    unsetenv("TMPDIR");
    EXPECT_EQ(SystemTempFolder(), "/tmp/");
    if (saved) setenv("TMPDIR", saved->c_str(), 1);
}

TEST(SystemInfo, ProgramFolderIsTheFolderOfTheRunningProgram) {
    const std::string file = ProgramFile();
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(file.substr(0, folder.size()), folder);
    EXPECT_EQ(file.find('/', folder.size()), std::string::npos);

    SetProgramFolder("/opt/host");
    EXPECT_EQ(ProgramFolder(), "/opt/host/");
    SetProgramFolder("");
    EXPECT_EQ(ProgramFolder(), folder);
}

TEST(SystemInfo, NamesAreCutToTheSystemBuffers) {
    EXPECT_FALSE(UserName().empty());
    EXPECT_LE(UserName().size(), 31u);
    EXPECT_LE(ComputerName().size(), 15u);
    EXPECT_EQ(ComputerName().find('.'), std::string::npos);

    SetUserName(std::string(40, 'u'));
    SetComputerName("a-very-long-computer-name");
    EXPECT_EQ(UserName(), std::string(31, 'u'));
    EXPECT_EQ(ComputerName(), "a-very-long-com");
    SetUserName("");
    SetComputerName("");
}
