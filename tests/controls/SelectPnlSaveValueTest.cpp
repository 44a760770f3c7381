// The panel's saved value: every form it takes, round trips, the date panels that go through
// the owning form's date layout, and malformed saved values.
#include <gtest/gtest.h>

#include "Kvtr42C/Exception.h"
#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/SelectPnl.h"
#include "controls/SelectPnlDateLayout.h"
#include "controls/SelectPnlTestSupport.h"
#include "runtime/CodeConverter.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;

namespace {

using RowList = std::vector<std::vector<std::string>>;

// A form with a date layout: type 2 (m/d/y) with "-", its date fields named in a list, and a
// date environment that moves the begin date of "spMoved" by one month.
class TfrmDateProbe : public TfrmPanelProbe, public IDateLayoutOwner {
public:
    using TfrmPanelProbe::TfrmPanelProbe;
    std::string DateFields = "sp01,spMoved";
    int Type = 2;
    std::string Separator = "-";
    bool EnvironmentHasEntries = false;

    bool IsDateField(const std::string& name) const override { return DateFields.find(name) != std::string::npos; }
    int DateFormatType() const override { return Type; }
    std::string DateSeparator() const override { return Separator; }
    std::string DateMask() const override {
        const std::string year = Type == 4 ? "99" : Type == 5 ? "999" : "9999";
        if (Type == 2 || Type == 3) return "99" + Separator + "99" + Separator + year + ";1; ";
        return year + Separator + "99" + Separator + "99;1; ";
    }
    std::string DisplayToDateText(const std::string& text) const override {
        const double date = ParseDateByType(text, Type, Separator);
        return date == 0 ? std::string() : FormatDateByType(1, "", date);
    }
    bool SavedRangeDates(const std::string& name, std::string& begin, std::string&) const override {
        if (!EnvironmentHasEntries) return true;
        if (name != "spMoved") return false;
        if (!begin.empty()) begin = AddToDate(Variant(begin), "M", 1);
        return true;
    }
};

class SaveValueTest : public ::testing::Test {
protected:
    SaveValueTest() : codePage_("936") { form_ = Construct<TfrmDateProbe>(nullptr); }
    ~SaveValueTest() override { TObject::Free(form_); }
    TSelectPanel* Panel(const std::string& name, TSelectStyle style) {
        auto* panel = Construct<TSelectPanel>(form_);
        if (!name.empty()) panel->SetName(name);
        panel->SetParent(form_);
        panel->SetStyle(style);
        return panel;
    }

    ScopedCodePage codePage_;
    TfrmDateProbe* form_;
};

TEST_F(SaveValueTest, EveryStyleBuildsItsSavedValue) {
    TSelectPanel* range = Panel("spA", TSelectStyle::sp_Range);
    range->BeginEdit->SetText("A01");
    range->FinalEdit->SetText("Z99");
    EXPECT_EQ(range->BuildSaveValue(), "sp_Range\x03" "A01\x03Z99");

    TSelectPanel* list = Panel("spB", TSelectStyle::sp_Discrete);
    EXPECT_EQ(list->BuildSaveValue(), "sp_Discrete\x03");
    list->AddRow({"A01", "Alpha"});
    list->AddRow({"B02", "Beta"});
    EXPECT_EQ(list->BuildSaveValue(), "sp_Discrete\x03" "A01\x01" "Alpha\x04" "B02\x01" "Beta\x04");

    TSelectPanel* choice = Panel("spC", TSelectStyle::sp_UserChoice);
    choice->SetUserChoice(false);
    choice->AddRow({"A01", "Alpha"});
    choice->AddRow({"B02", "Beta"});
    EXPECT_EQ(choice->BuildSaveValue(), "sp_UserChoice\x03" "False\x03" "A01\x01" "Alpha\x04" "B02\x01" "Beta\x04");
    choice->SetUserChoice(true);
    choice->BeginEdit->SetText("b");
    EXPECT_EQ(choice->BuildSaveValue(), "sp_UserChoice\x03" "True\x03" "b\x03");

    TSelectPanel* oneColumn = Panel("spD", TSelectStyle::sp_Discrete);
    oneColumn->AddRow({"中文"});
    EXPECT_EQ(oneColumn->BuildSaveValue(), "sp_Discrete\x03中文\x04");
}

TEST_F(SaveValueTest, SavedValuesRoundTripIntoFreshPanels) {
    struct Case {
        TSelectStyle style;
        std::string text;
    };
    const Case cases[] = {
        {TSelectStyle::sp_Range, "sp_Range\x03" "A\x03" "B"},
        {TSelectStyle::sp_Range, "sp_Range\x03\x03"},
        {TSelectStyle::sp_Discrete, "sp_Discrete\x03" "A01\x01" "Alpha\x04" "B02\x01" "Beta\x04"},
        {TSelectStyle::sp_Discrete, "sp_Discrete\x03" "A\x01\x01" "c\x04" "B\x01\x01\x04"},
        {TSelectStyle::sp_UserChoice, "sp_UserChoice\x03" "False\x03" "A01\x01" "Alpha\x04" "B02\x01" "Beta\x04"},
        {TSelectStyle::sp_UserChoice, "sp_UserChoice\x03" "True\x03" "from\x03" "to"},
    };
    for (const Case& c : cases) {
        TSelectPanel* panel = Panel("", c.style);
        panel->ApplySaveValue(c.text);
        EXPECT_EQ(panel->BuildSaveValue(), c.text);
        TObject::Free(panel);
    }
}

TEST_F(SaveValueTest, ApplyingUserChoiceListUnticksTheBoxAndKeepsTheStyle) {
    TSelectPanel* choice = Panel("", TSelectStyle::sp_UserChoice);
    choice->SetUserChoice(true);
    choice->ApplySaveValue("sp_UserChoice\x03" "False\x03" "A01\x01" "Alpha\x04" "B02\x01" "Beta\x04");
    EXPECT_FALSE(choice->UserChoiceBox->Checked());
    EXPECT_EQ(Rows(*choice), (RowList{{"A01", "Alpha"}, {"B02", "Beta"}}));

    // Another style: the edits are filled, the style stays.
    TSelectPanel* range = Panel("", TSelectStyle::sp_Range);
    range->ApplySaveValue("sp_UserChoice\x03" "True\x03" "A\x03" "B");
    EXPECT_EQ(range->Style(), TSelectStyle::sp_Range);
    EXPECT_EQ(range->BeginEdit->Text(), "A");
    EXPECT_EQ(range->FinalEdit->Text(), "B");

    // A list text into a range panel fills its list; the style is never restored.
    range->ApplySaveValue("sp_Discrete\x03x\x04");
    EXPECT_EQ(range->Style(), TSelectStyle::sp_Range);
    EXPECT_EQ(Captions(*range), (std::vector<std::string>{"x"}));
}

TEST_F(SaveValueTest, ReadListsAddRowsWithDuplicatesAndColumns) {
    TSelectPanel* list = Panel("", TSelectStyle::sp_Discrete);
    list->AddRow({"old"});
    list->SetCheckDuplicate(TCheckDuplicate::cd_CaseInsensitive);
    list->ApplySaveValue("sp_Discrete\x03" "b\x04" "A\x01" "1\x01" "2\x04" "a\x04");
    // "a" sorts before "A"/"1" (equal captions, then column 1) and the row after it goes.
    EXPECT_EQ(Rows(*list), (RowList{{"a", "", ""}, {"b", "", ""}}));
    EXPECT_EQ(list->ListView->ColumnCount(), 3);
}

TEST_F(SaveValueTest, MalformedSavedValuesNeverCrash) {
    struct Case {
        std::string name, text;
        RowList rows;
        std::string begin, final;
    };
    const std::string huge(200000, 'x');
    const Case cases[] = {
        {"empty", "", {}, "keep", "keep"},
        {"unknown style", "sp_Other\x03" "a\x03" "b", {}, "keep", "keep"},
        {"style in other case", "SP_RANGE\x03" "a", {}, "keep", "keep"},
        {"range missing fields", "sp_Range", {}, "", ""},
        {"range one field", "sp_Range\x03" "a", {}, "a", ""},
        {"range extra fields", "sp_Range\x03" "a\x03" "b\x03" "c\x03", {}, "a", "b"},
        {"list missing field", "sp_Discrete", {}, "keep", "keep"},
        {"empty rows between", "sp_Discrete\x03\x04" "A\x04\x04\x04" "B\x04", {{"A"}, {"B"}}, "keep", "keep"},
        {"last row unended", "sp_Discrete\x03" "A\x04" "B", {{"A"}, {"B"}}, "keep", "keep"},
        {"stray column separators", "sp_Discrete\x03\x01\x01\x04", {{"", "", ""}}, "keep", "keep"},
        {"lone lead byte", "sp_Discrete\x03\x81\x04" "A\xFE", {{"\x81\x04" "A\xFE"}}, "keep", "keep"},
        {"huge row", "sp_Discrete\x03" + huge + "\x04", {{huge}}, "keep", "keep"},
        {"user choice without choice", "sp_UserChoice", {}, "keep", "keep"},
        {"user choice odd choice", "sp_UserChoice\x03" "maybe\x03" "R\x04", {{"R"}}, "keep", "keep"},
        {"user choice lower-case true", "sp_UserChoice\x03true\x03" "R\x04", {{"R"}}, "keep", "keep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSelectPanel* panel = Panel("", TSelectStyle::sp_UserChoice);
        panel->BeginEdit->SetText("keep");
        panel->FinalEdit->SetText("keep");
        EXPECT_NO_THROW(panel->ApplySaveValue(c.text));
        EXPECT_EQ(Rows(*panel), c.rows);
        EXPECT_EQ(panel->BeginEdit->Text(), c.begin);
        EXPECT_EQ(panel->FinalEdit->Text(), c.final);
        TObject::Free(panel);
    }
}

TEST_F(SaveValueTest, AListThatCannotBeReadRaisesTheParseError) {
    TSelectPanel* list = Panel("", TSelectStyle::sp_Discrete);
    struct Handler {
        void Change(TObject*, TListItem* item, TItemChange) {
            if (item->Caption() == "bad") throw std::runtime_error("cannot add");
        }
    } handler;
    list->OnItemChange = TListViewDataChangeEvent::Bind(&handler, "Change", &Handler::Change);
    try {
        list->ApplySaveValue("sp_Discrete\x03" "ok\x04" "bad\x04" "later\x04");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "parse spSaveValue error");
    }
    EXPECT_EQ(Captions(*list), (std::vector<std::string>{"ok", "bad"}));  // the rows read so far stay
}

// --- Date panels -----------------------------------------------------------------------------------

TEST_F(SaveValueTest, DatePanelsSaveDateTextsThroughTheForm) {
    TSelectPanel* dates = Panel("sp01", TSelectStyle::sp_Range);
    dates->BeginEdit->SetText("05-01-2024");
    dates->FinalEdit->SetText("");
    EXPECT_EQ(dates->BuildSaveValue(), "sp_Range\x03" "20240501\x03");

    // The scheme's date environment moves the dates of the panels it names; a panel it does not
    // name saves no range at all.
    TSelectPanel* moved = Panel("spMoved", TSelectStyle::sp_Range);
    moved->BeginEdit->SetText("01-31-2024");
    moved->FinalEdit->SetText("02-01-2024");
    form_->EnvironmentHasEntries = true;
    EXPECT_EQ(moved->BuildSaveValue(), "sp_Range\x03" "20240229\x03" "20240201");
    EXPECT_EQ(dates->BuildSaveValue(), "sp_Range\x03");

    // Panels outside the list, and user-choice panels, keep their texts as shown.
    TSelectPanel* plain = Panel("sp02", TSelectStyle::sp_Range);
    plain->BeginEdit->SetText("05-01-2024");
    EXPECT_EQ(plain->BuildSaveValue(), "sp_Range\x03" "05-01-2024\x03");
    form_->DateFields = "sp01,sp03";
    TSelectPanel* choice = Panel("sp03", TSelectStyle::sp_UserChoice);
    choice->SetUserChoice(true);
    choice->BeginEdit->SetText("05-01-2024");
    EXPECT_EQ(choice->BuildSaveValue(), "sp_UserChoice\x03True\x03" "05-01-2024\x03");
}

TEST_F(SaveValueTest, DatePanelsShowRestoredDatesInTheFormsLayout) {
    struct Case {
        int type;
        std::string separator, saved, begin, final;
    };
    const Case cases[] = {
        {2, "-", "sp_Range\x03" "20240501\x03" "20241231", "05-01-2024", "12-31-2024"},
        {1, "/", "sp_Range\x03" "20240501\x03", "2024/05/01", ""},
        {5, "/", "sp_Range\x03" "20240501\x03" "20240230", "113/05/01", ""},  // no valid date: empty
        {3, ".", "sp_Range\x03" "2024\x03" "abcdefgh", "", ""},
    };
    for (const Case& c : cases) {
        form_->Type = c.type;
        form_->Separator = c.separator;
        TSelectPanel* panel = Panel("sp01", TSelectStyle::sp_Range);
        panel->ApplySaveValue(c.saved);
        EXPECT_EQ(panel->EditMask(), form_->DateMask());
        EXPECT_EQ(panel->BeginEdit->EditText(), c.begin.empty() ? panel->BlankMaskText() : c.begin) << c.saved;
        if (!c.final.empty()) {
            EXPECT_EQ(panel->FinalEdit->EditText(), c.final);
        }
        TObject::Free(panel);
    }
    // Outside the date list the texts go in unchanged.
    TSelectPanel* plain = Panel("sp09", TSelectStyle::sp_Range);
    plain->ApplySaveValue("sp_Range\x03" "20240501\x03");
    EXPECT_EQ(plain->BeginEdit->Text(), "20240501");
    EXPECT_EQ(plain->EditMask(), "");
}

// --- Code pages and disabled images ------------------------------------------------------------------

TEST_F(SaveValueTest, CodePageConversionReachesWordsHintsColumnsAndRows) {
    TSelectPanel* panel = Panel("", TSelectStyle::sp_Discrete);
    panel->SetColumnCaptions({"c"});
    panel->AddRow({"r", "s"});
    static_cast<ICodePageContents*>(panel)->ConvertContents([](const std::string& t) { return "<" + t + ">"; }, true);
    EXPECT_EQ(panel->HintWord(), "<区间选择>");
    EXPECT_EQ(panel->UserChoiceBox->Caption(), "<区间选择>");
    EXPECT_EQ(panel->BeginWords()->Items(), (std::vector<std::string>{"<起>", "<起>"}));
    EXPECT_EQ(panel->FinalLabel->Caption(), "<止>");
    EXPECT_EQ(panel->ChildHints()->Items()[8], "<多选-删除己选信息>");
    EXPECT_EQ(panel->ClearButton->Hint, "<多选-删除己选信息>");
    EXPECT_EQ(panel->ColumnCaptions(), (std::vector<std::string>{"<c>", "<Data2>"}));
    EXPECT_EQ(Rows(*panel), (RowList{{"<r>", "<s>"}}));
}

TEST_F(SaveValueTest, DisabledImagesAreOfferedForTheListButtons) {
    TSelectPanel* panel = Panel("", TSelectStyle::sp_Discrete);
    const std::vector<TControl*> buttons = static_cast<IDisabledImageButtons*>(panel)->DisabledImageButtons();
    EXPECT_EQ(buttons, (std::vector<TControl*>{panel->ListButton, panel->DeleteButton, panel->ClearButton}));
}

}  // namespace
