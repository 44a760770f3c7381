#include "controls/ZnEdit.h"

#include "controls/F2Button.h"
#include "platform/Application.h"
#include "platform/Forms.h"

namespace znp {

namespace {

const std::string kNoCaption;

// The form that owns Control (through the owners of its owners), or else the form it lies on.
TCustomForm* OwningForm(const TControl& control) {
    for (TComponent* owner = control.Owner(); owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
    return GetParentForm(&control);
}

}  // namespace

// --- The label part --------------------------------------------------------------------------

TEditLabelPart::TEditLabelPart(TWinControl& edit) : edit_(edit) {
    label_ = Construct<TLabel>(&edit);
    label_->SetName("EditLabel");
    label_->SetCaption("");
    label_->FocusControl = &edit;
    edit.FreeNotification(label_);
}

const std::string& TEditLabelPart::Caption() const { return label_ ? label_->Caption() : kNoCaption; }

void TEditLabelPart::SetCaption(const std::string& value) {
    if (!label_) return;
    label_->SetCaption(value);
    Place();
}

void TEditLabelPart::SetPosition(TLabelPosition value) {
    if (value < TLabelPosition::lpAbove || value > TLabelPosition::lpRight) throw Exception("Invalid property value");
    position_ = value;
    Place();
}

void TEditLabelPart::SetSpacing(int value) {
    if (value < 0) return;
    spacing_ = value;
    Place();
}

void TEditLabelPart::Place() {
    if (!label_) return;
    const TControl& e = edit_;
    const TLabel& l = *label_;
    int left = 0, top = 0;
    switch (position_) {
        case TLabelPosition::lpAbove:
            left = e.Left();
            top = e.Top() - l.Height() - spacing_;
            break;
        case TLabelPosition::lpBelow:
            left = e.Left();
            top = e.Top() + e.Height() + spacing_;
            break;
        case TLabelPosition::lpLeft:
            left = e.Left() - l.Width() - spacing_;
            top = e.Top() + (e.Height() - l.Height()) / 2;
            break;
        case TLabelPosition::lpRight:
            left = e.Left() + e.Width() + spacing_;
            top = e.Top() + (e.Height() - l.Height()) / 2;
            break;
    }
    label_->SetBounds(left, top, l.Width(), l.Height());
}

void TEditLabelPart::Follow() {
    if (!label_) return;
    label_->SetParent(edit_.Parent());
    label_->SetEnabled(edit_.Enabled());
    label_->SetVisible(edit_.Visible());
}

// --- TZnEdit ---------------------------------------------------------------------------------

const ClassInfo& TZnEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnEdit", &TEdit::StaticClass());
        c.Creatable<TZnEdit>();
        c.Prop("Caption", &TZnEdit::LabelCaption, &TZnEdit::SetLabelCaption);
        c.Prop("LabelPosition", &TZnEdit::LabelPosition, &TZnEdit::SetLabelPosition);
        c.Prop("LabelSpacing", &TZnEdit::LabelSpacing, &TZnEdit::SetLabelSpacing);
        return c;
    }();
    return info;
}

TZnEdit::TZnEdit(TComponent* owner) : TEdit(owner), label_(*this) {}

void TZnEdit::SetBounds(int left, int top, int width, int height) {
    TEdit::SetBounds(left, top, width, height);
    label_.Place();
}

void TZnEdit::SetParent(TWinControl* parent) {
    TEdit::SetParent(parent);
    label_.Follow();
    label_.Place();
}

void TZnEdit::SetEnabled(bool value) {
    TEdit::SetEnabled(value);
    label_.Follow();
}

void TZnEdit::SetVisible(bool value) {
    TEdit::SetVisible(value);
    label_.Follow();
}

void TZnEdit::Notification(TComponent* component, TOperation operation) {
    TEdit::Notification(component, operation);
    if (operation == TOperation::opRemove) label_.Removed(component);
}

// --- TZnDBEdit -------------------------------------------------------------------------------

const ClassInfo& TZnDBEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnDBEdit", &TDBEdit::StaticClass());
        c.Creatable<TZnDBEdit>();
        c.Prop("Caption", &TZnDBEdit::LabelCaption, &TZnDBEdit::SetLabelCaption);
        c.Prop("LabelPosition", &TZnDBEdit::LabelPosition, &TZnDBEdit::SetLabelPosition);
        c.Prop("LabelSpacing", &TZnDBEdit::LabelSpacing, &TZnDBEdit::SetLabelSpacing);
        return c;
    }();
    return info;
}

TZnDBEdit::TZnDBEdit(TComponent* owner) : TDBEdit(owner), label_(*this) {}

void TZnDBEdit::SetBounds(int left, int top, int width, int height) {
    TDBEdit::SetBounds(left, top, width, height);
    PlaceParts();
}

void TZnDBEdit::SetParent(TWinControl* parent) {
    TDBEdit::SetParent(parent);
    FollowParts();
    PlaceParts();
}

void TZnDBEdit::SetEnabled(bool value) {
    TDBEdit::SetEnabled(value);
    FollowParts();
}

void TZnDBEdit::SetVisible(bool value) {
    TDBEdit::SetVisible(value);
    FollowParts();
}

void TZnDBEdit::Notification(TComponent* component, TOperation operation) {
    TDBEdit::Notification(component, operation);
    if (operation == TOperation::opRemove) label_.Removed(component);
}

// --- TZnBtnDBEdit ----------------------------------------------------------------------------

const ClassInfo& TZnEditButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnEditButton", &TGSpeedButton::StaticClass());
        return c;
    }();
    return info;
}

void TZnEditButton::Click() {
    TGSpeedButton::Click();
    if (auto* edit = dynamic_cast<TZnBtnDBEdit*>(Owner())) edit->ButtonClick();
}

const ClassInfo& TZnBtnDBEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnBtnDBEdit", &TZnDBEdit::StaticClass());
        c.Creatable<TZnBtnDBEdit>();
        c.Prop("ButtonSpacing", &TZnBtnDBEdit::ButtonSpacing, &TZnBtnDBEdit::SetButtonSpacing);
        c.Prop("GlyphIndex", &TZnBtnDBEdit::GlyphIndex, &TZnBtnDBEdit::SetGlyphIndex);
        c.Prop("ButtonHint", &TZnBtnDBEdit::ButtonHint, &TZnBtnDBEdit::SetButtonHint);
        c.Event("OnDialog", &TZnBtnDBEdit::OnDialog);
        return c;
    }();
    return info;
}

TZnBtnDBEdit::TZnBtnDBEdit(TComponent* owner) : TZnDBEdit(owner) {
    button_ = Construct<TZnEditButton>(this);
    button_->SetName("F2Button");
    button_->Flat = true;
    button_->SetGlyphIndex(glyphIndex_);
    FreeNotification(button_);
    FollowParts();
    PlaceParts();
}

void TZnBtnDBEdit::SetButtonSpacing(int value) {
    buttonSpacing_ = value;
    PlaceParts();
}

void TZnBtnDBEdit::SetGlyphIndex(int value) {
    if (!button_) return;
    button_->SetGlyphIndex(value);
    glyphIndex_ = value;
}

void TZnBtnDBEdit::SetButtonHint(const std::string& value) {
    buttonHint_ = value;
    if (button_) button_->Hint = value;
}

void TZnBtnDBEdit::PlaceParts() {
    TZnDBEdit::PlaceParts();
    if (!button_) return;
    button_->SetBounds(Left() + Width() + buttonSpacing_, Top(), Height(), Height());
}

void TZnBtnDBEdit::FollowParts() {
    TZnDBEdit::FollowParts();
    if (!button_) return;
    button_->SetParent(Parent());
    button_->SetEnabled(Enabled());
    button_->SetVisible(Visible());
}

void TZnBtnDBEdit::ButtonClick() {
    if (OnDialog) {
        OnDialog(this);
        return;
    }
    // A disabled edit may still be the form's active control here (the system would have taken
    // the focus from it): it sends nothing.
    if (!CanFocus()) return;
    SetFocus();
    if (!Focused()) return;
    if (TCustomForm* form = OwningForm(*this))
        Application().SendMessage(form->Handle(), kQuickPickMessage, 0, reinterpret_cast<std::intptr_t>(this));
}

void TZnBtnDBEdit::Notification(TComponent* component, TOperation operation) {
    TZnDBEdit::Notification(component, operation);
    if (operation == TOperation::opRemove && component == button_) button_ = nullptr;
}

}  // namespace znp
