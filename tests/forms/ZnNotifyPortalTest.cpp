// The portal call through the web-service library against a portal on loopback: two users, a
// failure code, a failed call, no address, and the answer file's name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture/LoopbackHttp.h"
#include "fixture/TestPaths.h"
#include "forms/options/ZnNotifyPortal.h"
#include "forms/options/ZnNotifyXml.h"
#include "platform/DynamicLibrary.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::notify;
using namespace znp::test;

namespace {

const std::string kTwoUsers =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Response><Status code=\"0\" Description=\"OK\"/><Records>"
    "<Record><Field name=\"Id\" value=\"P01\"/><Field name=\"Name\" value=\"Wang\"/></Record>"
    "<Record><Field name=\"Id\" value=\"P02\"/><Field name=\"Name\" value=\"Zhao\"/></Record></Records></Response>";

std::string Http(const std::string& status, const std::string& body) {
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

class Portal : public ::testing::Test {
protected:
    Portal() { AddLibrarySearchFolder((BuildDir() / "services" / "callwebservice").string()); }
    std::vector<std::string> boxes_;
    std::function<void(const std::string&)> Box() {
        return [this](const std::string& text) { boxes_.push_back(text); };
    }
};

TEST_F(Portal, TheLoopbackPortalAnswersTwoUsers) {
    // The portal answers the method it is asked for only.
    LoopbackServer portal([](const std::string& request) {
        return request.find("SOAPAction: \"PORTAL.getAllUser\"") != std::string::npos &&
                       request.find("<Authentication user=\"U01\" password=\"\"/>") != std::string::npos &&
                       request.find("<Locale language=\"zh_TW\"/>") != std::string::npos
                   ? Http("200 OK", kTwoUsers)
                   : Http("404 Not Found", "");
    });
    const std::string answer = CallPortal(portal.Url("/portal"), "U01", "C01", "950", Box(), nullptr);
    EXPECT_TRUE(boxes_.empty());
    const PortalAnswer read = ReadPortalAnswer(answer);
    ASSERT_TRUE(read.Ok) << read.Error << "\n" << answer;
    ASSERT_EQ(read.Users.size(), 2u);
    EXPECT_EQ(read.Users[0].Id, "P01");
    EXPECT_EQ(read.Users[1].Name, "Zhao");
    EXPECT_NE(answer.find("\r\n"), std::string::npos) << "lines joined by CR LF";
}

TEST_F(Portal, AFailureCodeShowsTheDescriptionAndGivesNoAnswer) {
    LoopbackServer portal(Http("200 OK", "<Response><Status code=\"7\" Description=\"no rights\"/></Response>"));
    EXPECT_EQ(CallPortal(portal.Url("/"), "U01", "C01", "936", Box(), nullptr), "");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], "Call portal webservice error! \n\rno rights");
}

TEST_F(Portal, AFailedCallShowsTheErrorAndWhatArrived) {
    {
        LoopbackServer portal(Http("500 Internal Server Error", "broken"));
        EXPECT_EQ(CallPortal(portal.Url("/"), "U01", "C01", "936", Box(), nullptr), "");
    }
    {
        LoopbackServer refusing("", false);
        EXPECT_EQ(CallPortal(refusing.Url("/"), "U01", "C01", "936", Box(), nullptr), "");
    }
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0], "Call portal webservice error! HTTP status 500\n\rResult:broken\r\n");
    EXPECT_TRUE(boxes_[1].rfind("Call portal webservice error! ", 0) == 0) << boxes_[1];
    EXPECT_NE(boxes_[1].find("\n\rResult:"), std::string::npos) << boxes_[1];
}

TEST_F(Portal, AnAnswerThatIsNoXmlOrBringsADocumentTypeIsRefused) {
    for (const std::string& body :
         {std::string("not xml"), std::string("<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>")}) {
        LoopbackServer portal(Http("200 OK", body));
        EXPECT_EQ(CallPortal(portal.Url("/"), "U01", "C01", "936", Box(), nullptr), "") << body;
    }
    EXPECT_EQ(boxes_.size(), 2u);
}

TEST_F(Portal, WithoutAnAddressNothingIsCalled) {
    EXPECT_EQ(CallPortal("", "U01", "C01", "936", Box(), nullptr), "");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(Portal, TheAnswerFileIsNamedToTheMillisecond) {
    double date = 0;
    ASSERT_TRUE(TryEncodeDate(2026, 12, 11, date));
    EXPECT_EQ(AnswerFileName(date + (9 * 3600 + 5 * 60 + 7.123) / 86400.0), "~Velmo_20261211090507123.tmp");
    EXPECT_EQ(AnswerFileName(date + 0.9999999999), "~Velmo_20261211235959999.tmp");
}

}  // namespace
