// The client machine's objects through the shipped class configuration: the queue manager's
// answers, the browser keeping its address, and the HTTP request object against a loopback
// server (an answer of any status, a refused port, a server that never answers).

#include <gtest/gtest.h>

#include <string>

#include "ServiceTestSupport.h"
#include "fixture/LoopbackHttp.h"
#include "fixture/FormFixture.h"
#include "platform/ClassRegistry.h"
#include "platform/SysUtils.h"

using namespace znp;
using namespace znp::test;

namespace {

Variant Row(std::vector<Variant> items) { return Variant::ArrayOf(std::move(items)); }

class ClientObjects : public ::testing::Test {
protected:
    ClientObjects() { UseInstalledServices(); }
};

TEST_F(ClientObjects, TheQueueManagerOpensOnlyARequestThatNamesAJob) {
    Variant manager = CreateOleObject("QueueManagerC.Class1");
    const Variant good = Row({Row({"20261211", "202612110001", "U01", 3}), "U01", true});
    EXPECT_EQ(OleCall(manager, "OpenReport", {good}), Variant(0));
    EXPECT_EQ(OleGet(manager, "LastRequest"), Variant("20261211 202612110001 U01"));
    for (const Variant& bad : {Variant("x"), Row({Row({"", "", "U01", 3}), "U01", true}),
                               Row({Row({"ERROR", "ERROR0001", "U01", 3}), "U01", true}), Row({Row({"J1"}), "U", true})})
        EXPECT_EQ(OleCall(manager, "OpenReport", {bad}), Variant(1));
}

TEST_F(ClientObjects, TheBrowserKeepsTheAddressAsGiven) {
    ScopedEnv noDisplay("DISPLAY", "");
    ScopedEnv noWayland("WAYLAND_DISPLAY", "");
    Variant browser = CreateOleObject("InternetExplorer.Application");
    OleSet(browser, "Visible", Variant(true));
    OleSet(browser, "addressbar", Variant(false));
    const std::string address = "/Server/ReportView.aspx?UserID=U1&IsPageBreak='N'&SendKey=K";
    OleCall(browser, "Navigate", {Variant(address)});
    EXPECT_EQ(OleGet(browser, "LocationURL"), Variant(address));
    EXPECT_EQ(OleGet(browser, "addressbar"), Variant(false));
    EXPECT_THROW(OleCall(browser, "Navigate", {Variant("")}), EOleError);
}

TEST_F(ClientObjects, TheHttpRequestGetsTheAnswerWhateverItsStatus) {
    for (const char* status : {"200 OK", "404 Not Found"}) {
        LoopbackServer server(std::string("HTTP/1.0 ") + status + "\r\nContent-Length: 2\r\n\r\nok");
        Variant request = CreateOleObject("ZnpXml.XMLHTTP");
        const std::string url = server.Url("/Server/ReportView.aspx?ReportID=KVTR42&IsPageBreak='N'&SendKey=1");
        OleCall(request, "open", {Variant("Get"), Variant(url), Variant(false)});
        OleCall(request, "send");
        EXPECT_EQ(OleGet(request, "status"), Variant(std::atoi(status))) << status;
        EXPECT_EQ(OleGet(request, "responseText"), Variant("ok")) << status;
        EXPECT_EQ(server.Request().rfind("GET /Server/ReportView.aspx?ReportID=KVTR42&IsPageBreak='N'&SendKey=1 ", 0), 0u)
            << "the address goes out as it is";
    }
}

TEST_F(ClientObjects, TheHttpRequestRaisesWithoutAnAnswer) {
    {
        LoopbackServer refusing("", false);
        Variant request = CreateOleObject("ZnpXml.XMLHTTP");
        OleCall(request, "open", {Variant("Get"), Variant(refusing.Url("/")), Variant(false)});
        EXPECT_THROW(OleCall(request, "send"), EOleError);
    }
    {
        LoopbackServer silent("");
        Variant request = CreateOleObject("ZnpXml.XMLHTTP");
        OleSet(request, "Timeout", Variant(1));
        OleCall(request, "open", {Variant("Get"), Variant(silent.Url("/")), Variant(false)});
        EXPECT_THROW(OleCall(request, "send"), EOleError) << "the wait is bounded";
    }
    Variant request = CreateOleObject("ZnpXml.XMLHTTP");
    EXPECT_THROW(OleCall(request, "send"), EOleError) << "not opened";
    OleCall(request, "open", {Variant("Get"), Variant("file:///etc/passwd"), Variant(false)});
    EXPECT_THROW(OleCall(request, "send"), EOleError) << "only HTTP";
}

}  // namespace
