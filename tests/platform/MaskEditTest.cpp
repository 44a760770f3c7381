#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/Mask.h"

using namespace znp;
using namespace znp::testing;

namespace {

class MaskEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        me = f.Add<TMaskEdit>("me");
        me->OnChange = log.Notify("change");
    }
    void Type(const std::string& text) {
        for (char c : text) f.form->TypeChar(c);
    }
    ShownForm f;
    TMaskEdit* me = nullptr;
    EventLog log;
};

TEST_F(MaskEditTest, EmptyValueShowsTheBlankMask) {
    me->SetEditMask("9999/99/99;1;_");
    EXPECT_EQ(me->EditText(), "____/__/__");
    EXPECT_EQ(me->Text(), "    /  /  ");
    me->SetEditMask("9999/99/99;0; ");
    EXPECT_EQ(me->EditText(), "    /  /  ");
    EXPECT_EQ(me->Text(), std::string(8, ' '));  // the input positions, read as blanks
}

TEST_F(MaskEditTest, TypingFillsTheInputPositionsAndSkipsLiterals) {
    struct Case {
        const char* mask;
        std::string typed;
        std::string editText, text;
    };
    const Case cases[] = {
        {"9999/99/99;1;_", "20240131", "2024/01/31", "2024/01/31"},
        {"9999/99/99;0;_", "20240131", "2024/01/31", "20240131"},
        {"9999/99/99;0;_", "2024x", "2024/__/__", "2024    "},  // a letter is refused
        {">LL-00;1;_", "ab12", "AB-12", "AB-12"},
        {"00;1;_", "123", "12", "12"},  // nothing beyond the last position
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        me->SetEditMask(c.mask);
        me->SetText("");
        f.form->FocusControl(me);
        me->SetSelStart(0);
        Type(c.typed);
        EXPECT_EQ(me->EditText(), c.editText);
        EXPECT_EQ(me->Text(), c.text);
        f.form->FocusControl(nullptr);
    }
}

TEST_F(MaskEditTest, BackspaceEmptiesThePreviousInputPosition) {
    me->SetEditMask("99-99;1;_");
    f.form->FocusControl(me);
    me->SetSelStart(0);
    Type("123");
    EXPECT_EQ(me->SelStart(), 4);
    Type("\b\b");  // the second one steps over the literal
    EXPECT_EQ(me->EditText(), "1_-__");
    EXPECT_EQ(me->SelStart(), 1);
}

TEST_F(MaskEditTest, TextIsLaidIntoTheMaskAndChangesAreReportedOnce) {
    me->SetEditMask("9999/99/99;1;_");
    log.lines.clear();
    me->SetText("2024/05/06");
    EXPECT_EQ(me->EditText(), "2024/05/06");
    me->SetText("2024/05/06");
    EXPECT_EQ(log.lines.size(), 1u);
    // Read by name, the text is the value, not the edit text.
    EXPECT_EQ(VarToStr(me->ClassType().FindProperty("Text")->Get(*me)), "2024/05/06");
}

TEST_F(MaskEditTest, ANewMaskKeepsTheInputCharacters) {
    me->SetEditMask("9999/99/99;0;_");
    me->SetText("20240506");
    me->SetEditMask("9999-99-99;1;_");
    EXPECT_EQ(me->EditText(), "2024-05-06");
    me->SetEditMask("");
    EXPECT_FALSE(me->IsMasked());
    EXPECT_EQ(me->Text(), "20240506");
    // Without a mask the control types as a plain edit.
    me->SetSelStart(8);
    f.form->FocusControl(me);
    me->SetSelStart(8);
    Type("x");
    EXPECT_EQ(me->Text(), "20240506x");
}

TEST_F(MaskEditTest, ReadOnlyTakesNoInput) {
    me->SetEditMask("999;1;_");
    me->ReadOnly = true;
    f.form->FocusControl(me);
    Type("12\b");
    EXPECT_EQ(me->EditText(), "___");
}

}  // namespace
