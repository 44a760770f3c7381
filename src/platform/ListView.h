// The list view: items with a caption, sub-items, an image and a selection, shown as icons, a
// list or a report with columns.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ImgList.h"
#include "platform/StdCtrls.h"

namespace znp {

class TListView;

class TListItem : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    explicit TListItem(TListView* owner);

    TListView* ListView() const { return owner_; }
    const std::string& Caption() const { return caption_; }
    // A sorted list view puts the item in its place again.
    void SetCaption(const std::string& value);
    TStringList* SubItems() const { return subItems_.get(); }
    int ImageIndex = -1;
    void* Data = nullptr;
    bool Selected() const { return selected_; }
    void SetSelected(bool value);
    bool Focused() const;
    int Index() const;
    // Asks the list view to edit the caption, as the user's F2 or slow click does.
    bool EditCaption();

private:
    friend class TListView;
    TListView* owner_;
    std::string caption_;
    std::unique_ptr<TStringList> subItems_ = std::make_unique<TStringList>();
    bool selected_ = false;
};

struct TListColumn {
    std::string Caption;
    int Width = 50;
    TAlignment Alignment = TAlignment::taLeftJustify;
    bool AutoSize = false;
};

// The items of a list view in order. Items live in chunks of a few hundred, so inserting or
// removing one in the middle of a long list moves only its chunk, and the item at an index is
// found by a binary search over the chunks' first indices.
class TListItemStore {
public:
    int Size() const { return size_; }
    TListItem* At(int index) const;
    void Insert(int index, std::unique_ptr<TListItem> item);
    // Takes the item out; the caller frees it.
    std::unique_ptr<TListItem> Erase(int index);
    int IndexOf(const TListItem* item) const;
    // Every item in order, for sorting; Assign puts a (re)ordered list back.
    std::vector<std::unique_ptr<TListItem>> TakeAll();
    void Assign(std::vector<std::unique_ptr<TListItem>> items);
    template <class F>
    void ForEach(F&& f) const {
        for (const auto& chunk : chunks_)
            for (const auto& item : chunk) f(item.get());
    }

private:
    static constexpr size_t kChunk = 256;
    // The chunk holding Index and the position inside it.
    std::pair<size_t, size_t> Locate(int index) const;
    void Renumber(size_t fromChunk);
    std::vector<std::vector<std::unique_ptr<TListItem>>> chunks_;
    std::vector<int> starts_;  // index of the first item of each chunk
    int size_ = 0;
};

ZNP_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport);
ZNP_ENUM(TSortType, stNone, stData, stText, stBoth);
enum class TItemChange { ctText, ctImage, ctState };

using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, int, int&>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVEditedEvent = TEvent<TObject*, TListItem*, std::string&>;
using TLVEditingEvent = TEvent<TObject*, TListItem*, bool&>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;
// Custom sort: negative when the first item comes first.
using TLVCompare = std::function<int(const TListItem&, const TListItem&, int data)>;

class TIconOptions : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    bool AutoArrange = false;
    bool WrapText = true;
};

class TListView : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TListView(TComponent* owner);
    ~TListView() override;

    // --- Items ---
    int ItemCount() const { return items_.Size(); }
    TListItem* Items(int index) const { return items_.At(index); }
    TListItem* AddItem();
    // Adds an item with these texts. A sorted list view (not between BeginUpdate and EndUpdate)
    // puts it in its place at once, after the items that compare equal to it, without sorting
    // the others again; an unsorted one appends it. The list is kept in order by every caption
    // change, so only a changed comparison (OnCompare answering differently) needs an AlphaSort
    // first. Raises OnChange (text) for the item, as setting its caption does. Index (when
    // given) receives the item's position.
    TListItem* AddItemSorted(const std::string& caption, const std::vector<std::string>& subItems,
                             int* index = nullptr);
    TListItem* InsertItem(int index);
    void DeleteItem(int index);
    void ClearItems();
    int IndexOf(const TListItem* item) const;
    // Caption search from Start, without regard to case; null when none.
    TListItem* FindCaption(int start, const std::string& caption, bool partial = false) const;
    // Sorting is held back between BeginUpdate and EndUpdate.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

    // --- Columns ---
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TListColumn* Columns(int index) const { return columns_.at(index).get(); }
    TListColumn* AddColumn(const std::string& caption = "", int width = 50);
    void ClearColumns() { columns_.clear(); }

    // --- Selection ---
    // The first selected item, or null; setting selects only that item (null: none).
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int SelCount() const;
    int ItemIndex() const;
    void SetItemIndex(int index) { SetSelected(index >= 0 && index < ItemCount() ? Items(index) : nullptr); }
    TListItem* ItemFocused() const { return focused_; }
    void SetItemFocused(TListItem* item) { focused_ = item; }
    void SelectAll();

    // --- Sorting ---
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType value);
    // Sorts by OnCompare when set, else by caption (without regard to case).
    bool AlphaSort();
    bool CustomSort(const TLVCompare& compare, int data = 0);

    // --- User actions ---
    // The user clicks a column header (only when ColumnClick is on).
    void ColumnClicked(int index);
    // The user edited the caption of Item to Text: OnEdited may change it; refused when read-only.
    bool EditCaption(TListItem* item, const std::string& text);

    TViewStyle ViewStyle = TViewStyle::vsIcon;
    TImageList* LargeImages = nullptr;
    TImageList* SmallImages = nullptr;
    TImageList* StateImages = nullptr;
    bool ReadOnly = false;
    bool RowSelect = false;
    bool MultiSelect = false;
    bool HideSelection = true;
    bool ShowColumnHeaders = true;
    bool ColumnClick = true;
    TIconOptions* IconOptions() const { return iconOptions_.get(); }

    TLVCompareEvent OnCompare;
    TLVColumnClickEvent OnColumnClick;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVChangingEvent OnChanging;
    TEvent<TObject*, TListItem*> OnDeletion;

    // Up/Down/Home/End move the selection.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TListItem;
    void ItemSelecting(TListItem* item, bool value);
    void CaptionChanged(TListItem* item);
    void SortIfNeeded();
    int CompareItems(const TListItem& a, const TListItem& b);
    bool SortActive() const { return updating_ == 0 && (sortType_ == TSortType::stText || (sortType_ != TSortType::stNone && OnCompare)); }
    TListItemStore items_;
    // The items are in the order of the last AlphaSort (nothing was inserted out of place since).
    bool inOrder_ = true;
    std::vector<std::unique_ptr<TListColumn>> columns_;
    std::unique_ptr<TIconOptions> iconOptions_ = std::make_unique<TIconOptions>();
    TListItem* focused_ = nullptr;
    TSortType sortType_ = TSortType::stNone;
    int updating_ = 0;
};

}  // namespace znp
