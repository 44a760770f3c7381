#include "platform/ListView.h"

#include <strings.h>

#include <algorithm>
#include <iterator>
#include <tuple>

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

// --- TListItemStore --------------------------------------------------------------------------

std::pair<size_t, size_t> TListItemStore::Locate(int index) const {
    // The last chunk that starts at or before Index.
    auto it = std::upper_bound(starts_.begin(), starts_.end(), index);
    const size_t chunk = static_cast<size_t>(it - starts_.begin()) - 1;
    return {chunk, static_cast<size_t>(index - starts_[chunk])};
}

void TListItemStore::Renumber(size_t fromChunk) {
    starts_.resize(chunks_.size());
    for (size_t c = fromChunk; c < chunks_.size(); ++c)
        starts_[c] = c == 0 ? 0 : starts_[c - 1] + static_cast<int>(chunks_[c - 1].size());
}

TListItem* TListItemStore::At(int index) const {
    if (index < 0 || index >= size_) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    auto [chunk, offset] = Locate(index);
    return chunks_[chunk][offset].get();
}

void TListItemStore::Insert(int index, std::unique_ptr<TListItem> item) {
    if (index < 0 || index > size_) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    size_t chunk = 0, offset = 0;
    if (chunks_.empty()) {
        chunks_.emplace_back();
    } else if (index == size_) {
        chunk = chunks_.size() - 1;
        offset = chunks_[chunk].size();
    } else {
        std::tie(chunk, offset) = Locate(index);
    }
    auto& items = chunks_[chunk];
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(offset), std::move(item));
    ++size_;
    if (items.size() >= 2 * kChunk) {
        std::vector<std::unique_ptr<TListItem>> upper(std::make_move_iterator(items.begin() + kChunk),
                                                      std::make_move_iterator(items.end()));
        items.resize(kChunk);
        chunks_.insert(chunks_.begin() + static_cast<std::ptrdiff_t>(chunk) + 1, std::move(upper));
    }
    Renumber(chunk + 1);
}

std::unique_ptr<TListItem> TListItemStore::Erase(int index) {
    if (index < 0 || index >= size_) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    auto [chunk, offset] = Locate(index);
    auto& items = chunks_[chunk];
    std::unique_ptr<TListItem> item = std::move(items[offset]);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(offset));
    --size_;
    if (items.empty()) chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(chunk));
    Renumber(chunk == 0 ? 0 : chunk);
    return item;
}

int TListItemStore::IndexOf(const TListItem* item) const {
    for (size_t c = 0; c < chunks_.size(); ++c)
        for (size_t i = 0; i < chunks_[c].size(); ++i)
            if (chunks_[c][i].get() == item) return starts_[c] + static_cast<int>(i);
    return -1;
}

std::vector<std::unique_ptr<TListItem>> TListItemStore::TakeAll() {
    std::vector<std::unique_ptr<TListItem>> all;
    all.reserve(static_cast<size_t>(size_));
    for (auto& chunk : chunks_)
        for (auto& item : chunk) all.push_back(std::move(item));
    chunks_.clear();
    starts_.clear();
    size_ = 0;
    return all;
}

void TListItemStore::Assign(std::vector<std::unique_ptr<TListItem>> items) {
    chunks_.clear();
    size_ = static_cast<int>(items.size());
    for (size_t i = 0; i < items.size(); i += kChunk) {
        const size_t end = std::min(items.size(), i + kChunk);
        chunks_.emplace_back(std::make_move_iterator(items.begin() + static_cast<std::ptrdiff_t>(i)),
                             std::make_move_iterator(items.begin() + static_cast<std::ptrdiff_t>(end)));
    }
    Renumber(0);
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
        c.Field("ViewStyle", &TListView::ViewStyle);
        c.Prop("SortType", &TListView::SortType, &TListView::SetSortType);
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
    items_.Insert(index, std::make_unique<TListItem>(this));
    inOrder_ = false;
    NotifyView(TViewAspect::Items);
    return items_.At(index);
}

TListItem* TListView::AddItemSorted(const std::string& caption, const std::vector<std::string>& subItems, int* index) {
    auto item = std::make_unique<TListItem>(this);
    item->caption_ = caption;
    for (const std::string& text : subItems) item->subItems_->Add(text);
    TListItem* added = item.get();
    int position = ItemCount();
    if (SortActive() && inOrder_) {
        // Upper bound: the first item that sorts after the new one.
        int low = 0, high = ItemCount();
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (CompareItems(*added, *items_.At(middle)) < 0) high = middle;
            else low = middle + 1;
        }
        position = low;
    }
    const bool sortAll = SortActive() && !inOrder_;
    items_.Insert(position, std::move(item));
    if (sortAll) {
        AlphaSort();
        position = items_.IndexOf(added);
    }
    if (index) *index = position;
    NotifyView(TViewAspect::Items);
    OnChange(this, added, TItemChange::ctText);
    return added;
}

void TListView::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    TListItem* item = items_.At(index);
    OnDeletion(this, item);
    if (focused_ == item) focused_ = nullptr;
    const bool wasSelected = item->selected_;
    items_.Erase(index);
    NotifyView(TViewAspect::Items);
    if (wasSelected) NotifyView(TViewAspect::Selection);
}

void TListView::ClearItems() {
    while (ItemCount() > 0) DeleteItem(ItemCount() - 1);
}

int TListView::IndexOf(const TListItem* item) const { return items_.IndexOf(item); }

TListItem* TListView::FindCaption(int start, const std::string& caption, bool partial) const {
    for (int i = std::max(start, 0); i < ItemCount(); ++i) {
        const std::string& c = items_.At(i)->Caption();
        if (partial ? strncasecmp(c.c_str(), caption.c_str(), caption.size()) == 0 : SameText(c, caption))
            return items_.At(i);
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
    for (int i = 0; i < ItemCount(); ++i)
        if (items_.At(i)->selected_) return items_.At(i);
    return nullptr;
}

void TListView::SetSelected(TListItem* item) {
    std::vector<TListItem*> others;
    items_.ForEach([&](TListItem* other) {
        if (other != item && other->selected_) others.push_back(other);
    });
    for (TListItem* other : others) other->SetSelected(false);
    if (item) item->SetSelected(true);
}

int TListView::SelCount() const {
    int count = 0;
    items_.ForEach([&](TListItem* item) { count += item->selected_ ? 1 : 0; });
    return count;
}

int TListView::ItemIndex() const { return IndexOf(Selected()); }

void TListView::SelectAll() {
    if (!MultiSelect) return;
    for (int i = 0; i < ItemCount(); ++i) items_.At(i)->SetSelected(true);
}

void TListView::ItemSelecting(TListItem* item, bool value) {
    bool allow = true;
    OnChanging(this, item, TItemChange::ctState, allow);
    if (!allow) return;
    if (value && !MultiSelect) {
        std::vector<TListItem*> others;
        items_.ForEach([&](TListItem* other) {
            if (other != item && other->selected_) others.push_back(other);
        });
        for (TListItem* other : others) other->SetSelected(false);
    }
    item->selected_ = value;
    if (value) focused_ = item;
    NotifyView(TViewAspect::Selection);
    OnSelectItem(this, item, value);
    OnChange(this, item, TItemChange::ctState);
}

void TListView::CaptionChanged(TListItem* item) {
    NotifyView(TViewAspect::Items);
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

int TListView::CompareItems(const TListItem& a, const TListItem& b) {
    if (OnCompare) {
        int result = 0;
        OnCompare(this, const_cast<TListItem*>(&a), const_cast<TListItem*>(&b), 0, result);
        return result;
    }
    return strcasecmp(a.Caption().c_str(), b.Caption().c_str());
}

bool TListView::AlphaSort() {
    CustomSort([this](const TListItem& a, const TListItem& b, int) { return CompareItems(a, b); });
    inOrder_ = true;
    return true;
}

bool TListView::CustomSort(const TLVCompare& compare, int data) {
    if (!compare) return AlphaSort();
    std::vector<std::unique_ptr<TListItem>> all = items_.TakeAll();
    std::stable_sort(all.begin(), all.end(), [&](const auto& a, const auto& b) { return compare(*a, *b, data) < 0; });
    items_.Assign(std::move(all));
    inOrder_ = false;
    NotifyView(TViewAspect::Items);
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
    if (!key || ItemCount() == 0) return;
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
