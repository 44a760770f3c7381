// The form's channels to the host's objects and the application server, and the in-process run
// of the program's server module.
#include <dlfcn.h>
#include <netinet/in.h>
#include <arpa/inet.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "fixture/FormFixture.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/SystemInfo.h"
#include "runtime/CodeConverter.h"
#include "runtime/TranslatorTestSupport.h"

using namespace znp;
using namespace znp::test;
namespace fs = std::filesystem;

namespace {

// A TCP socket bound to a loopback address for the life of the object: listening, or only
// holding the port so that connections to it are refused and no other process can take it.
class Listener {
public:
    explicit Listener(const char* address, bool listening = true) {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        inet_pton(AF_INET, address, &a.sin_addr);
        if (bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || (listening && listen(fd_, 4) != 0)) {
            close(fd_);
            fd_ = -1;
            return;
        }
        socklen_t len = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~Listener() {
        if (fd_ >= 0) close(fd_);
    }
    bool Ok() const { return fd_ >= 0; }
    int Port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

class Server : public FormTest {
protected:
    TfrmTestGene* CreateSetUp() {
        auto* form = CreateForm();
        EXPECT_TRUE(form->Setup(HostParams()));
        dialogs_->Clear();
        fakes_.Log().Clear();
        return form;
    }
    // A new installation whose client settings name Address:Port.
    void UseServer(const std::string& address, int port) {
        installation_.reset();
        installation_ = std::make_unique<TempInstallation>(address);
        std::ofstream(installation_->Folder() + "/TrovaneC.ini")
            << "[Server Information]\nComputerName=" << address << "\nServerPort=" << port << "\n";
    }
};

// --- Connection and server object -----------------------------------------------------------

TEST_F(Server, TheServerOnThisMachineIsCreatedLocallyAndSurvivesTheDestroyHandler) {
    auto* form = CreateForm();
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_TRUE(form->LocalServer);
    EXPECT_EQ(fakes_.ServerCreations, 1);
    ASSERT_TRUE(form->ServerObject.IsObject());
    EXPECT_EQ(form->ServerObject.AsObject(), form->MainMidas->AppServer().AsObject())
        << "the provider reaches the local server through the connection";
    EXPECT_FALSE(form->MainMidas->Connected());
    form->FormDestroy(form);
    EXPECT_TRUE(form->MainMidas->AppServer().IsObject()) << "a local server is not disconnected";
}

TEST_F(Server, AnEarlierMessageSkipsTheConnectionIsShownAgainAndNoServerFollows) {
    auto* form = CreateForm();
    fakes_.Manager().SetMessage("E", "000038", "参数不足");
    fakes_.Manager().SetMessage("E", "000006", "无法连接");
    EXPECT_FALSE(form->Setup(HostParams(4)));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"参数不足", "参数不足", "无法连接"}));
    EXPECT_EQ(form->MessageIdLog, "E;000038; E;000038; ; E;000006; ");
    EXPECT_EQ(form->MessageTextLog, "参数不足; 无法连接; ");
    EXPECT_EQ(fakes_.ServerCreations, 0);
    EXPECT_EQ(form->MainMidas->Address, "") << "nothing was configured";
}

TEST_F(Server, ARemoteServerThatDoesNotAnswerLeavesNoServerObject) {
    // A port held by the test without listening: the connection is refused.
    Listener held("127.0.0.2", false);
    ASSERT_TRUE(held.Ok());
    const int port = held.Port();
    UseServer("127.0.0.2", port);
    auto* form = CreateForm();
    fakes_.Manager().SetMessage("E", "000006", "无法连接");
    EXPECT_FALSE(form->Setup(HostParams()));
    EXPECT_FALSE(form->LocalServer);
    EXPECT_EQ(form->MainMidas->Address, "127.0.0.2");
    EXPECT_EQ(form->MainMidas->Port, port);
    EXPECT_FALSE(form->MainMidas->Connected());
    EXPECT_EQ(fakes_.ServerCreations, 0) << "a remote server is never created here";
    EXPECT_EQ(Boxes(), std::vector<std::string>{"无法连接"});
}

TEST_F(Server, ARemoteConnectionReallyConnectsAndTheDestroyHandlerDisconnects) {
    Listener listener("127.0.0.3");
    ASSERT_TRUE(listener.Ok());
    UseServer("127.0.0.3", listener.Port());
    auto* form = CreateForm();
    // Nothing speaks the application-server protocol there yet: no server object.
    EXPECT_FALSE(form->Setup(HostParams()));
    EXPECT_TRUE(form->MainMidas->Connected());
    EXPECT_FALSE(form->ServerObject.IsObject());
    EXPECT_EQ(form->MessageIdLog, "E;000006; ");
    form->FormDestroy(form);
    EXPECT_FALSE(form->MainMidas->Connected());
}

TEST_F(Server, AFailingServerCreationIsRecordedAndReportedAsNoServer) {
    auto* form = CreateForm();
    fakes_.FailServerCreation = true;
    EXPECT_FALSE(form->Setup(HostParams()));
    EXPECT_EQ(form->MessageIdLog, "E;-1; E;000006; ");
    EXPECT_NE(form->MessageTextLog.find("Simulated failure creating"), std::string::npos);
}

// --- Host objects and system parameters -----------------------------------------------------

TEST_F(Server, MissingOrFailingServiceObjectsAreLeftEmptyAndSetupGoesOn) {
    fakes_.Manager().FailOn("Com_Counter");
    fakes_.Manager().NoValidator = true;
    auto* form = CreateForm();
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_FALSE(form->Counter.IsObject());
    EXPECT_FALSE(form->Validator.IsObject());
    EXPECT_EQ(form->VersionText, "");
    EXPECT_EQ(form->GetSysParam("Sys001"), "");
    Variant data = Variant("old");
    EXPECT_FALSE(form->QueryServer("ADMMB", "01", true, data, Variant::ArrayOf({Variant("KVTR42")})));
    form->QueryCounter("seq", Variant(), data);
    EXPECT_TRUE(data.IsEmpty());

    EXPECT_FALSE(form->F2Window.IsObject()) << "the base level asks for no F2 window";
    form->F2Flags = 4;
    form->CreateF2Window();
    EXPECT_TRUE(form->F2Window.IsObject());
    fakes_.Manager().FailOn("Com_F2Window");
    form->F2Window = Variant();
    form->CreateF2Window();
    EXPECT_FALSE(form->F2Window.IsObject());
}

TEST_F(Server, SystemParametersOfAnyShapeNeverStopTheForm) {
    const Variant answers[] = {Variant::Null(), Variant("Sys001"), Variant::ArrayOf({Variant("Sys001"), Variant("3")}),
                               Variant::Array({{0, 0}, {0, 1}})};
    for (const Variant& answer : answers) {
        fakes_.Counter().Method("GetSysInfo", 1, [answer](std::vector<Variant>&) { return answer; });
        auto* form = CreateForm();
        ASSERT_TRUE(form->Setup(HostParams()));
        EXPECT_EQ(form->GetSysParam("Sys001"), "");
        EXPECT_EQ(form->GetSysParam("SYS010"), "商品分类方式四");
    }
    fakes_.Counter().FailOn("GetSysInfo");
    auto* failing = CreateForm();
    ASSERT_TRUE(failing->Setup(HostParams()));
    EXPECT_TRUE(failing->Counter.IsObject()) << "GetSysParam swallows its own failure";
    EXPECT_EQ(failing->GetSysParam("SYS007"), "商品分类方式一");
}

TEST_F(Server, DatabaseTextsAreConvertedForTheInterfaceAndBack) {
    ScopedTranslatorPath translator;
    std::ofstream(installation_->Folder() + "/TrovaneC.ini", std::ios::app) << "[CodePage]\nUICodePage=936\nDBCodePage=950\n";
    fakes_.Manager().SetMessage("E", "000006", Big5(u"無法連接"));
    fakes_.Counter().SetSysParam("SYS026", Big5(u"報表"));
    auto* form = CreateForm();
    ASSERT_EQ(form->DBConvertKind(), 1);
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->GetMessageText("E", "000006"), "无法连接");
    EXPECT_EQ(form->GetSysParam("SYS026"), Big5(u"報表")) << "as stored until the form is converted";
    form->ConvertUI();
    EXPECT_EQ(form->GetSysParam("SYS026"), "报表");

    fakes_.Validator().SetQuery("T", "01", [](const Variant& params, Variant& data) {
        data = params;
        return true;
    });
    Variant data;
    ASSERT_TRUE(form->QueryServer("T", "01", true, data, Variant::ArrayOf({Variant("叫修单")})));
    EXPECT_EQ(fakes_.Log().Last("Validator", "QueryData")->Args[3], Variant::ArrayOf({Variant(Big5(u"叫修單"))}));
    EXPECT_EQ(data, Variant::ArrayOf({Variant("叫修单")})) << "and the answer back";
}

// --- Queries --------------------------------------------------------------------------------

TEST_F(Server, QueryServerSetsTheValidatorsContextAndReadsTheAnswerAsABoolean) {
    auto* form = CreateSetUp();
    form->LimitsText = u"L\x03" u"0\x03";
    fakes_.Validator().SetQueryAnswer("T", "01", true, Variant::ArrayOf({Variant("a")}));
    Variant data;
    EXPECT_TRUE(form->QueryServer("T", "01", false, data, Variant::ArrayOf({Variant("p")})));
    EXPECT_EQ(data, Variant::ArrayOf({Variant("a")}));
    EXPECT_EQ(fakes_.Validator().ProductId, 1);
    EXPECT_EQ(fakes_.Validator().BaseLimited, "L\x03" "0\x03");
    const RecordedCall* call = fakes_.Log().Last("Validator", "CheckValue");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->Args[2], Variant("DEMO"));
    EXPECT_EQ(call->Args[3], Variant::ArrayOf({Variant("p")}));

    // The context is best effort; the query still runs.
    fakes_.Validator().FailOn("ProductID");
    EXPECT_TRUE(form->QueryServer("T", "01", true, data, Variant()));
    fakes_.Validator().StopFailing("ProductID");

    // Answers that are no Boolean are a failed query, not a crash.
    for (const Variant& answer : {Variant::Null(), Variant("maybe"), Variant::ArrayOf({Variant(1)})}) {
        fakes_.Validator().Method("QueryData", 5, [answer](std::vector<Variant>&) { return answer; });
        EXPECT_FALSE(form->QueryServer("T", "01", true, data, Variant()));
    }
}

TEST_F(Server, QueryWithMessagePicksTheElementNamedByIndexOrTheWholeAnswer) {
    auto* form = CreateSetUp();
    const Variant list = Variant::ArrayOf({Variant("a"), Variant("b")});
    fakes_.Validator().SetQueryAnswer("T", "01", true, list);
    struct Case {
        int index;
        Variant expected;
        const char* method;
    };
    const Case cases[] = {{-1, list, "CheckValue"},        {2, list, "CheckValue"}, {0, Variant("a"), "CheckValue"},
                          {1, Variant("b"), "CheckValue"}, {-2, list, "QueryData"}};
    for (const Case& c : cases) {
        fakes_.Log().Clear();
        form->RecordError("from the last check");
        Variant data = Variant("old");
        EXPECT_TRUE(form->QueryWithMessage("T", "01", "E", c.index, data, Variant::ArrayOf({Variant("x")}))) << c.index;
        EXPECT_EQ(data, c.expected) << c.index;
        EXPECT_EQ(fakes_.Log().Count("Validator", c.method), 1) << c.index;
        EXPECT_EQ(form->MessageIdLog, "") << "a check that found nothing clears the log";
    }
    // Answers that are no list are handed over whole; an empty answer gives nothing.
    for (const Variant& answer : {Variant("scalar"), Variant::Array({{0, 1}, {0, 1}})}) {
        fakes_.Validator().SetQueryAnswer("T", "03", true, answer);
        Variant data;
        EXPECT_TRUE(form->QueryWithMessage("T", "03", "E", 0, data, Variant("x")));
        EXPECT_EQ(data, answer);
    }
    fakes_.Validator().SetQueryAnswer("T", "04", true, Variant::Null());
    Variant data = Variant("old");
    EXPECT_TRUE(form->QueryWithMessage("T", "04", "E", 0, data, Variant("x")));
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Server, AValueNotFoundIsReportedByTheErrorKind) {
    auto* form = CreateSetUp();
    fakes_.Manager().SetMessage("I", "000008", "资料");
    fakes_.Manager().SetMessage("E", "000001", "%s不存在");
    fakes_.Manager().SetMessage("W", "000004", "%s不存在?");
    fakes_.Validator().SetQueryAnswer("T", "02", false, Variant());
    struct Case {
        const char* kind;
        const char* idLog;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {{"E", "E;000001;资料; ", {"资料不存在"}},
                          {"W", "W;000004;资料; ", {"资料不存在?"}},
                          {"N", "", {}}};
    for (const Case& c : cases) {
        dialogs_->Clear();
        form->ShowMessageId("");
        Variant data;
        EXPECT_FALSE(form->QueryWithMessage("T", "02", c.kind, -1, data, Variant::ArrayOf({Variant("x")}))) << c.kind;
        EXPECT_EQ(form->MessageIdLog, c.idLog) << c.kind;
        EXPECT_EQ(Boxes(), c.boxes) << c.kind;
    }
    EXPECT_EQ(dialogs_->Records().size(), 0u);
    form->ShowMessageId("");
    Variant data;
    form->QueryWithMessage("T", "02", "W", -1, data, Variant("x"));
    EXPECT_EQ(dialogs_->Records().back().Request.Type, TMsgDlgType::mtWarning);
}

TEST_F(Server, NothingToCheckOrCancelFocusedPassesWithoutAQuery) {
    auto* form = CreateSetUp();
    fakes_.Validator().SetQueryAnswer("T", "02", false, Variant());
    for (const Variant& params : {Variant(), Variant::Null()}) {
        Variant data = Variant("kept");
        EXPECT_TRUE(form->QueryWithMessage("T", "02", "E", -1, data, params));
        EXPECT_EQ(data, Variant("kept"));
    }
    form->Show();
    form->btnCancel->SetFocus();
    Variant data;
    EXPECT_TRUE(form->QueryWithMessage("T", "02", "E", -1, data, Variant("x")));
    EXPECT_EQ(fakes_.Log().Count("Validator", "CheckValue"), 0);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Server, QueryCounterAsksForTheUpperCaseNameWithCompanyAndDatabase) {
    auto* form = CreateSetUp();
    fakes_.Counter().CounterAnswers["SEQNO"] = Variant("00042");
    Variant data;
    const Variant params = Variant::ArrayOf({Variant("p")});
    form->QueryCounter("SeqNo", params, data);
    EXPECT_EQ(data, Variant("00042"));
    const RecordedCall* call = fakes_.Log().Last("Counter", "GetCounter");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->Args[0], Variant("SEQNO"));
    EXPECT_EQ(call->Args[1], params);
    EXPECT_EQ(call->Args[2], Variant::ArrayOf({Variant("C01"), Variant("DEMO")}));

    fakes_.Counter().FailOn("GetCounter");
    form->QueryCounter("SeqNo", params, data);
    EXPECT_TRUE(data.IsEmpty());
}

// --- Lookups and rights ---------------------------------------------------------------------

TEST_F(Server, LookupsSendTheNineteenElementRequest) {
    auto* form = CreateSetUp();
    Variant data = Variant("old");
    form->GetLookupData("CMSMB", "01", data, true, "A%", Variant());
    EXPECT_TRUE(data.IsEmpty()) << "no F2 window, no lookup";

    form->F2Window = OleCall(form->Manager, "Com_F2Window");
    form->RightsFlag7 = true;
    form->RightsFlag8 = false;
    form->LimitsText = u"L\x03" u"0\x03";
    const Variant rows = Variant::ArrayOf({Variant::ArrayOf({Variant("C1"), Variant("客户一")})});
    fakes_.F2Window().Lookups[{"CMSMB", "01"}] = rows;
    const Variant params = Variant::ArrayOf({Variant("p")});
    form->GetLookupData("CMSMB", "01", data, true, "A%", params);
    EXPECT_EQ(data, rows);
    const RecordedCall* call = fakes_.Log().Last("F2Window", "F2GetData");
    ASSERT_NE(call, nullptr);
    Variant request = call->Args[0];
    ASSERT_TRUE(request.IsArray());
    ASSERT_EQ(request.LowBound(), 0);
    ASSERT_EQ(request.HighBound(), 18);
    const Variant expected[] = {Variant("CMSMB"), Variant("01"), params, Variant(true), Variant("A%"), Variant("C01"),
                                Variant("DEMO"), Variant(static_cast<int>(form->Handle())), Variant(1), Variant(false),
                                Variant(1), Variant(""), Variant(""), Variant(""), Variant("L\x03" "0\x03"),
                                Variant(false), Variant(true)};
    for (int i = 0; i < 17; ++i) EXPECT_EQ(request[i], expected[i]) << i;
    ASSERT_TRUE(request[17].IsObject());
    EXPECT_EQ(request[17].AsObject(), form->Manager.AsObject());
    EXPECT_EQ(request[18], Variant("U01"));

    fakes_.F2Window().FailOn("F2GetData", "lookup down");
    form->GetLookupData("CMSMB", "01", data, false, "", params);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_NE(form->MessageTextLog.find("lookup down"), std::string::npos);
}

TEST_F(Server, TheRightsRecordGivesTwoFlagsAndTheLimitsText) {
    auto* form = CreateSetUp();
    struct Case {
        Variant record;
        bool flag7, flag8;
        std::u16string limits;
    };
    auto record = [](const char* fields, Variant limits) {
        return Variant::ArrayOf({Variant("KVTR42"), Variant(fields), Variant("t2"), Variant("t3"), Variant("L"), limits});
    };
    const Case cases[] = {
        {record("u,Y,N,YYYYYYNY,e,f", Variant::ArrayOf({Variant(2), Variant("a"), Variant("b")})), false, true,
         u"L\x03" u"2\x03" u"a\x03" u"b\x03"},
        {record("u,Y,Y,YYYYYYYN", Variant::ArrayOf({Variant(0)})), true, false, u"L\x03" u"0\x03"},
        {record("u,Y,Y,YYYYYY", Variant::ArrayOf({Variant(0)})), false, false, u"L\x03" u"0\x03"},
        // Shapes that carry no rights: nothing is granted, nothing stops.
        {record("u,Y,Y,YYYYYYYY", Variant("no list")), true, true, u""},
        {record("u,Y,Y,YYYYYYYY", Variant::ArrayOf({Variant(3), Variant("a")})), true, true, u""},
        {Variant::Null(), false, false, u""},
        {Variant("text"), false, false, u""},
        {Variant::ArrayOf({Variant("KVTR42")}), false, false, u""},
    };
    int i = 0;
    for (const Case& c : cases) {
        form->ReadRightsRecord(c.record);
        EXPECT_EQ(form->RightsFlag7, c.flag7) << i;
        EXPECT_EQ(form->RightsFlag8, c.flag8) << i;
        EXPECT_EQ(form->LimitsText, c.limits) << i;
        ++i;
    }
    form->ReadRightsRecord(record("u1,Y,N,YYYYYYYY,e,f", Variant::ArrayOf({Variant(0)})));
    EXPECT_EQ(form->RightsRecord.Field1, "u1");
    EXPECT_TRUE(form->RightsRecord.Flag2);
    EXPECT_FALSE(form->RightsRecord.Flag3);
    EXPECT_EQ(form->RightsRecord.Rights, "YYYYYYYY");
    EXPECT_EQ(form->RightsRecord.Field6, "f");
    EXPECT_EQ(form->RightsRecord.Text3, "t3");
}

// --- The server module ----------------------------------------------------------------------

class ServerModule : public Server {
protected:
    ServerModule() : sink_("ZnpTest.ServerModuleSink", "Module") {
        sink_.Object().Method("Run", 1, [this](std::vector<Variant>&) { return RunOrder; });
        sink_.Object().Method("MessageText", 0, [this](std::vector<Variant>&) { return Status; });
        sink_.Object().Method("Free", 0, [this](std::vector<Variant>&) { return FreeOrder; });
        root_ = fs::path(installation_->Folder()).parent_path().string() + "/modules";
    }
    // Work folders of the server settings, below a folder of the test; each ends with "/".
    std::vector<std::string> WorkFolders(const std::vector<std::string>& names) {
        std::ofstream(getenv("ZNP_REGISTRY"), std::ios::app) << "ServerPath=" << installation_->Folder() << "\n";
        std::ofstream settings(installation_->Folder() + "/TrovaneS.ini");
        settings << "[WorkDLLPath]\n";
        std::vector<std::string> folders;
        for (size_t i = 0; i < names.size(); ++i) {
            folders.push_back(root_ + "/" + names[i] + "/");
            fs::create_directories(folders.back());
            settings << "Path" << i << "=" << folders.back() << "\n";
        }
        return folders;
    }
    // Puts the test's server module into Folder.
    static std::string Install(const std::string& folder, const std::string& source = KV_TEST_SERVER_MODULE) {
        const std::string path = folder + "KVTR42S.so";
        fs::copy_file(source, path, fs::copy_options::overwrite_existing);
        return path;
    }
    bool Run(TfrmBaseGene* form, const std::string& kind, const Variant& values) {
        return form->RunServerModule("J0000001", "KVTR42", "J00000010001", 1, values, "DEMO", kind, "KVTR42S.Class1",
                                     "U01", "C01", "FMT");
    }
    std::vector<RecordedCall> Runs() { return sink_.Log().Of("Module", "Run"); }
    Variant Status = Variant("");
    // What the module does after the sink answered Run and Free (see TestServerModule.cpp).
    Variant RunOrder, FreeOrder;
    ScopedFakeClass sink_;
    std::string root_;
};

TEST_F(ServerModule, ADirectQueryHandsTheModuleTheTwelveElementArray) {
    const std::string path = Install(WorkFolders({"C_PKG"})[0]);
    auto* form = CreateSetUp();
    form->TextsCollected = true;
    Status = Variant(std::u16string(u"报表已产生"));
    const Variant values = Variant::ArrayOf({Variant("cond"), Variant::ArrayOf({Variant("\x04"), Variant("a")})});
    EXPECT_TRUE(Run(form, "r", values));
    ASSERT_EQ(Runs().size(), 1u);
    const Variant expected = Variant::ArrayOf({Variant("J0000001"), Variant("FMT"), Variant("C01"), Variant("U01"),
                                               Variant("DEMO"), values, Variant(1), Variant("R"), Variant("J00000010001"),
                                               Variant(1), Variant(1), Variant("936")});
    EXPECT_EQ(Runs()[0].Args[0], expected);
    EXPECT_EQ(form->MessageTextLog, "报表已产生; ") << "the module's status text is recorded";
    EXPECT_EQ(form->MessageIdLog, "E;-1; ");
    EXPECT_EQ(sink_.Log().Count("Module", "Free"), 1);
    const RecordedCall* asked = fakes_.Log().Last("Manager", "GetFileList");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->Args[0], Variant::ArrayOf({Variant("kvtr42s.dll")}));
    EXPECT_EQ(dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "the module is unloaded after the run";

    // Design and web report runs have not collected the texts.
    form->TextsCollected = false;
    EXPECT_TRUE(Run(form, "CR", values));
    EXPECT_EQ(Runs().back().Args[0][7], Variant("CR"));
    EXPECT_EQ(Runs().back().Args[0][10], Variant(0));
}

TEST_F(ServerModule, KindBGetsTheSevenElementArray) {
    Install(WorkFolders({"C_PKG"})[0]);
    auto* form = CreateSetUp();
    const Variant values = Variant::ArrayOf({Variant("v")});
    EXPECT_TRUE(Run(form, "b", values));
    ASSERT_EQ(Runs().size(), 1u);
    EXPECT_EQ(Runs()[0].Args[0], Variant::ArrayOf({Variant("J0000001"), Variant("C01"), Variant("U01"), values,
                                                   Variant("DEMO"), Variant("J00000010001"), Variant(1)}));
}

TEST_F(ServerModule, AFailedRunKeepsItsReasonAndAnEmptyStatusClearsTheLogOtherwise) {
    Install(WorkFolders({"C_PKG"})[0]);
    auto* form = CreateSetUp();
    sink_.Object().FailOn("Run", "磁盘已满");
    EXPECT_FALSE(Run(form, "R", Variant()));
    EXPECT_EQ(form->MessageTextLog, "磁盘已满; ") << "an empty status does not wipe out why the run failed";
    EXPECT_EQ(sink_.Log().Count("Module", "Free"), 1) << "the controller is freed after a failure too";

    Status = Variant("空间不足");
    EXPECT_FALSE(Run(form, "R", Variant()));
    EXPECT_EQ(form->MessageTextLog, "磁盘已满; 空间不足; ");

    sink_.Object().StopFailing("Run");
    Status = Variant("");
    EXPECT_TRUE(Run(form, "R", Variant()));
    EXPECT_EQ(form->MessageIdLog, "");
    EXPECT_EQ(form->MessageTextLog, "");
}

TEST_F(ServerModule, WhateverABrokenModuleRaisesStaysInsideAndTheModuleIsFreedAndUnloaded) {
    const std::string path = Install(WorkFolders({"C_PKG"})[0]);
    auto* form = CreateSetUp();
    struct Case {
        const char* run;
        const char* free;
        const char* reason;
    } cases[] = {
        {"raise int", "", "The server module raised an exception of an unknown kind; "},
        {"raise own", "", "The server module raised an exception of an unknown kind; "},
        {"raise own std", "", "own std failure; "},
        {"", "raise own", "The server module raised an exception of an unknown kind; "},
    };
    int frees = 0;
    for (const Case& c : cases) {
        RunOrder = Variant(c.run);
        FreeOrder = Variant(c.free);
        Status = Variant("");
        form->RecordError("");  // an empty text empties the log
        bool result = true;
        EXPECT_NO_THROW(result = Run(form, "R", Variant())) << c.run << c.free;
        EXPECT_EQ(result, std::string(c.run).empty()) << c.run << c.free;
        EXPECT_EQ(form->MessageTextLog, c.reason) << c.run << c.free;
        EXPECT_EQ(sink_.Log().Count("Module", "Free"), ++frees) << "freed after " << c.run << c.free;
        EXPECT_EQ(dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "unloaded after " << c.run << c.free;
    }
    // The host goes on: the next run of a sound module succeeds.
    RunOrder = FreeOrder = Variant();
    Status = Variant("完成");
    form->RecordError("");
    EXPECT_TRUE(Run(form, "R", Variant()));
    EXPECT_EQ(form->MessageTextLog, "完成; ");
}

TEST_F(ServerModule, AModuleThatCannotBeFoundLoadedOrAskedForAControllerRunsNothing) {
    auto* form = CreateSetUp();
    EXPECT_FALSE(Run(form, "R", Variant())) << "no server settings, no work folders";

    const std::vector<std::string> folders = WorkFolders({"A", "B"});
    EXPECT_FALSE(Run(form, "R", Variant())) << "no module file";

    std::ofstream(folders[0] + "KVTR42S.so") << "no library";
    EXPECT_FALSE(Run(form, "R", Variant())) << "a file that does not load";

    // A library without the export.
    Install(folders[0], fs::path(KV_TEST_SERVER_MODULE).parent_path().parent_path().parent_path().string() +
                            "/services/reportserver/ReportCounterS.so");
    EXPECT_FALSE(Run(form, "R", Variant()));
    EXPECT_TRUE(Runs().empty());
    EXPECT_EQ(Application().PendingMessages().size(), 0u) << "pending messages are processed around the run";
}

TEST_F(ServerModule, TheFirstUsableCopyIsTakenAndAMissingOneIsFetchedIntoThePackageFolder) {
    auto* form = CreateSetUp();
    struct Case {
        std::vector<std::string> folders;
        std::vector<int> withFile;
        int chosen;
    };
    const Case cases[] = {
        {{"A", "B/S_PKG"}, {}, 1},
        {{"A", "B/s_pkg", "C/S_PKG"}, {}, 1},
        {{"A", "B"}, {}, 0},
        {{"A", "B", "C/S_PKG"}, {1, 2}, 1},
        {{"A/S_PKG", "B"}, {1}, 1},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::vector<std::string> names;
        for (const std::string& name : c.folders) names.push_back("case" + std::to_string(n) + "/" + name);
        const std::vector<std::string> folders = WorkFolders(names);
        for (int i : c.withFile) Install(folders[i]);
        std::string path;
        EXPECT_TRUE(form->FindServerModule(folders, path)) << n;
        EXPECT_EQ(path, folders[c.chosen] + "KVTR42S.DLL") << n;
        ++n;
    }
    std::string path = "x";
    EXPECT_FALSE(form->FindServerModule({}, path));
    EXPECT_EQ(path, "");
}

}  // namespace

namespace {

// The scheme data set on a Big5 interface over a GB database: captions and texts are shown in
// Big5, and what the user enters is stored in GB.
TEST_F(Server, DataSetTextsCrossTheCodePageBoundary) {
    test::ScopedTranslatorPath translator;
    fakes_.ReportServer().Schemes.push_back({"月报", "U01", "KVTR42", "", "", "20240105"});
    TfrmTestGene* form = CreateSetUp();
    form->ZnConverter->Configure("936", "950", "936", 2, 2);
    OleCall(form->ServerObject, "LoadTable", {Variant::ArrayOf({Variant("U01"), Variant("KVTR42")})});
    TClientDataSet& schemes = *form->ClientDataSet1;
    schemes.Open();
    schemes.Fields()[0]->DisplayLabel = "条件名称";
    form->TranslateDataSets();
    TField& name = *schemes.Fields()[0];
    EXPECT_EQ(name.DisplayLabel, test::Big5(u"條件名稱"));
    EXPECT_EQ(name.Text(), test::Big5(u"月報"));
    schemes.Edit();
    name.SetText(test::Big5(u"週報"));
    EXPECT_EQ(name.AsString(), "周报") << "stored in the database's code page";
}

}  // namespace
