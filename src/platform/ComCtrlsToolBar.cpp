#include "platform/ComCtrls.h"

#include <algorithm>

namespace znp {

// --- Tool bar --------------------------------------------------------------------------------

const ClassInfo& TToolButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TToolButton", &TControl::StaticClass());
        c.Creatable<TToolButton>();
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        c.Field("ImageIndex", &TToolButton::ImageIndex);
        c.Field("Style", &TToolButton::Style);
        c.Reference("DropdownMenu", &TToolButton::DropdownMenu);
        c.Prop("Down", &TToolButton::Down, &TToolButton::SetDown);
        c.Field("Grouped", &TToolButton::Grouped);
        c.Field("AllowAllUp", &TToolButton::AllowAllUp);
        c.Field("Wrap", &TToolButton::Wrap);
        return c;
    }();
    return info;
}

TToolButton::TToolButton(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 23, 22); }

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
    TToolBar* bar = ToolBar();
    if (!bar) return -1;
    for (int i = 0; i < bar->ButtonCount(); ++i)
        if (bar->Buttons(i) == this) return i;
    return -1;
}

void TToolButton::SetDown(bool value) {
    if (value == down_) return;
    down_ = value;
    NotifyView(TViewAspect::Checked);
    TToolBar* bar = ToolBar();
    if (!value || !Grouped || !bar) return;
    // The group is the run of grouped check buttons around this one.
    auto inGroup = [](TToolButton* b) { return b->Grouped && b->Style == TToolButtonStyle::tbsCheck; };
    const int self = Index();
    for (int i = self - 1; i >= 0 && inGroup(bar->Buttons(i)); --i) bar->Buttons(i)->SetDown(false);
    for (int i = self + 1; i < bar->ButtonCount() && inGroup(bar->Buttons(i)); ++i) bar->Buttons(i)->SetDown(false);
}

void TToolButton::Click() {
    if (!Enabled()) return;
    if (Style == TToolButtonStyle::tbsSeparator || Style == TToolButtonStyle::tbsDivider) return;
    if (Style == TToolButtonStyle::tbsCheck) {
        if (!down_)
            SetDown(true);
        else if (!Grouped || AllowAllUp)
            SetDown(false);
    }
    TControl::Click();
}

void TToolButton::DropDown() {
    if (!Enabled() || !DropdownMenu) return;
    DropdownMenu->PopupComponent = this;
    DropdownMenu->Popup(Left(), Top() + Height());
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == DropdownMenu) DropdownMenu = nullptr;
}

const ClassInfo& TToolBar::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TToolBar", &TWinControl::StaticClass());
        c.Creatable<TToolBar>();
        c.Reference("Images", &TToolBar::Images);
        c.Reference("HotImages", &TToolBar::HotImages);
        c.Reference("DisabledImages", &TToolBar::DisabledImages);
        c.Field("Flat", &TToolBar::Flat);
        c.Field("ShowCaptions", &TToolBar::ShowCaptions);
        c.Field("List", &TToolBar::List);
        c.Field("Wrapable", &TToolBar::Wrapable);
        c.Field("ButtonWidth", &TToolBar::ButtonWidth);
        c.Field("ButtonHeight", &TToolBar::ButtonHeight);
        return c;
    }();
    return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    Align = TAlign::alTop;
    SetBounds(0, 0, 150, 29);
}

int TToolBar::ButtonCount() const {
    return static_cast<int>(std::count_if(ChildControls().begin(), ChildControls().end(),
                                          [](TControl* c) { return dynamic_cast<TToolButton*>(c) != nullptr; }));
}

TToolButton* TToolBar::Buttons(int index) const {
    for (TControl* c : ChildControls())
        if (auto* button = dynamic_cast<TToolButton*>(c); button && index-- == 0) return button;
    throw Exception("Tool button index out of range");
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == Images) Images = nullptr;
    if (component == HotImages) HotImages = nullptr;
    if (component == DisabledImages) DisabledImages = nullptr;
}

// --- TAnimate --------------------------------------------------------------------------------

const ClassInfo& TAnimate::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TAnimate", &TWinControl::StaticClass());
        c.Creatable<TAnimate>();
        c.Field("CommonAVI", &TAnimate::CommonAVI);
        c.Prop("Active", &TAnimate::Active, &TAnimate::SetActive);
        c.Field("Center", &TAnimate::Center);
        c.Field("Transparent", &TAnimate::Transparent);
        c.Field("Repetitions", &TAnimate::Repetitions);
        c.Event("OnStart", &TAnimate::OnStart);
        c.Event("OnStop", &TAnimate::OnStop);
        return c;
    }();
    return info;
}

void TAnimate::SetActive(bool value) {
    if (IsLoading()) {
        activeWanted_ = value;  // starts once the whole form is read
        return;
    }
    if (value == active_) return;
    active_ = value;
    if (value)
        OnStart(this);
    else
        OnStop(this);
}

void TAnimate::Loaded() {
    TWinControl::Loaded();
    if (activeWanted_) SetActive(true);
}

}  // namespace znp
