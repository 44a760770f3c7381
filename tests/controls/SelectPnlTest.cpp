// The selection panel: defaults and parts, style changes and the size swap, the mode switch,
// layout, putting the range in order on exit, the edit mask, focus, enabling and lookups.
#include <gtest/gtest.h>

#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/KitClasses.h"
#include "controls/SelectPnl.h"
#include "controls/SelectPnlTestSupport.h"
#include "platform/Application.h"
#include "platform/FormReader.h"
#include "platform/StandardClasses.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;

namespace {

class SelectPanelTest : public ::testing::Test {
protected:
    SelectPanelTest() : codePage_("936") {
        form_ = Construct<TfrmPanelProbe>(nullptr);
        form_->SetBounds(0, 0, 600, 400);
        panel_ = MakePanel("sp01");
        other_ = Construct<TEdit>(form_);
        other_->SetParent(form_);
        other_->SetBounds(400, 300, 80, 21);
    }
    ~SelectPanelTest() override { TObject::Free(form_); }

    TSelectPanel* MakePanel(const std::string& name) {
        auto* panel = Construct<TSelectPanel>(form_);
        panel->SetName(name);
        panel->SetParent(form_);
        return panel;
    }
    void LeavePanel() {
        form_->Show();
        panel_->BeginEdit->SetFocus();
        other_->SetFocus();
    }
    static std::vector<int> Bounds(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

    ScopedCodePage codePage_;
    TfrmPanelProbe* form_;
    TSelectPanel* panel_;
    TEdit* other_;
};

TEST_F(SelectPanelTest, ConstructionGivesTheDocumentedDefaultsAndParts) {
    EXPECT_EQ(panel_->Width(), 353);
    EXPECT_EQ(panel_->Height(), 45);
    EXPECT_EQ(panel_->OtherWidth, 200);
    EXPECT_EQ(panel_->OtherHeight, 105);
    EXPECT_EQ(panel_->Style(), TSelectStyle::sp_Range);
    EXPECT_TRUE(panel_->UserChoice());
    EXPECT_FALSE(panel_->UserChoiceBox->Checked());  // they agree only once UserChoice is written
    EXPECT_EQ(panel_->HintWord(), "区间选择");
    EXPECT_EQ(panel_->BeginWords()->Items(), (std::vector<std::string>{"起", "起"}));
    EXPECT_EQ(panel_->FinalWords()->Items(), (std::vector<std::string>{"止", "止"}));
    EXPECT_EQ(panel_->GlyphIndex(), 8);
    EXPECT_EQ(panel_->DateSign, "/");
    EXPECT_TRUE(panel_->AutoChangeDateSite);
    EXPECT_TRUE(panel_->CanOpenWin());
    EXPECT_TRUE(panel_->ColumnsAutoSize());
    EXPECT_FALSE(panel_->SortListBox());
    EXPECT_EQ(panel_->SortColumn(), 0);
    EXPECT_TRUE(panel_->SortAscending());
    EXPECT_EQ(panel_->BlankMaskText(), "");

    // Inner parts in creation order, owned by the panel.
    std::vector<TComponent*> owned = panel_->OwnedComponents();
    std::vector<TComponent*> expected{panel_->UserChoiceBox, panel_->RangePanel,  panel_->BeginLabel,
                                      panel_->BeginEdit,     panel_->BeginButton, panel_->FinalLabel,
                                      panel_->FinalEdit,     panel_->FinalButton, panel_->ListPanel,
                                      panel_->ListButton,    panel_->DeleteButton, panel_->ClearButton,
                                      panel_->ListView};
    EXPECT_EQ(owned, expected);
    EXPECT_EQ(panel_->BeginEdit->Height(), 24);
    EXPECT_EQ(panel_->DeleteButton->GlyphIndex(), 47);
    EXPECT_EQ(panel_->ClearButton->GlyphIndex(), 4);
    EXPECT_EQ(panel_->ClearButton->NumGlyphs(), 2);
    EXPECT_TRUE(panel_->BeginButton->AutoAlign());
    EXPECT_FALSE(panel_->ListButton->AutoAlign());
    EXPECT_EQ(panel_->ListView->ViewStyle, TViewStyle::vsReport);
    EXPECT_TRUE(panel_->ListView->MultiSelect);
    EXPECT_TRUE(panel_->ListView->ReadOnly);
    EXPECT_FALSE(panel_->ListView->ShowColumnHeaders);
    EXPECT_EQ(panel_->ListView->ColumnCount(), 0);

    const std::vector<std::string> hints{panel_->UserChoiceBox->Hint, panel_->BeginEdit->Hint,
                                         panel_->BeginButton->Hint,   panel_->FinalEdit->Hint,
                                         panel_->FinalButton->Hint,   panel_->ListView->Hint,
                                         panel_->ListButton->Hint,    panel_->DeleteButton->Hint,
                                         panel_->ClearButton->Hint};
    EXPECT_EQ(hints, (std::vector<std::string>{"用户自定输入方式", "区间选择-起始信息", "区间选择-起始信息开窗",
                                                "区间选择-截止信息", "区间选择-截止信息开窗", "多选-己选择的信息",
                                                "多选-信息开窗", "多选-删除一笔信息", "多选-删除己选信息"}));
}

TEST_F(SelectPanelTest, ChildHintsMissingEntriesKeepTheirHints) {
    panel_->SetChildHints({"a", "b"});
    EXPECT_EQ(panel_->UserChoiceBox->Hint, "a");
    EXPECT_EQ(panel_->BeginEdit->Hint, "b");
    EXPECT_EQ(panel_->BeginButton->Hint, "区间选择-起始信息开窗");
}

TEST_F(SelectPanelTest, EnumerationsAndBooleansAreReadAndWrittenByName) {
    SetStrPropByName(panel_, "Style", "sp_UserChoice");
    SetStrPropByName(panel_, "UserChoice", "False");
    SetStrPropByName(panel_, "ValueType", "vt_Date");
    SetStrPropByName(panel_, "DateType", "dt_YYYMMDD");
    SetStrPropByName(panel_, "CheckDuplicate", "cd_CaseInsensitive");
    EXPECT_EQ(GetStrPropByName(panel_, "style"), "sp_UserChoice");
    EXPECT_EQ(GetStrPropByName(panel_, "UserChoice"), "False");
    EXPECT_EQ(GetStrPropByName(panel_, "ValueType"), "vt_Date");
    EXPECT_EQ(GetStrPropByName(panel_, "DateType"), "dt_YYYMMDD");
    EXPECT_EQ(GetStrPropByName(panel_, "CheckDuplicate"), "cd_CaseInsensitive");
    EXPECT_TRUE(panel_->SortListBox());
}

// --- Style change --------------------------------------------------------------------------------

struct StyleEvent {
    std::string kind;
    TSelectStyle now, next, styleAtEvent;
};

TEST_F(SelectPanelTest, StyleChangeRaisesChangingThenChangeWithTheOldStyleStillInPlace) {
    std::vector<StyleEvent> events;
    struct Handler {
        TSelectPanel* panel;
        std::vector<StyleEvent>* events;
        void Changing(TObject*, TSelectStyle now, TSelectStyle& next, bool&) {
            events->push_back({"changing", now, next, panel->Style()});
        }
        void Change(TObject*, TSelectStyle old, TSelectStyle next) {
            events->push_back({"change", old, next, panel->Style()});
        }
    } handler{panel_, &events};
    panel_->OnStyleChanging = TStyleChangingEvent::Bind(&handler, "Changing", &Handler::Changing);
    panel_->OnStyleChange = TStyleChangeEvent::Bind(&handler, "Change", &Handler::Change);

    panel_->SetStyle(TSelectStyle::sp_Discrete);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, "changing");
    EXPECT_EQ(events[1].kind, "change");
    EXPECT_EQ(events[1].now, TSelectStyle::sp_Range);
    EXPECT_EQ(events[1].next, TSelectStyle::sp_Discrete);
    EXPECT_EQ(events[1].styleAtEvent, TSelectStyle::sp_Range);
    EXPECT_EQ(panel_->Style(), TSelectStyle::sp_Discrete);

    // The current style again runs every step, events included.
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(SelectPanelTest, StyleChangingMayRefuseOrReplaceTheStyle) {
    struct Handler {
        bool refuse = false;
        void Changing(TObject*, TSelectStyle, TSelectStyle& next, bool& accept) {
            if (refuse) accept = false;
            else if (next == TSelectStyle::sp_Discrete) next = TSelectStyle::sp_UserChoice;
        }
    } handler;
    panel_->OnStyleChanging = TStyleChangingEvent::Bind(&handler, "Changing", &Handler::Changing);
    handler.refuse = true;
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    EXPECT_EQ(panel_->Style(), TSelectStyle::sp_Range);
    EXPECT_EQ(panel_->Width(), 353);  // nothing else happened either

    handler.refuse = false;
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    EXPECT_EQ(panel_->Style(), TSelectStyle::sp_UserChoice);
    EXPECT_TRUE(panel_->UserChoiceBox->Visible());
}

TEST_F(SelectPanelTest, SizeSwapsBetweenTheOneRowAndTheTallLayouts) {
    struct Case {
        TSelectStyle from, to;
        bool swaps;
    };
    const Case cases[] = {
        {TSelectStyle::sp_Range, TSelectStyle::sp_Discrete, true},
        {TSelectStyle::sp_Range, TSelectStyle::sp_UserChoice, true},
        {TSelectStyle::sp_Discrete, TSelectStyle::sp_UserChoice, false},
        {TSelectStyle::sp_Range, TSelectStyle::sp_Range, false},
    };
    for (const Case& c : cases) {
        TSelectPanel* panel = MakePanel("");
        panel->SetStyle(c.from);
        panel->SetBounds(0, 0, 353, 45);
        panel->OtherWidth = 200;
        panel->OtherHeight = 105;
        panel->SetStyle(c.to);
        if (c.swaps) {
            EXPECT_EQ(Bounds(panel), (std::vector<int>{0, 0, 200, 105}));
            EXPECT_EQ(panel->OtherWidth, 353);
            EXPECT_EQ(panel->OtherHeight, 45);
            panel->SetStyle(c.from);
            EXPECT_EQ(Bounds(panel), (std::vector<int>{0, 0, 353, 45}));
        } else {
            EXPECT_EQ(Bounds(panel), (std::vector<int>{0, 0, 353, 45}));
        }
        TObject::Free(panel);
    }
}

TEST_F(SelectPanelTest, NoSizeSwapWhileLoadingOrWithVerticalRange) {
    panel_->BeginLoading();
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    EXPECT_EQ(panel_->Width(), 353);
    panel_->Loaded();

    TSelectPanel* vertical = MakePanel("sp02");
    vertical->SetStyle(TSelectStyle::sp_Range);
    vertical->SetUseVertical(true);  // swaps to the tall size itself
    EXPECT_EQ(Bounds(vertical), (std::vector<int>{0, 0, 200, 105}));
    vertical->SetStyle(TSelectStyle::sp_Discrete);
    EXPECT_EQ(Bounds(vertical), (std::vector<int>{0, 0, 200, 105}));

    form_->BeginLoading();
    TSelectPanel* inLoadingParent = MakePanel("sp03");
    inLoadingParent->SetStyle(TSelectStyle::sp_Discrete);
    EXPECT_EQ(inLoadingParent->Width(), 353);
    form_->Loaded();
}

TEST_F(SelectPanelTest, UseVerticalIsIgnoredOutsideTheRangeStyle) {
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    const std::vector<int> before = Bounds(panel_);
    panel_->SetUseVertical(true);
    EXPECT_FALSE(panel_->UseVertical());
    EXPECT_EQ(Bounds(panel_), before);
}

TEST_F(SelectPanelTest, ModeVisibilityFollowsStyleAndCheckBox) {
    panel_->SetStyle(TSelectStyle::sp_Range);
    EXPECT_TRUE(panel_->RangePanel->Visible());
    EXPECT_FALSE(panel_->ListPanel->Visible());
    EXPECT_FALSE(panel_->UserChoiceBox->Visible());
    EXPECT_TRUE(panel_->IsRangeMode());

    panel_->SetStyle(TSelectStyle::sp_Discrete);
    EXPECT_FALSE(panel_->RangePanel->Visible());
    EXPECT_TRUE(panel_->ListPanel->Visible());
    EXPECT_FALSE(panel_->IsRangeMode());

    panel_->SetStyle(TSelectStyle::sp_UserChoice);
    EXPECT_TRUE(panel_->UserChoiceBox->Visible());
    EXPECT_FALSE(panel_->IsRangeMode());  // the box is still unticked
    panel_->SetUserChoice(true);
    EXPECT_TRUE(panel_->UserChoiceBox->Checked());
    EXPECT_TRUE(panel_->RangePanel->Visible());
    EXPECT_TRUE(panel_->IsRangeMode());
}

TEST_F(SelectPanelTest, ModeSwitchByClickOrByWritingUserChoice) {
    int typeClicks = 0;
    struct Handler {
        int* count;
        void TypeClick(TObject*) { ++*count; }
    } handler{&typeClicks};
    panel_->OnTypeClick = TNotifyEvent::Bind(&handler, "TypeClick", &Handler::TypeClick);

    // Another style: writing UserChoice does nothing at all, a click only toggles the box.
    panel_->SetUserChoice(false);
    EXPECT_TRUE(panel_->UserChoice());
    EXPECT_EQ(typeClicks, 0);

    panel_->SetStyle(TSelectStyle::sp_UserChoice);
    panel_->SetUserChoice(true);
    EXPECT_EQ(typeClicks, 1);
    panel_->SetUserChoice(true);  // the same value again runs the steps again
    EXPECT_EQ(typeClicks, 2);

    panel_->UserChoiceBox->Click();
    EXPECT_FALSE(panel_->UserChoice());
    EXPECT_FALSE(panel_->UserChoiceBox->Checked());
    EXPECT_TRUE(panel_->ListPanel->Visible());
    EXPECT_EQ(typeClicks, 3);

    // Rows and texts survive the switches.
    panel_->BeginEdit->SetText("A");
    panel_->AddRow({"R1"});
    panel_->UserChoiceBox->Click();
    EXPECT_EQ(panel_->BeginEdit->Text(), "A");
    EXPECT_EQ(panel_->ListView->ItemCount(), 1);
}

// --- Layout --------------------------------------------------------------------------------------

TEST_F(SelectPanelTest, OneRowRangeLayout) {
    panel_->SetStyle(TSelectStyle::sp_Range);
    // Font height 11: caption text 11 high; the labels one double-byte character, 11 x 11.
    EXPECT_EQ(Bounds(panel_->RangePanel), (std::vector<int>{2, 14, 348, 28}));
    EXPECT_EQ(Bounds(panel_->ListPanel), Bounds(panel_->RangePanel));
    const int top = (28 - 24) / 2;
    const int editWidth = (348 - 2 - 11 - 23 - 11 - 23 - 8) / 2;
    EXPECT_EQ(Bounds(panel_->BeginLabel), (std::vector<int>{2, top, 11, 11}));
    EXPECT_EQ(Bounds(panel_->BeginEdit), (std::vector<int>{14, top, editWidth, 24}));
    EXPECT_EQ(panel_->BeginButton->Left(), 14 + editWidth + 2);
    EXPECT_EQ(panel_->FinalLabel->Left(), panel_->BeginButton->Left() + 23 + 2);
    EXPECT_EQ(panel_->FinalEdit->Left(), panel_->FinalLabel->Left() + 11 + 2);
    EXPECT_EQ(panel_->FinalButton->Left(), panel_->FinalEdit->Left() + editWidth + 2);

    panel_->SetCanOpenWin(false);
    EXPECT_FALSE(panel_->BeginButton->Visible());
    const int plainWidth = (348 - 2 - 11 - 11 - 4) / 2;
    EXPECT_EQ(panel_->BeginEdit->Width(), plainWidth);
    EXPECT_EQ(panel_->FinalLabel->Left(), 14 + plainWidth + 4);
}

TEST_F(SelectPanelTest, UserChoiceLayoutIsVerticalWithTheSecondWords) {
    panel_->SetBeginWords({"起始", "从"});
    panel_->SetStyle(TSelectStyle::sp_UserChoice);  // swaps to 200 x 105
    EXPECT_EQ(panel_->BeginLabel->Caption(), "从");
    EXPECT_EQ(Bounds(panel_->UserChoiceBox), (std::vector<int>{16, 12, (8 * 11 + 1) / 2 + 24, 13}));
    const int top = 12 + 11 + 2;
    EXPECT_EQ(Bounds(panel_->RangePanel), (std::vector<int>{2, top, 196, 105 - top - 2}));
    const int gap = (105 - top - 2 - 48) / 3;
    EXPECT_EQ(panel_->BeginLabel->Top(), gap);
    EXPECT_EQ(panel_->BeginEdit->Width(), 196 - 2 - 11 - 23 - 4);
    EXPECT_EQ(panel_->FinalLabel->Top(), gap + gap + 24);
    EXPECT_EQ(panel_->FinalButton->Left(), panel_->BeginButton->Left());

    panel_->SetStyle(TSelectStyle::sp_Range);
    EXPECT_EQ(panel_->BeginLabel->Caption(), "起始");
}

TEST_F(SelectPanelTest, ListRowsLayout) {
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    const int listWidth = panel_->ListPanel->Width() - 23 - 3;
    EXPECT_EQ(Bounds(panel_->ListView), (std::vector<int>{0, 0, listWidth, panel_->ListPanel->Height()}));
    EXPECT_EQ(Bounds(panel_->ListButton), (std::vector<int>{listWidth + 2, 0, 23, 23}));
    EXPECT_EQ(Bounds(panel_->DeleteButton), (std::vector<int>{listWidth + 2, 23, 23, 23}));
    EXPECT_EQ(Bounds(panel_->ClearButton), (std::vector<int>{listWidth + 2, 46, 23, 23}));
}

// --- Putting the range in order ------------------------------------------------------------------

struct OrderCase {
    TValueType valueType;
    TDateType dateType;
    std::string begin, final;
    bool swapped;
};

TEST_F(SelectPanelTest, RangeIsPutInOrderOnExitByValueType) {
    using V = TValueType;
    using D = TDateType;
    const OrderCase cases[] = {
        {V::vt_String, D::dt_NoneCare, "20240301", "20240101", true},
        {V::vt_String, D::dt_NoneCare, "10", "9", false},  // byte order
        {V::vt_Time, D::dt_NoneCare, "12:00", "08:30", true},
        {V::vt_Number, D::dt_NoneCare, "10", "9", true},
        {V::vt_Number, D::dt_NoneCare, "abc", "-5", true},  // not a number counts as 0
        {V::vt_Number, D::dt_NoneCare, "abc", "5", false},
        {V::vt_Float, D::dt_NoneCare, "10.5", "9.75", true},
        {V::vt_Float, D::dt_NoneCare, "1e3", "999", true},
        {V::vt_Float, D::dt_NoneCare, "x", "1", false},
        {V::vt_OtherMask, D::dt_NoneCare, "b", "a", false},
        {V::vt_Date, D::dt_NoneCare, "2024/05/01", "2024/04/01", true},
        {V::vt_Date, D::dt_YYYYMMDD, "2024/05/01", "2024/04", true},  // year and month: the first
        {V::vt_Date, D::dt_YYYYMMDD, "2024/04", "2024/04/01", false},
        {V::vt_Date, D::dt_MMDDYYYY, "05/01/2024", "04/30/2024", true},
        {V::vt_Date, D::dt_MMDDYYYY, "05/2024", "04/30/2024", true},
        {V::vt_Date, D::dt_DDMMYYYY, "01/05/2024", "30/04/2024", true},
        {V::vt_Date, D::dt_DDMMYYYY, "05/2024", "30/04/2024", true},
        {V::vt_Date, D::dt_YYMMDD, "113/01/05", "13/01/05", true},   // 2024 after 1924
        {V::vt_Date, D::dt_YYYMMDD, "112/12/31", "113/01/05", false},
        {V::vt_Date, D::dt_YYYYMMDD, "2024/02/30", "2024/01/01", false},  // invalid begin reads 0
        {V::vt_Date, D::dt_YYYYMMDD, "2024/01/01", "2024/02/30", true},   // invalid final reads 0
        {V::vt_Date, D::dt_YYYYMMDD, "2024/01/01", "2024/1/2/3", true},   // three separators
        {V::vt_Date, D::dt_YYYYMMDD, "2024/01/01", "x/01/02", true},
        // No date is earlier than every real date, those before 1900 and the epoch itself included.
        {V::vt_Date, D::dt_YYYYMMDD, "2024/02/30", "1850/01/01", false},
        {V::vt_Date, D::dt_YYYYMMDD, "1850/01/01", "2024/02/30", true},
        {V::vt_Date, D::dt_YYYYMMDD, "1899/12/30", "2024/02/30", true},
        {V::vt_Date, D::dt_YYYYMMDD, "2024/02/30", "1899/12/30", false},
        {V::vt_Date, D::dt_YYYYMMDD, "1899/12/31", "1899/12/30", true},
        {V::vt_Date, D::dt_YYYYMMDD, "1899/12/29", "1800/01/01", true},
        {V::vt_Date, D::dt_YYYYMMDD, "2024/02/30", "2024/13/01", false},  // neither is a date
        {V::vt_Number, D::dt_NoneCare, "99999999999999999999", "1", false},  // no integer counts as 0
    };
    for (const OrderCase& c : cases) {
        panel_->ValueType = c.valueType;
        panel_->DateType = c.dateType;
        panel_->BeginEdit->SetText(c.begin);
        panel_->FinalEdit->SetText(c.final);
        LeavePanel();
        SCOPED_TRACE(c.begin + " / " + c.final);
        EXPECT_EQ(panel_->BeginEdit->Text(), c.swapped ? c.final : c.begin);
        EXPECT_EQ(panel_->FinalEdit->Text(), c.swapped ? c.begin : c.final);
    }
}

TEST_F(SelectPanelTest, RangeIsLeftAloneWhenEmptyBlankDiscardedOrSwitchedOff) {
    struct Case {
        std::string name;
        std::function<void(TSelectPanel&)> setUp;
        std::string begin, final;
    };
    const Case cases[] = {
        {"empty end", [](TSelectPanel&) {}, "b", ""},
        {"date site off", [](TSelectPanel& p) { p.ValueType = TValueType::vt_Date, p.AutoChangeDateSite = false; },
         "2024/05/01", "2024/04/01"},
        {"discard", [](TSelectPanel& p) { p.UseDiscard = true, p.Discard = "A"; }, "B", " A "},
        {"discard date",
         [](TSelectPanel& p) { p.ValueType = TValueType::vt_Date, p.UseDiscard = true, p.Discard = "2024/04/01"; },
         "2024/05/01", "2024/04/01"},
    };
    for (const Case& c : cases) {
        TSelectPanel* panel = MakePanel("");
        c.setUp(*panel);
        panel->BeginEdit->SetText(c.begin);
        panel->FinalEdit->SetText(c.final);
        panel->OrderRange();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(panel->BeginEdit->Text(), c.begin);
        TObject::Free(panel);
    }
}

TEST_F(SelectPanelTest, OrderingTrimsUnlessTheMaskKeepsBlanks) {
    panel_->BeginEdit->SetText("  b ");
    panel_->FinalEdit->SetText(" a");
    panel_->OrderRange();
    EXPECT_EQ(panel_->BeginEdit->Text(), "a");
    EXPECT_EQ(panel_->FinalEdit->Text(), "b");

    panel_->SetEditMask("!cccc;1; ");
    panel_->BeginEdit->SetText("  b");
    panel_->FinalEdit->SetText("  a");
    panel_->OrderRange();
    EXPECT_EQ(panel_->BeginEdit->Text(), "  a");  // swapped, blanks kept
    EXPECT_EQ(panel_->FinalEdit->Text(), "  b");
}

TEST_F(SelectPanelTest, BlankMaskedDatesAreNeverSwapped) {
    panel_->ValueType = TValueType::vt_Date;
    panel_->DateType = TDateType::dt_YYYYMMDD;
    panel_->SetEditMask("9999/99/99;1; ");
    EXPECT_EQ(panel_->BlankMaskText(), "    /  /  ");
    panel_->BeginEdit->SetText("2024/05/01");
    panel_->OrderRange();
    EXPECT_EQ(panel_->BeginEdit->Text(), "2024/05/01");
    EXPECT_EQ(panel_->FinalEdit->Text(), panel_->BlankMaskText());
}

TEST_F(SelectPanelTest, ExitOrdersTheRangeBeforeOnExit) {
    std::string beginAtExit;
    struct Handler {
        TSelectPanel* panel;
        std::string* seen;
        void Exit(TObject*) { *seen = panel->BeginEdit->Text(); }
    } handler{panel_, &beginAtExit};
    panel_->OnExit = TNotifyEvent::Bind(&handler, "Exit", &Handler::Exit);
    panel_->BeginEdit->SetText("b");
    panel_->FinalEdit->SetText("a");
    form_->Show();
    panel_->BeginEdit->SetFocus();
    panel_->FinalEdit->SetFocus();  // still inside: nothing yet
    EXPECT_EQ(beginAtExit, "");
    other_->SetFocus();
    EXPECT_EQ(beginAtExit, "a");
}

TEST(SelectPanelDates, ReadRangeDateLayouts) {
    struct Case {
        std::string text;
        int type;
        std::string expected;  // yyyymmdd, empty: no date
    };
    const Case cases[] = {
        {"2024/05/01", 1, "20240501"}, {" 2024/05 ", 1, "20240501"}, {"05/01/2024", 2, "20240501"},
        {"05/2024", 2, "20240501"},    {"01/05/2024", 3, "20240501"}, {"05/2024", 3, "20240501"},
        {"113/01/05", 4, "20240105"},  {"13/01/05", 4, "19240105"},  {"113/01/05", 5, "20240105"},
        {"113/01", 5, "20240101"},     {"2024/02/30", 1, ""},        {"2024", 1, ""},
        {"2024/01/02/03", 1, ""},      {"2024/a/01", 1, ""},         {"", 1, ""},
        {"2024/05/01", 0, ""},         {"99999/01/01", 1, ""},       {"-5/01/01", 1, ""},
    };
    for (const Case& c : cases) {
        const auto day = ReadRangeDate(c.text, "/", c.type, "");
        EXPECT_EQ(day ? FormatDateByType(1, "", static_cast<double>(*day)) : std::string(), c.expected)
            << c.text << " type " << c.type;
    }
    EXPECT_EQ(ReadRangeDate("    /  /  ", "/", 1, "    /  /  "), std::nullopt);
    EXPECT_EQ(ReadRangeDate("2024-05-01", "-", 1, ""), 45413);
    // The epoch is a real date, apart from "no date"; so are dates before it.
    EXPECT_EQ(ReadRangeDate("1899/12/30", "/", 1, ""), 0);
    EXPECT_EQ(ReadRangeDate("1850/01/01", "/", 1, ""), -18260);
    // Pieces are trimmed of control characters like every trim; absurd years are no date.
    EXPECT_EQ(ReadRangeDate("\t2024/05/01\r\n", "/", 1, ""), 45413);
    EXPECT_EQ(ReadRangeDate("2024/\t05/01", "/", 1, ""), 45413);
    EXPECT_EQ(ReadRangeDate("9223372036854775807/01/01", "/", 4, ""), std::nullopt);
    EXPECT_EQ(ReadRangeDate("2147483647/01", "/", 5, ""), std::nullopt);
}

// --- Edit mask -------------------------------------------------------------------------------------

TEST_F(SelectPanelTest, SetEditMaskKeepsTheBeginTextWithoutChangeNotification) {
    int changes = 0;
    struct Handler {
        int* count;
        void Change(TObject*) { ++*count; }
    } handler{&changes};
    panel_->BeginEdit->OnChange = TNotifyEvent::Bind(&handler, "Change", &Handler::Change);
    panel_->BeginEdit->SetText("20240501");
    changes = 0;
    panel_->SetEditMask("9999/99/99;0; ");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(panel_->EditMask(), "9999/99/99;0; ");
    EXPECT_EQ(panel_->FinalEdit->EditMask(), "9999/99/99;0; ");
    EXPECT_EQ(panel_->BeginEdit->Text(), "20240501");
    EXPECT_FALSE(panel_->BeginEdit->SuppressChange);
    panel_->BeginEdit->SetText("20240502");
    EXPECT_EQ(changes, 1);
    panel_->SetEditMask("");
    EXPECT_EQ(panel_->BlankMaskText(), "");
}

// --- Focus, enabling, lookups ----------------------------------------------------------------------

TEST_F(SelectPanelTest, SetFocusGoesToTheListInListMode) {
    form_->Show();
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    panel_->SetFocus();
    EXPECT_EQ(form_->ActiveControl(), panel_->ListView);
    panel_->SetStyle(TSelectStyle::sp_Range);
    other_->SetFocus();
    panel_->SetFocus();
    EXPECT_EQ(form_->ActiveControl(), panel_);
}

TEST_F(SelectPanelTest, SetEnabledReachesEveryDepth) {
    panel_->SetEnabled(false);
    EXPECT_FALSE(panel_->EnabledCopy());
    for (TControl* part : std::vector<TControl*>{panel_->UserChoiceBox, panel_->RangePanel, panel_->BeginEdit,
                                                 panel_->FinalButton, panel_->ListView, panel_->ClearButton})
        EXPECT_FALSE(part->Enabled()) << part->ClassName();
    panel_->SetEnabled(true);
    EXPECT_TRUE(panel_->BeginEdit->Enabled());
    EXPECT_TRUE(panel_->ListView->Enabled());
}

TEST_F(SelectPanelTest, LookupButtonsFocusTheTargetAskTheFormAndThenReport) {
    form_->Show();
    panel_->SetStyle(TSelectStyle::sp_UserChoice);
    panel_->SetUserChoice(true);
    std::vector<TWinControl*> reported;
    struct Handler {
        std::vector<TWinControl*>* seen;
        TfrmPanelProbe* form;
        void OpenWin(TSelectPanel* panel, TWinControl* target) {
            EXPECT_EQ(form->Requests.back(), target);  // the request was handled first
            EXPECT_NE(panel, nullptr);
            seen->push_back(target);
        }
    } handler{&reported, form_};
    panel_->OnOpenWinClick = TOpenWinClickEvent::Bind(&handler, "OpenWin", &Handler::OpenWin);
    form_->Answer = [this](TWinControl* target) {
        if (target == panel_->BeginEdit) panel_->BeginEdit->SetText("picked");
    };
    panel_->BeginButton->Click();
    EXPECT_EQ(form_->FocusAtRequest, panel_->BeginEdit);
    EXPECT_EQ(panel_->BeginEdit->Text(), "picked");
    panel_->FinalButton->Click();
    EXPECT_EQ(form_->FocusAtRequest, panel_->FinalEdit);
    panel_->UserChoiceBox->Click();
    panel_->ListButton->Click();
    EXPECT_EQ(form_->FocusAtRequest, panel_->ListView);
    EXPECT_EQ(reported, (std::vector<TWinControl*>{panel_->BeginEdit, panel_->FinalEdit, panel_->ListView}));
}

TEST_F(SelectPanelTest, KeyAndClickEventsOfThePartsArePassedOn) {
    std::vector<TObject*> senders;
    struct Handler {
        std::vector<TObject*>* seen;
        void Key(TObject* sender, std::uint16_t&, TShiftState) { seen->push_back(sender); }
        void Click(TObject* sender) { seen->push_back(sender); }
    } handler{&senders};
    panel_->OnKeyDown = TKeyEvent::Bind(&handler, "Key", &Handler::Key);
    panel_->OnClick = TNotifyEvent::Bind(&handler, "Click", &Handler::Click);
    std::uint16_t key = VK_F3;
    panel_->FinalEdit->KeyDown(key, 0);
    panel_->ListView->Click();
    panel_->BeginLabel->Click();
    EXPECT_EQ(senders, (std::vector<TObject*>{panel_->FinalEdit, panel_->ListView, panel_}));
}

TEST_F(SelectPanelTest, ListTakesTheFocusOnALeftPressAndIgnoresItWithoutFocus) {
    panel_->SetStyle(TSelectStyle::sp_Discrete);
    TMessage press{WM_LBUTTONDOWN, 0, 0, 0};
    panel_->ListView->WndProc(press);  // the form is not shown: no focus, nothing happens
    EXPECT_EQ(form_->ActiveControl(), nullptr);
    form_->Show();
    other_->SetFocus();
    panel_->ListView->WndProc(press);
    EXPECT_EQ(form_->ActiveControl(), panel_->ListView);
}

TEST_F(SelectPanelTest, GlyphIndexReachesTheThreeLookupButtons) {
    panel_->SetGlyphIndex(9);
    EXPECT_EQ(panel_->GlyphIndex(), 9);
    EXPECT_EQ(panel_->BeginButton->GlyphIndex(), 9);
    EXPECT_EQ(panel_->FinalButton->GlyphIndex(), 9);
    EXPECT_EQ(panel_->ListButton->GlyphIndex(), 9);
    EXPECT_EQ(panel_->DeleteButton->GlyphIndex(), 47);
}

// --- Stored forms ----------------------------------------------------------------------------------

class TfrmStoredPanels : public TForm {
public:
    ZNP_DECLARE_CLASS()
    using TForm::TForm;
};

const ClassInfo& TfrmStoredPanels::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmStoredPanels", &TForm::StaticClass());
        return c;
    }();
    return info;
}

TEST(SelectPanelStored, StoredPanelAppliesStyleBeforeUserChoiceAndItsLists) {
    RegisterStandardClasses();
    RegisterKitClasses();
    RegisterClass(TfrmStoredPanels::StaticClass());
    RegisterFormResource("TfrmStoredPanels", R"(object frmStoredPanels: TfrmStoredPanels
  Left = 0
  Top = 0
  Width = 600
  Height = 400
  object sp05: TSelectPanel
    Left = 8
    Top = 8
    Width = 200
    Height = 105
    Caption = '选择客户'
    ChildHints.Strings = (
      'h0'
      'h1')
    ColumnCaptions.Strings = (
      '编号'
      '名称')
    FinalWords.Strings = (
      '到'
      '至')
    Style = sp_UserChoice
    UserChoice = False
    ValueType = vt_Date
  end
end
)");
    auto* form = Construct<TfrmStoredPanels>(nullptr);
    auto* panel = dynamic_cast<TSelectPanel*>(form->FindComponent("sp05"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Style(), TSelectStyle::sp_UserChoice);
    EXPECT_FALSE(panel->UserChoice());
    EXPECT_FALSE(panel->UserChoiceBox->Checked());
    EXPECT_TRUE(panel->ListPanel->Visible());
    EXPECT_EQ(panel->Width(), 200);  // no size swap while loading
    EXPECT_EQ(panel->ValueType, TValueType::vt_Date);
    EXPECT_EQ(panel->ColumnCaptions(), (std::vector<std::string>{"编号", "名称"}));
    EXPECT_EQ(panel->UserChoiceBox->Hint, "h0");
    EXPECT_EQ(panel->FinalLabel->Caption(), "至");
    TObject::Free(form);
}

}  // namespace
