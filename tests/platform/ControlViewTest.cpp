// The behaviours a view relies on: change notifications, fonts that follow the parent, and the
// stored tab order.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StandardClasses.h"
#include "platform/StdCtrls.h"

using namespace znp;

namespace {

// Records every change a control tells, as a view would receive it.
class RecordingView : public IControlObserver {
public:
    void ControlChanged(TControl& control, TViewAspect aspect) override { seen.emplace_back(control.Name(), aspect); }
    void ControlDestroying(TControl& control) override { destroyed.push_back(control.Name()); }
    bool Saw(const std::string& name, TViewAspect aspect) const {
        for (const auto& s : seen)
            if (s.first == name && s.second == aspect) return true;
        return false;
    }
    std::vector<std::pair<std::string, TViewAspect>> seen;
    std::vector<std::string> destroyed;
};

struct Owned {
    TForm* form = Construct<TForm>(nullptr);
    ~Owned() { TObject::Free(form); }
    template <class T>
    T* Add(const std::string& name, TWinControl* parent) {
        T* c = Construct<T>(form);
        c->SetName(name);
        c->SetParent(parent);
        return c;
    }
};

TEST(ViewSeam, EachShownAspectIsToldOnceWhenItChanges) {
    Owned o;
    auto* edit = o.Add<TEdit>("edit", o.form);
    auto* check = o.Add<TCheckBox>("check", o.form);
    auto* radio = o.Add<TRadioButton>("radio", o.form);
    auto* combo = o.Add<TComboBox>("combo", o.form);
    auto* memo = o.Add<TMemo>("memo", o.form);
    auto* pages = o.Add<TPageControl>("pages", o.form);
    o.Add<TTabSheet>("first", pages);
    auto* sheet = o.Add<TTabSheet>("sheet", pages);
    RecordingView view;
    for (TControl* c : std::vector<TControl*>{edit, check, radio, combo, memo, pages}) c->AttachObserver(&view);

    struct Case {
        const char* what;
        TControl* control;
        TViewAspect aspect;
        std::function<void()> change;
    } cases[] = {
        {"bounds", edit, TViewAspect::Bounds, [&] { edit->SetLeft(40); }},
        {"text", edit, TViewAspect::Text, [&] { edit->SetText("abc"); }},
        {"visible", edit, TViewAspect::Visible, [&] { edit->SetVisible(false); }},
        {"enabled", edit, TViewAspect::Enabled, [&] { edit->SetEnabled(false); }},
        {"colour", edit, TViewAspect::Color, [&] { edit->SetColor(clRed); }},
        {"font", edit, TViewAspect::Font, [&] { edit->Font()->SetStyle(fsBold); }},
        {"check state", check, TViewAspect::Checked, [&] { check->SetChecked(true); }},
        {"radio", radio, TViewAspect::Checked, [&] { radio->SetChecked(true); }},
        {"combo items", combo, TViewAspect::Items, [&] { combo->Items()->Add("one"); }},
        {"combo choice", combo, TViewAspect::Selection, [&] { combo->SetItemIndex(0); }},
        {"memo lines", memo, TViewAspect::Items, [&] { memo->Lines()->Add("line"); }},
        {"page", pages, TViewAspect::Selection, [&] { pages->SetActivePage(sheet); }},
        {"parent", edit, TViewAspect::Parent, [&] { edit->SetParent(pages->Pages(0)); }},
    };
    for (const Case& c : cases) {
        view.seen.clear();
        c.change();
        int count = 0;
        for (const auto& s : view.seen)
            if (s.first == c.control->Name() && s.second == c.aspect) ++count;
        EXPECT_EQ(count, 1) << c.what;
        // Setting the same value again is no change.
        view.seen.clear();
        if (c.aspect != TViewAspect::Items && c.aspect != TViewAspect::Parent) {
            c.change();
            EXPECT_FALSE(view.Saw(c.control->Name(), c.aspect)) << c.what << " repeated";
        }
    }
    for (TControl* c : std::vector<TControl*>{edit, check, radio, combo, memo, pages}) c->DetachObserver(&view);
}

TEST(ViewSeam, ADetachedObserverHearsNothingAndADestroyedControlSaysGoodbyeOnce) {
    Owned o;
    auto* label = o.Add<TLabel>("label", o.form);
    RecordingView view, other;
    label->AttachObserver(&view);
    label->AttachObserver(&view);  // attaching twice keeps one entry
    label->AttachObserver(&other);
    label->SetCaption("x");
    EXPECT_EQ(std::count_if(view.seen.begin(), view.seen.end(),
                            [](const auto& s) { return s.second == TViewAspect::Text; }),
              1);
    label->DetachObserver(&other);
    other.seen.clear();
    label->SetCaption("y");
    EXPECT_TRUE(other.seen.empty());
    TObject::Free(label);
    EXPECT_EQ(view.destroyed, std::vector<std::string>{"label"});
    EXPECT_TRUE(other.destroyed.empty());
}

TEST(ViewSeam, AnObserverMayDetachItselfWhileBeingTold) {
    Owned o;
    auto* edit = o.Add<TEdit>("edit", o.form);
    struct OneShot : IControlObserver {
        TControl* control = nullptr;
        int calls = 0;
        void ControlChanged(TControl&, TViewAspect) override {
            ++calls;
            control->DetachObserver(this);
        }
    } once;
    RecordingView after;
    once.control = edit;
    edit->AttachObserver(&once);
    edit->AttachObserver(&after);
    edit->SetText("a");
    edit->SetText("b");
    EXPECT_EQ(once.calls, 1);
    EXPECT_TRUE(after.Saw("edit", TViewAspect::Text));
    edit->DetachObserver(&after);
}

TEST(ParentFont, ChildrenFollowTheirParentUntilTheirOwnFontChanges) {
    Owned o;
    o.form->Font()->SetName("宋体");
    o.form->Font()->SetHeight(-13);
    auto* panel = o.Add<TPanel>("panel", o.form);
    auto* inner = o.Add<TEdit>("inner", panel);
    auto* own = o.Add<TLabel>("own", panel);
    EXPECT_EQ(panel->Font()->Name(), "宋体");  // takes the parent's font when placed
    EXPECT_EQ(inner->Font()->Height(), -13);
    EXPECT_TRUE(inner->ParentFont());

    own->Font()->SetColor(clRed);  // a font of its own from now on
    EXPECT_FALSE(own->ParentFont());

    o.form->Font()->SetName("Tahoma");  // passes down through the panel
    EXPECT_EQ(panel->Font()->Name(), "Tahoma");
    EXPECT_EQ(inner->Font()->Name(), "Tahoma");
    EXPECT_TRUE(inner->ParentFont());
    EXPECT_EQ(own->Font()->Name(), "宋体");

    own->SetParentFont(true);  // back to the parent's font at once
    EXPECT_EQ(own->Font()->Name(), "Tahoma");
    EXPECT_EQ(own->Font()->Color(), clWindowText);

    panel->Font()->SetSize(9);  // the page of a form "uses the parent font with size 9"
    EXPECT_FALSE(panel->ParentFont());
    EXPECT_EQ(inner->Font()->Size(), 9);
    EXPECT_EQ(o.form->Font()->Size(), 10);  // a child's change never goes up
}

TEST(ParentFont, AnAutoSizedLabelMeasuresWithTheFontItTakes) {
    Owned o;
    o.form->Font()->SetHeight(-13);
    auto* label = o.Add<TLabel>("label", o.form);
    label->SetCaption("ab");
    EXPECT_EQ(label->Height(), 13);
    o.form->Font()->SetHeight(-20);
    EXPECT_EQ(label->Height(), 20);
    EXPECT_EQ(label->Width(), 20);
}

TEST(ParentFont, AStoredFontOnAControlIsItsOwn) {
    RegisterStandardClasses();
    TForm form(nullptr);
    ReadForm(form, R"(object f: TForm
  Font.Name = 'Arial'
  object pnl: TPanel
    Font.Name = 'Courier'
    ParentFont = False
    object ed: TEdit
    end
  end
  object lbl: TLabel
  end
end)");
    auto* pnl = static_cast<TControl*>(form.FindComponent("pnl"));
    EXPECT_FALSE(pnl->ParentFont());
    EXPECT_EQ(pnl->Font()->Name(), "Courier");
    EXPECT_EQ(static_cast<TControl*>(form.FindComponent("ed"))->Font()->Name(), "Courier");
    EXPECT_EQ(static_cast<TControl*>(form.FindComponent("lbl"))->Font()->Name(), "Arial");
}

TEST(StoredTabOrder, IsKeptWhateverOrderTheControlsAreListedIn) {
    RegisterStandardClasses();
    struct Case {
        const char* what;
        const char* form;
        std::vector<std::string> order;
    } cases[] = {
        {"listed backwards",
         "object f: TForm\n"
         "  object c: TEdit\n    TabOrder = 2\n  end\n"
         "  object b: TEdit\n    TabOrder = 1\n  end\n"
         "  object a: TEdit\n    TabOrder = 0\n  end\n"
         "end",
         {"a", "b", "c"}},
        {"shuffled, with a gap and an out-of-range value",
         "object f: TForm\n"
         "  object x: TEdit\n    TabOrder = 9\n  end\n"
         "  object y: TEdit\n    TabOrder = 0\n  end\n"
         "  object z: TEdit\n    TabOrder = 1\n  end\n"
         "end",
         {"y", "z", "x"}},
        {"nested in a panel",
         "object f: TForm\n"
         "  object p: TPanel\n    TabOrder = 0\n"
         "    object q2: TEdit\n      TabOrder = 1\n    end\n"
         "    object q1: TEdit\n      TabOrder = 0\n    end\n"
         "  end\n"
         "end",
         {"p"}},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        ReadForm(form, c.form);
        std::vector<std::string> names;
        for (TWinControl* w : form.TabList()) names.push_back(w->Name());
        EXPECT_EQ(names, c.order) << c.what;
    }
    TForm form(nullptr);
    ReadForm(form, cases[2].form);
    std::vector<std::string> inner;
    for (TWinControl* w : static_cast<TWinControl*>(form.FindComponent("p"))->TabList()) inner.push_back(w->Name());
    EXPECT_EQ(inner, (std::vector<std::string>{"q1", "q2"}));
    // After loading, setting the tab order moves the control at once.
    static_cast<TWinControl*>(form.FindComponent("q2"))->SetTabOrder(0);
    EXPECT_EQ(static_cast<TWinControl*>(form.FindComponent("q1"))->TabOrder(), 1);
}

TEST(OwnerDrawnMenus, AMenuPublishesItsOwnerDrawSwitch) {
    TPopupMenu menu(nullptr);
    const PropInfo* prop = menu.ClassType().FindProperty("OwnerDraw");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->Kind, TypeKind::Boolean);
    EXPECT_FALSE(menu.OwnerDraw);
    prop->Set(menu, Variant(true));
    EXPECT_TRUE(menu.OwnerDraw);
}

}  // namespace
