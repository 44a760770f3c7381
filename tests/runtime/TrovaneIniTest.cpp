#include "runtime/TrovaneINI.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

#include "runtime/PasswordScramble.h"
#include "runtime/TrovaneIniTestSupport.h"

using namespace znp;
using namespace znp::testing;

namespace {

using Strings = std::vector<std::string>;

class TrovaneIniTest : public InstallationTest {
protected:
    // An installation at Mid with the given client and server settings files.
    void Install(const std::string& client, const std::string& server = "") {
        SetTrovane("ClientPath", Mid());
        SetTrovane("ServerPath", Mid());
        WriteTextFile(Mid() + "/TrovaneC.ini", client);
        WriteTextFile(Mid() + "/TrovaneS.ini", server);
    }
};

}  // namespace

TEST_F(TrovaneIniTest, WithoutRegistryKeyOnlyTheMachineCounts) {
    SetAnsiCodePage("437");
    TTrovaneIniC client;
    EXPECT_FALSE(client.Result());
    EXPECT_EQ(client.ErrorId(), "E;000015");
    EXPECT_EQ(client.InstallPath(), "");
    EXPECT_EQ(client.ProfileType(), "0");
    EXPECT_EQ(client.ProfileName(), "Default");
    EXPECT_EQ(client.SystemCodePage(), "437");
    EXPECT_EQ(client.UICodePage(), "437");
    EXPECT_EQ(client.DBCodePage(), "936");
    EXPECT_EQ(client.UIConvertKind(), 0);
    EXPECT_EQ(client.DBConvertKind(), 0);
    EXPECT_TRUE(client.Servers().IsEmpty());
    EXPECT_TRUE(client.WorkFolders().empty());

    TTrovaneIniS server;
    EXPECT_EQ(server.ErrorId(), "E;000015");
    EXPECT_TRUE(server.DBSettings().IsEmpty());
}

TEST_F(TrovaneIniTest, KeyWithoutInstallationFolderStopsWithoutError) {
    SetTrovane("ServerPath", Mid());
    SetTrovane("ProfileType", "1");
    TTrovaneIniC client;
    EXPECT_FALSE(client.Result());
    EXPECT_EQ(client.ErrorId(), "");
    EXPECT_EQ(client.InstallPath(), "");
    EXPECT_EQ(client.ProfileType(), "1");
    EXPECT_EQ(client.SettingsFile(), "");
}

TEST_F(TrovaneIniTest, MissingFileReadsAsDefaults) {
    SetTrovane("ClientPath", Mid());  // no trailing separator, no file
    SetAnsiCodePage("936");
    TTrovaneIniC client;
    EXPECT_TRUE(client.Result());
    EXPECT_EQ(client.ErrorId(), "");
    EXPECT_EQ(client.InstallPath(), Mid() + "/");
    EXPECT_EQ(client.SettingsFolder(), Mid() + "/");
    EXPECT_EQ(client.SettingsFile(), Mid() + "/TrovaneC.ini");
    EXPECT_EQ(client.ProfileType(), "");
    EXPECT_EQ(client.ProfileName(), "Default");
    EXPECT_EQ(client.LangType(), "ENG");
    EXPECT_EQ(client.Version(), "");
    EXPECT_EQ(client.CreateGifBeforeSendEF(), "Y");
    EXPECT_EQ(client.UICodePage(), "936");
    EXPECT_EQ(client.DBCodePage(), "936");
    EXPECT_FALSE(client.SupportCallBack());
    EXPECT_EQ(client.AutoCheckNewMsg(), "1");
    EXPECT_EQ(client.CheckInterval(), "1");
    EXPECT_EQ(client.PopupMsg(), "1");
    EXPECT_EQ(client.LoginCheck(), "0");
    Variant servers = Variant::Array({{0, 1}, {0, 0}});
    servers.At(0, 0) = "127.0.0.1";
    servers.At(1, 0) = 211;
    EXPECT_EQ(client.Servers(), servers);
    EXPECT_EQ(client.WorkFolders(), Strings{Mid() + "/C_PKG/"});
}

TEST_F(TrovaneIniTest, WindowsFormOfTheInstallationFolder) {
    struct Case {
        const char* stored;
        const char* installPath;
        const char* installFolder;
    } cases[] = {
        {"D:\\Mid", "/Mid/", "/Mid"},
        {"D:\\Mid\\", "/Mid/", "/Mid/"},
        {"\\\\server\\share\\Mid", "//server/share/Mid/", "//server/share/Mid"},
        {"/opt/Mid", "/opt/Mid/", "/opt/Mid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        SetTrovane("ClientPath", c.stored);
        TTrovaneIniC client;
        EXPECT_EQ(client.InstallPath(), c.installPath);
        EXPECT_EQ(client.WorkFolders(), Strings{std::string(c.installPath) + "C_PKG/"});
        EXPECT_EQ(InstallFolder(), c.installFolder);
    }
}

TEST_F(TrovaneIniTest, InstallFolderPrefersClientPath) {
    EXPECT_EQ(InstallFolder(), "");  // no key
    SetTrovane("ServerPath", "/srv/S");
    EXPECT_EQ(InstallFolder(), "/srv/S");
    SetTrovane("ClientPath", "/srv/C");
    EXPECT_EQ(InstallFolder(), "/srv/C");
    SetTrovane("ClientPath", "");
    EXPECT_EQ(InstallFolder(), "/srv/S");
}

TEST_F(TrovaneIniTest, PerUserProfileFallsBackToTheMachineFile) {
    Install("[Client Components]\nLangType=CHS\n");
    SetTrovane("ProfileType", "1");
    {
        TTrovaneIniC client;
        EXPECT_EQ(client.ProfileName(), "user1");
        EXPECT_EQ(client.SettingsFolder(), Mid() + "/");
        EXPECT_EQ(client.SettingsFile(), Mid() + "/TrovaneC.ini");
        EXPECT_EQ(client.LangType(), "CHS");
    }
    WriteTextFile(Mid() + "/Profile/user1/TrovaneC.ini", "[Client Components]\nLangType=CHT\n");
    {
        TTrovaneIniC client;
        EXPECT_EQ(client.ProfileName(), "user1");
        EXPECT_EQ(client.SettingsFolder(), Mid() + "/Profile/user1/");
        EXPECT_EQ(client.SettingsFile(), Mid() + "/Profile/user1/TrovaneC.ini");
        EXPECT_EQ(client.LangType(), "CHT");
        EXPECT_EQ(client.InstallPath(), Mid() + "/");
        EXPECT_EQ(client.WorkFolders(), Strings{Mid() + "/C_PKG/"});
    }
    SetTrovane("ProfileType", "0");
    {
        TTrovaneIniC client;
        EXPECT_EQ(client.ProfileName(), "Default");
        EXPECT_EQ(client.LangType(), "CHS");
    }
}

TEST_F(TrovaneIniTest, ServerList) {
    struct Case {
        const char* computerName;
        Strings addresses;
    } cases[] = {
        {"10.0.0.5;10.0.0.6;", {"10.0.0.5", "10.0.0.6"}},
        {"  10.0.0.5  ", {"10.0.0.5"}},
        {"a ; b", {"a ", " b"}},
        {"a;;b;;", {"a", "", "b", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.computerName);
        Install(std::string("[Server Information]\nComputerName=") + c.computerName + "\nServerPort=212\n");
        TTrovaneIniC client;
        ASSERT_TRUE(client.Result());
        const Variant& servers = client.Servers();
        ASSERT_EQ(servers.DimCount(), 2);
        EXPECT_EQ(servers.LowBound(1), 0);
        EXPECT_EQ(servers.HighBound(1), 1);
        EXPECT_EQ(servers.LowBound(2), 0);
        ASSERT_EQ(servers.HighBound(2), static_cast<int>(c.addresses.size()) - 1);
        for (size_t i = 0; i < c.addresses.size(); ++i) {
            EXPECT_EQ(servers.At(0, static_cast<int>(i)), Variant(c.addresses[i]));
            EXPECT_EQ(servers.At(1, static_cast<int>(i)), Variant(212));
        }
    }
}

TEST_F(TrovaneIniTest, PortThatIsNoNumberReadsAsItsDefault) {
    Install("[Server Information]\nComputerName=h\nServerPort=21x\n");
    TTrovaneIniC client;
    EXPECT_EQ(client.Servers().At(1, 0), Variant(211));
}

TEST_F(TrovaneIniTest, EmptyComputerNameStopsBeforeServersAndWorkFolders) {
    Install("[Server Information]\nComputerName=   \n[Client Components]\nLangType=CHT\n[CodePage]\nUICodePage=950\n"
            "[WorkDLLPath]\nA=pkg\n");
    TTrovaneIniC client;
    EXPECT_FALSE(client.Result());
    EXPECT_EQ(client.ErrorId(), "E;000016");
    EXPECT_TRUE(client.Servers().IsEmpty());
    EXPECT_TRUE(client.WorkFolders().empty());
    // What the file says before the server list is still there.
    EXPECT_EQ(client.LangType(), "CHT");
    EXPECT_EQ(client.UIConvertKind(), 2);
}

TEST_F(TrovaneIniTest, WorkFoldersAreMadeAbsoluteInFileOrder) {
    Install("[WorkDLLPath]\nA=pkg\nB=\\pkg2\nC=E:\\x\nD=/opt/y/\nE=\\\\srv\\share\\z\nF=sub\\dir\\\n",
            "[WorkDLLPath]\nZ=spkg\n");
    const std::string mid = Mid() + "/";
    const Strings client{mid + "pkg/", mid + "pkg2/", "/x/", "/opt/y/", "//srv/share/z/", mid + "sub/dir/"};
    EXPECT_EQ(TTrovaneIniC().WorkFolders(), client);

    TTrovaneIniS server;
    EXPECT_EQ(server.WorkFolders(), Strings{mid + "spkg/"});
    Strings list{"old", "entries"};
    server.GetWorkFolders(list);
    EXPECT_EQ(list, Strings{mid + "spkg/"});
}

TEST_F(TrovaneIniTest, EmptyWorkFolderSectionGivesTheDefaultFolder) {
    Install("[WorkDLLPath]\n", "[WorkDLLPath]\n; none\n");
    EXPECT_EQ(TTrovaneIniC().WorkFolders(), Strings{Mid() + "/C_PKG/"});
    EXPECT_EQ(TTrovaneIniS().WorkFolders(), Strings{Mid() + "/S_PKG/"});
}

TEST_F(TrovaneIniTest, SupportCallBack) {
    struct Case {
        const char* value;
        bool expected;
    } cases[] = {{"yes", true}, {"Y", true}, {"1", true}, {"true", true}, {"T", false},
                 {"0", false},  {"", false}, {"no", false}, {"2", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Install(std::string("[Server Information]\nSupportCallBack=") + c.value + "\n",
                std::string("[DBPasswordCtrl]\nSupportCallBack=") + c.value + "\n");
        EXPECT_EQ(TTrovaneIniC().SupportCallBack(), c.expected);
        EXPECT_EQ(TTrovaneIniS().SupportCallBack(), c.expected);
    }
}

TEST_F(TrovaneIniTest, CodePagesAndConversionKinds) {
    struct Case {
        const char* machine;
        const char* ui;  // nullptr: not in the file
        const char* db;
        const char* systemCodePage;
        const char* uiCodePage;
        const char* dbCodePage;
        int uiKind;
        int dbKind;
    } cases[] = {
        {"936", "950", "936", "936", "950", "936", 2, 2},
        {"936", "936", "950", "936", "936", "950", 0, 1},
        {"950", "936", "936", "950", "936", "936", 4, 0},
        {"950", nullptr, nullptr, "950", "950", "936", 2, 2},
        {"936", nullptr, nullptr, "936", "936", "936", 0, 0},
        {"437", nullptr, "950", "437", "437", "950", 0, 0},
        {"1252", "950", "950", "437", "950", "950", 2, 0},
        {"936", "65001", "936", "936", "65001", "936", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.machine) + " " + (c.ui ? c.ui : "-") + " " + (c.db ? c.db : "-"));
        SetAnsiCodePage(c.machine);
        std::string file = "[CodePage]\n";
        if (c.ui) file += std::string("UICodePage=") + c.ui + "\n";
        if (c.db) file += std::string("DBCodePage=") + c.db + "\n";
        Install(file, file);
        TTrovaneIniC client;
        TTrovaneIniS server;
        for (const TTrovaneIni* reader : {static_cast<const TTrovaneIni*>(&client), static_cast<const TTrovaneIni*>(&server)}) {
            EXPECT_EQ(reader->SystemCodePage(), c.systemCodePage);
            EXPECT_EQ(reader->UICodePage(), c.uiCodePage);
            EXPECT_EQ(reader->DBCodePage(), c.dbCodePage);
            EXPECT_EQ(reader->UIConvertKind(), c.uiKind);
            EXPECT_EQ(reader->DBConvertKind(), c.dbKind);
        }
    }
}

TEST_F(TrovaneIniTest, ClientSettings) {
    Install("[client components]\nlangtype=CHT\n[ProductVersion]\nVersion=7.1\n[UserDefine]\nCreateGifBeforeSendEF=N\n"
            "[TaskMessageCenter Setting]\nAutoCheckNewMsg=0\nCheckInterval=5\nPopupMsg=0\nLoginCheck=1\n");
    TTrovaneIniC client;
    EXPECT_EQ(client.LangType(), "CHT");
    EXPECT_EQ(client.Version(), "7.1");
    EXPECT_EQ(client.CreateGifBeforeSendEF(), "N");
    EXPECT_EQ(client.AutoCheckNewMsg(), "0");
    EXPECT_EQ(client.CheckInterval(), "5");
    EXPECT_EQ(client.PopupMsg(), "0");
    EXPECT_EQ(client.LoginCheck(), "1");
}

TEST_F(TrovaneIniTest, ServerDefaults) {
    Install("", "");
    TTrovaneIniS server;
    EXPECT_TRUE(server.Result());
    const Variant e;
    const Variant expected[4][8] = {
        {"Ostrel", "sa", "", "MSSQL", "", "", 300, 3000},
        {"OstrelTemp", "sa", "", "PARADOX", "", "PostgreSQL", 300, 3000},
        {"", 211, 1024, "Chinese_Taiwan_Stroke_BIN", e, e, e, e},
        {"EDIDATA", "sa", "", e, e, e, e, e},
    };
    const Variant& db = server.DBSettings();
    ASSERT_EQ(db.DimCount(), 2);
    ASSERT_EQ(db.HighBound(1), 3);
    ASSERT_EQ(db.HighBound(2), 7);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 8; ++col)
            EXPECT_EQ(db.At(row, col), expected[row][col]) << "[" << row << ", " << col << "]";
    EXPECT_EQ(server.DBKind(), 0);
    EXPECT_EQ(server.SystemControlAddress(), "");
    EXPECT_EQ(server.OtherSystemControlAddress(), "");
    EXPECT_EQ(server.Version(), "");
}

TEST_F(TrovaneIniTest, ServerSettings) {
    Install("", "[DBE Setting]\nMainUserName=boss\nXXXXXX=" + ScramblePassword("s3cret") +
                    "\nMainAlias=A\nMainDBType=oracle\nMainDBName=N\nMainServerName=dbhost\n"
                    "OtherSystemControlAddress=other\nMainConnectionTimeOut=10\nMainCommandTimeOut=abc\n"
                    "TempPassword=" + ScramblePassword("") + "\nTempCommandTimeOut=$10\nEctPassword=0a0b\n"
                    "DataBaseCodeOrder=Chinese_PRC_BIN\n"
                    "[DBPasswordCtrl]\nComputerName=  pwhost  \nServerPort=300\nClientSocketPort=x\n");
    TTrovaneIniS server;
    const Variant& db = server.DBSettings();
    EXPECT_EQ(db.At(0, 0), Variant("A"));
    EXPECT_EQ(db.At(0, 1), Variant("boss"));
    EXPECT_EQ(db.At(0, 2), Variant("s3cret"));
    EXPECT_EQ(db.At(0, 3), Variant("oracle"));
    EXPECT_EQ(db.At(0, 4), Variant("N"));
    EXPECT_EQ(db.At(0, 5), Variant("dbhost"));
    EXPECT_EQ(db.At(0, 6), Variant(10));
    EXPECT_EQ(db.At(0, 7), Variant(3000));
    EXPECT_EQ(db.At(1, 2), Variant(""));
    EXPECT_EQ(db.At(1, 7), Variant(16));
    EXPECT_EQ(db.At(2, 0), Variant("pwhost"));
    EXPECT_EQ(db.At(2, 1), Variant(300));
    EXPECT_EQ(db.At(2, 2), Variant(1024));
    EXPECT_EQ(db.At(2, 3), Variant("Chinese_PRC_BIN"));
    EXPECT_EQ(db.At(3, 2), Variant("0a0b"));  // kept as stored
    EXPECT_EQ(server.DBKind(), 1);
    EXPECT_EQ(server.SystemControlAddress(), "dbhost");
    EXPECT_EQ(server.OtherSystemControlAddress(), "other");
}

TEST_F(TrovaneIniTest, DBKind) {
    struct Case {
        const char* type;
        int kind;
    } cases[] = {{"ORACLE", 1}, {"Oracle", 1}, {"db2", 2}, {"DB2", 2}, {"MSSQL", 0}, {"ORACLE8", 0}, {"", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Install("", std::string("[DBE Setting]\nMainDBType=") + c.type + "\n");
        EXPECT_EQ(TTrovaneIniS().DBKind(), c.kind);
    }
}

TEST_F(TrovaneIniTest, PasswordThatCannotBeReadIsReplacedAndReported) {
    Install("", "[DBE Setting]\nXXXXXX=a0zz\n");
    TTrovaneIniS server;
    EXPECT_EQ(server.DBSettings().At(0, 2), Variant(BadPasswordText));
    EXPECT_TRUE(server.Result());

    const std::string report = ReadTextFile(Mid() + "/Log/Alert_TKORPGenerator_20240105.log");
    const std::string rule(34, '-');
    const std::string stamp = "[2024/01/05 14:03:07:045] ";
    EXPECT_EQ(report, stamp + rule + " on " + ScramblePassword("DecodeSQLSa") + " " + rule + "\n" +
                          stamp + "讯息信息:\n" +
                          stamp + "Exception is EConvertError\r\nMessage 01: '$zz' is not a valid integer value\n" +
                          stamp + "ErrorMessage Count: 1\n" +
                          stamp + "Programer Message: 解析 Sa 时发生错误!\n");
}

TEST_F(TrovaneIniTest, EveryReaderReadsAfresh) {
    Install("[Client Components]\nLangType=CHS\n");
    EXPECT_EQ(TTrovaneIniC().LangType(), "CHS");
    WriteTextFile(Mid() + "/TrovaneC.ini", "[Client Components]\nLangType=CHT\n");
    EXPECT_EQ(TTrovaneIniC().LangType(), "CHT");
    SetTrovane("ClientPath", Root() + "/Other");
    EXPECT_EQ(TTrovaneIniC().InstallPath(), Root() + "/Other/");
}

TEST_F(TrovaneIniTest, RegistryOrSettingsFilesThatAreNoRegularFilesReadAsMissing) {
    // A FIFO would block the reader for ever and /dev/zero would be read until memory runs out.
    const std::string fifo = Root() + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& registry : {fifo, std::string("/dev/zero"), Root()}) {
        SCOPED_TRACE(registry);
        EnvVar env("ZNP_REGISTRY", registry);
        TTrovaneIniC client;
        EXPECT_FALSE(client.Result());
        EXPECT_EQ(client.ErrorId(), "E;000015");
        EXPECT_EQ(InstallFolder(), "");
    }

    Install("");
    std::filesystem::remove(Mid() + "/TrovaneC.ini");
    ASSERT_EQ(mkfifo((Mid() + "/TrovaneC.ini").c_str(), 0600), 0);
    TTrovaneIniC client;
    EXPECT_TRUE(client.Result()) << "read as all defaults";
    EXPECT_EQ(client.LangType(), "ENG");
    EXPECT_EQ(client.Servers().At(0, 0), Variant("127.0.0.1"));
}
