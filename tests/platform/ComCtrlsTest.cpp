#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/ComCtrls.h"

using namespace znp;
using namespace znp::testing;

namespace {

class PageControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        pg = f.Add<TPageControl>("pg");
        for (const char* name : {"ts1", "ts2", "ts3"}) {
            auto* sheet = f.Add<TTabSheet>(name, pg);
            sheet->OnShow = log.Notify("show");
            sheet->OnHide = log.Notify("hide");
            sheets.push_back(sheet);
        }
        ed1 = f.Add<TEdit>("ed1", sheets[0]);
        ed2 = f.Add<TEdit>("ed2", sheets[1]);
        pg->OnChange = log.Notify("change");
        pg->OnChanging = TAllowChangeEvent(this, "changing", [this](TObject*, bool& allow) {
            log.lines.push_back("changing " + pg->ActivePage()->Name());
            allow = allowChange;
        });
        log.lines.clear();
    }
    ShownForm f;
    TPageControl* pg = nullptr;
    std::vector<TTabSheet*> sheets;
    TEdit *ed1 = nullptr, *ed2 = nullptr;
    EventLog log;
    bool allowChange = true;
};

TEST_F(PageControlTest, OnlyTheActivePageIsVisibleAndTakesTheFocus) {
    EXPECT_EQ(pg->ActivePage(), sheets[0]);  // the first page became active
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[1]->Visible());
    EXPECT_TRUE(ed1->CanFocus());
    EXPECT_FALSE(ed2->CanFocus());
    f.form->FocusControl(ed1);
    f.form->PressKey(VK_TAB);  // Tab never goes into a hidden page
    EXPECT_NE(f.form->ActiveControl(), ed2);
}

TEST_F(PageControlTest, TheProgramsChangeRaisesNoChangeEvents) {
    pg->SetActivePage(sheets[2]);
    EXPECT_EQ(pg->ActivePageIndex(), 2);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"show ts3", "hide ts1"}));
}

TEST_F(PageControlTest, TheUsersChangeAsksFirstAndCanBeRefused) {
    allowChange = false;
    pg->SelectNextPage(true);
    EXPECT_EQ(pg->ActivePage(), sheets[0]);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"changing ts1"}));

    allowChange = true;
    log.lines.clear();
    pg->SelectNextPage(true);
    EXPECT_EQ(pg->ActivePage(), sheets[1]);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"changing ts1", "show ts2", "hide ts1", "change pg"}));
    // Backwards from the first page wraps to the last.
    pg->SetActivePage(sheets[0]);
    pg->SelectNextPage(false);
    EXPECT_EQ(pg->ActivePage(), sheets[2]);
}

TEST_F(PageControlTest, HiddenTabsAreSkippedAndLeaveTheActivePage) {
    sheets[1]->SetTabVisible(false);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    EXPECT_EQ(pg->TabCount(), 2);
    pg->SelectNextPage(true);
    EXPECT_EQ(pg->ActivePage(), sheets[2]);
    sheets[2]->SetTabVisible(false);  // the active tab disappears: the next visible page shows
    EXPECT_EQ(pg->ActivePage(), sheets[0]);
    EXPECT_FALSE(pg->ChangePageByUser(sheets[1]));
}

TEST_F(PageControlTest, TheFocusLeavesTheOldPageAndAnExitHandlerCanStopTheChange) {
    f.form->FocusControl(ed1);
    EXPECT_TRUE(pg->ChangePageByUser(sheets[1]));
    EXPECT_EQ(f.form->ActiveControl(), ed2);  // the first control of the new page

    ed2->OnExit = TNotifyEvent(this, "keep", [this](TObject*) { ed2->SetFocus(); });
    log.lines.clear();
    EXPECT_FALSE(pg->ChangePageByUser(sheets[0]));
    EXPECT_EQ(pg->ActivePage(), sheets[1]);
    EXPECT_EQ(f.form->ActiveControl(), ed2);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"changing ts2"}));
}

TEST_F(PageControlTest, ActivePageAndPageIndexByName) {
    const ClassInfo& cls = pg->ClassType();
    cls.FindProperty("ActivePage")->SetComponent(*pg, sheets[2]);
    EXPECT_TRUE(sheets[2]->Visible());
    EXPECT_EQ(cls.FindProperty("ActivePage")->GetComponent(*pg), sheets[2]);
    EXPECT_THROW(cls.FindProperty("ActivePage")->SetComponent(*pg, ed1), Exception);
    sheets[2]->ClassType().FindProperty("PageIndex")->Set(*sheets[2], Variant(0));
    EXPECT_EQ(pg->Pages(0), sheets[2]);
    EXPECT_EQ(sheets[0]->PageIndex(), 1);
}

TEST_F(PageControlTest, FreeingThePageControlOrAPageLeavesNothingDangling) {
    TObject::Free(sheets[0]);
    EXPECT_EQ(pg->PageCount(), 2);
    EXPECT_EQ(pg->ActivePage(), sheets[1]);
    TObject::Free(pg);
    EXPECT_EQ(sheets[1]->PageControl(), nullptr);
    EXPECT_EQ(sheets[1]->Parent(), nullptr);
}

// --- List view ---------------------------------------------------------------------------------

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        lv = f.Add<TListView>("lv");
        lv->OnSelectItem = TLVSelectItemEvent(this, "sel", [this](TObject*, TListItem* item, bool selected) {
            log.lines.push_back((selected ? "select " : "deselect ") + item->Caption());
        });
        for (const char* caption : {"pear", "Apple", "fig"}) lv->AddItem()->SetCaption(caption);
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> result;
        for (int i = 0; i < lv->ItemCount(); ++i) result.push_back(lv->Items(i)->Caption());
        return result;
    }
    ShownForm f;
    TListView* lv = nullptr;
    EventLog log;
};

TEST_F(ListViewTest, SingleSelectionDeselectsTheOthers) {
    lv->Items(0)->SetSelected(true);
    lv->SetSelected(lv->Items(2));
    EXPECT_EQ(lv->Selected(), lv->Items(2));
    EXPECT_EQ(lv->SelCount(), 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"select pear", "deselect pear", "select fig"}));

    lv->MultiSelect = true;
    lv->Items(0)->SetSelected(true);
    EXPECT_EQ(lv->SelCount(), 2);
    EXPECT_EQ(lv->ItemIndex(), 0);
}

TEST_F(ListViewTest, ChangingCanRefuseASelection) {
    lv->OnChanging = TLVChangingEvent(this, "no", [](TObject*, TListItem*, TItemChange, bool& allow) { allow = false; });
    lv->Items(1)->SetSelected(true);
    EXPECT_EQ(lv->Selected(), nullptr);
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(ListViewTest, SortedByTextStaysSorted) {
    lv->SetSortType(TSortType::stText);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Apple", "fig", "pear"}));
    lv->AddItem()->SetCaption("banana");
    lv->Items(0)->SetCaption("zucchini");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"banana", "fig", "pear", "zucchini"}));
    lv->CustomSort([](const TListItem& a, const TListItem& b, int) {
        return static_cast<int>(a.Caption().size()) - static_cast<int>(b.Caption().size());
    });
    EXPECT_EQ(Captions(), (std::vector<std::string>{"fig", "pear", "banana", "zucchini"}));
}

TEST_F(ListViewTest, EditedHandlerDecidesTheCaption) {
    lv->OnEdited = TLVEditedEvent(this, "edited", [](TObject*, TListItem*, std::string& s) { s = "[" + s + "]"; });
    EXPECT_TRUE(lv->EditCaption(lv->Items(0), "plum"));
    EXPECT_EQ(lv->Items(0)->Caption(), "[plum]");
    lv->ReadOnly = true;
    EXPECT_FALSE(lv->EditCaption(lv->Items(0), "kiwi"));
    EXPECT_EQ(lv->Items(0)->Caption(), "[plum]");
}

TEST_F(ListViewTest, KeysMoveTheSelectionAndColumnClicksAreReported) {
    f.form->FocusControl(lv);
    f.form->PressKey(VK_DOWN);
    f.form->PressKey(VK_DOWN);
    f.form->PressKey(VK_END);
    f.form->PressKey(VK_DOWN);
    EXPECT_EQ(lv->ItemIndex(), 2);
    std::vector<std::string> clicked;
    lv->OnColumnClick = TLVColumnClickEvent(this, "col", [&](TObject*, TListColumn* c) { clicked.push_back(c->Caption); });
    lv->AddColumn("Name", 120);
    lv->AddColumn("Size");
    lv->ColumnClicked(1);
    lv->ColumnClick = false;
    lv->ColumnClicked(0);
    EXPECT_EQ(clicked, (std::vector<std::string>{"Size"}));
}

// --- Tool bar and animation --------------------------------------------------------------------

TEST(ToolBar, CheckButtonsOfAGroupGoDownOneAtATime) {
    ShownForm f;
    auto* bar = f.Add<TToolBar>("bar");
    std::vector<TToolButton*> buttons;
    for (const char* name : {"a", "b", "sep", "c"}) {
        auto* b = Construct<TToolButton>(f.form);
        b->SetName(name);
        b->SetParent(bar);
        b->Style = TToolButtonStyle::tbsCheck;
        b->Grouped = true;
        buttons.push_back(b);
    }
    buttons[2]->Style = TToolButtonStyle::tbsSeparator;
    buttons[0]->Click();
    buttons[3]->Click();
    buttons[1]->Click();
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_TRUE(buttons[1]->Down());
    EXPECT_TRUE(buttons[3]->Down());  // the separator ends the group
    buttons[1]->Click();               // stays down without AllowAllUp
    EXPECT_TRUE(buttons[1]->Down());
    EXPECT_EQ(bar->ButtonCount(), 4);
    EXPECT_EQ(buttons[3]->Index(), 3);
}

TEST(ToolBar, DropDownShowsTheMenuBelowTheButton) {
    ShownForm f;
    auto* bar = f.Add<TToolBar>("bar");
    auto* menu = Construct<TPopupMenu>(f.form);
    auto* button = Construct<TToolButton>(f.form);
    button->SetParent(bar);
    button->Style = TToolButtonStyle::tbsDropDown;
    button->SetBounds(10, 2, 23, 22);
    int popups = 0;
    menu->OnPopup = TNotifyEvent(&popups, "count", [&](TObject*) { ++popups; });
    button->DropDown();
    button->DropdownMenu = menu;
    button->DropDown();
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupComponent, button);
    EXPECT_EQ(menu->PopupY, 24);
    TObject::Free(menu);
    EXPECT_EQ(button->DropdownMenu, nullptr);
}

TEST(Animate, StartsOnceTheFormIsReadAndReportsStartAndStop) {
    ShownForm f;
    auto* anim = f.Add<TAnimate>("anim");
    EventLog log;
    anim->OnStart = log.Notify("start");
    anim->OnStop = log.Notify("stop");
    anim->BeginLoading();
    anim->SetActive(true);
    EXPECT_FALSE(anim->Active());
    anim->Loaded();
    anim->SetActive(true);
    anim->Stop();
    EXPECT_EQ(log.lines, (std::vector<std::string>{"start anim", "stop anim"}));
}

}  // namespace
