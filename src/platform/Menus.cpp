#include "platform/Menus.h"

#include <algorithm>

namespace znp {

const ClassInfo& TMenuItem::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TMenuItem", &TComponent::StaticClass());
        c.Creatable<TMenuItem>();
        c.Field("Caption", &TMenuItem::Caption);
        c.Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
        c.Field("RadioItem", &TMenuItem::RadioItem);
        c.Field("GroupIndex", &TMenuItem::GroupIndex);
        c.Field("ImageIndex", &TMenuItem::ImageIndex);
        c.Field("Enabled", &TMenuItem::Enabled);
        c.Field("Visible", &TMenuItem::Visible);
        c.Field("Default", &TMenuItem::Default);
        c.Field("AutoCheck", &TMenuItem::AutoCheck);
        c.Field("Hint", &TMenuItem::Hint);
        c.Field("ShortCut", &TMenuItem::ShortCut);
        c.Event("OnClick", &TMenuItem::OnClick);
        return c;
    }();
    return info;
}

TMenuItem::~TMenuItem() {
    if (parent_) parent_->Remove(this);
    while (!items_.empty()) {
        TMenuItem* last = items_.back();
        Remove(last);
        TObject::Free(last);
    }
}

void TMenuItem::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    if (value && RadioItem && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex) sibling->checked_ = false;
}

int TMenuItem::MenuIndex() const {
    if (!parent_) return -1;
    const auto& list = parent_->items_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) throw Exception("Invalid menu item");
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw Exception("A menu item cannot hold its own parent");
    if (item->parent_) throw Exception("Menu inserted twice");
    if (index < 0 || index > Count()) throw Exception("Menu index out of range");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (item->checked_ && item->RadioItem) {
        item->checked_ = false;
        item->SetChecked(true);
    }
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
    auto plain = [](std::string s) {
        s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
        return s;
    };
    for (TMenuItem* item : items_)
        if (SameText(plain(item->Caption), plain(caption))) return item;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click() {
    if (!Enabled) return;
    if (AutoCheck) SetChecked(!checked_);
    OnClick(this);
}

void TMenuItem::ReadChild(TComponent* child) {
    if (auto* item = dynamic_cast<TMenuItem*>(child)) Add(item);
}

// --- Menus -----------------------------------------------------------------------------------

const ClassInfo& TMenu::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TMenu", &TComponent::StaticClass());
        c.Reference("Images", &TMenu::Images);
        c.Field("OwnerDraw", &TMenu::OwnerDraw);
        return c;
    }();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { items_->menu_ = this; }

void TMenu::ReadChild(TComponent* child) {
    if (auto* item = dynamic_cast<TMenuItem*>(child)) items_->Add(item);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Images) Images = nullptr;
}

const ClassInfo& TMainMenu::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TMainMenu", &TMenu::StaticClass());
        c.Creatable<TMainMenu>();
        return c;
    }();
    return info;
}

const ClassInfo& TPopupMenu::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TPopupMenu", &TMenu::StaticClass());
        c.Creatable<TPopupMenu>();
        c.Field("AutoPopup", &TPopupMenu::AutoPopup);
        c.Event("OnPopup", &TPopupMenu::OnPopup);
        return c;
    }();
    return info;
}

void TPopupMenu::Popup(int x, int y) {
    PopupX = x;
    PopupY = y;
    OnPopup(this);
}

}  // namespace znp
