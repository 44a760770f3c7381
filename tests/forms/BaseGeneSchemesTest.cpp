// The scheme pane: listing, saving, opening, deleting and renaming condition schemes on the report
// server (the recording fake), with the list, the data set and the controls kept consistent when
// the server refuses or raises.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Kvtr42C/Protocol.h"
#include "fixture/FormFixture.h"
#include "platform/ListView.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Clock.h"

namespace znp::test {
namespace {

class Schemes : public FormTest {
protected:
    TfrmTestGene* CreateSetUp() {
        auto* form = CreateForm();
        EXPECT_TRUE(form->Setup(HostParams()));
        dialogs_->Clear();
        fakes_.Log().Clear();
        return form;
    }
    void AddScheme(const std::string& name, const std::string& keys = "", const std::string& value = "",
                   const std::string& user = "U01", const std::string& date = "20240105") {
        fakes_.ReportServer().Schemes.push_back({name, user, "KVTR42", keys, value, date});
    }
    static std::vector<std::string> Captions(const TListView& list) {
        std::vector<std::string> captions;
        for (int i = 0; i < list.ItemCount(); ++i) captions.push_back(list.Items(i)->Caption());
        return captions;
    }
    // The texts of the boxes shown, without the blanks a GB system's boxes get at their end.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts = Boxes();
        for (std::string& t : texts) t.erase(t.find_last_not_of(' ') + 1);
        return texts;
    }
    static TListItem* Select(TfrmBaseGene& form, const std::string& caption) {
        TListItem* item = form.lstCondition->FindCaption(0, caption);
        form.lstCondition->SetSelected(item);
        return item;
    }
};

TEST_F(Schemes, TheListShowsThisUsersSchemesOfThisProgramSortedWithTheirDates) {
    AddScheme("周报", "", "", "U01", "20240105");
    AddScheme("A plan", "", "", "U01", "2024-01-05");  // no date text: shown empty, still listed
    AddScheme("other user", "", "", "U02");
    fakes_.ReportServer().Schemes.push_back({"other program", "U01", "KVTR99", "", "", "20240105"});
    auto* form = CreateSetUp();
    ASSERT_TRUE(form->LoadSchemeList());
    ASSERT_EQ(Captions(*form->lstCondition), (std::vector<std::string>{"A plan", "周报"}));
    const TListItem* weekly = form->lstCondition->Items(1);
    EXPECT_EQ(weekly->ImageIndex, 0);
    EXPECT_EQ((*weekly->SubItems())[0], "2024/01/05");
    EXPECT_EQ((*form->lstCondition->Items(0)->SubItems())[0], "");

    // In the report view, the list shows the list style while it is loaded, then the report view.
    form->lstCondition->ViewStyle = TViewStyle::vsReport;
    std::vector<TViewStyle> styleDuringLoad;
    fakes_.ReportServer().Method("LoadTable", 1, [&, form](std::vector<Variant>& args) -> Variant {
        styleDuringLoad.push_back(form->lstCondition->ViewStyle);
        const protocol::SchemeOwner owner = protocol::SchemeOwner::FromVariant(args[0]);
        EXPECT_EQ(owner.UserId, "U01");
        EXPECT_EQ(owner.ProgramId, "KVTR42");
        return Variant();
    });
    ASSERT_TRUE(form->LoadSchemeList());
    EXPECT_EQ(styleDuringLoad, std::vector<TViewStyle>{TViewStyle::vsList});
    EXPECT_EQ(form->lstCondition->ViewStyle, TViewStyle::vsReport);
}

TEST_F(Schemes, ShowingTheFormBuildsTheColumnsAndLoadsTheList) {
    AddScheme("月报");
    auto* form = CreateSetUp();
    form->Show();
    ASSERT_EQ(form->lstCondition->ColumnCount(), 2);
    EXPECT_EQ(form->lstCondition->Columns(0)->Caption, "方案名称");
    EXPECT_EQ(form->lstCondition->Columns(0)->Alignment, TAlignment::taRightJustify);
    EXPECT_EQ(form->lstCondition->Columns(1)->Caption, "创建时间");
    EXPECT_EQ(Captions(*form->lstCondition), std::vector<std::string>{"月报"});
    form->Hide();
    form->Show();
    EXPECT_EQ(form->lstCondition->ColumnCount(), 2) << "rebuilt, not added to";
}

TEST_F(Schemes, ALoadThatFailsIsRaisedWithItsTextAndLeavesTheListUsable) {
    AddScheme("月报");
    auto* form = CreateSetUp();
    ASSERT_TRUE(form->LoadSchemeList());
    form->lstCondition->ViewStyle = TViewStyle::vsSmallIcon;

    // A table without the value column is no scheme table.
    Variant table = protocol::SchemeTable{{{"x", "U01", "KVTR42", "k", "v", "20240101"}}}.ToVariant();
    table.At(0, 4) = "OTHER";
    fakes_.ReportServer().TableAnswer = table;
    try {
        form->LoadSchemeList();
        ADD_FAILURE() << "a table of the wrong shape was read";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("VCONDITION"), std::string::npos) << e.what();
    }
    EXPECT_EQ(form->lstCondition->ViewStyle, TViewStyle::vsSmallIcon);

    fakes_.ReportServer().TableAnswer.reset();
    fakes_.ReportServer().FailOn("LoadTable", "server gone");
    EXPECT_THROW(form->LoadSchemeList(), Exception);
    // Shown, the form reports it instead of failing to show.
    form->Show();
    EXPECT_EQ(Shown().back(), "server gone");

    fakes_.ReportServer().StopFailing("LoadTable");
    EXPECT_TRUE(form->LoadSchemeList());
    EXPECT_EQ(Captions(*form->lstCondition), std::vector<std::string>{"月报"});

    auto* noServer = CreateForm();
    EXPECT_FALSE(noServer->LoadSchemeList());
}

TEST_F(Schemes, SavingSendsTheSchemeAndOpeningRestoresIt) {
    FixedClock clock(45413.5);  // 2024/05/01 12:00
    auto* form = CreateSetUp();
    form->lblCondition->SetCaption("before");
    form->edPrintDate->SetText("2024/05/01");
    const std::string keys = "lblCondition.caption;edPrintDate.text";
    ASSERT_TRUE(form->SaveScheme(keys, "月报", false));
    const RecordedCall* call = fakes_.Log().Last("ReportServer", "InsertConTable");
    ASSERT_NE(call, nullptr);
    const protocol::SchemeInsert sent = protocol::SchemeInsert::FromVariant(call->Args[0]);
    EXPECT_EQ(sent.Record.Name, "月报");
    EXPECT_EQ(sent.Record.Creator, "U01");
    EXPECT_EQ(sent.Record.Programme, "KVTR42");
    EXPECT_EQ(sent.Record.CreateDate, "20240501");
    EXPECT_EQ(sent.Record.Keys, keys);
    EXPECT_EQ(sent.Record.Value, "before\r\n20240501\r\n");
    EXPECT_FALSE(sent.Overwrite);

    // A second save of the name is refused by the server: false, nothing shown.
    EXPECT_FALSE(form->SaveScheme(keys, "月报", false));
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(form->SaveScheme(keys, "月报", true));

    ASSERT_TRUE(form->LoadSchemeList());
    form->lblCondition->SetCaption("after");
    form->edPrintDate->SetText("");
    ASSERT_NE(Select(*form, "月报"), nullptr);
    form->btnOpenClick(form);
    EXPECT_EQ(form->lblCondition->Caption(), "before");
    EXPECT_EQ(form->edPrintDate->Text(), "2024/05/01");
    EXPECT_TRUE(Shown().empty());
}

TEST_F(Schemes, OpeningASchemeThatCannotBeRestoredStopsThereAndSaysSo) {
    // The second line is no number for an integer property: the restore stops there.
    AddScheme("坏方案", "lblCondition.caption;Panel1.Height;edPrintDate.text", "restored\r\nabc\r\n20240501\r\n");
    auto* form = CreateSetUp();
    ASSERT_TRUE(form->LoadSchemeList());
    const int height = form->Panel1->Height();
    ASSERT_NE(Select(*form, "坏方案"), nullptr);
    form->btnOpenClick(form);
    EXPECT_EQ(form->lblCondition->Caption(), "restored");
    EXPECT_EQ(form->Panel1->Height(), height);
    EXPECT_EQ(form->edPrintDate->Text().find("2024"), std::string::npos);
    ASSERT_EQ(dialogs_->Records().size(), 1u);
    EXPECT_NE(fakes_.Log().Count("Manager", "GetMessage"), 0);
    EXPECT_NE(form->MessageIdLog.find("R;200235"), std::string::npos) << form->MessageIdLog;

    // Nothing selected: nothing happens.
    form->lstCondition->SetSelected(nullptr);
    dialogs_->Clear();
    form->btnOpenClick(form);
    EXPECT_TRUE(dialogs_->Records().empty());
}

TEST_F(Schemes, DeleteAsksFirstAndReloadsOnlyAfterTheServerDeleted) {
    AddScheme("月报");
    AddScheme("周报");
    auto* form = CreateSetUp();
    ASSERT_TRUE(form->LoadSchemeList());

    Select(*form, "月报");
    dialogs_->AnswerNextBox(mrNo);
    form->btnDeleteClick(form);
    EXPECT_EQ(Shown(), std::vector<std::string>{"确实要删除此方案吗？月报"});
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "DeleteConTable"), 0);
    EXPECT_EQ(fakes_.ReportServer().Schemes.size(), 2u);

    fakes_.ReportServer().DeleteRefusal = "locked by another user";
    dialogs_->AnswerNextBox(mrYes);
    form->btnDeleteClick(form);
    EXPECT_EQ(Shown().back(), "locked by another user");
    EXPECT_EQ(Captions(*form->lstCondition).size(), 2u);
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "LoadTable"), 1) << "no reload after a refusal";

    fakes_.ReportServer().DeleteRefusal.clear();
    dialogs_->AnswerNextBox(mrYes);
    form->btnDeleteClick(form);
    const protocol::SchemeKey key =
        protocol::SchemeKey::FromVariant(fakes_.Log().Last("ReportServer", "DeleteConTable")->Args[0]);
    EXPECT_EQ(key.Name, "月报");
    EXPECT_EQ(key.UserId, "U01");
    EXPECT_EQ(Captions(*form->lstCondition), std::vector<std::string>{"周报"});
}

TEST_F(Schemes, RenameChecksTheNameBeforeAskingTheServer) {
    AddScheme("月报");
    AddScheme("Week");
    auto* form = CreateSetUp();
    ASSERT_TRUE(form->LoadSchemeList());
    const std::string ten = "一二三四五六七八九十";  // ten double-byte characters: 20 bytes
    struct Case {
        const char* name;
        std::string from, to;
        std::string box;  // "" when accepted
        std::string caption;
    };
    const Case cases[] = {
        {"blank", "月报", "   ", "方案名不可空白!", "月报"},
        {"21 bytes", "月报", ten + "x", "方案名长度不可大于20!", "月报"},
        {"broken character", "月报", "ab\xD4", "方案名含有无效字符!", "月报"},
        {"another scheme's name", "月报", "Week", "此方案名称已经存在！", "月报"},
        {"20 bytes", "月报", ten, "", ten},
        {"letter case only", "Week", "week", "", "week"},
        {"leading blanks kept", "week", "  week", "", "  week"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs_->Clear();
        fakes_.Log().Clear();
        TListItem* item = form->lstCondition->FindCaption(0, c.from);
        ASSERT_NE(item, nullptr);
        form->lstCondition->EditCaption(item, c.to);
        EXPECT_EQ(item->Caption(), c.caption);
        if (c.box.empty()) {
            EXPECT_TRUE(Shown().empty());
            ASSERT_EQ(fakes_.Log().Count("ReportServer", "ChangeConName"), 1);
            const RecordedCall* call = fakes_.Log().Last("ReportServer", "ChangeConName");
            EXPECT_EQ(protocol::SchemeKey::FromVariant(call->Args[0]).Name, c.from);
            EXPECT_EQ(protocol::SchemeKey::FromVariant(call->Args[1]).Name, c.to);
        } else {
            EXPECT_EQ(Shown(), std::vector<std::string>{c.box});
            EXPECT_EQ(fakes_.Log().Count("ReportServer", "ChangeConName"), 0);
        }
    }
    // The data set follows the server: the renamed scheme opens under its new name.
    form->lstCondition->SetSelected(form->lstCondition->FindCaption(0, ten));
    dialogs_->Clear();
    form->btnOpenClick(form);
    EXPECT_TRUE(form->ClientDataSet1->FindKey({Variant(ten), Variant("U01"), Variant("KVTR42")}));

    // The same name again asks nobody.
    fakes_.Log().Clear();
    form->lstCondition->EditCaption(form->lstCondition->FindCaption(0, ten), ten);
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "ChangeConName"), 0);
}

TEST_F(Schemes, ARenameTheServerRefusesKeepsTheOldNameEverywhere) {
    AddScheme("月报");
    auto* form = CreateSetUp();
    ASSERT_TRUE(form->LoadSchemeList());
    for (bool raises : {false, true}) {
        SCOPED_TRACE(raises);
        dialogs_->Clear();
        if (raises)
            fakes_.ReportServer().FailOn("ChangeConName", "connection lost");
        else
            fakes_.ReportServer().RenameRefusal = "no rights";
        TListItem* item = form->lstCondition->FindCaption(0, "月报");
        form->lstCondition->EditCaption(item, "季报");
        EXPECT_EQ(item->Caption(), "月报");
        EXPECT_EQ(Shown(), (std::vector<std::string>{"更改方案名失败!", raises ? "connection lost" : "no rights"}));
        EXPECT_EQ(fakes_.ReportServer().Schemes[0].Name, "月报");
        EXPECT_TRUE(form->ClientDataSet1->FindKey({Variant("月报"), Variant("U01"), Variant("KVTR42")}));
    }
}

}  // namespace
}  // namespace znp::test
