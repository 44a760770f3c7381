// Field checks of the condition form: date fields (their wrapping, the list merge, the check and
// its message) and required fields (marking, colours, the submitting buttons, emptiness).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/BaseGeneChecksFixture.h"
#include "forms/report/Kvtr42CF.h"
#include "platform/Application.h"

using namespace znp;
using namespace znp::test;

namespace {

constexpr TColor kRequired = 0x00AFFFFF;

// The number of boxes that began with Text.
int BoxesOf(const std::vector<std::string>& boxes, const std::string& text) {
    int count = 0;
    for (const std::string& box : boxes) count += box.rfind(text, 0) == 0;
    return count;
}

class DateChecks : public CheckForm {};

// The user types a date into the masked date edit and leaves it with Tab.
TEST_F(DateChecks, ImpossibleAndBoundaryDatesAreCaughtWhenTheFieldIsLeft) {
    struct Case {
        const char* typed;
        bool passes;
    };
    const Case cases[] = {
        {"20240230", false},  // 30 February
        {"17530101", true},   // first date of the calendar
        {"17521231", false},  // before it
        {"99991231", true},
        {"2024", false},      // incomplete: 2024/  /
        {"", true},           // only the separators: no date, no error
    };
    fakes_.Manager().SetMessage("E", "000005", "日期不对");
    for (const Case& c : cases) {
        TfrmCheckTest* form = Shown();
        form->edDate()->SetFocus();
        EXPECT_EQ(form->edDate()->EditMask(), "9999/99/99;1; ") << "entering prepared the date mask";
        Type(form, c.typed);
        form->PressKey(VK_TAB);
        if (c.passes) {
            EXPECT_TRUE(Boxes().empty()) << c.typed;
            EXPECT_EQ(Focus(form), form->edPlain()) << c.typed;
            EXPECT_EQ(form->DateExits, 1) << "the field's own exit handler ran: " << c.typed;
            EXPECT_FALSE(form->CheckFailed) << c.typed;
        } else {
            ASSERT_EQ(Boxes().size(), 1u) << c.typed;
            EXPECT_EQ(Boxes()[0].rfind("日期不对", 0), 0u) << c.typed;
            EXPECT_EQ(form->MessageIdLog, "E;000005; ") << c.typed;
            EXPECT_EQ(Focus(form), form->edDate()) << "the focus stays in the field: " << c.typed;
            EXPECT_EQ(form->DateExits, 0) << "a failed check keeps the own handler back: " << c.typed;
            EXPECT_TRUE(form->CheckFailed) << c.typed;
        }
    }
}

TEST_F(DateChecks, AnImpossibleDateKeepsTheUserOnThePage) {
    TfrmCheckTest* form = Shown();
    // The user opens the system page, types a date that does not exist and tries to go back.
    form->PressKey(VK_TAB, ssCtrl);
    ASSERT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    ASSERT_EQ(Focus(form), form->edPrintDate) << "entering the page focuses its first control";
    Type(form, "20240230");
    form->PressKey(VK_PRIOR, ssCtrl);
    EXPECT_EQ(form->MessageIdLog, "E;000005; ");
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2) << "the page change was refused";
    EXPECT_EQ(Focus(form), form->edPrintDate);
    EXPECT_FALSE(form->PageChanging);

    // Corrected, the same key changes the page.
    form->edPrintDate->SelectAll();
    Type(form, "20240229");
    dialogs_->Clear();
    form->PressKey(VK_PRIOR, ssCtrl);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1);
}

TEST_F(DateChecks, BothEndsOfADatePanelAreChecked) {
    TfrmCheckTest* form = Shown();
    TSelectPanel* panel = form->sp05();
    ASSERT_EQ(Focus(form), panel->BeginEdit) << "the first page starts in the panel";
    EXPECT_EQ(panel->EditMask(), "9999/99/99;1; ");
    panel->FinalEdit->SetText("2023/13/01");
    form->edName()->SetFocus();
    EXPECT_EQ(form->MessageIdLog, "E;000005; ");
    EXPECT_EQ(Focus(form), panel->FinalEdit) << "the failed end gets the focus";
    EXPECT_EQ(form->PanelExits, 0);

    panel->FinalEdit->SetText("2023/12/01");
    form->edName()->SetFocus();
    EXPECT_EQ(Focus(form), form->edName());
    EXPECT_EQ(form->PanelExits, 1);
}

TEST_F(DateChecks, PanelsTakeTheSystemDateLayout) {
    struct Case {
        const char* type;
        const char* separator;
        TDateType dateType;
        const char* sign;
    };
    const Case cases[] = {{"3", "-", TDateType::dt_DDMMYYYY, "-"},
                          {"5", "", TDateType::dt_YYYMMDD, "/"},
                          {"9", ".", TDateType::dt_NoneCare, "."}};
    for (const Case& c : cases) {
        fakes_.Counter().SetSysParam("Sys001", c.type);
        fakes_.Counter().SetSysParam("Sys002", c.separator);
        TfrmCheckTest* form = Shown();
        EXPECT_EQ(form->sp05()->ValueType, TValueType::vt_Date) << c.type;
        EXPECT_EQ(form->sp05()->DateType, c.dateType) << c.type;
        EXPECT_EQ(form->sp05()->DateSign, c.sign) << c.type;
        EXPECT_EQ(form->sp06()->ValueType, TValueType::vt_String) << "not a date field";
    }
}

TEST_F(DateChecks, DateFieldListsMergeByLevel) {
    TfrmCheckTest* form = Shown();
    EXPECT_EQ(form->DateFields, "sp05,edDate,edPlain,edPrintDate");

    auto* report = CreateForm<TfrmKvtr42>();
    ASSERT_TRUE(report->Setup(HostParams()));
    EXPECT_EQ(report->DateFields, "sp02,sp03,edDate,meStartDate,meEndDate,edPrintDate");

    // A list with the print date is a whole new list: the fields it leaves out are unwrapped.
    form->SetDateFields(" edDate , edPrintDate ");
    EXPECT_EQ(form->DateFields, "edDate , edPrintDate");
    form->sp05()->BeginEdit->SetFocus();
    form->sp05()->BeginEdit->SetText("2024/02/30");
    form->edName()->SetFocus();
    EXPECT_EQ(form->PanelExits, 1) << "sp05 has its own handler back and is no longer checked";
    EXPECT_TRUE(Boxes().empty());

    // Wrapping the same field again still calls its own handler once, not the wrapper again.
    form->SetDateFields("edDate");
    EXPECT_EQ(form->DateFields, "edDate,edDate , edPrintDate");
    form->edDate()->SetFocus();
    form->edName()->SetFocus();
    EXPECT_EQ(form->DateExits, 1);
}

TEST_F(DateChecks, ADateFieldOfAnotherKindShowsTheParameterBox) {
    TfrmCheckTest* form = Shown();
    form->SetDateFields("meNote,edPrintDate");
    form->meNote()->SetFocus();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].find("TSelectPanel, TMaskedit, TEdit"), std::string::npos);
    EXPECT_TRUE(form->CheckFailed);
    EXPECT_FALSE(form->DateCheck(form->Get<TLabel>("lblNote"), true));
}

TEST_F(DateChecks, APlainEditGetsTheBlankLayoutOnlyWhenEmpty) {
    TfrmCheckTest* form = Shown();
    form->edPlain()->SetFocus();
    EXPECT_EQ(form->edPlain()->Text(), "    /  /  ");
    form->edPlain()->SetText("2024/01/31");
    form->edName()->SetFocus();
    form->edPlain()->SetFocus();
    EXPECT_EQ(form->edPlain()->Text(), "2024/01/31") << "entering again keeps the date";
}

TEST_F(DateChecks, NothingIsCheckedWhileTheCancelButtonHasTheFocus) {
    TfrmCheckTest* form = Shown();
    form->edDate()->SetText("2024/02/30");
    form->btnCancel->SetFocus();
    form->OnDateFieldExit()(form->edDate());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(form->MessageIdLog, "");
    EXPECT_FALSE(form->CheckFailed);
    EXPECT_EQ(Focus(form), form->btnCancel);
}

TEST_F(DateChecks, MovingFromABadDateOntoCancelChecksNothing) {
    TfrmCheckTest* form = Shown();
    form->edDate()->SetFocus();
    form->edDate()->SetText("2024/02/30");
    form->btnCancel->SetFocus();  // the user clicks Cancel while the date is wrong
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(form->CheckFailed);
    EXPECT_EQ(Focus(form), form->btnCancel);
}

// --- Required fields ------------------------------------------------------------------------------

class RequiredFields : public CheckForm {};

TEST_F(RequiredFields, ItemFormsDecideWhatIsColouredAndWhatIsChecked) {
    struct Case {
        const char* item;
        bool begin, final, list;
        bool checked;
    };
    const Case cases[] = {
        {"sp05;;2", false, true, false, false},
        {"sp05;;1", true, false, false, false},
        {"sp05;;3", false, false, true, false},
        {"sp05;;0", true, true, true, false},
        {"sp05;;x", true, true, true, true},  // no number: all parts, and checked
        {"sp05;N", true, true, true, false},
        {"sp05;n", true, true, true, false},
        {" sp05 ", true, true, true, true},
    };
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
    for (const Case& c : cases) {
        TfrmCheckTest* form = Shown();
        const TColor plain = form->sp05()->BeginEdit->Color();
        form->SetRequiredFields(c.item);
        EXPECT_EQ(form->sp05()->BeginEdit->Color() == kRequired, c.begin) << c.item;
        EXPECT_EQ(form->sp05()->FinalEdit->Color() == kRequired, c.final) << c.item;
        EXPECT_EQ(form->sp05()->ListView->Color() == kRequired, c.list) << c.item;
        EXPECT_NE(plain, kRequired);

        form->btnOk->Click();
        EXPECT_EQ(form->OkClicks, c.checked ? 0 : 1) << c.item;
        EXPECT_EQ(BoxesOf(Boxes(), "必须输入"), c.checked ? 1 : 0) << c.item;
        EXPECT_EQ(form->CheckFailed, c.checked) << c.item;
        if (c.checked) {
            EXPECT_EQ(Focus(form), form->sp05()->BeginEdit) << c.item;
        }
    }
}

TEST_F(RequiredFields, AFieldShowingOnlyItsMaskLiteralsIsEmpty) {
    TfrmCheckTest* form = Shown();
    form->edDate()->SetFocus();  // takes the date mask "9999/99/99;1; "
    form->edName()->SetFocus();
    ASSERT_EQ(form->edDate()->Text(), "    /  /  ");
    form->SetRequiredFields("edDate");
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 0);
    EXPECT_EQ(Focus(form), form->edDate());

    form->edDate()->SetText("2024/05/06");
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 1);
}

TEST_F(RequiredFields, APanelIsEmptyByItsMode) {
    TfrmCheckTest* form = Shown();
    TSelectPanel* panel = form->sp06();  // user choice, list mode
    form->SetRequiredFields("sp06");
    form->pgOption->SetActivePage(form->tsOption2);
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 0) << "a list without rows is empty";
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption1) << "its page was brought forward";
    EXPECT_EQ(Focus(form), panel->ListView);

    panel->AddRow({"A01"});
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 1) << "one row is enough";

    panel->SetUserChoice(true);  // range mode: both ends must hold something
    panel->BeginEdit->SetText("A");
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 1);
    EXPECT_EQ(Focus(form), panel->BeginEdit);
    panel->FinalEdit->SetText("Z");
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 2);
}

TEST_F(RequiredFields, TheScanStopsAtTheFirstEmptyFieldAndSkipsUnknownNames) {
    TfrmCheckTest* form = Shown();
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
    form->SetRequiredFields("noSuchField,edName,edHour");
    form->btnOk->Click();
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(BoxesOf(Boxes(), "必须输入"), 1) << "one message only";
    EXPECT_EQ(Focus(form), form->edName());
    form->edName()->SetText("x");
    form->btnOk->Click();
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption());
    EXPECT_EQ(Focus(form), form->edHour());
}

TEST_F(RequiredFields, MarkingAgainPutsTheFirstListsColoursBack) {
    TfrmCheckTest* form = Shown();
    const TColor nameColour = form->edName()->Color();
    const TColor beginColour = form->sp05()->BeginEdit->Color();
    EXPECT_EQ(form->SavedColours->Values("sp05.edBegin"), std::to_string(beginColour));
    EXPECT_EQ(form->SavedColours->Values("edName"), std::to_string(nameColour));
    EXPECT_EQ(form->SavedColours->IndexOfName("tsOption1"), -1) << "containers are walked into, not recorded";

    form->SetRequiredFields("edName,sp05;;1");
    EXPECT_EQ(form->edName()->Color(), kRequired);
    form->SetRequiredFields("edPlain");
    EXPECT_EQ(form->edName()->Color(), nameColour);
    EXPECT_EQ(form->sp05()->BeginEdit->Color(), beginColour);
    EXPECT_EQ(form->edPlain()->Color(), kRequired);
}

TEST_F(RequiredFields, WrappingAgainStillCallsTheButtonsOwnHandlerOnce) {
    TfrmCheckTest* form = Shown();
    form->SetRequiredFields("edName");
    form->SetRequiredFields("edPlain");
    form->SetRequiredFields("");
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 1);
    EXPECT_EQ(form->SavedButtonHandlers->Values("btnOk.OnClick.Code"), "btnOkClick");
}

TEST_F(RequiredFields, APeriodicRequestWithAnEmptyFieldLeavesPeriodicMode) {
    TfrmCheckTest* form = Shown();
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
    form->SetRequiredFields("edName");
    form->tsPeriodOption()->SetTabVisible(true);

    form->btnPeriod()->Click();  // down: the check runs before the button's own handler
    EXPECT_EQ(BoxesOf(Boxes(), "必须输入"), 1);
    EXPECT_FALSE(form->btnPeriod()->Down()) << "released";
    EXPECT_FALSE(form->tsPeriodOption()->TabVisible()) << "the periodic tab is hidden again";
    EXPECT_EQ(form->PeriodClicks, 0);

    form->edName()->SetText("x");
    form->btnPeriod()->Click();
    EXPECT_TRUE(form->btnPeriod()->Down());
    EXPECT_EQ(form->PeriodClicks, 1);
    // While the button is down every submitting button checks; releasing it does not.
    form->edName()->SetText("");
    form->btnPeriod()->Click();
    EXPECT_FALSE(form->btnPeriod()->Down());
    EXPECT_EQ(form->PeriodClicks, 2) << "released without a check";
}

TEST_F(RequiredFields, AnEmptyFieldOnThePeriodicPageKeepsPeriodicMode) {
    TfrmCheckTest* form = Shown();
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
    form->SetRequiredFields("edHour");
    form->btnPeriod()->Click();
    EXPECT_EQ(BoxesOf(Boxes(), "必须输入"), 1);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption());
    EXPECT_TRUE(form->btnPeriod()->Down()) << "the user can fill the field in on that page";
    EXPECT_EQ(Focus(form), form->edHour());
    EXPECT_EQ(form->PeriodClicks, 0);
}

TEST_F(RequiredFields, WithoutAPeriodicButtonOnlyTheCheckDecides) {
    auto* form = CreateForm();
    ASSERT_TRUE(form->Setup(HostParams()));
    form->Show();
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
    form->SetRequiredFields("edPrintDate");
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 0);
    EXPECT_EQ(BoxesOf(Boxes(), "必须输入"), 1);
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsOption2);
    EXPECT_EQ(form->ActiveControl(), form->edPrintDate);
    EXPECT_TRUE(form->tsOption2->TabVisible()) << "no periodic page to hide";

    form->edPrintDate->SetText("2024/03/01");
    form->btnOk->Click();
    EXPECT_EQ(form->OkClicks, 1);
    EXPECT_FALSE(form->CheckFailed);
}

}  // namespace
