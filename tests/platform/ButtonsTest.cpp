#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/Buttons.h"
#include "platform/ExtCtrls.h"

using namespace znp;
using namespace znp::testing;

namespace {

TEST(SpeedButton, GroupedButtonsGoDownOneAtATime) {
    ShownForm f;
    auto* panel = f.Add<TPanel>("pnl");
    auto* other = f.Add<TPanel>("other");
    auto add = [&](const char* name, TWinControl* parent, int group) {
        auto* b = Construct<TSpeedButton>(f.form);
        b->SetName(name);
        b->SetParent(parent);
        b->SetGroupIndex(group);
        return b;
    };
    auto* a = add("a", panel, 1);
    auto* b = add("b", panel, 1);
    auto* c = add("c", panel, 2);
    auto* elsewhere = add("elsewhere", other, 1);
    elsewhere->SetDown(true);
    c->SetDown(true);
    a->Click();
    b->Click();
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(c->Down());          // another group
    EXPECT_TRUE(elsewhere->Down());  // another parent
    b->Click();                      // the down button of a group stays down
    EXPECT_TRUE(b->Down());
    b->SetDown(false);
    EXPECT_TRUE(b->Down());
    a->SetAllowAllUp(true);  // applies to the whole group
    b->Click();
    EXPECT_FALSE(b->Down());
}

TEST(SpeedButton, AButtonWithoutGroupNeverStaysDown) {
    ShownForm f;
    auto* b = Construct<TSpeedButton>(f.form);
    b->SetParent(f.form);
    EventLog log;
    b->OnClick = log.Notify("click");
    b->SetDown(true);
    b->Click();
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(log.lines.size(), 1u);
    b->SetEnabled(false);
    b->Click();
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST(BitBtn, GlyphCountFollowsThePicture) {
    struct Case {
        int width, height, before, after;
    };
    const Case cases[] = {{46, 23, 1, 2}, {30, 23, 2, 2}, {64, 16, 1, 4}, {160, 16, 1, 1}, {16, 16, 3, 1}};
    for (const Case& c : cases) {
        ShownForm f;
        auto* btn = f.Add<TBitBtn>("btn");
        btn->SetNumGlyphs(c.before);
        btn->Glyph()->SetSize(c.width, c.height);
        EXPECT_EQ(btn->NumGlyphs(), c.after) << c.width << "x" << c.height;
    }
}

TEST(BitBtn, GlyphImagesAreCutFromThePicture) {
    ShownForm f;
    auto* btn = f.Add<TBitBtn>("btn");
    TBitmap picture(8, 4, clRed);
    picture.FillRect({4, 0, 8, 4}, clGray);
    btn->Glyph()->Assign(picture);
    ASSERT_EQ(btn->NumGlyphs(), 2);
    EXPECT_EQ(btn->GlyphImage(1).Pixel(0, 0), clGray);
    EXPECT_EQ(btn->GlyphImage(0).Width(), 4);
    EXPECT_EQ(btn->GlyphImage(3).Pixel(0, 0), clRed);  // missing images fall back to the first
}

TEST(BitBtn, KindSetsResultDefaultCancelAndCaption) {
    ShownForm f;
    auto* btn = f.Add<TBitBtn>("btn");
    btn->SetKind(TBitBtnKind::bkCancel);
    EXPECT_EQ(btn->ModalResult, mrCancel);
    EXPECT_TRUE(btn->Cancel);
    EXPECT_FALSE(btn->Default);
    EXPECT_EQ(btn->Caption(), "Cancel");
    btn->Click();
    EXPECT_EQ(f.form->ModalResult, mrCancel);

    // A stored caption survives a kind read after it.
    auto* stored = f.Add<TBitBtn>("stored");
    stored->BeginLoading();
    stored->SetCaption("确定");
    stored->SetKind(TBitBtnKind::bkOK);
    stored->Loaded();
    EXPECT_EQ(stored->Caption(), "确定");
    EXPECT_TRUE(stored->Default);
}

TEST(BitBtn, CloseKindClosesTheForm) {
    ShownForm f;
    auto* btn = f.Add<TBitBtn>("btn");
    btn->SetKind(TBitBtnKind::bkClose);
    btn->Click();
    EXPECT_FALSE(f.form->Visible());
}

}  // namespace
