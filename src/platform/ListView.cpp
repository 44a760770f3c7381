#include "platform/ListView.h"

#include <strings.h>

#include <algorithm>

namespace znp {

// --- TListItem -------------------------------------------------------------------------------

const ClassInfo& TListItem::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TListItem", &TPersistent::StaticClass());
        c.Prop("Caption", &TListItem::Caption, &TListItem::SetCaption);
        c.Field("ImageIndex", &TListItem::ImageIndex);
        c.Prop("Selected", &TListItem::Selected, &TListItem::SetSelected);
        c.Object("SubItems", &TListItem::SubItems);
        return c;
    }();
    return info;
}

TListItem::TListItem(TListView* owner) : owner_(owner) {}

void TListItem::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    owner_->CaptionChanged(this);
}

void TListItem::SetSelected(bool value) {
    if (value == selected_) return;
    owner_->ItemSelecting(this, value);
}

bool TListItem::Focused() const { return owner_->focused_ == this; }
int TListItem::Index() const { return owner_->IndexOf(this); }

bool TListItem::EditCaption() {
    if (owner_->ReadOnly) return false;
    bool allow = true;
    owner_->OnEditing(owner_, this, allow);
    return allow;
}

// --- TListView -------------------------------------------------------------------------------

const ClassInfo& TIconOptions::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TIconOptions", &TPersistent::StaticClass());
        c.Field("AutoArrange", &TIconOptions::AutoArrange);
        c.Field("WrapText", &TIconOptions::WrapText);
        return c;
    }();
    return info;
}

const ClassInfo& TListView::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TListView", &TWinControl::StaticClass());
        c.Creatable<TListView>();
        c.Field("ViewStyle", &TListView::ViewStyle, {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
        c.Prop("SortType", &TListView::SortType, &TListView::SetSortType, {"stNone", "stData", "stText", "stBoth"});
        c.Reference("LargeImages", &TListView::LargeImages);
        c.Reference("SmallImages", &TListView::SmallImages);
        c.Reference("StateImages", &TListView::StateImages);
        c.Field("ReadOnly", &TListView::ReadOnly);
        c.Field("RowSelect", &TListView::RowSelect);
        c.Field("MultiSelect", &TListView::MultiSelect);
        c.Field("HideSelection", &TListView::HideSelection);
        c.Field("ShowColumnHeaders", &TListView::ShowColumnHeaders);
        c.Field("ColumnClick", &TListView::ColumnClick);
        c.Object("IconOptions", &TListView::IconOptions);
        c.Prop("ItemIndex", &TListView::ItemIndex, &TListView::SetItemIndex);
        c.Event("OnCompare", &TListView::OnCompare);
        c.Event("OnColumnClick", &TListView::OnColumnClick);
        c.Event("OnEditing", &TListView::OnEditing);
        c.Event("OnEdited", &TListView::OnEdited);
        c.Event("OnSelectItem", &TListView::OnSelectItem);
        c.Event("OnChange", &TListView::OnChange);
        c.Event("OnChanging", &TListView::OnChanging);
        c.Event("OnDeletion", &TListView::OnDeletion);
        return c;
    }();
    return info;
}

TListView::TListView(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 250, 150);
}

TListView::~TListView() = default;

TListItem* TListView::AddItem() { return InsertItem(ItemCount()); }

TListItem* TListView::InsertItem(int index) {
    if (index < 0 || index > ItemCount()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, std::make_unique<TListItem>(this));
    return items_[index].get();
}

void TListView::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    TListItem* item = items_[index].get();
    OnDeletion(this, item);
    if (focused_ == item) focused_ = nullptr;
    items_.erase(items_.begin() + index);
}

void TListView::ClearItems() {
    while (!items_.empty()) DeleteItem(ItemCount() - 1);
}

int TListView::IndexOf(const TListItem* item) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (items_[i].get() == item) return i;
    return -1;
}

TListItem* TListView::FindCaption(int start, const std::string& caption, bool partial) const {
    for (int i = std::max(start, 0); i < ItemCount(); ++i) {
        const std::string& c = items_[i]->Caption();
        if (partial ? strncasecmp(c.c_str(), caption.c_str(), caption.size()) == 0 : SameText(c, caption))
            return items_[i].get();
    }
    return nullptr;
}

void TListView::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) SortIfNeeded();
}

TListColumn* TListView::AddColumn(const std::string& caption, int width) {
    columns_.push_back(std::make_unique<TListColumn>());
    columns_.back()->Caption = caption;
    columns_.back()->Width = width;
    return columns_.back().get();
}

TListItem* TListView::Selected() const {
    for (const auto& item : items_)
        if (item->selected_) return item.get();
    return nullptr;
}

void TListView::SetSelected(TListItem* item) {
    for (const auto& other : items_)
        if (other.get() != item && other->selected_) other->SetSelected(false);
    if (item) item->SetSelected(true);
}

int TListView::SelCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const auto& i) { return i->selected_; }));
}

int TListView::ItemIndex() const { return IndexOf(Selected()); }

void TListView::SelectAll() {
    if (!MultiSelect) return;
    for (const auto& item : items_) item->SetSelected(true);
}

void TListView::ItemSelecting(TListItem* item, bool value) {
    bool allow = true;
    OnChanging(this, item, TItemChange::ctState, allow);
    if (!allow) return;
    if (value && !MultiSelect)
        for (const auto& other : items_)
            if (other.get() != item && other->selected_) other->SetSelected(false);
    item->selected_ = value;
    if (value) focused_ = item;
    OnSelectItem(this, item, value);
    OnChange(this, item, TItemChange::ctState);
}

void TListView::CaptionChanged(TListItem* item) {
    OnChange(this, item, TItemChange::ctText);
    SortIfNeeded();
}

void TListView::SetSortType(TSortType value) {
    if (value == sortType_) return;
    sortType_ = value;
    SortIfNeeded();
}

void TListView::SortIfNeeded() {
    if (updating_ > 0 || sortType_ == TSortType::stNone) return;
    if (sortType_ == TSortType::stText || OnCompare) AlphaSort();
}

bool TListView::AlphaSort() {
    if (OnCompare)
        return CustomSort([this](const TListItem& a, const TListItem& b, int data) {
            int result = 0;
            OnCompare(this, const_cast<TListItem*>(&a), const_cast<TListItem*>(&b), data, result);
            return result;
        });
    return CustomSort([](const TListItem& a, const TListItem& b, int) {
        return strcasecmp(a.Caption().c_str(), b.Caption().c_str());
    });
}

bool TListView::CustomSort(const TLVCompare& compare, int data) {
    if (!compare) return AlphaSort();
    std::stable_sort(items_.begin(), items_.end(),
                     [&](const auto& a, const auto& b) { return compare(*a, *b, data) < 0; });
    return true;
}

void TListView::ColumnClicked(int index) {
    if (!ColumnClick || index < 0 || index >= ColumnCount()) return;
    OnColumnClick(this, Columns(index));
}

bool TListView::EditCaption(TListItem* item, const std::string& text) {
    if (!item || item->owner_ != this || !item->EditCaption()) return false;
    std::string s = text;
    OnEdited(this, item, s);
    item->SetCaption(s);
    return true;
}

void TListView::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (!key || items_.empty()) return;
    const int current = focused_ ? IndexOf(focused_) : -1;
    int target = -1;
    switch (key) {
        case VK_DOWN: target = std::min(current + 1, ItemCount() - 1); break;
        case VK_UP: target = std::max(current - 1, 0); break;
        case VK_HOME: target = 0; break;
        case VK_END: target = ItemCount() - 1; break;
        default: return;
    }
    SetSelected(Items(target));
}

void TListView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == LargeImages) LargeImages = nullptr;
    if (component == SmallImages) SmallImages = nullptr;
    if (component == StateImages) StateImages = nullptr;
}

}  // namespace znp
