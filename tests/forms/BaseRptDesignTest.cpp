// Report design and the web report: registration and run of the job, the waiting window, the
// queue manager, the web report's address, its check and the browser, and every way out.
#include <stdlib.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fixture/FormFixture.h"
#include "fixture/OpeningFakes.h"
#include "forms/report/Kvtr42CF.h"
#include "forms/report/RunningWinCF.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/ComCtrls.h"
#include "platform/Graphics.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "runtime/CodeConverter.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;
namespace fs = std::filesystem;

namespace {

Variant Row(std::vector<Variant> items) { return Variant::ArrayOf(std::move(items)); }

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

double Moment(int y, int m, int d, int hh, int mm, double ss) {
    double date = 0;
    TryEncodeDate(y, m, d, date);
    return date + (hh * 3600 + mm * 60 + ss) / 86400.0;
}

class DesignAndWeb : public FormTest {
protected:
    DesignAndWeb() : clock_(Moment(2026, 12, 11, 9, 5, 7)), sink_("ZnpTest.ServerModuleSink", "Module") {
        sink_.Object().Method("Run", 1, [this](std::vector<Variant>&) -> Variant {
            if (!RunFailure.empty()) throw Exception(RunFailure);
            return Variant();
        });
        sink_.Object().Method("MessageText", 0, [](std::vector<Variant>&) { return Variant(""); });
        sink_.Object().Method("Free", 0, [](std::vector<Variant>&) { return Variant(); });
        fakes_.Manager().SetMessage("E", "000013", "后台处理失败: %s");
        fakes_.Validator().SetQueryAnswer("CMSMA", "02", true, Row({"http://reports.example"}));
        fakes_.ReportServer().JobAnswer = "20261211";
    }

    void InstallServerModule() {
        const std::string folder = installation_->Folder() + "/S_PKG/";
        fs::create_directories(folder);
        std::ofstream(getenv("ZNP_REGISTRY"), std::ios::app) << "ServerPath=" << installation_->Folder() << "\n";
        std::ofstream(installation_->Folder() + "/TrovaneS.ini") << "[WorkDLLPath]\nPath0=" << folder << "\n";
        fs::copy_file(KV_TEST_SERVER_MODULE, folder + "KVTR42S.so", fs::copy_options::overwrite_existing);
    }

    TfrmKvtr42* SetUpForm() {
        auto* form = CreateForm<TfrmKvtr42>();
        EXPECT_TRUE(form->Setup(HostParams()));
        dialogs_->Clear();
        fakes_.Log().Clear();
        return form;
    }

    std::vector<RecordedCall> Runs() { return sink_.Log().Of("Module", "Run"); }

    // The address the form builds for the job at the fixed clock.
    static std::string Expected(const std::string& site, const std::string& job) {
        return site + "/Server/ReportView.aspx?UserID=U01&CompanyID=C01&DbName=DEMO&Culture=zh-CHS&ReportID=KVTR42"
                      "&ExtName=B&MainTable=KVTR42" +
               job + job.substr(0, 8) + "0001B&IsPageBreak='N'&SendKey=20261211090507";
    }

    FixedClock clock_;
    ScopedFakeClass sink_;
    OpeningFakes opening_;
    std::string RunFailure;
};

TEST_F(DesignAndWeb, TheAddressOfTheExampleIsExact) {
    auto* form = SetUpForm();
    form->UserId = "U1";
    form->CompanyId = "C1";
    form->DbName = "D1";
    form->Output.FormatCode = "B";
    form->ZnConverter->Configure("950", "950", "950", 0, 0);
    ASSERT_EQ(form->ProgramId, "KVTR42");
    EXPECT_EQ(form->WebReportAddress("S", "J1", "K"),
              "S/Server/ReportView.aspx?UserID=U1&CompanyID=C1&DbName=D1&Culture=zh-CHT&ReportID=KVTR42&ExtName=B"
              "&MainTable=KVTR42J1J10001B&IsPageBreak='N'&SendKey=K");
    // Nothing is escaped: what the parts hold goes into the address as it is.
    form->UserId = "a b&c=d";
    EXPECT_NE(form->WebReportAddress("", "J1", "K").find("UserID=a b&c=d&CompanyID="), std::string::npos);
}

TEST_F(DesignAndWeb, CultureFollowsTheInterfacesCodePage) {
    const std::pair<const char*, const char*> cases[] = {
        {"437", "en"}, {"936", "zh-CHS"}, {"950", "zh-CHT"}, {"1252", "zh-CHT"}, {"", "zh-CHT"}};
    for (const auto& [page, culture] : cases) EXPECT_EQ(TfrmBaseRpt::WebCulture(page), culture) << page;
}

TEST_F(DesignAndWeb, TheSendKeyIsTheMomentToTheSecond) {
    const std::pair<double, const char*> cases[] = {
        {Moment(2026, 12, 11, 9, 5, 7), "20261211090507"},
        {Moment(2026, 1, 1, 0, 0, 0), "20260101000000"},
        // The last instant of a day never becomes hour 24 or the next day.
        {Moment(2026, 12, 31, 23, 59, 59.9), "20261231235959"},
    };
    for (const auto& [moment, key] : cases) EXPECT_EQ(TfrmBaseRpt::SendKeyOf(moment), key) << key;
}

TEST_F(DesignAndWeb, TheWebReportRegistersRunsChecksAndOpensTheAddress) {
    InstallServerModule();
    auto* form = SetUpForm();
    bool windowShown = false;
    opening_.WhileOpening = [&] {
        ASSERT_NE(form->RunningWin, nullptr);
        windowShown = form->RunningWin->Visible() && form->RunningWin->Animate1->Active();
        EXPECT_FALSE(form->btnWebDesign->Enabled());
        EXPECT_EQ(form->ProgramKind, "CR");
    };
    form->btnWebDesign->Click();

    const std::string address = Expected("http://reports.example", "20261211");
    const RecordedCall* registered = fakes_.Log().Last("ReportServer", "Request1");
    ASSERT_NE(registered, nullptr);
    ASSERT_EQ(Runs().size(), 1u);
    EXPECT_EQ(Runs()[0].Args[0][7], Variant("CR"));
    EXPECT_EQ(Runs()[0].Args[0][10], Variant(0)) << "texts are not collected again";
    const RecordedCall* status = fakes_.Log().Last("ReportServer", "UpdateStatus1");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->Args[0], Variant("20261211"));

    const auto open = opening_.Log().Of("HttpRequest", "open");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].Args, (std::vector<Variant>{Variant("Get"), Variant(address), Variant(false)}));
    EXPECT_EQ(opening_.Log().Count("HttpRequest", "send"), 1);
    EXPECT_EQ(opening_.Navigated(), address);
    EXPECT_EQ(opening_.BrowserProperties["Visible"], Variant(true));
    EXPECT_EQ(opening_.BrowserProperties["height"], Variant(720));
    EXPECT_EQ(opening_.BrowserProperties["width"], Variant(1024));
    EXPECT_EQ(opening_.BrowserProperties["addressbar"], Variant(false));
    EXPECT_EQ(opening_.BrowserProperties["toolbar"], Variant(0));
    EXPECT_EQ(opening_.BrowserProperties["menubar"], Variant(0));
    EXPECT_TRUE(opening_.ShellVerbs.empty());

    EXPECT_TRUE(windowShown);
    EXPECT_EQ(form->RunningWin, nullptr);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(form->ResultCode, 1);
    EXPECT_EQ(form->ResultValue, Variant("20261211"));
    EXPECT_EQ(form->ProgramKind, "R");
    EXPECT_TRUE(form->btnWebDesign->Enabled());

    // A direct query afterwards runs as a plain report again.
    form->btnQuery->Click();
    ASSERT_EQ(Runs().size(), 2u);
    EXPECT_EQ(Runs()[1].Args[0][7], Variant("R"));
}

TEST_F(DesignAndWeb, AnEmptySiteStillGivesTheViewersPath) {
    for (const Variant& answer : {Row({""}), Variant(), Variant::Array(0, -1)}) {
        fakes_.Validator().SetQueryAnswer("CMSMA", "02", true, answer);
        auto* form = SetUpForm();
        form->btnWebDesign->Click();
        EXPECT_EQ(opening_.Navigated(), Expected("", "20261211"));
        EXPECT_TRUE(StartsWith(opening_.Navigated(), "/Server/ReportView.aspx?"));
        EXPECT_TRUE(Boxes().empty());
        opening_.Log().Clear();
    }
}

TEST_F(DesignAndWeb, TheServerMayRenumberTheJobBeforeItIsOpened) {
    fakes_.ReportServer().UpdatedJobNo = "20261299";
    auto* form = SetUpForm();
    form->btnWebDesign->Click();
    EXPECT_EQ(opening_.Navigated(), Expected("http://reports.example", "20261299"));
    EXPECT_EQ(form->ResultValue, Variant("20261211")) << "the registered job stays the result";
}

TEST_F(DesignAndWeb, AFailingStatusRecordDoesNotStopTheOpening) {
    fakes_.ReportServer().FailOn("UpdateStatus1");
    auto* form = SetUpForm();
    form->btnWebDesign->Click();
    EXPECT_EQ(opening_.Navigated(), Expected("http://reports.example", "20261211"));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(DesignAndWeb, WebReportFailuresAndWhatTheyLeave) {
    struct Case {
        const char* name;
        std::function<void(DesignAndWeb&)> arrange;
        std::vector<std::string> boxPrefixes;
        // The address was checked, the browser was asked to go there, the shell opened it.
        bool checked, navigated, shellOpened;
    };
    const Case cases[] = {
        {"site query fails",
         [this](DesignAndWeb&) { fakes_.Validator().SetQueryAnswer("CMSMA", "02", false, Variant()); },
         {"WebReportSiteUrl not Exists, Please Check the table WebReportConfig", "开启报表失败! "},
         false, false, false},
        {"site does not answer",
         [this](DesignAndWeb&) { opening_.HttpRequest.Object().FailOn("send", "连接被拒绝"); },
         {"web报表网址配置不正确或无法访问！\r"}, true, false, false},
        {"no HTTP request object", [this](DesignAndWeb&) { opening_.HttpRequest.FailCreation = true; },
         {"web报表网址配置不正确或无法访问！\r"}, false, false, false},
        {"no browser object", [this](DesignAndWeb&) { opening_.Browser.FailCreation = true; }, {}, true, false, true},
        {"browser cannot navigate", [this](DesignAndWeb&) { opening_.Browser.Object().FailOn("Navigate"); }, {},
         true, true, true},
    };
    for (const Case& c : cases) {
        auto* form = SetUpForm();
        c.arrange(*this);
        form->btnWebDesign->Click();
        const std::vector<std::string> boxes = Boxes();
        ASSERT_EQ(boxes.size(), c.boxPrefixes.size()) << c.name;
        for (size_t i = 0; i < boxes.size(); ++i)
            EXPECT_TRUE(StartsWith(boxes[i], c.boxPrefixes[i])) << c.name << ": " << boxes[i];
        EXPECT_EQ(opening_.Log().Count("HttpRequest", "send") > 0, c.checked) << c.name;
        EXPECT_EQ(!opening_.Navigated().empty(), c.navigated) << c.name;
        const std::string address = Expected("http://reports.example", "20261211");
        if (c.shellOpened) {
            ASSERT_EQ(opening_.ShellVerbs.size(), 1u) << c.name;
            EXPECT_EQ(opening_.ShellVerbs[0], std::make_pair(std::string("open"), address)) << c.name;
        } else {
            EXPECT_TRUE(opening_.ShellVerbs.empty()) << c.name;
        }
        EXPECT_EQ(form->ResultCode, 1) << c.name << ": the job was registered";
        EXPECT_EQ(form->ProgramKind, "R") << c.name;
        EXPECT_EQ(form->RunningWin, nullptr) << c.name;
        EXPECT_TRUE(form->btnWebDesign->Enabled()) << c.name;
        // Back to a working set-up for the next case.
        opening_.Log().Clear();
        opening_.ShellVerbs.clear();
        opening_.HttpRequest.Object().StopFailing("send");
        opening_.HttpRequest.FailCreation = false;
        opening_.Browser.FailCreation = false;
        opening_.Browser.Object().StopFailing("Navigate");
        fakes_.Validator().SetQueryAnswer("CMSMA", "02", true, Row({"http://reports.example"}));
    }
}

TEST_F(DesignAndWeb, ARefusedRegistrationOpensNothing) {
    fakes_.ReportServer().JobAnswer = "ERROR";
    fakes_.ReportServer().ErrorText = "作业表已满";
    for (const char* button : {"btnDesign", "btnWebDesign"}) {
        auto* form = SetUpForm();
        dynamic_cast<TControl*>(form->FindComponent(button))->Click();
        ASSERT_EQ(Boxes().size(), 1u) << button;
        EXPECT_TRUE(StartsWith(Boxes()[0], "后台处理失败: 作业表已满")) << button;
        EXPECT_TRUE(Runs().empty()) << button;
        EXPECT_EQ(fakes_.Log().Count("ReportServer", "UpdateStatus1"), 0) << button;
        EXPECT_TRUE(opening_.Log().All().empty()) << button;
        EXPECT_EQ(form->ResultCode, 0) << button;
        EXPECT_EQ(form->ProgramKind, "R") << button;
        EXPECT_TRUE(dynamic_cast<TControl*>(form->FindComponent(button))->Enabled()) << button;
    }
}

TEST_F(DesignAndWeb, AFailedRunIsReportedAndNothingIsOpened) {
    InstallServerModule();
    RunFailure = "磁盘已满";
    for (const char* button : {"btnDesign", "btnWebDesign"}) {
        auto* form = SetUpForm();
        dynamic_cast<TControl*>(form->FindComponent(button))->Click();
        ASSERT_EQ(Boxes().size(), 1u) << button;
        EXPECT_TRUE(StartsWith(Boxes()[0], "产生报表失败! 原因: \r磁盘已满")) << button << ": " << Boxes()[0];
        EXPECT_TRUE(opening_.Log().All().empty()) << button;
        EXPECT_EQ(form->ResultCode, 1) << button;
        EXPECT_EQ(form->ResultValue, Variant("20261211")) << button;
        EXPECT_EQ(form->ProgramKind, "R") << button;
        EXPECT_TRUE(dynamic_cast<TControl*>(form->FindComponent(button))->Enabled()) << button;
    }
}

TEST_F(DesignAndWeb, DesignAsksTheQueueManagerToOpenTheJobsReport) {
    auto* form = SetUpForm();
    bool windowShown = false;
    opening_.WhileOpening = [&] {
        windowShown = form->RunningWin && form->RunningWin->Visible() && form->RunningWin->Animate1->Active();
        EXPECT_FALSE(form->btnDesign->Enabled());
    };
    form->btnDesign->Click();
    const RecordedCall* open = opening_.Log().Last("QueueManager", "OpenReport");
    ASSERT_NE(open, nullptr);
    ASSERT_EQ(open->Args.size(), 1u);
    EXPECT_EQ(open->Args[0], Row({Row({"20261211", "202612110001", "U01", form->ProductCode}), "U01", true}));
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "UpdateStatus1"), 1);
    EXPECT_TRUE(windowShown);
    EXPECT_EQ(form->RunningWin, nullptr);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(form->ResultCode, 1);
    EXPECT_EQ(form->ProgramKind, "R");
    EXPECT_TRUE(form->btnDesign->Enabled());
}

TEST_F(DesignAndWeb, DesignFailures) {
    struct Case {
        const char* name;
        bool failCreation;
        Variant answer;
        const char* box;
    };
    const Case cases[] = {
        {"no queue manager", true, Variant(0), "启动队列管理员失败! "},
        {"report not opened", false, Variant(1), "开启报表失败! "},
        {"answer is no number", false, Variant("busy"), "开启报表失败! "},
    };
    for (const Case& c : cases) {
        opening_.QueueManager.FailCreation = c.failCreation;
        opening_.OpenReportAnswer = c.answer;
        auto* form = SetUpForm();
        form->btnDesign->Click();
        ASSERT_EQ(Boxes().size(), 1u) << c.name;
        EXPECT_TRUE(StartsWith(Boxes()[0], c.box)) << c.name << ": " << Boxes()[0];
        EXPECT_EQ(opening_.Log().Count("QueueManager", "OpenReport"), c.failCreation ? 0 : 1) << c.name;
        EXPECT_EQ(form->RunningWin, nullptr) << c.name;
        EXPECT_TRUE(form->btnDesign->Enabled()) << c.name;
        EXPECT_EQ(form->ResultCode, 1) << c.name;
        opening_.Log().Clear();
    }
}

TEST_F(DesignAndWeb, HostDrivenMode3DesignsAndCloses) {
    auto* form = SetUpForm();
    form->RunWithParams(Row({true, Row({3, Row({true, Row({Row({"chk10", true})})})})}));
    EXPECT_EQ(opening_.Log().Count("QueueManager", "OpenReport"), 1);
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 0);
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form));
}

TEST_F(DesignAndWeb, TheWebReportButtonStaysHiddenWithSys181N) {
    fakes_.Counter().SetSysParam("SYS181", "N");
    auto* form = SetUpForm();
    form->Show();
    EXPECT_FALSE(form->btnWebDesign->Visible());
    form->btnPeriod->Click();
    form->btnPeriod->Click();
    EXPECT_FALSE(form->btnWebDesign->Visible()) << "the enabling rules never show it";
    EXPECT_EQ(form->btnWebDesign->Left(), form->btnPeriod->Left() + form->btnPeriod->Width() + 15);
}

TEST_F(DesignAndWeb, TheWaitingWindow) {
    auto* form = SetUpForm();
    auto* window = dynamic_cast<TfrmRunningWinC*>(TfrmRunningWinC::StaticClass().Create(form));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "报表开启中，请稍候...");
    EXPECT_EQ(window->Width(), 158);
    EXPECT_EQ(window->Height(), 51);
    EXPECT_EQ(window->Color(), clAqua);
    ASSERT_NE(window->Label1, nullptr);
    EXPECT_EQ(window->Label1->Caption(), "报表开启中，请稍候...");
    EXPECT_EQ(window->Label1->Left(), 12);
    EXPECT_EQ(window->Label1->Top(), 30);
    EXPECT_EQ(window->Label1->Font()->Color(), clRed);
    ASSERT_NE(window->Animate1, nullptr);
    EXPECT_EQ(window->Animate1->CommonAVI, TCommonAVI::aviFindFile);
    EXPECT_EQ(window->Animate1->Left(), 68);
    EXPECT_EQ(window->Animate1->Width(), 16);
    EXPECT_FALSE(window->Animate1->Active());
    EXPECT_FALSE(window->Visible());
    form->SetBounds(100, 50, 600, 460);
    window->ShowRunning();
    EXPECT_TRUE(window->Visible());
    EXPECT_TRUE(window->Animate1->Active());
    EXPECT_EQ(window->Left(), 100 + (600 - 158) / 2);
    EXPECT_EQ(window->Top(), 50 + (460 - 51) / 2);
    EXPECT_EQ(dialogs_->Records().size(), 0u) << "not modal";
    TObject::Free(window);
}

}  // namespace
