// Settings and data files are read only when they are regular files within a size limit; anything
// else is refused at once (never blocking, never reading without end) and reported once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Kvtr42C/Exception.h"
#include "fixture/TestPaths.h"
#include "platform/Bitmap.h"
#include "platform/ClassRegistry.h"
#include "platform/IniFile.h"
#include "platform/SafeFile.h"
#include "platform/SystemInfo.h"
#include "platform/SystemLog.h"

using namespace znp;

namespace {

// Takes the system log's messages for the life of the object.
class CapturedLog {
public:
    CapturedLog() {
        previous_ = SetSystemLogHandler([this](const std::string& message) { messages.push_back(message); });
    }
    ~CapturedLog() { SetSystemLogHandler(previous_); }
    std::vector<std::string> messages;

private:
    SystemLogHandler previous_;
};

class SafeFileTest : public ::testing::Test {
protected:
    std::string Fifo(const std::string& name) const {
        const std::string path = (dir.Path() / name).string();
        if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
        return path;
    }
    test::TempDir dir;
    CapturedLog log;
};

}  // namespace

TEST_F(SafeFileTest, OnlyRegularFilesWithinTheLimitAreRead) {
    const std::string regular = dir.Write("small.ini", "[A]\nB=1\n").string();
    const std::string large = dir.Write("large.ini", std::string(101, 'x')).string();
    const std::string fifo = Fifo("pipe.ini");
    struct Case {
        const char* what;
        std::string path;
        FileReadStatus status;
        const char* reason;  // part of the logged reason; "" = nothing logged
    } cases[] = {
        {"a regular file", regular, FileReadStatus::Ok, ""},
        {"a missing file", (dir.Path() / "none.ini").string(), FileReadStatus::Missing, ""},
        {"a missing folder on the way", (dir.Path() / "no" / "x.ini").string(), FileReadStatus::Missing, ""},
        {"a FIFO (would block for ever)", fifo, FileReadStatus::NotRegular, "a FIFO"},
        {"an endless device", "/dev/zero", FileReadStatus::NotRegular, "a character device"},
        {"a folder", dir.Path().string(), FileReadStatus::NotRegular, "a folder"},
        {"more than the limit", large, FileReadStatus::TooLarge, "more than the limit of 100 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.messages.clear();
        std::string content = "stale", error;
        EXPECT_EQ(ReadFileContents(c.path, content, 100, &error), c.status);
        if (c.status == FileReadStatus::Ok) {
            EXPECT_EQ(content, "[A]\nB=1\n");
            EXPECT_TRUE(log.messages.empty());
            continue;
        }
        EXPECT_EQ(content, "") << "nothing of a refused file is handed out";
        if (*c.reason) {
            EXPECT_NE(error.find(c.reason), std::string::npos) << error;
            ASSERT_EQ(log.messages.size(), 1u);
            EXPECT_EQ(log.messages[0], "Cannot read " + c.path + ": " + error);
        } else {
            EXPECT_TRUE(log.messages.empty());
        }
    }
}

TEST_F(SafeFileTest, ARefusedFileIsReportedOnceUntilItWasReadableAgain) {
    const std::string path = (dir.Path() / "settings.ini").string();
    Fifo("settings.ini");
    std::string content;
    for (int i = 0; i < 3; ++i) ReadFileContents(path, content, kSettingsFileLimit);
    EXPECT_EQ(log.messages.size(), 1u) << "a file read on every call does not flood the log";

    unlink(path.c_str());
    dir.Write("settings.ini", std::string(200, 'x'));
    ReadFileContents(path, content, 100);
    EXPECT_EQ(log.messages.size(), 2u) << "a new reason is a new report";
    ReadFileContents(path, content, kSettingsFileLimit);
    EXPECT_EQ(content.size(), 200u);

    unlink(path.c_str());
    Fifo("settings.ini");
    ReadFileContents(path, content, kSettingsFileLimit);
    EXPECT_EQ(log.messages.size(), 3u) << "refused again after it was read";
}

TEST_F(SafeFileTest, SettingsFilesThatAreNoRegularFilesReadAsMissingAndAreNeverReplaced) {
    const std::string fifo = Fifo("TrovaneC.ini");
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        const IniFile file(path);
        EXPECT_EQ(file.ReadString("Server Information", "ComputerName", "none"), "none");
        EXPECT_EQ(file.ReadInteger("Server Information", "ServerPort", 211), 211);
        EXPECT_TRUE(file.ReadSections().empty());
    }
    IniFile file(fifo);
    EXPECT_THROW(file.WriteString("A", "B", "1"), Exception) << "writing would replace the FIFO with a file";
    EXPECT_THROW(file.DeleteKey("A", "B"), Exception);
    struct stat st{};
    ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    const std::string big = dir.Write("big.ini", "[A]\nB=1\n" + std::string(kSettingsFileLimit, ';')).string();
    EXPECT_EQ(IniFile(big).ReadString("A", "B", "default"), "default");
    EXPECT_THROW(IniFile(big).WriteString("A", "C", "2"), Exception) << "a write would drop the unread rest";
}

TEST_F(SafeFileTest, AutomationConfigurationAndPicturesGiveTheReason) {
    const std::string fifo = Fifo("automation.ini");
    try {
        LoadAutomationConfig(fifo);
        ADD_FAILURE() << "no error";
    } catch (const EOleError& e) {
        EXPECT_NE(std::string(e.what()).find("a FIFO"), std::string::npos) << e.what();
    }
    TBitmap picture;
    for (const std::string& path : {fifo, std::string("/dev/zero"), (dir.Path() / "none.bmp").string()}) {
        try {
            picture.LoadFromFile(path);
            ADD_FAILURE() << path;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
}

TEST_F(SafeFileTest, PrivateFoldersAreMadeClosedAndNeverTakenOverFromSomeoneElse) {
    const std::string parent = dir.Path().string();
    auto modeOf = [](const std::string& path) {
        struct stat st{};
        return lstat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
    };
    EXPECT_EQ(PrivateFolder(parent, "fresh"), parent + "/fresh/");
    EXPECT_EQ(modeOf(parent + "/fresh"), 0700);

    ASSERT_EQ(mkdir((parent + "/open").c_str(), 0777), 0);
    chmod((parent + "/open").c_str(), 0777);
    EXPECT_EQ(PrivateFolder(parent, "open"), parent + "/open/") << "our own folder is closed";
    EXPECT_EQ(modeOf(parent + "/open"), 0700);

    ASSERT_EQ(symlink((parent + "/fresh").c_str(), (parent + "/link").c_str()), 0);
    EXPECT_EQ(PrivateFolder(parent, "link"), "") << "a planted link";
    dir.Write("file", "x");
    EXPECT_EQ(PrivateFolder(parent, "file"), "");
    EXPECT_EQ(PrivateFolder(parent + "/missing", "x"), "");
    EXPECT_EQ(PrivateFolder(parent, "a/b"), "");
    if (geteuid() == 0) {
        ASSERT_EQ(mkdir((parent + "/theirs").c_str(), 0700), 0);
        ASSERT_EQ(chown((parent + "/theirs").c_str(), 65534, 65534), 0);
        EXPECT_EQ(PrivateFolder(parent, "theirs"), "") << "a folder of another user";
    }
}
