// The kit's switches and pages: the bitmap check box, the radio button and radio group, the spin
// edit's sign rule and the owner-drawn page tabs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/BitCheckBox.h"
#include "controls/ExtPageControl.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Forms.h"
#include "platform/StandardClasses.h"
#include "controls/KitClasses.h"

using namespace znp;

namespace {

struct Clicks : TObject {
    std::vector<std::string> log;
    void Click(TObject* sender) { log.push_back(static_cast<TComponent*>(sender)->Name()); }
    TNotifyEvent Handler() { return TNotifyEvent::Bind(this, "Click", &Clicks::Click); }
};

class Switches : public ::testing::Test {
protected:
    Switches() { form_ = Construct<TForm>(nullptr); }
    ~Switches() override { TObject::Free(form_); }
    template <class T>
    T* Add(const std::string& name, TWinControl* parent) {
        T* c = Construct<T>(form_);
        c->SetName(name);
        c->SetParent(parent);
        return c;
    }
    static const TCanvasOp* First(const TCanvas& canvas, TCanvasOpKind kind, int skip = 0) {
        for (const TCanvasOp& op : canvas.Ops())
            if (op.Kind == kind && skip-- == 0) return &op;
        return nullptr;
    }
    TForm* form_;
    Clicks clicks_;
};

// --- TBitCheckBox ----------------------------------------------------------------------------

TEST_F(Switches, ABitCheckBoxStartsAsTheKitDefines) {
    auto* box = Add<TBitCheckBox>("chk", form_);
    EXPECT_EQ(box->Width(), 97);
    EXPECT_EQ(box->Height(), 17);
    EXPECT_TRUE(box->TabStop);
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
    EXPECT_FALSE(box->AllowGrayed);
    EXPECT_EQ(box->Alignment(), TLeftRight::taRightJustify);
    for (int n : {box->CheckedNumGlyphs(), box->UncheckedNumGlyphs(), box->GrayedNumGlyphs()}) EXPECT_EQ(n, 1);
    EXPECT_FALSE(box->CheckedGlyph()->Empty());
    EXPECT_FALSE(box->CheckedGlyph()->SamePixels(*box->UncheckedGlyph()));
}

TEST_F(Switches, ClicksCycleThroughTheStatesAndRaiseOnClickAfterwards) {
    auto* box = Add<TBitCheckBox>("chk", form_);
    struct Seen : TObject {
        TBitCheckBox* box = nullptr;
        std::vector<TCheckBoxState> states;
        void Click(TObject*) { states.push_back(box->State()); }
    } seen;
    seen.box = box;
    box->OnClick = TNotifyEvent::Bind(&seen, "Click", &Seen::Click);
    using S = TCheckBoxState;
    box->AllowGrayed = true;
    for (int i = 0; i < 3; ++i) box->Click();
    EXPECT_EQ(seen.states, (std::vector<S>{S::cbGrayed, S::cbChecked, S::cbUnchecked}));
    seen.states.clear();
    box->AllowGrayed = false;
    char space = ' ';
    box->KeyPress(space);
    EXPECT_EQ(space, 0) << "the space key is used up";
    box->Click();
    EXPECT_EQ(seen.states, (std::vector<S>{S::cbChecked, S::cbUnchecked}));
    // Grayed set in code goes to checked with the next click, whatever AllowGrayed says.
    box->SetState(S::cbGrayed);
    box->Click();
    EXPECT_EQ(box->State(), S::cbChecked);
    seen.states.clear();
    box->SetChecked(false);  // code raises no click
    EXPECT_TRUE(seen.states.empty());
    EXPECT_THROW(box->SetState(static_cast<S>(7)), Exception);
}

TEST_F(Switches, TheAcceleratorOfTheCaptionTogglesTheBox) {
    auto* box = Add<TBitCheckBox>("chk", form_);
    box->SetCaption("打印明细(&P)");
    EXPECT_FALSE(box->DialogChar('p')) << "not while its form is hidden";
    form_->Show();
    EXPECT_FALSE(box->DialogChar('x'));
    EXPECT_TRUE(box->DialogChar('P'));
    EXPECT_TRUE(box->Checked());
    box->SetEnabled(false);
    EXPECT_FALSE(box->DialogChar('p'));
    EXPECT_TRUE(box->Checked());
}

TEST_F(Switches, AGlyphsImageCountFollowsItsShapeWithinOneAndTwo) {
    auto* box = Add<TBitCheckBox>("chk", form_);
    struct Case {
        const char* what;
        int width, height;
        int expected;
    } cases[] = {
        {"two squares", 46, 23, 2},
        {"not a whole multiple keeps the count", 30, 23, 2},
        {"one square", 23, 23, 1},
        {"three squares are clamped to two", 69, 23, 2},
        {"an empty picture keeps the count", 0, 0, 2},
    };
    for (const Case& c : cases) {
        TBitmap glyph(c.width, c.height, clRed);
        box->SetCheckedGlyph(&glyph);
        EXPECT_EQ(box->CheckedNumGlyphs(), c.expected) << c.what;
        EXPECT_EQ(box->CheckedGlyph()->Width(), c.width) << c.what << ": the bitmap is copied";
    }
    box->SetCheckedGlyph(nullptr);  // the resource again
    EXPECT_TRUE(box->CheckedGlyph()->SamePixels(CheckBoxResource(TCheckBoxState::cbChecked)));
    EXPECT_EQ(box->CheckedNumGlyphs(), 1);
    for (auto [value, expected] : std::vector<std::pair<int, int>>{{0, 1}, {3, 2}, {-5, 1}, {2, 2}}) {
        box->SetGrayedNumGlyphs(value);
        EXPECT_EQ(box->GrayedNumGlyphs(), expected) << value;
    }
    const int before = box->RepaintCount();
    box->SetAlignment(TLeftRight::taLeftJustify);
    box->SetState(TCheckBoxState::cbChecked);
    EXPECT_EQ(box->RepaintCount(), before + 2);
}

TEST_F(Switches, PaintingPutsThePictureAndTheCaptionWhereTheAlignmentSays) {
    auto* box = Add<TBitCheckBox>("chk", form_);
    box->Font()->SetHeight(-12);
    box->SetCaption("&Notify");  // six characters shown
    box->SetColor(clYellow);
    TBitmap twoImages(46, 23, clWhite);
    twoImages.FillRect({23, 0, 46, 23}, clGray);
    box->SetUncheckedGlyph(&twoImages);
    box->SetBounds(0, 0, 120, 27);

    TCanvas canvas;
    box->Paint(canvas);
    const TCanvasOp* fill = First(canvas, TCanvasOpKind::FillRect);
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->Color, clYellow);
    EXPECT_EQ((std::vector<int>{fill->Rect.Left, fill->Rect.Top, fill->Rect.Right, fill->Rect.Bottom}),
              (std::vector<int>{0, 0, 120, 27}));
    const TCanvasOp* picture = First(canvas, TCanvasOpKind::Draw);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ((std::vector<int>{picture->Rect.Left, picture->Rect.Top, picture->Image.Width()}),
              (std::vector<int>{0, 2, 23}));
    EXPECT_EQ(picture->Image.Pixel(0, 0), clWhite) << "the first image while enabled";
    EXPECT_TRUE(picture->Transparent);
    const TCanvasOp* text = First(canvas, TCanvasOpKind::DrawText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Rect.Left, 23 + 4);
    EXPECT_EQ(text->Rect.Right - text->Rect.Left, 36) << "the & takes no width";
    EXPECT_EQ(text->Format & DT_SINGLELINE, DT_SINGLELINE);
    EXPECT_EQ(text->Rect.Top, (27 - 12) / 2 - 2);

    // Caption first, picture at the right edge; disabled: the second image and embossed text.
    box->SetAlignment(TLeftRight::taLeftJustify);
    box->SetEnabled(false);
    canvas.Clear();
    box->Paint(canvas);
    picture = First(canvas, TCanvasOpKind::Draw);
    EXPECT_EQ(picture->Rect.Left, 120 - 23);
    EXPECT_EQ(picture->Image.Pixel(0, 0), clGray);
    const TCanvasOp* highlight = First(canvas, TCanvasOpKind::DrawText);
    const TCanvasOp* gray = First(canvas, TCanvasOpKind::DrawText, 1);
    ASSERT_NE(gray, nullptr);
    EXPECT_EQ(highlight->Color, clBtnHighlight);
    EXPECT_EQ(highlight->Rect.Left, 2);
    EXPECT_EQ(gray->Color, clGrayText);
    EXPECT_EQ(gray->Rect.Left, 1);
    box->SetCtl3D(false);
    canvas.Clear();
    box->Paint(canvas);
    EXPECT_EQ(First(canvas, TCanvasOpKind::DrawText)->Color, clGrayText) << "flat: no highlight copy";
    EXPECT_EQ(First(canvas, TCanvasOpKind::DrawText, 1), nullptr);
    EXPECT_EQ(First(canvas, TCanvasOpKind::FocusRect), nullptr);

    // Focused: a focus rectangle one pixel larger than the caption, within the box.
    box->SetEnabled(true);
    box->SetAlignment(TLeftRight::taRightJustify);
    form_->Show();
    box->SetFocus();
    canvas.Clear();
    box->Paint(canvas);
    const TCanvasOp* focus = First(canvas, TCanvasOpKind::FocusRect);
    ASSERT_NE(focus, nullptr);
    text = First(canvas, TCanvasOpKind::DrawText);
    EXPECT_EQ(focus->Rect.Left, text->Rect.Left - 1);
    EXPECT_EQ(focus->Rect.Right, text->Rect.Right + 1);
}

// --- TZnRadioButton --------------------------------------------------------------------------

TEST_F(Switches, CheckingARadioUnchecksOnlyTheKitRadiosOfItsParent) {
    auto* panel = Add<TPanel>("pnl", form_);
    auto* other = Add<TPanel>("pnlOther", form_);
    auto* a = Add<TZnRadioButton>("rdoA", panel);
    auto* b = Add<TZnRadioButton>("rdoB", panel);
    auto* c = Add<TZnRadioButton>("rdoC", panel);
    auto* platform = Add<TRadioButton>("rdoPlatform", panel);
    auto* elsewhere = Add<TZnRadioButton>("rdoElsewhere", other);
    EXPECT_EQ(a->Width(), 113);
    EXPECT_EQ(a->Height(), 17);
    EXPECT_FALSE(a->TabStop);
    platform->SetChecked(true);
    elsewhere->SetChecked(true);
    for (TZnRadioButton* r : {a, b, c}) r->OnClick = clicks_.Handler();
    a->SetChecked(true);
    b->Click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_TRUE(b->TabStop);
    EXPECT_FALSE(a->TabStop);
    EXPECT_TRUE(platform->Checked()) << "a platform radio is no part of it";
    EXPECT_TRUE(elsewhere->Checked()) << "another parent";
    EXPECT_EQ(clicks_.log, (std::vector<std::string>{"rdoA", "rdoB"})) << "only the checked button clicks";
    platform->SetChecked(false);
    platform->SetChecked(true);
    EXPECT_TRUE(b->Checked()) << "and it unchecks no kit radio";
    b->Click();  // already checked: no change, no click
    b->DisableClicks();
    c->DisableClicks();
    c->SetChecked(true);
    c->EnableClicks();
    b->EnableClicks();
    EXPECT_EQ(clicks_.log.size(), 2u);
}

TEST_F(Switches, TheRadioCaptionIndentFollowsTheFontSize) {
    const std::pair<int, int> table[] = {{1, 17},  {8, 17},  {9, 19},  {15, 19}, {16, 20}, {17, 20}, {18, 21},
                                         {23, 21}, {24, 23}, {29, 23}, {30, 25}, {35, 25}, {36, 27}, {41, 27},
                                         {42, 29}, {43, 29}, {44, 31}, {60, 31}, {61, 39}, {80, 39}, {81, 44},
                                         {0, 44},  {-3, 44}};
    for (auto [size, indent] : table) EXPECT_EQ(TZnRadioButton::CaptionIndent(size), indent) << size;

    auto* radio = Add<TZnRadioButton>("rdo", form_);
    radio->Font()->SetSize(9);
    radio->SetCaption("每天");
    radio->SetColor(clSilver);
    TCanvas canvas;
    radio->Paint(canvas);
    const TCanvasOp* fill = First(canvas, TCanvasOpKind::FillRect);
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ((std::vector<int>{fill->Rect.Left, fill->Rect.Top, fill->Rect.Right, fill->Rect.Bottom}),
              (std::vector<int>{15, -4, 117, 21}));
    EXPECT_EQ(fill->Color, clSilver);
    const TCanvasOp* text = First(canvas, TCanvasOpKind::DrawText);
    EXPECT_EQ(text->Rect.Left, 19);
    EXPECT_EQ(text->Text, "每天");
    EXPECT_EQ(text->Format, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

// --- TZnRadioGroup ---------------------------------------------------------------------------

std::vector<int> Bounds(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

TEST_F(Switches, AGroupArrangesItsButtonsByTheColumnArithmetic) {
    auto* group = Add<TZnRadioGroup>("rg04", form_);
    group->Font()->SetHeight(-13);
    group->SetBounds(0, 0, 96, 89);
    group->Items()->Add("单号");
    group->Items()->Add("日期");
    ASSERT_EQ(group->ButtonCount(), 2);
    EXPECT_EQ(Bounds(group->Buttons(0)), (std::vector<int>{8, 14, 86, 35}));
    EXPECT_EQ(Bounds(group->Buttons(1)), (std::vector<int>{8, 49, 86, 35}));
    EXPECT_TRUE(group->Buttons(0)->Visible());
    EXPECT_EQ(group->Buttons(1)->Caption(), "日期");

    // Five items in two columns of a 210 × 100 group: rows 3, width 100, height (100-13-5)/3.
    for (const char* item : {"c", "d", "e"}) group->Items()->Add(item);
    group->SetColumns(2);
    const int available = 100 - 13 - 5, height = available / 3, top = (available % 3) / 2 + 14;
    group->SetBounds(0, 0, 210, 100);
    EXPECT_EQ(Bounds(group->Buttons(2)), (std::vector<int>{8, top + 2 * height, 100, height}));
    EXPECT_EQ(Bounds(group->Buttons(3)), (std::vector<int>{108, top, 100, height}));
    group->RightToLeft = true;
    group->ArrangeButtons();
    EXPECT_EQ(group->Buttons(3)->Left(), 210 - 108 - 100);

    // A font change arranges again.
    group->RightToLeft = false;
    group->Font()->SetHeight(-20);
    EXPECT_EQ(group->Buttons(0)->Top(), ((100 - 20 - 5) % 3) / 2 + 21);
}

TEST_F(Switches, ColumnsAndItemIndexAreClampedAndTheItemIndexFollowsTheItems) {
    auto* group = Add<TZnRadioGroup>("rg", form_);
    EXPECT_EQ(group->Columns(), 1);
    EXPECT_EQ(group->ItemIndex(), -1);
    for (auto [value, expected] : std::vector<std::pair<int, int>>{{0, 1}, {20, 16}, {-4, 1}, {3, 3}}) {
        group->SetColumns(value);
        EXPECT_EQ(group->Columns(), expected) << value;
    }
    group->SetItemIndex(0);
    EXPECT_EQ(group->ItemIndex(), -1) << "no items: nothing to choose";
    group->Items()->SetText("a\r\nb\r\nc\r\n");
    group->SetItemIndex(7);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_TRUE(group->Buttons(2)->Checked());
    group->SetItemIndex(-9);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_FALSE(group->Buttons(2)->Checked());
    group->SetItemIndex(2);
    group->Items()->Delete(2);
    EXPECT_EQ(group->ItemIndex(), 1) << "beyond the new count: the last item";
    EXPECT_EQ(group->ButtonCount(), 2);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    group->Items()->Clear();
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(group->ButtonCount(), 0);
    group->ArrangeButtons();  // nothing to arrange, nothing to divide by
}

TEST_F(Switches, AButtonClickChoosesItsItemAndClicksTheGroup) {
    auto* group = Add<TZnRadioGroup>("rg", form_);
    group->Items()->SetText("a\r\nb\r\n");
    group->OnClick = clicks_.Handler();
    group->Buttons(1)->Click();
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks_.log, std::vector<std::string>{"rg"});
    group->SetItemIndex(0);  // as the button's click
    EXPECT_EQ(clicks_.log.size(), 2u);
    EXPECT_FALSE(group->Buttons(1)->Checked());
    group->Items()->Add("c");  // updating the buttons clicks nothing
    EXPECT_EQ(clicks_.log.size(), 2u);

    // Keys typed in a button reach the group; the group's enabled state reaches the buttons.
    struct Keys : TObject {
        std::vector<char> seen;
        void Press(TObject*, char& key) { seen.push_back(key); }
    } keys;
    group->OnKeyPress = TKeyPressEvent::Bind(&keys, "Press", &Keys::Press);
    char key = 'x';
    group->Buttons(0)->KeyPress(key);
    EXPECT_EQ(keys.seen, std::vector<char>{'x'});
    group->SetEnabled(false);
    for (int i = 0; i < group->ButtonCount(); ++i) EXPECT_FALSE(group->Buttons(i)->Enabled());
    // A button freed from outside leaves the group without a dangling entry.
    TObject::Free(group->Buttons(2));
    EXPECT_EQ(group->ButtonCount(), 2);
}

TEST_F(Switches, AStoredGroupTakesItsItemIndexAfterItsItemsAndClicksNothing) {
    RegisterStandardClasses();
    RegisterKitClasses();
    TForm form(nullptr);
    ReadForm(form, R"(object f: TForm
  object rg04: TZnRadioGroup
    Left = 8
    Top = 8
    Width = 96
    Height = 89
    Font.Height = -13
    ItemIndex = 1
    Columns = 0
    Items.Strings = (
      '单号'
      '日期')
  end
end)");
    auto* group = static_cast<TZnRadioGroup*>(form.FindComponent("rg04"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(group->Columns(), 1);
    ASSERT_EQ(group->ButtonCount(), 2);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    EXPECT_EQ(Bounds(group->Buttons(1)), (std::vector<int>{8, 49, 86, 35}));
}

// --- TZnSpinEdit -----------------------------------------------------------------------------

TEST_F(Switches, ASignTypedBehindTheDigitsIsTakenBack) {
    auto* spin = Add<TZnSpinEdit>("seDay1", form_);
    spin->OnChange = clicks_.Handler();
    struct Case {
        const char* what;
        std::string typed;
        std::string expected;
        bool changeRaised;
    } cases[] = {
        {"plus behind 12", "12+", "12", true},
        {"minus behind 12", "12-", "12", true},
        {"a leading minus", "-5", "-5", true},
        {"a leading plus", "+5", "+5", true},
        {"digits", "34", "34", true},
        {"blank", "  ", "  ", false},
        {"empty", "", "", false},
    };
    for (const Case& c : cases) {
        spin->SetText("1");
        clicks_.log.clear();
        spin->SetText(c.typed);
        EXPECT_EQ(spin->Text(), c.expected) << c.what;
        EXPECT_EQ(!clicks_.log.empty(), c.changeRaised) << c.what;
        EXPECT_LE(clicks_.log.size(), 1u) << c.what << ": one change";
    }
    // Typed key by key, as a user does.
    form_->Show();
    spin->SetText("12");
    spin->SetSelStart(2);
    char plus = '+';
    spin->KeyPress(plus);
    EXPECT_EQ(spin->Text(), "12");
}

// --- TExtPageControl -------------------------------------------------------------------------

TEST_F(Switches, TabsShowTheCaptionsOfThePagesWhoseTabIsVisible) {
    auto* pages = Add<TExtPageControl>("pgOption", form_);
    pages->SetBounds(0, 0, 400, 300);
    for (const char* caption : {"一般条件", "周期性设置", "系统选项"}) {
        auto* sheet = Construct<TTabSheet>(form_);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    pages->Pages(1)->SetTabVisible(false);
    pages->SetActivePage(pages->Pages(0));
    EXPECT_TRUE(pages->OwnerDraw());
    TCanvas canvas;
    pages->PaintTabs(canvas);
    std::vector<std::string> texts;
    for (const TCanvasOp& op : canvas.Ops())
        if (op.Kind == TCanvasOpKind::DrawText) texts.push_back(op.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"一般条件", "系统选项"}));

    // The active tab shrinks by 2 and is bold; an inactive one keeps its rectangle and drops by 2.
    const TRect active = pages->TabRect(0), inactive = pages->TabRect(1);
    EXPECT_EQ(inactive.Left, active.Right);
    const TCanvasOp* activeFill = First(canvas, TCanvasOpKind::FillRect);
    EXPECT_EQ((std::vector<int>{activeFill->Rect.Left, activeFill->Rect.Top, activeFill->Rect.Right,
                                activeFill->Rect.Bottom}),
              (std::vector<int>{active.Left + 2, active.Top + 2, active.Right - 2, active.Bottom - 2}));
    EXPECT_EQ(activeFill->Color, clActiveCaption);
    const TCanvasOp* activeText = First(canvas, TCanvasOpKind::DrawText);
    EXPECT_EQ(activeText->Color, clCaptionText);
    EXPECT_TRUE(activeText->Style & fsBold);
    EXPECT_EQ(activeText->Format, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const TCanvasOp* inactiveFill = First(canvas, TCanvasOpKind::FillRect, 1);
    EXPECT_EQ(inactiveFill->Color, clInactiveCaption);
    EXPECT_EQ(inactiveFill->Rect.Top, inactive.Top);
    const TCanvasOp* inactiveText = First(canvas, TCanvasOpKind::DrawText, 1);
    EXPECT_EQ(inactiveText->Color, clInactiveCaptionText);
    EXPECT_FALSE(inactiveText->Style & fsBold);
    EXPECT_EQ(inactiveText->Rect.Top, inactive.Top + 2);

    // OnDrawTab takes over the drawing.
    struct Drawn : TObject {
        std::vector<std::pair<int, bool>> tabs;
        void Draw(TObject*, int index, bool isActive, const TRect&) { tabs.emplace_back(index, isActive); }
    } drawn;
    pages->OnDrawTab = TDrawTabEvent::Bind(&drawn, "Draw", &Drawn::Draw);
    canvas.Clear();
    pages->PaintTabs(canvas);
    EXPECT_TRUE(canvas.Ops().empty());
    EXPECT_EQ(drawn.tabs, (std::vector<std::pair<int, bool>>{{0, true}, {1, false}}));
    EXPECT_EQ(pages->TabRect(2).Width(), 0) << "no third visible tab";
}

}  // namespace
