// The recipient list XML, the portal request and the reading of the portal's answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/options/ZnNotifyXml.h"

using namespace znp::notify;

namespace {

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";
const std::string kSystem = "1.系统用户";
const std::string kPortal = "5.Portal用户";

RecipientRow RowOf(std::vector<std::string> cells) {
    RecipientRow row;
    for (size_t i = 0; i < cells.size() && i < row.size(); ++i) row[i] = cells[i];
    return row;
}

TEST(RecipientXml, TheDefaultListIsTheUserAsPortalRecipient) {
    EXPECT_EQ(DefaultRecipients("U01"), kDecl + "<Root><R1 ID=\"U01\" Name=\"\" Type=\"5\" Msg=\"YNN\"/></Root>");
    // A user id that XML reserves characters of stays one attribute.
    EXPECT_EQ(DefaultRecipients("a\"&<b"),
              kDecl + "<Root><R1 ID=\"a&quot;&amp;&lt;b\" Name=\"\" Type=\"5\" Msg=\"YNN\"/></Root>");
    const auto rows = ParseRecipients(DefaultRecipients("a\"&<b"), kPortal);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], RowOf({"a\"&<b", "", "", "", kPortal, "Y", "", ""}));
}

TEST(RecipientXml, RowsWithAnIdBecomeConsecutiveElementsAndReadBack) {
    const std::vector<RecipientRow> grid = {
        RowOf({"U01", "张三", "13800000000", "z@example.com", kSystem, "Y", "N", "Y"}),
        RowOf({"", "无编号", "", "", kSystem, "Y", "", ""}),
        RowOf({"U03", "", "", "", "", "", "", ""}),
    };
    const std::string xml = BuildRecipients(grid);
    EXPECT_EQ(xml, kDecl + "<Root><R1 ID=\"U01\" Name=\"张三\" Mob=\"13800000000\" Mail=\"z@example.com\" Type=\"1\" "
                           "Msg=\"YNY\"/><R2 ID=\"U03\" Name=\"\" Msg=\"\"/></Root>");
    const auto rows = ParseRecipients(xml, kSystem);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], RowOf({"U01", "张三", "13800000000", "z@example.com", kSystem, "Y", "", "Y"}));
    EXPECT_EQ(rows[1], RowOf({"U03"}));
}

TEST(RecipientXml, NoIdAnywhereIsTheEmptyListN) {
    EXPECT_EQ(BuildRecipients({RowOf({}), RowOf({"", "名"})}), "N");
    EXPECT_EQ(BuildRecipients({}), "N");
}

TEST(RecipientXml, ATypeShowsOnlyWhenItIsTheOfferedOne) {
    const std::string xml = kDecl + "<Root><R1 ID=\"P1\" Name=\"\" Type=\"5\" Msg=\"YNN\"/></Root>";
    EXPECT_EQ(ParseRecipients(xml, kPortal)[0][4], kPortal);
    const auto rows = ParseRecipients(xml, kSystem);
    EXPECT_EQ(rows[0][4], "");
    // ... and confirming drops it.
    EXPECT_EQ(BuildRecipients(rows), kDecl + "<Root><R1 ID=\"P1\" Name=\"\" Msg=\"Y\"/></Root>");
}

TEST(RecipientXml, TextsThatAreNoListGiveOneEmptyRow) {
    const std::string cases[] = {
        "N", "", "<Root><R1 ID=\"x\"", "not xml at all",
        kDecl + "<!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><Root><R1 ID=\"&e;\"/></Root>",
        kDecl + "<Root/>",
    };
    for (const std::string& xml : cases) {
        const auto rows = ParseRecipients(xml, kSystem);
        ASSERT_EQ(rows.size(), 1u) << xml;
        EXPECT_EQ(rows[0], RecipientRow{}) << xml;
    }
}

TEST(RecipientXml, MissingElementsAndUnknownAttributesLeaveTheirRowsEmpty) {
    // Three children, but R2 is missing: its row stays empty; Q9 counts as a child.
    const std::string xml = kDecl + "<Root><R1 ID=\"A\" Extra=\"?\" Msg=\"NYX\"/><Q9 ID=\"B\"/><R3 Name=\"C\"/></Root>";
    const auto rows = ParseRecipients(xml, kSystem);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], RowOf({"A", "", "", "", "", "", "Y", ""}));
    EXPECT_EQ(rows[1], RecipientRow{});
    EXPECT_EQ(rows[2], RowOf({"", "C"}));
}

TEST(PortalXml, TheRequestIsExactAndItsLocaleFollowsTheCodePage) {
    EXPECT_EQ(PortalRequest("U01", "C01", "936"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Request>   <Access>     <Authentication user=\"U01\" "
              "password=\"\"/>     <Connection application=\"VELMO\" source=\"\"/>     <Organization name=\"C01\"/> "
              "    <Locale language=\"zh_CN\"/>   </Access>   <RequestContent/> </Request>");
    EXPECT_EQ(PortalLocale("950"), "zh_TW");
    EXPECT_EQ(PortalLocale("437"), "ch_US");
    EXPECT_NE(PortalRequest("U\"1", "C&1", "936").find("user=\"U&quot;1\""), std::string::npos);
}

TEST(PortalXml, NormaliseXml) {
    const std::string doctype = "<!DOCTYPE SC[<!ENTITY stdd \"&amp;stdd;\">]>";
    const std::pair<std::string, std::string> cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + doctype + "<a/>"},
        {"<?xml version=\"1.0\"?><a/>", "<?xml version=\"1.0\" encoding=\"GB2312\"?>" + doctype + "<a/>"},
        {"<a/>", kDecl + doctype + "<a/>"},
        {"<!DOCTYPE a><a/>", kDecl + "<!DOCTYPE a><a/>"},
        {"<?XML version=\"1.0\"?>\r\n<!doctype a><a/>", "<?XML version=\"1.0\" encoding=\"GB2312\"?>\r\n<!doctype a><a/>"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(NormaliseXml(in), out) << in;
}

TEST(PortalXml, AnAnswerWithTwoUsers) {
    const std::string answer =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Response><Status code=\"0\" Description=\"\"/><Records>"
        "<Record><Field name=\"Id\" value=\"P01\"/><Field name=\"Name\" value=\"王五\"/></Record>"
        "<Record><Field name=\"Name\" value=\"赵六\"/><Field name=\"Id\" value=\"P02\"/></Record>"
        "<Record><Field name=\"Name\" value=\"无编号\"/></Record></Records></Response>";
    const PortalAnswer read = ReadPortalAnswer(answer);
    ASSERT_TRUE(read.Ok) << read.Error;
    ASSERT_EQ(read.Users.size(), 2u);
    EXPECT_EQ(read.Users[0].Id, "P01");
    EXPECT_EQ(read.Users[0].Name, "王五");
    EXPECT_EQ(read.Users[1].Id, "P02");
    EXPECT_EQ(read.Users[1].Name, "赵六");
}

TEST(PortalXml, AnswersThatAreRefused) {
    struct Case {
        const char* name;
        std::string answer;
        std::string error;
    };
    const Case cases[] = {
        {"failure code", "<Response><Status code=\"3\"/><Status Description=\"没有权限\"/></Response>", "没有权限"},
        {"no status", "<Response><Record><Field name=\"Id\" value=\"P\"/></Record></Response>", ""},
        {"not XML", "Internal Server Error", "the answer is not XML"},
        {"external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"http://127.0.0.1:9/\">]><r><Status code=\"0\"/>&x;</r>",
         "the answer declares a document type"},
        {"entity later", "<r><Status code=\"0\"/></r><!ENTITY x \"y\">", "the answer declares a document type"},
        {"huge", "<r>" + std::string(kMaxAnswerBytes, 'x') + "</r>", "the answer is too large"},
    };
    for (const Case& c : cases) {
        const PortalAnswer read = ReadPortalAnswer(c.answer);
        EXPECT_FALSE(read.Ok) << c.name;
        EXPECT_EQ(read.Error, c.error) << c.name;
        EXPECT_TRUE(read.Users.empty() || !read.Ok) << c.name;
    }
}

}  // namespace
