#include "platform/ComboBox.h"

#include <algorithm>
#include <cctype>

#include "platform/SystemInfo.h"

namespace znp {

const ClassInfo& TComboBox::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TComboBox", &TWinControl::StaticClass());
        c.Creatable<TComboBox>();
        c.Prop("Text", &TControl::Text, &TControl::SetText);
        c.Object("Items", &TComboBox::Items);
        c.Field("Style", &TComboBox::Style);
        c.Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted);
        c.Field("MaxLength", &TComboBox::MaxLength);
        c.Field("DropDownCount", &TComboBox::DropDownCount);
        c.Field("CharCase", &TComboBox::CharCase);
        c.Prop("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex);
        c.Event("OnChange", &TComboBox::OnChange);
        c.Event("OnSelect", &TComboBox::OnSelect);
        c.Event("OnDropDown", &TComboBox::OnDropDown);
        return c;
    }();
    return info;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    items_->SetOnChange([this] { NotifyView(TViewAspect::Items); });
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void TComboBox::SetSorted(bool value) {
    items_->Sorted = value;
    if (!value) return;
    std::vector<std::string> texts = items_->Items();
    items_->Clear();
    for (auto& t : texts) items_->Add(t);
}

int TComboBox::ItemIndex() const {
    // Items may have been changed behind the box's back (the form reader fills them directly).
    if (!IsLoading() && itemIndex_ >= items_->Count()) itemIndex_ = -1;
    return itemIndex_;
}

void TComboBox::SetItemIndex(int value) {
    if (IsLoading()) {
        itemIndex_ = value;  // the items may come later in the stored form
        return;
    }
    value = std::clamp(value, -1, items_->Count() - 1);
    const int before = itemIndex_;
    itemIndex_ = value;
    TControl::SetText(value < 0 ? std::string() : (*items_)[value]);
    if (before != itemIndex_) NotifyView(TViewAspect::Selection);
}

void TComboBox::SetText(const std::string& value) {
    const std::string text = textedit::ApplyCase(value, CharCase);
    const int index = items_->IndexOf(text);
    const int before = itemIndex_;
    itemIndex_ = index;
    TControl::SetText(Style == TComboBoxStyle::csDropDownList && index < 0 ? std::string()
                      : Style == TComboBoxStyle::csDropDownList ? (*items_)[index]
                                                                : text);
    if (before != itemIndex_ && !IsLoading()) NotifyView(TViewAspect::Selection);
}

void TComboBox::Loaded() {
    TWinControl::Loaded();
    if (itemIndex_ >= 0) SetItemIndex(itemIndex_);
}

void TComboBox::SelectItem(int index) {
    if (index < 0 || index >= items_->Count()) return;
    const bool changed = index != ItemIndex() || Text() != (*items_)[index];
    const bool moved = index != itemIndex_;
    itemIndex_ = index;
    TControl::SetText((*items_)[index]);
    if (moved) NotifyView(TViewAspect::Selection);
    if (!changed) return;
    Click();
    Select();
}

void TComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::UserTextChange(const std::string& text) {
    if (text == Text()) return;
    const int before = itemIndex_;
    itemIndex_ = items_->IndexOf(text);
    TControl::SetText(text);
    if (before != itemIndex_) NotifyView(TViewAspect::Selection);
    Change();
}

void TComboBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    const int count = items_->Count();
    if (!key || count == 0 || (shift & ssAlt)) return;
    int target = -2;
    switch (key) {
        case VK_DOWN: target = std::min(ItemIndex() + 1, count - 1); break;
        case VK_UP: target = std::max(ItemIndex() - 1, 0); break;
        case VK_NEXT: target = std::min(ItemIndex() + DropDownCount, count - 1); break;
        case VK_PRIOR: target = std::max(ItemIndex() - DropDownCount, 0); break;
        case VK_HOME: if (Style == TComboBoxStyle::csDropDownList) target = 0; break;
        case VK_END: if (Style == TComboBoxStyle::csDropDownList) target = count - 1; break;
        default: break;
    }
    if (target >= 0) SelectItem(target);
}

void TComboBox::KeyPress(char& key) {
    TWinControl::KeyPress(key);
    if (!key) return;
    const unsigned char c = static_cast<unsigned char>(key);
    if (Style == TComboBoxStyle::csDropDownList) {
        if (c < 0x20) return;
        const int count = items_->Count();
        for (int step = 1; step <= count; ++step) {
            const int i = (ItemIndex() + step) % count;
            const std::string& item = (*items_)[i];
            if (!item.empty() && std::tolower(static_cast<unsigned char>(item[0])) == std::tolower(c)) {
                SelectItem(i);
                return;
            }
        }
        return;
    }
    // The edit part: the caret stays at the end of the text.
    std::string text = Text();
    if (c == VK_BACK) {
        text.erase(textedit::PrevCharStart(text, text.size()));
    } else if (c >= 0x20) {
        if (MaxLength > 0 && static_cast<int>(text.size()) >= MaxLength) return;
        text = textedit::ApplyCase(text + key, CharCase);
    } else {
        return;
    }
    UserTextChange(text);
}

}  // namespace znp
