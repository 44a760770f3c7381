#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/Menus.h"

using namespace znp;
using namespace znp::testing;

namespace {

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu = Construct<TPopupMenu>(f.form);
        for (const char* name : {"N1", "N2", "N3"}) {
            auto* item = Construct<TMenuItem>(f.form);
            item->SetName(name);
            item->Caption = std::string("&") + name;
            item->RadioItem = true;
            item->OnClick = log.Notify("click");
            menu->Items()->Add(item);
            items.push_back(item);
        }
    }
    ShownForm f;
    TPopupMenu* menu = nullptr;
    std::vector<TMenuItem*> items;
    EventLog log;
};

TEST_F(MenuTest, RadioItemsOfAGroupAreCheckedOneAtATime) {
    items[2]->GroupIndex = 1;
    items[0]->SetChecked(true);
    items[1]->SetChecked(true);
    items[2]->SetChecked(true);
    EXPECT_FALSE(items[0]->Checked());
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_TRUE(items[2]->Checked());  // another group
    items[2]->RadioItem = false;
    items[2]->GroupIndex = 0;
    items[2]->SetChecked(true);
    EXPECT_TRUE(items[1]->Checked());  // plain items take no part
}

TEST_F(MenuTest, ClickRaisesOnClickUnlessDisabled) {
    items[0]->Click();
    items[1]->Enabled = false;
    items[1]->Click();
    items[2]->AutoCheck = true;
    items[2]->Click();
    EXPECT_TRUE(items[2]->Checked());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click N1", "click N3"}));
}

TEST_F(MenuTest, NestingAndFreeing) {
    auto* sub = Construct<TMenuItem>(f.form);
    items[0]->Add(sub);
    EXPECT_EQ(sub->GetParentMenu(), menu);
    EXPECT_EQ(menu->Items()->Find("n2"), items[1]);
    EXPECT_THROW(sub->Add(items[0]), Exception);  // an item cannot hold its parent
    EXPECT_THROW(menu->Items()->Add(sub), Exception);  // nor sit in two places
    TObject::Free(items[1]);
    EXPECT_EQ(menu->Items()->Count(), 2);
    EXPECT_EQ(items[2]->MenuIndex(), 1);
    // Freeing an item frees its sub-items with it.
    TObject::Free(items[0]);
    EXPECT_EQ(f.form->FindComponent("N1"), nullptr);
    EXPECT_EQ(f.form->ComponentCount(), 2);  // the menu and N3
}

}  // namespace
