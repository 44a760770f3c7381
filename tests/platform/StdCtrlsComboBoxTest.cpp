#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"

using namespace znp;
using namespace znp::testing;

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        cbo = f.Add<TComboBox>("cbo");
        for (const char* item : {"Apple", "banana", "Cherry"}) cbo->Items()->Add(item);
        cbo->OnChange = log.Notify("change");
        cbo->OnClick = log.Notify("click");
    }
    ShownForm f;
    TComboBox* cbo = nullptr;
    EventLog log;
};

TEST_F(ComboBoxTest, ItemIndexAndTextFollowEachOther) {
    cbo->SetItemIndex(1);
    EXPECT_EQ(cbo->Text(), "banana");
    cbo->SetText("CHERRY");  // an item, whatever the case
    EXPECT_EQ(cbo->ItemIndex(), 2);
    cbo->SetText("kiwi");
    EXPECT_EQ(cbo->ItemIndex(), -1);
    EXPECT_EQ(cbo->Text(), "kiwi");
    cbo->SetItemIndex(7);  // clamped
    EXPECT_EQ(cbo->Text(), "Cherry");
    cbo->SetItemIndex(-5);
    EXPECT_EQ(cbo->Text(), "");
    // Changes made by the program raise nothing.
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(ComboBoxTest, DropDownListTakesOnlyItsItems) {
    cbo->Style = TComboBoxStyle::csDropDownList;
    cbo->SetText("banana");
    EXPECT_EQ(cbo->ItemIndex(), 1);
    cbo->SetText("kiwi");
    EXPECT_EQ(cbo->ItemIndex(), -1);
    EXPECT_EQ(cbo->Text(), "");
}

TEST_F(ComboBoxTest, ArrowKeysPickItemsAsTheUserDoes) {
    f.form->FocusControl(cbo);
    f.form->PressKey(VK_DOWN);
    f.form->PressKey(VK_DOWN);
    EXPECT_EQ(cbo->ItemIndex(), 1);
    EXPECT_EQ(cbo->Text(), "banana");
    f.form->PressKey(VK_DOWN);
    f.form->PressKey(VK_DOWN);  // already at the last item: nothing happens
    f.form->PressKey(VK_UP);
    EXPECT_EQ(cbo->ItemIndex(), 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click cbo", "change cbo", "click cbo", "change cbo", "click cbo",
                                                   "change cbo", "click cbo", "change cbo"}));
}

TEST_F(ComboBoxTest, SelectReplacesChangeWhenHandled) {
    cbo->OnSelect = log.Notify("select");
    cbo->SelectItem(2);
    cbo->SelectItem(2);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click cbo", "select cbo"}));
}

TEST_F(ComboBoxTest, TypingEditsTheTextOrPicksByInitial) {
    f.form->FocusControl(cbo);
    for (char c : std::string("ban")) f.form->TypeChar(c);
    f.form->TypeChar('\b');
    EXPECT_EQ(cbo->Text(), "ba");
    EXPECT_EQ(log.lines.size(), 4u);  // one change per key

    cbo->Style = TComboBoxStyle::csDropDownList;
    log.lines.clear();
    f.form->TypeChar('c');
    EXPECT_EQ(cbo->ItemIndex(), 2);
    f.form->TypeChar('x');  // no item begins with it
    EXPECT_EQ(cbo->ItemIndex(), 2);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click cbo", "change cbo"}));
}

TEST(StdCtrlsRadioGroup, ItemIndexIsClampedAndFollowsTheItems) {
    ShownForm f;
    auto* rg = f.Add<TRadioGroup>("rg");
    rg->Items()->Add("a");
    rg->Items()->Add("b");
    EventLog log;
    rg->OnClick = log.Notify("click");
    rg->SetItemIndex(5);
    EXPECT_EQ(rg->ItemIndex(), 1);
    rg->Items()->Delete(1);
    EXPECT_EQ(rg->ItemIndex(), 0);
    rg->SetColumns(40);
    EXPECT_EQ(rg->Columns(), 16);
    EXPECT_TRUE(log.lines.empty());
    rg->Items()->Add("c");
    rg->ClickItem(1);
    rg->ClickItem(1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click rg"}));
}

}  // namespace
