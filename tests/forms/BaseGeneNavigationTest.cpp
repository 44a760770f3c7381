// Moving through the condition form and picking values: page entry, the keyboard table, the
// Enter rules, the quick pick with the lookup helpers, the view modes of the scheme list, the
// focus memory and the host window's repaint.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ZnRadio.h"
#include "forms/BaseGeneChecksFixture.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/ListView.h"
#include "platform/Menus.h"
#include "platform/ShellVerbs.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;

namespace {

class Navigation : public CheckForm {};

// The texts of one list row: caption, then sub-items.
std::vector<std::string> RowOf(const TSelectPanel* panel, int index) {
    const TListItem* item = panel->ListView->Items(index);
    std::vector<std::string> row{item->Caption()};
    for (const std::string& sub : item->SubItems()->Items()) row.push_back(sub);
    return row;
}

Variant Rows(std::initializer_list<std::vector<const char*>> rows) {
    std::vector<Variant> out;
    for (const auto& row : rows) {
        std::vector<Variant> values;
        for (const char* v : row) values.emplace_back(v);
        out.push_back(Variant::ArrayOf(values));
    }
    return Variant::ArrayOf(out);
}

TEST_F(Navigation, F1AsksForTheProgramsHelpTopic) {
    struct Case {
        const char* id;
        const char* module;  // "" when there is no help
        const char* topic;
    };
    const Case cases[] = {
        {"ABCR10", "ABC", "12100000"}, {"KVTR42", "KVT", "12420000"}, {"ABCB07", "ABC", "13070000"},
        {"ABCAR5", "ABC", "62R50000"}, {"ABCMB1", "ABC", "83B10000"}, {"ABCQ10", "", ""},
        {"ABCAQ1", "", ""},            {"ABCA", "", ""},               {"abcr10", "ABC", "12100000"},
    };
    for (const Case& c : cases) {
        TfrmCheckTest* form = Shown();
        form->ProgramId = c.id;
        fakes_.Log().Clear();
        form->PressKey(VK_F1);
        const auto calls = fakes_.Log().Of("Manager", "CallHelp");
        if (std::string(c.module).empty()) {
            EXPECT_TRUE(calls.empty()) << c.id;
            continue;
        }
        ASSERT_EQ(calls.size(), 1u) << c.id;
        const Variant& args = calls[0].Args[0];
        EXPECT_EQ(VarToStr(args[0]), c.module) << c.id;
        EXPECT_EQ(VarToStr(args[1]), c.topic) << c.id;
    }
}

TEST_F(Navigation, PageKeysMoveBetweenPagesAndConsumeTheKey) {
    TfrmCheckTest* form = Shown();
    form->tsPeriodOption()->SetTabVisible(false);
    ASSERT_EQ(form->pgOption->ActivePage(), form->tsOption1);
    form->PressKey(VK_TAB, ssCtrl);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    EXPECT_EQ(Focus(form), form->edPrintDate) << "not moved on by the Tab";
    form->PressKey(VK_TAB, ssCtrl | ssShift);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1);
    form->PressKey(VK_NEXT, ssCtrl);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    form->PressKey(VK_PRIOR, ssCtrl);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1);
    EXPECT_EQ(Focus(form), form->sp05()->BeginEdit) << "page entry starts in the range";
    form->PressKey(VK_NEXT);  // without Ctrl: no page key
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1);
}

TEST_F(Navigation, CtrlAltVOpensThePropertiesOfTheModuleFile) {
    std::vector<std::pair<std::string, std::string>> asked;
    ShellVerbHandler previous = SetShellVerbHandler([&](const std::string& verb, const std::string& path) {
        asked.emplace_back(verb, path);
        return true;
    });
    TfrmCheckTest* form = Shown();
    form->PressKey('V', ssCtrl | ssAlt | ssShift);
    form->PressKey('V', ssCtrl);
    EXPECT_TRUE(asked.empty()) << "exactly Ctrl and Alt";
    form->PressKey('V', ssCtrl | ssAlt);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, "properties");
    EXPECT_EQ(asked[0].second, kTestModulePath);
    SetShellVerbHandler(previous);
}

TEST(ShellVerbs, WithoutAHandlerOrWithAFailingOneTheVerbIsNotCarriedOut) {
    ShellVerbHandler previous = SetShellVerbHandler(nullptr);
    EXPECT_FALSE(ShellVerb("properties", "/x/Kvtr42C.so"));
    SetShellVerbHandler([](const std::string&, const std::string&) -> bool { throw std::runtime_error("no shell"); });
    EXPECT_FALSE(ShellVerb("properties", "/x/Kvtr42C.so"));
    SetShellVerbHandler([](const std::string&, const std::string&) { return true; });
    EXPECT_TRUE(ShellVerb("open", "/x/a.txt"));
    EXPECT_FALSE(ShellVerb("open", "")) << "no file, nothing to do";
    SetShellVerbHandler(previous);
}

TEST_F(Navigation, EscClosesTheForm) {
    TfrmCheckTest* form = Shown();
    form->PressKey(VK_ESCAPE);
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form));
}

TEST_F(Navigation, EnterInAThreeLineMemo) {
    struct Case {
        int caretLine;
        bool lastOfPage;
        int lines;         // lines afterwards
        const char* where;  // "memo", "next", "page"
    };
    const Case cases[] = {
        {0, false, 4, "memo"}, {1, false, 4, "memo"}, {2, false, 3, "next"},
        {1, true, 4, "memo"},  {2, true, 3, "page"},
    };
    for (const Case& c : cases) {
        TfrmCheckTest* form = Shown();
        if (c.lastOfPage) form->PageLastControls.push_back(form->meNote());
        form->meNote()->Lines()->SetText("one\r\ntwo\r\nthree");
        form->meNote()->SetFocus();
        form->meNote()->SetCaretPos(c.caretLine, 1);
        form->TypeChar('\r');
        EXPECT_EQ(form->meNote()->Lines()->Count(), c.lines) << c.caretLine << c.where;
        const std::string where = c.where;
        if (where == "memo") {
            EXPECT_EQ(Focus(form), form->meNote()) << c.caretLine;
        } else if (where == "next") {
            EXPECT_EQ(Focus(form), form->edName()) << c.caretLine;
        } else {
            EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2) << c.caretLine;
            EXPECT_EQ(Focus(form), form->edPrintDate);
        }
    }
}

TEST_F(Navigation, EnterMovesOnOrToTheNextPageAfterALastControl) {
    TfrmCheckTest* form = Shown();
    form->edPlain()->SetFocus();
    form->TypeChar('\r');
    EXPECT_EQ(Focus(form), form->meNote()) << "the next control in tab order";

    // A panel counts by its edits; the last page has no next page.
    form->PageLastControls = {form->sp05(), form->edPrintDate};
    form->sp05()->FinalEdit->SetFocus();
    form->TypeChar('\r');
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    form->tsPeriodOption()->SetTabVisible(false);
    form->TypeChar('\r');
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2) << "no page after the last";
    EXPECT_EQ(Focus(form), form->edPrintDate);
}

TEST_F(Navigation, EnterInAnyButtonOfAListedKitRadioGroupEndsItsPage) {
    TfrmCheckTest* form = Shown();
    auto* group = Construct<TZnRadioGroup>(form);
    group->SetParent(form->sp05()->Parent());
    group->Items()->SetText("a\r\nb\r\n");
    form->PageLastControls = {group};
    group->Buttons(1)->SetFocus();
    form->TypeChar('\r');
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
}

TEST_F(Navigation, EnterInAGridGoesToTheNextCellAndAppendsARow) {
    TfrmCheckTest* form = Shown();
    TStringGrid* grid = form->grdList();  // 3 columns, 2 rows, one of each fixed
    grid->SetFocus();
    ASSERT_EQ(grid->Col(), 1);
    form->TypeChar('\r');
    EXPECT_EQ(grid->Col(), 2);
    form->TypeChar('\r');
    EXPECT_EQ(grid->RowCount(), 3) << "a row was appended";
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 1) << "the first column that is not fixed";
    EXPECT_EQ(Focus(form), grid);
}

TEST_F(Navigation, PageEntrySkipsDisabledControls) {
    TfrmCheckTest* form = Shown();
    form->sp05()->SetEnabled(false);
    form->PressKey(VK_TAB, ssCtrl);
    form->PressKey(VK_TAB, ssCtrl | ssShift);
    EXPECT_EQ(Focus(form), form->edDate()) << "tab order 0 is disabled: tab order 1";

    form->edHour()->SetEnabled(false);
    form->PressKey(VK_PRIOR, ssCtrl);  // to the periodic page: nothing there can take the focus
    ASSERT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption());
    EXPECT_NE(Focus(form), form->edHour());
    EXPECT_FALSE(form->tsOption1->ContainsControl(Focus(form)));

    // A list-mode panel is entered at its list.
    form->sp05()->SetEnabled(true);
    form->sp05()->SetStyle(TSelectStyle::sp_Discrete);
    form->PressKey(VK_NEXT, ssCtrl);
    EXPECT_EQ(Focus(form), form->sp05()->ListView);
}

TEST_F(Navigation, F2OnThePrintDatePicksADate) {
    TfrmCheckTest::WantF2Window = true;
    FixedClock clock(45300);  // 2024/01/09
    fakes_.Counter().SetSysParam("Sys001", "3");
    fakes_.Counter().SetSysParam("Sys002", "-");
    TfrmCheckTest* form = Shown();
    fakes_.F2Window().PickedDate = " 20240105 ";
    form->PressKey(VK_TAB, ssCtrl);
    form->PressKey(VK_F2);
    EXPECT_EQ(form->edPrintDate->Text(), "05-01-2024") << "in the system date layout";
    const RecordedCall* call = fakes_.Log().Last("F2Window", "ShowInputDay");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->Args[0][0], Variant(false)) << "no Minguo year";
    EXPECT_EQ(VarToStr(call->Args[0][1]), "20240109") << "an empty field starts at today";
    EXPECT_EQ(VarToStr(call->Args[0][2]), "DEMO");

    // Picking nothing keeps the date; an eight-character text is the start date.
    fakes_.F2Window().PickedDate = "";
    form->PressKey(VK_F2);
    EXPECT_EQ(form->edPrintDate->Text(), "05-01-2024");
    EXPECT_EQ(form->DateQuickPick("20231130"), "20231130");
    EXPECT_EQ(VarToStr(fakes_.Log().Last("F2Window", "ShowInputDay")->Args[0][1]), "20231130");
    fakes_.F2Window().PickedDate = "no date";
    EXPECT_EQ(form->DateQuickPick("x"), "x") << "an answer that is no date changes nothing";
}

TEST_F(Navigation, WithoutAnF2WindowF2EmptiesThePrintDate) {
    TfrmCheckTest* form = Shown();
    form->edPrintDate->SetText("2024/01/05");
    // The F2 button of the field sends the quick-pick request with the field.
    Application().SendMessage(form->Handle(), WM_QUICKPICK, 0, reinterpret_cast<std::intptr_t>(form->edPrintDate));
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1) << "the quick pick does not change pages";
    EXPECT_EQ(form->edPrintDate->Text(), "");
    EXPECT_EQ(fakes_.Log().Count("F2Window", "ShowInputDay"), 0);
}

TEST_F(Navigation, PutLookupRowsPadsCodesAndNames) {
    TfrmCheckTest* form = Shown();
    TSelectPanel* panel = form->sp06();  // user choice, list mode
    const Variant rows = Rows({{"AB", "123"}, {"C", "4"}, {"CODE5", "NAME-LONGER-THAN-11"}, {"D"}});
    form->PutLookupRows(panel->ListView, rows, "-");
    ASSERT_EQ(panel->ListView->ItemCount(), 4);
    EXPECT_EQ(RowOf(panel, 0), std::vector<std::string>{"AB  -123        "});
    EXPECT_EQ(RowOf(panel, 1), std::vector<std::string>{"C   -4          "});
    EXPECT_EQ(RowOf(panel, 2), std::vector<std::string>{"CODE5-NAME-LONGER-THAN-11"}) << "longer texts are not cut";
    EXPECT_EQ(RowOf(panel, 3), std::vector<std::string>{"D   -           "}) << "a short row is padded";

    panel->SetUserChoice(true);
    form->PutLookupRows(panel->BeginEdit, rows, "-");
    EXPECT_EQ(panel->BeginEdit->Text(), "AB  -123        ");
    EXPECT_EQ(panel->ListView->ItemCount(), 4) << "only the edit changed";

    form->PutLookupRows(form->edName(), rows, "-");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].find("TSelectPanel"), std::string::npos);
    EXPECT_EQ(form->edName()->Text(), "");
}

TEST_F(Navigation, OpenPanelLookupFillsTheListOrAnEdit) {
    TfrmCheckTest::WantF2Window = true;
    TfrmCheckTest* form = Shown();
    TSelectPanel* panel = form->sp06();
    fakes_.F2Window().Lookups[{"CUS", "01"}] =
        Rows({{"C1", "Alpha", "a", "b", "e"}, {"C2", "Beta", "x", "y", "z"}});
    form->OpenPanelLookup(panel->ListView, "CUS", "01", false, "", Variant());
    ASSERT_EQ(panel->ListView->ItemCount(), 2);
    EXPECT_EQ(RowOf(panel, 1), (std::vector<std::string>{"C2", "Beta", "x", "y"})) << "four columns at most";
    EXPECT_EQ(VarToStr(fakes_.Log().Last("F2Window", "F2GetData")->Args[0][3]), "True") << "many rows";

    panel->ClearRows();
    form->OpenPanelLookup(panel->ListView, "CUS", "01", true, "", Variant());
    EXPECT_EQ(RowOf(panel, 0).size(), 5u) << "all columns";

    panel->ClearRows();
    panel->UseDiscard = true;
    panel->Discard = "|";
    form->OpenPanelLookup(panel->ListView, "CUS", "01", false, "", Variant());
    EXPECT_EQ(RowOf(panel, 0), std::vector<std::string>{"C1|Alpha|a|b"});

    fakes_.F2Window().Lookups[{"CUS", "02"}] = Rows({{"C9", "Gamma"}});
    form->OpenPanelLookup(panel->FinalEdit, "CUS", "02", false, "", Variant());
    EXPECT_EQ(panel->FinalEdit->Text(), "C9|Gamma");
    panel->UseDiscard = false;
    form->OpenPanelLookup(panel->BeginEdit, "CUS", "02", false, "", Variant());
    EXPECT_EQ(panel->BeginEdit->Text(), "C9");
    fakes_.F2Window().Lookups[{"CUS", "03"}] = Variant("C7");
    form->OpenPanelLookup(panel->BeginEdit, "CUS", "03", false, "", Variant());
    EXPECT_EQ(panel->BeginEdit->Text(), "C7");
    form->OpenPanelLookup(panel->BeginEdit, "CUS", "99", false, "", Variant());
    EXPECT_EQ(panel->BeginEdit->Text(), "C7") << "nothing found leaves the edit alone";
    EXPECT_TRUE(Boxes().empty());

    form->OpenPanelLookup(form->edName(), "CUS", "01", false, "", Variant());
    EXPECT_EQ(Boxes().size(), 1u) << "only for the parts of a selection panel";
}

TEST_F(Navigation, ToolButton1CyclesThroughTheViews) {
    TfrmCheckTest* form = Shown();
    const std::vector<std::pair<TViewStyle, TMenuItem*>> expected{{TViewStyle::vsSmallIcon, form->N8},
                                                                  {TViewStyle::vsList, form->N9},
                                                                  {TViewStyle::vsReport, form->N10},
                                                                  {TViewStyle::vsIcon, form->N7}};
    for (const auto& [style, item] : expected) {
        form->ToolButton1->Click();
        EXPECT_EQ(form->lstCondition->ViewStyle, style);
        EXPECT_TRUE(item->Checked());
    }
    EXPECT_EQ(form->ToolButton1->Tag, 0);
    form->N10->Click();
    EXPECT_EQ(form->lstCondition->ViewStyle, TViewStyle::vsReport);
}

TEST_F(Navigation, FocusMemoryAndHostRepaint) {
    TfrmCheckTest* form = Shown();
    form->edDate()->SetFocus();
    form->edName()->SetFocus();
    EXPECT_EQ(form->PreviousControl, form->edDate());

    const int before = Application().RepaintCount(4711);
    Application().SendMessage(form->Handle(), WM_MOVE);
    form->SetBounds(10, 10, 600, 400);
    form->FormResize(form);
    EXPECT_EQ(Application().RepaintCount(4711), before + 2);
}

TEST_F(Navigation, TheSystemPageIsArrangedOnceWhenFirstShown) {
    TfrmCheckTest* form = Shown();
    form->SetBounds(0, 0, 200, 90);
    EXPECT_FALSE(form->SystemPageArranged);
    form->PressKey(VK_TAB, ssCtrl);
    EXPECT_TRUE(form->SystemPageArranged);
    EXPECT_EQ(form->Width(), 315);
    EXPECT_EQ(form->Height(), 110);
    EXPECT_EQ(form->edPrintDate->Left(), 60);
    EXPECT_EQ(form->edPrintDate->Width(), 85);
    EXPECT_EQ(form->tsOption2->Font()->Size(), 9);
    form->edPrintDate->SetLeft(99);
    form->PressKey(VK_TAB, ssCtrl | ssShift);
    form->PressKey(VK_TAB, ssCtrl);
    EXPECT_EQ(form->edPrintDate->Left(), 99) << "only the first time";
}

}  // namespace
