#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/StdCtrls.h"

using namespace znp;
using namespace znp::testing;

namespace {

void Type(TCustomForm& form, const std::string& text) {
    for (char c : text) form.TypeChar(c);
}

// A GBK character whose trail byte is the ASCII letter "a".
const std::string kTrailA = "\xB0\x61";

// --- Edit --------------------------------------------------------------------------------------

TEST(StdCtrlsEdit, ChangeIsRaisedOncePerChangeOfTheText) {
    ShownForm f;
    auto* ed = f.Add<TEdit>("ed");
    EventLog log;
    ed->OnChange = log.Notify("change");
    ed->SetText("abc");
    ed->SetText("abc");
    f.form->FocusControl(ed);
    Type(*f.form, "x");        // replaces the selection made on entering
    f.form->PressKey(VK_END);  // moving the caret changes nothing
    EXPECT_EQ(ed->Text(), "x");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"change ed", "change ed"}));
}

TEST(StdCtrlsEdit, TypingFollowsCaretSelectionAndLimits) {
    struct Case {
        const char* name;
        std::string start;
        int selStart, selLength;
        std::string typed;
        int maxLength;
        bool readOnly;
        std::string expected;
    };
    const Case cases[] = {
        {"appends at the caret", "ab", 2, 0, "cd", 0, false, "abcd"},
        {"inserts in the middle", "ad", 1, 0, "bc", 0, false, "abcd"},
        {"replaces the selection", "abcd", 1, 2, "X", 0, false, "aXd"},
        {"stops at MaxLength", "ab", 2, 0, "cde", 3, false, "abc"},
        {"replacing within MaxLength", "abc", 0, 1, "Z", 3, false, "Zbc"},
        {"read-only takes nothing", "ab", 2, 0, "c\b", 0, true, "ab"},
        {"backspace deletes before the caret", "abc", 2, 0, "\b", 0, false, "ac"},
        {"backspace deletes the selection", "abcd", 1, 2, "\b", 0, false, "ad"},
        {"backspace at the start does nothing", "ab", 0, 0, "\b", 0, false, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownForm f;
        auto* ed = f.Add<TEdit>("ed");
        ed->SetText(c.start);
        f.form->FocusControl(ed);
        ed->SetSelStart(c.selStart);
        ed->SetSelLength(c.selLength);
        ed->MaxLength = c.maxLength;
        ed->ReadOnly = c.readOnly;
        Type(*f.form, c.typed);
        EXPECT_EQ(ed->Text(), c.expected);
    }
}

TEST(StdCtrlsEdit, DoubleByteCharactersStayWhole) {
    CodePageScope cp("936");
    ShownForm f;
    auto* ed = f.Add<TEdit>("ed");
    f.form->FocusControl(ed);
    ed->SetCharCase(TEditCharCase::ecUpperCase);
    ed->MaxLength = 4;
    Type(*f.form, "x" + kTrailA + kTrailA);  // the second character does not fit whole
    EXPECT_EQ(ed->Text(), "X" + kTrailA);     // upper case leaves the trail byte alone
    Type(*f.form, "\b");
    EXPECT_EQ(ed->Text(), "X");
    ed->SetText(kTrailA + "b");
    ed->SetSelStart(0);
    f.form->PressKey(VK_DELETE);
    EXPECT_EQ(ed->Text(), "B");
}

TEST(StdCtrlsEdit, PublishesItsPropertiesByName) {
    ShownForm f;
    auto* ed = f.Add<TEdit>("ed");
    const ClassInfo& cls = ed->ClassType();
    cls.FindProperty("text")->Set(*ed, Variant(std::string("v")));
    cls.FindProperty("CharCase")->Set(*ed, Variant(1));
    EXPECT_EQ(ed->Text(), "V");
    EXPECT_EQ(cls.FindProperty("CharCase")->ValueName(1), "ecUpperCase");
    EXPECT_TRUE(cls.FindProperty("TabStop")->Get(*ed).AsBoolean());
}

// --- Memo --------------------------------------------------------------------------------------

TEST(StdCtrlsMemo, EnterAddsALineOnlyWithWantReturns) {
    ShownForm f;
    auto* memo = f.Add<TMemo>("memo");
    EventLog log;
    memo->OnChange = log.Notify("change");
    memo->Lines()->Add("one");
    memo->Lines()->Add("two");
    f.form->FocusControl(memo);
    memo->SetCaretPos(0, 3);
    EXPECT_EQ(memo->CaretLine(), 0);
    Type(*f.form, "\rx");
    EXPECT_EQ(memo->Lines()->Text(), "one\r\nx\r\ntwo\r\n");
    EXPECT_EQ(memo->CaretLine(), 1);
    EXPECT_EQ(memo->CaretColumn(), 1);
    EXPECT_EQ(log.lines.size(), 2u);

    memo->WantReturns = false;
    Type(*f.form, "\r");
    EXPECT_EQ(memo->Lines()->Count(), 3);
    // Backspace at the start of a line joins it to the one before.
    memo->SetCaretPos(1, 0);
    Type(*f.form, "\b");
    EXPECT_EQ(memo->Lines()->Text(), "onex\r\ntwo\r\n");
}

TEST(StdCtrlsMemo, TextAndLinesAreTheSame) {
    ShownForm f;
    auto* memo = f.Add<TMemo>("memo");
    memo->SetText("a\r\nb");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Text(), "a\r\nb\r\n");
    EXPECT_EQ(static_cast<TControl*>(memo)->Text(), memo->Text());
}

// --- Label -------------------------------------------------------------------------------------

TEST(StdCtrlsLabel, AutoSizeTakesTheSizeOfTheCaption) {
    ShownForm f;
    auto* label = Construct<TLabel>(f.form);
    label->SetParent(f.form);
    label->Font()->SetHeight(-13);
    label->SetCaption("制表日期");  // four double-byte characters
    EXPECT_EQ(label->Width(), 52);
    EXPECT_EQ(label->Height(), 13);
    label->SetCaption("&Name");  // the accelerator mark takes no room
    EXPECT_EQ(label->Width(), 26);
    label->SetAutoSize(false);
    label->SetCaption("much longer caption");
    EXPECT_EQ(label->Width(), 26);
}

TEST(StdCtrlsLabel, ForgetsItsFocusControlWhenThatIsFreed) {
    ShownForm f;
    auto* ed = f.Add<TEdit>("ed");
    auto* label = Construct<TLabel>(f.form);
    label->FocusControl = ed;
    TObject::Free(ed);
    EXPECT_EQ(label->FocusControl, nullptr);
}

// --- Check box and radio button ----------------------------------------------------------------

TEST(StdCtrlsCheckBox, ClickCyclesThroughTheStates) {
    struct Case {
        bool allowGrayed;
        std::vector<TCheckBoxState> states;
    };
    using S = TCheckBoxState;
    const Case cases[] = {
        {false, {S::cbChecked, S::cbUnchecked, S::cbChecked}},
        {true, {S::cbGrayed, S::cbChecked, S::cbUnchecked, S::cbGrayed}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.allowGrayed);
        ShownForm f;
        auto* box = f.Add<TCheckBox>("chk");
        box->AllowGrayed = c.allowGrayed;
        EventLog log;
        box->OnClick = log.Notify("click");
        for (S expected : c.states) {
            box->Click();
            EXPECT_EQ(box->State(), expected);
        }
        EXPECT_EQ(log.lines.size(), c.states.size());
    }
}

TEST(StdCtrlsCheckBox, ClickEventOnlyWhenTheStateChanges) {
    ShownForm f;
    auto* box = f.Add<TCheckBox>("chk");
    EventLog log;
    box->OnClick = log.Notify("click");
    box->SetChecked(true);
    box->SetChecked(true);
    f.form->FocusControl(box);
    f.form->TypeChar(' ');
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(log.lines.size(), 2u);
}

TEST(StdCtrlsRadioButton, CheckingUnchecksTheButtonsOfTheSameParentOnly) {
    ShownForm f;
    auto* panel = f.Add<TGroupBox>("grp");
    auto* a = f.Add<TRadioButton>("a", panel);
    auto* b = f.Add<TRadioButton>("b", panel);
    auto* c = f.Add<TRadioButton>("c", panel);
    auto* other = f.Add<TRadioButton>("other");
    other->SetChecked(true);
    EventLog log;
    for (auto* r : {a, b, c}) r->OnClick = log.Notify("click");
    a->SetChecked(true);
    b->Click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_TRUE(other->Checked());
    // Only the checked button of a group is a tab stop.
    EXPECT_FALSE(a->TabStop);
    EXPECT_TRUE(b->TabStop);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click a", "click b"}));
}

// --- Buttons and the dialog keys ---------------------------------------------------------------

TEST(StdCtrlsButton, ClickSetsTheModalResultOfTheForm) {
    ShownForm f;
    auto* ok = f.Add<TButton>("ok");
    ok->ModalResult = mrOk;
    EventLog log;
    ok->OnClick = log.Notify("click");
    ok->Click();
    EXPECT_EQ(f.form->ModalResult, mrOk);
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST(StdCtrlsButton, EnterAndEscClickTheDefaultAndCancelButtons) {
    ShownForm f;
    auto* panel = f.Add<TGroupBox>("pnl");
    auto* ed = f.Add<TEdit>("ed");
    auto* hidden = f.Add<TButton>("hidden", panel);
    hidden->Default = true;
    hidden->SetVisible(false);
    auto* ok = f.Add<TButton>("ok", panel);
    ok->Default = true;
    auto* cancel = f.Add<TButton>("cancel", panel);
    cancel->Cancel = true;
    auto* other = f.Add<TButton>("other");
    EventLog log;
    for (auto* b : {hidden, ok, cancel, other}) b->OnClick = log.Notify("click");

    f.form->FocusControl(ed);
    EXPECT_TRUE(ClickDialogButton(*f.form, VK_RETURN));
    EXPECT_TRUE(ClickDialogButton(*f.form, VK_ESCAPE));
    f.form->FocusControl(other);  // a focused button takes Enter itself
    EXPECT_TRUE(ClickDialogButton(*f.form, VK_RETURN));
    EXPECT_FALSE(ClickDialogButton(*f.form, VK_TAB));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click ok", "click cancel", "click other"}));

    cancel->SetEnabled(false);
    EXPECT_FALSE(ClickDialogButton(*f.form, VK_ESCAPE));
    auto* memo = f.Add<TMemo>("memo");
    f.form->FocusControl(memo);
    EXPECT_FALSE(ClickDialogButton(*f.form, VK_RETURN));
    memo->WantReturns = false;
    EXPECT_TRUE(ClickDialogButton(*f.form, VK_RETURN));
}

}  // namespace
