#include "runtime/Logs.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <ios>
#include <system_error>
#include <vector>

#include "runtime/TrovaneIniTestSupport.h"

using namespace znp;
using namespace znp::testing;

namespace {

class LogsTest : public InstallationTest {
protected:
    std::string LogFile(const std::string& name) const { return Mid() + "/Log/" + name; }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, text.size()) << "the last line has no line break";
    return lines;
}

}  // namespace

TEST_F(LogsTest, AlertLineGoesToTheDailyFileOfTheInstallationAndCreatesTheLogFolder) {
    SetTrovane("ClientPath", Mid());
    ASSERT_FALSE(FileExists(Mid()));

    EXPECT_TRUE(WriteAlertLog("libstrs", "LINE[115] x", "D"));

    EXPECT_EQ(ReadTextFile(LogFile("Alert_libstrs_20240105.log")), "[2024/01/05 14:03:07:045] LINE[115] x\n");
}

TEST_F(LogsTest, EveryCallAppendsOneLine) {
    SetTrovane("ClientPath", Mid());
    ASSERT_TRUE(WriteAlertLog("libstrs", "first"));
    ASSERT_TRUE(WriteAlertLog("libstrs", "second"));

    EXPECT_EQ(Lines(ReadTextFile(LogFile("Alert_libstrs_20240105.log"))),
              (std::vector<std::string>{"[2024/01/05 14:03:07:045] first", "[2024/01/05 14:03:07:045] second"}));
}

TEST_F(LogsTest, FileNameFollowsPeriodAndName) {
    SetTrovane("ClientPath", Mid());
    struct Case {
        const char* name;
        const char* period;
        const char* file;
    } cases[] = {
        {"libstrs", "D", "Alert_libstrs_20240105.log"},
        {"libstrs", "M", "Alert_libstrs_202401.log"},
        {"libstrs", "Y", "Alert_libstrs_2024.log"},
        {"libstrs", "W", "Alert_libstrs_20240105.log"},
        {"libstrs", "", "Alert_libstrs_20240105.log"},
        {"libstrs", "d", "Alert_libstrs_20240105.log"},
        {"upd.txt", "D", "Alert_upd.txt_20240105"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.period);
        EXPECT_EQ(AlertLogFileName(Mid(), c.name, c.period), LogFile(c.file));
        EXPECT_TRUE(WriteAlertLog(c.name, "x", c.period));
        EXPECT_TRUE(FileExists(LogFile(c.file)));
    }
}

TEST_F(LogsTest, AlertLogFallsBackToServerPathThenToTheProgramFolder) {
    SetTrovane("ClientPath", "");
    SetTrovane("ServerPath", Root() + "/Srv");
    EXPECT_TRUE(WriteAlertLog("libstrs", "server"));
    EXPECT_TRUE(FileExists(Root() + "/Srv/Log/Alert_libstrs_20240105.log"));

    SetTrovane("ServerPath", "");
    EXPECT_TRUE(WriteAlertLog("libstrs", "program"));
    EXPECT_EQ(ReadTextFile(Root() + "/bin/Log/Alert_libstrs_20240105.log"), "[2024/01/05 14:03:07:045] program\n");
}

TEST_F(LogsTest, ModuleUpdateLogsBesideTheProgramWhateverTheInstallationSays) {
    SetTrovane("ClientPath", Mid());
    EXPECT_TRUE(WriteProgramAlertLog("ZARiviZuzuNewFileU", "Read Upgrader Registry Error"));
    EXPECT_TRUE(FileExists(Root() + "/bin/Log/Alert_ZARiviZuzuNewFileU_20240105.log"));
    EXPECT_FALSE(FileExists(Mid() + "/Log"));
}

TEST_F(LogsTest, StampOfFileAndLineAgreeWhenTheTimeRoundsIntoTheNextDay) {
    SetTrovane("ClientPath", Mid());
    FixedClock lastMoment(OleDate(2024, 1, 5) + (86400.0 - 0.0004) / 86400.0);
    EXPECT_TRUE(WriteAlertLog("libstrs", "x"));
    EXPECT_EQ(ReadTextFile(LogFile("Alert_libstrs_20240106.log")), "[2024/01/06 00:00:00:000] x\n");
}

TEST_F(LogsTest, UnwritableLogGivesFalseAndRaisesNothing) {
    // The installation folder is a file: no Log folder can be made below it.
    WriteTextFile(Mid(), "not a folder");
    SetTrovane("ClientPath", Mid());
    EXPECT_FALSE(WriteAlertLog("libstrs", "x"));
    EXPECT_FALSE(WriteGeneratorLog("x"));
    EXPECT_NO_THROW(ReportError(nullptr, "t", "m"));
}

TEST_F(LogsTest, GeneratorLogUsesTheInstallationThenTheTemporaryFolder) {
    SetTrovane("ClientPath", Mid());
    EXPECT_EQ(GeneratorLogFileName(), LogFile("Alert_TKORPGenerator_20240105.log"));
    EXPECT_TRUE(WriteGeneratorLog("text"));
    EXPECT_EQ(ReadTextFile(LogFile("Alert_TKORPGenerator_20240105.log")), "[2024/01/05 14:03:07:045] text\n");

    SetTrovane("ClientPath", "");
    EXPECT_TRUE(WriteGeneratorLog("no installation"));
    EXPECT_TRUE(FileExists(Root() + "/tmp/Log/Alert_TKORPGenerator_20240105.log"));
}

TEST_F(LogsTest, GeneratorLogWithoutRegistryKeyUsesTheTemporaryFolder) {
    EXPECT_TRUE(WriteGeneratorLog("x"));
    EXPECT_TRUE(FileExists(Root() + "/tmp/Log/Alert_TKORPGenerator_20240105.log"));
}

namespace {

const std::string kRule(34, '-');
const std::string kStamp = "[2024/01/05 14:03:07:045] ";

// The report as the file holds it: each line stamped and ended by a line break.
std::string Stamped(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += kStamp + line + "\n";
    return text;
}

}  // namespace

TEST_F(LogsTest, ErrorReportOfEachKindOfError) {
    SetTrovane("ClientPath", Mid());
    const EDBEngineError db("db", {{11, "first"}, {22, "second"}, {33, "third"}});
    const EConvertError convert("'$zz' is not a valid integer value %d");
    const std::system_error system(std::error_code(13, std::system_category()), "denied");
    const std::ios_base::failure io("io broke", std::error_code(5, std::generic_category()));

    struct Case {
        const char* what;
        const std::exception* error;
        std::string title;
        std::string programmer;
        std::vector<std::string> lines;
    } cases[] = {
        {"database error, three sub-errors, programmer message", &db, "T", "  note  ",
         {kRule + " on T " + kRule, "讯息信息:", "EDBEngineError Error 01: Code: 11, Message: first",
          "EDBEngineError Error 02: Code: 22, Message: second", "EDBEngineError Error 03: Code: 33, Message: third",
          "ErrorMessage Count: 3", "Programer Message: note"}},
        {"database error without programmer message", &db, "T", " ",
         {kRule + " on T " + kRule, "讯息信息:", "EDBEngineError Error 01: Code: 11, Message: first",
          "EDBEngineError Error 02: Code: 22, Message: second", "EDBEngineError Error 03: Code: 33, Message: third",
          "ErrorMessage Count: 3"}},
        {"any other error: class name, message not used as a format", &convert, "T", "",
         {kRule + " on T " + kRule, "讯息信息:",
          "Exception is EConvertError\r\nMessage 01: '$zz' is not a valid integer value %d", "ErrorMessage Count: 1"}},
        {"operating-system error", &system, "T", "",
         {kRule + " on T " + kRule, "讯息信息:",
          "EWin32Error Error 01: Code: 13, Message: " + std::string(system.what()), "ErrorMessage Count: 1"}},
        {"input/output error", &io, "T", "",
         {kRule + " on T " + kRule, "讯息信息:", "EInOutError Error 01: Code: 5, Message: " + std::string(io.what()),
          "ErrorMessage Count: 1"}},
        {"no error, blank title", nullptr, "  ", "解析 Sa 时发生错误!",
         {kRule + kRule, "Programer Message: 解析 Sa 时发生错误!"}},
        {"no error, nothing else", nullptr, "", "", {kRule + kRule}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(Mid() + "/Log");
        ReportError(c.error, c.title, c.programmer);
        EXPECT_EQ(ReadTextFile(LogFile("Alert_TKORPGenerator_20240105.log")), Stamped(c.lines));
    }
}

TEST_F(LogsTest, APlantedLinkOrFifoAtTheLogPathIsNotWrittenThrough) {
    SetTrovane("ClientPath", Mid());
    std::filesystem::create_directories(Mid() + "/Log");
    const std::string victim = Root() + "/victim.txt";
    WriteTextFile(victim, "keep\n");
    ASSERT_EQ(symlink(victim.c_str(), LogFile("Alert_libstrs_20240105.log").c_str()), 0);
    ASSERT_EQ(symlink(victim.c_str(), LogFile("Alert_TKORPGenerator_20240105.log").c_str()), 0);
    ASSERT_EQ(mkfifo(LogFile("Alert_pipe_20240105.log").c_str(), 0600), 0);

    EXPECT_FALSE(WriteAlertLog("libstrs", "x"));
    EXPECT_FALSE(WriteGeneratorLog("x"));
    EXPECT_FALSE(WriteAlertLog("pipe", "x")) << "a FIFO without a reader neither blocks nor takes the line";
    EXPECT_EQ(ReadTextFile(victim), "keep\n");
}

TEST_F(LogsTest, GeneratorLogWithoutInstallationOrTemporaryFolderGoesToAFolderOfTheUsersOwn) {
    EnvVar noTemp("TMPDIR", "");
    const std::string runtime = Root() + "/run";
    ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
    {
        EnvVar xdg("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(GeneratorLogFileName(), runtime + "/Log/Alert_TKORPGenerator_20240105.log");
        EXPECT_TRUE(WriteGeneratorLog("x"));
        EXPECT_TRUE(FileExists(runtime + "/Log/Alert_TKORPGenerator_20240105.log"));
    }
    chmod(runtime.c_str(), 0777);
    EnvVar xdg("XDG_RUNTIME_DIR", runtime);
    const std::string file = GeneratorLogFileName();
    EXPECT_EQ(file.rfind(runtime, 0), std::string::npos) << "a runtime folder open to others is not used: " << file;
    EXPECT_EQ(file.rfind("/tmp/Log/", 0), std::string::npos) << "never the shared folder itself: " << file;
}
