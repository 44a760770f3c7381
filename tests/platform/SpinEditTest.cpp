#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/Spin.h"

using namespace znp;
using namespace znp::testing;

namespace {

TEST(SpinEdit, ValueIsClampedToTheLimits) {
    struct Case {
        int minValue, maxValue;
        int set;
        std::string text;
    };
    const Case cases[] = {
        {1, 31, 40, "31"}, {1, 31, -3, "1"}, {1, 31, 12, "12"},
        {0, 0, -50, "-50"},  // equal limits mean no limits
    };
    for (const Case& c : cases) {
        ShownForm f;
        auto* se = f.Add<TSpinEdit>("se");
        se->MinValue = c.minValue;
        se->MaxValue = c.maxValue;
        se->SetValue(c.set);
        EXPECT_EQ(se->Text(), c.text) << c.set;
    }
}

TEST(SpinEdit, TextThatIsNoNumberReadsAsTheMinimum) {
    ShownForm f;
    auto* se = f.Add<TSpinEdit>("se");
    se->MinValue = 2;
    se->MaxValue = 9;
    for (const char* text : {"", "abc", "5x", "99999999999999"}) {
        se->SetText(text);
        EXPECT_EQ(se->Value(), 2) << text;
    }
    se->SetText(" 7 ");
    EXPECT_EQ(se->Value(), 7);
    se->SetText("12");
    EXPECT_EQ(se->Value(), 9);
}

TEST(SpinEdit, KeysStepByIncrementAndTypingTakesOnlyNumbers) {
    ShownForm f;
    auto* se = f.Add<TSpinEdit>("se");
    auto* other = f.Add<TSpinEdit>("other");
    se->MinValue = 0;
    se->MaxValue = 10;
    se->Increment = 4;
    se->SetValue(5);
    f.form->FocusControl(se);
    f.form->PressKey(VK_UP);
    EXPECT_EQ(se->Value(), 9);
    f.form->PressKey(VK_UP);
    EXPECT_EQ(se->Value(), 10);
    se->SetText("");
    for (char c : std::string("1a2")) f.form->TypeChar(c);
    EXPECT_EQ(se->Text(), "12");
    // Leaving puts the number back inside the limits.
    f.form->FocusControl(other);
    EXPECT_EQ(se->Text(), "10");
}

// The control's exit handler sees what was typed; only a number outside the limits is put back
// inside them afterwards, and a text that is no number is left to that handler.
TEST(SpinEdit, LeavingRunsTheExitHandlerFirstThenKeepsTheLimits) {
    struct Case {
        const char* typed;
        const char* seen;
        const char* left;
    };
    const Case cases[] = {{"x", "x", "x"}, {"", "", ""}, {"150", "150", "99"}, {"-150", "-150", "-99"}, {"7", "7", "7"}};
    for (const Case& c : cases) {
        ShownForm f;
        auto* se = f.Add<TSpinEdit>("se");
        auto* other = f.Add<TSpinEdit>("other");
        se->MinValue = -99;
        se->MaxValue = 99;
        std::string seen = "none";
        se->OnExit = TNotifyEvent(nullptr, "probe", [&](TObject*) { seen = se->Text(); });
        f.form->FocusControl(se);
        se->SetText(c.typed);
        f.form->FocusControl(other);
        EXPECT_EQ(seen, c.seen) << c.typed;
        EXPECT_EQ(se->Text(), c.left) << c.typed;
    }
}

}  // namespace
