#include "controls/ZnRadio.h"

#include <algorithm>

namespace znp {

// --- TZnRadioButton --------------------------------------------------------------------------

const ClassInfo& TZnRadioButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnRadioButton", &TButtonControl::StaticClass());
        c.Creatable<TZnRadioButton>();
        c.Prop("Checked", &TZnRadioButton::Checked, &TZnRadioButton::SetChecked);
        c.Prop("Alignment", &TZnRadioButton::Alignment, &TZnRadioButton::SetAlignment);
        c.Prop("Caption", &TZnRadioButton::Caption, &TZnRadioButton::SetCaption);
        return c;
    }();
    return info;
}

TZnRadioButton::TZnRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
    TabStop = false;
}

void TZnRadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    TabStop = value;
    if (value && Parent())
        for (TControl* sibling : std::vector<TControl*>(Parent()->ChildControls()))
            if (auto* other = dynamic_cast<TZnRadioButton*>(sibling); other && other != this) other->SetChecked(false);
    NotifyView(TViewAspect::Checked);
    if (value) RaiseClick();
}

void TZnRadioButton::SetAlignment(TLeftRight value) {
    if (value != TLeftRight::taLeftJustify && value != TLeftRight::taRightJustify)
        throw Exception("Invalid property value");
    alignment_ = value;
}

void TZnRadioButton::KeyPress(char& key) {
    TButtonControl::KeyPress(key);
    if (key == ' ') {
        key = 0;
        Click();
    }
}

int TZnRadioButton::CaptionIndent(int fontSize) {
    struct Step {
        int upTo, indent;
    };
    static constexpr Step steps[] = {{8, 17}, {15, 19}, {17, 20}, {23, 21}, {29, 23}, {35, 25},
                                     {41, 27}, {43, 29}, {60, 31}, {80, 39}};
    if (fontSize < 1) return 44;
    for (const Step& s : steps)
        if (fontSize <= s.upTo) return s.indent;
    return 44;
}

void TZnRadioButton::Paint(TCanvas& canvas) const {
    const int indent = CaptionIndent(Font()->Size());
    canvas.BrushColor = Color();
    canvas.FillRect({indent - 4, -4, Width() + 4, Height() + 4});
    canvas.Font.Assign(*Font());
    canvas.DrawText(Caption(), {indent, 0, Width(), Height()}, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

// --- TZnGroupButton --------------------------------------------------------------------------

const ClassInfo& TZnGroupButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnGroupButton", &TZnRadioButton::StaticClass());
        return c;
    }();
    return info;
}

TZnGroupButton::TZnGroupButton(TZnRadioGroup* group, int index) : TZnRadioButton(group), group_(group), index_(index) {
    SetVisible(false);
    SetEnabled(group->Enabled());
    SetParent(group);
}

void TZnGroupButton::SetChecked(bool value) {
    const bool checking = value && !Checked();
    TZnRadioButton::SetChecked(value);
    if (checking && group_ && !ClicksDisabled() && !IsLoading()) group_->ButtonClicked(this);
}

void TZnGroupButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TZnRadioButton::KeyDown(key, shift);
    if (group_ && key) group_->KeyDown(key, shift);
}

void TZnGroupButton::KeyPress(char& key) {
    TZnRadioButton::KeyPress(key);
    if (group_ && key) group_->KeyPress(key);
}

// --- TZnRadioGroup ---------------------------------------------------------------------------

const ClassInfo& TZnRadioGroup::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnRadioGroup", &TGroupBox::StaticClass());
        c.Creatable<TZnRadioGroup>();
        c.Object("Items", &TZnRadioGroup::Items);
        c.Prop("ItemIndex", &TZnRadioGroup::ItemIndex, &TZnRadioGroup::SetItemIndex);
        c.Prop("Columns", &TZnRadioGroup::Columns, &TZnRadioGroup::SetColumns);
        c.Field("RightToLeft", &TZnRadioGroup::RightToLeft);
        c.Prop("Caption", &TZnRadioGroup::Caption, &TZnRadioGroup::SetCaption);
        return c;
    }();
    return info;
}

TZnRadioGroup::TZnRadioGroup(TComponent* owner) : TGroupBox(owner) {
    TabStop = true;
    items_->SetOnChange([this] { ItemsChanged(); });
}

TZnRadioGroup::~TZnRadioGroup() {
    // The owned buttons go with the group's components; nothing may call back into the list.
    ++updating_;
    items_->SetOnChange(nullptr);
    for (TZnGroupButton* b : buttons_) b->group_ = nullptr;
    buttons_.clear();
}

void TZnRadioGroup::ItemsChanged() {
    NotifyView(TViewAspect::Items);
    if (IsLoading()) return;
    ++updating_;
    const int count = items_->Count();
    while (static_cast<int>(buttons_.size()) < count) {
        auto* button = new TZnGroupButton(this, static_cast<int>(buttons_.size()));
        FinishConstruction(button);
        buttons_.push_back(button);
    }
    while (static_cast<int>(buttons_.size()) > count) {
        TZnGroupButton* last = buttons_.back();
        buttons_.pop_back();
        last->group_ = nullptr;
        TObject::Free(last);
    }
    if (itemIndex_ >= count) {
        itemIndex_ = count - 1;
        NotifyView(TViewAspect::Selection);
    }
    for (int i = 0; i < count; ++i) {
        TZnGroupButton* button = buttons_[static_cast<size_t>(i)];
        button->index_ = i;
        button->SetCaption((*items_)[i]);
        button->DisableClicks();
        button->SetChecked(i == itemIndex_);
        button->EnableClicks();
    }
    --updating_;
    ArrangeButtons();
}

void TZnRadioGroup::SetItemIndex(int value) {
    if (IsLoading()) {
        itemIndex_ = value;
        return;
    }
    value = std::clamp(value, -1, static_cast<int>(buttons_.size()) - 1);
    if (value == itemIndex_) return;
    if (itemIndex_ >= 0 && itemIndex_ < static_cast<int>(buttons_.size()))
        buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(false);
    itemIndex_ = value;
    if (value >= 0)
        buttons_[static_cast<size_t>(value)]->SetChecked(true);  // announces and clicks, as the user's click
    else
        NotifyView(TViewAspect::Selection);
}

void TZnRadioGroup::ButtonClicked(TZnGroupButton* button) {
    if (updating_ > 0) return;
    itemIndex_ = button->Index();
    NotifyView(TViewAspect::Selection);
    if (!IsLoading()) Click();
}

void TZnRadioGroup::SetColumns(int value) {
    value = std::clamp(value, 1, 16);
    if (value == columns_) return;
    columns_ = value;
    ArrangeButtons();
}

void TZnRadioGroup::ArrangeButtons() {
    if (IsLoading() || buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int textHeight = Font()->PixelHeight();
    const int rows = (count + columns_ - 1) / columns_;
    const int buttonWidth = (Width() - 10) / columns_;
    const int available = Height() - textHeight - 5;
    const int buttonHeight = available / rows;
    const int topMargin = (available % rows) / 2 + textHeight + 1;
    for (int i = 0; i < count; ++i) {
        int left = (i / rows) * buttonWidth + 8;
        if (RightToLeft) left = Width() - left - buttonWidth;
        TZnGroupButton* button = buttons_[static_cast<size_t>(i)];
        button->SetBounds(left, (i % rows) * buttonHeight + topMargin, buttonWidth, buttonHeight);
        button->SetVisible(true);
    }
}

void TZnRadioGroup::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    TGroupBox::SetBounds(left, top, width, height);
    if (resized) ArrangeButtons();
}

void TZnRadioGroup::SetEnabled(bool value) {
    TGroupBox::SetEnabled(value);
    for (TZnGroupButton* button : buttons_) button->SetEnabled(value);
}

// A button freed from outside leaves the list (the item stays, without its button).
void TZnRadioGroup::Notification(TComponent* component, TOperation operation) {
    TGroupBox::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    auto it = std::find(buttons_.begin(), buttons_.end(), component);
    if (it == buttons_.end()) return;
    buttons_.erase(it);
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->index_ = static_cast<int>(i);
    if (itemIndex_ >= static_cast<int>(buttons_.size())) itemIndex_ = static_cast<int>(buttons_.size()) - 1;
}

void TZnRadioGroup::Loaded() {
    TGroupBox::Loaded();
    const int stored = itemIndex_;
    itemIndex_ = -1;
    ItemsChanged();
    ++updating_;
    SetItemIndex(stored);
    --updating_;
    ArrangeButtons();
}

}  // namespace znp
