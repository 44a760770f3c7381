#include "platform/Buttons.h"

#include "platform/Forms.h"

namespace znp {

TBitmap TButtonGlyph::Image(int index) const {
    if (glyph_->Empty()) return TBitmap();
    if (index < 0 || index >= numGlyphs_) index = 0;
    const int width = glyph_->Width() / numGlyphs_;
    return glyph_->Section({index * width, 0, (index + 1) * width, glyph_->Height()});
}

void TButtonGlyph::GlyphChanged() {
    const int w = glyph_->Width(), h = glyph_->Height();
    // A strip of more than four squares is one wide picture, not four images.
    if (h > 0 && w >= h && w % h == 0) SetNumGlyphs(w / h > 4 ? 1 : w / h);
}

// --- TBitBtn ---------------------------------------------------------------------------------

const ClassInfo& TBitBtn::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TBitBtn", &TButton::StaticClass());
        c.Creatable<TBitBtn>();
        c.Object("Glyph", &TBitBtn::Glyph);
        c.Prop("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs);
        c.Prop("Kind", &TBitBtn::Kind, &TBitBtn::SetKind);
        c.Field("Layout", &TBitBtn::Layout);
        c.Field("Margin", &TBitBtn::Margin);
        c.Field("Spacing", &TBitBtn::Spacing);
        return c;
    }();
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    Glyph()->OnChange = TNotifyEvent::Bind(this, "GlyphChanged", &TBitBtn::GlyphChanged);
}

void TBitBtn::SetKind(TBitBtnKind value) {
    kind_ = value;
    if (value == TBitBtnKind::bkCustom) return;
    static const char* const captions[] = {"", "OK", "Cancel", "&Help", "&Yes", "&No", "&Close", "Abort", "&Retry", "&Ignore", "&All"};
    static const TModalResult results[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo, mrNone, mrAbort, mrRetry, mrIgnore, mrAll};
    const int k = static_cast<int>(value);
    Default = value == TBitBtnKind::bkOK || value == TBitBtnKind::bkYes;
    Cancel = value == TBitBtnKind::bkCancel || value == TBitBtnKind::bkNo;
    // A stored form that gives its own caption keeps it.
    if (!IsLoading() || Caption().empty()) SetCaption(captions[k]);
    ModalResult = results[k];
}

void TBitBtn::Click() {
    TButton::Click();
    if (kind_ == TBitBtnKind::bkClose)
        if (TCustomForm* form = GetParentForm(this)) form->Close();
}

// --- TSpeedButton ----------------------------------------------------------------------------

const ClassInfo& TSpeedButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSpeedButton", &TControl::StaticClass());
        c.Creatable<TSpeedButton>();
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        c.Object("Glyph", &TSpeedButton::Glyph);
        c.Prop("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
        c.Field("Flat", &TSpeedButton::Flat);
        c.Field("Transparent", &TSpeedButton::Transparent);
        c.Prop("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex);
        c.Prop("Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
        c.Prop("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp);
        c.Field("Layout", &TSpeedButton::Layout);
        c.Field("Margin", &TSpeedButton::Margin);
        c.Field("Spacing", &TSpeedButton::Spacing);
        return c;
    }();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 23, 22);
    Glyph()->OnChange = TNotifyEvent::Bind(this, "GlyphChanged", &TSpeedButton::GlyphChanged);
}

std::vector<TSpeedButton*> TSpeedButton::GroupMates() const {
    std::vector<TSpeedButton*> mates;
    if (!Parent() || groupIndex_ == 0) return mates;
    for (TControl* c : Parent()->ChildControls())
        if (auto* b = dynamic_cast<TSpeedButton*>(c); b && b != this && b->groupIndex_ == groupIndex_) mates.push_back(b);
    return mates;
}

void TSpeedButton::SetGroupIndex(int value) {
    groupIndex_ = value;
    if (value == 0) down_ = false;
}

void TSpeedButton::SetDown(bool value) {
    // While the form is read the group may not be complete; the stored state is taken as it is.
    if (IsLoading()) {
        down_ = value;
        return;
    }
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    if (down_ && !allowAllUp_) return;  // the down button of a group stays down
    down_ = value;
    NotifyView(TViewAspect::Checked);
    if (value)
        for (TSpeedButton* b : GroupMates())
            if (b->down_) {
                b->down_ = false;
                b->NotifyView(TViewAspect::Checked);
            }
}

void TSpeedButton::SetAllowAllUp(bool value) {
    allowAllUp_ = value;
    for (TSpeedButton* b : GroupMates()) b->allowAllUp_ = value;
}

void TSpeedButton::Loaded() {
    TControl::Loaded();
    if (groupIndex_ == 0) down_ = false;
}

void TSpeedButton::Click() {
    if (!Enabled()) return;
    if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_);
    TControl::Click();
}

}  // namespace znp
