// The list of the selection panel: adding rows, removing duplicates, fitting the columns,
// sorting, deleting and clearing.
//
// A lookup may add tens of thousands of rows one AddRow at a time, and every AddRow promises the
// whole list afterwards: every row padded, no two neighbouring rows with equal captions, column
// widths from the longest texts. Going over all rows for each added one would make a long lookup
// quadratic, so the panel keeps a small book of what it knows about the rows (see SelectPnl.h):
// the list view inserts a row in its sorted place by binary search, only the new row's neighbours
// can be new duplicates (the others were checked when they arrived), and the text lengths per
// column are counted so the longest is known without a scan. The book is trusted only while
// nothing but AddRow changed the rows; any other change (deleting, sorting by another column,
// changing a caption, switching the duplicate check) makes the next AddRow go over all rows once.
#include <algorithm>

#include "controls/GSpdBtn.h"
#include "controls/SelectPnl.h"
#include "platform/SystemInfo.h"

namespace znp {

namespace {

const std::string& ColumnText(const TListItem& item, int column) {
    static const std::string empty;
    if (column == 0) return item.Caption();
    const TStringList& sub = *item.SubItems();
    return column - 1 < sub.Count() ? sub[column - 1] : empty;
}

bool IsDoubleByteCodePage(const std::string& codePage) { return codePage == "936" || codePage == "950"; }

}  // namespace

// Letters without regard to case; a double-byte character is one character, ordered by its code
// (the code order of GB and Big5 is their dictionary order) and never folded: its trail byte may
// look like an ASCII letter.
int CompareTextNoCase(const std::string& a, const std::string& b, const std::string& codePage) {
    const bool dbcs = IsDoubleByteCodePage(codePage);
    size_t i = 0;
    while (i < a.size() && i < b.size()) {
        unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (dbcs && ca >= 0x81 && ca <= 0xFE) {
            if (ca != cb) return ca < cb ? -1 : 1;
            if (i + 1 >= a.size() || i + 1 >= b.size()) break;
            const unsigned char ta = static_cast<unsigned char>(a[i + 1]), tb = static_cast<unsigned char>(b[i + 1]);
            if (ta != tb) return ta < tb ? -1 : 1;
            i += 2;
            continue;
        }
        if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 'a' + 'A');
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// --- Properties passed to the list ----------------------------------------------------------------

bool TSelectPanel::ColumnsAutoSize() const { return ListView->AutoSizeColumns; }
void TSelectPanel::SetColumnsAutoSize(bool value) { ListView->AutoSizeColumns = value; }
bool TSelectPanel::ShowColumnHeader() const { return ListView->ShowColumnHeaders; }
void TSelectPanel::SetShowColumnHeader(bool value) { ListView->ShowColumnHeaders = value; }
bool TSelectPanel::HideSelection() const { return ListView->HideSelection; }
void TSelectPanel::SetHideSelection(bool value) { ListView->HideSelection = value; }

std::vector<std::string> TSelectPanel::ColumnCaptions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < ListView->ColumnCount(); ++i) captions.push_back(ListView->Columns(i)->Caption);
    return captions;
}

void TSelectPanel::SetColumnCaptions(const std::vector<std::string>& captions) {
    ListView->ClearColumns();
    for (const std::string& caption : captions) ListView->AddColumn(caption);
    RebuildRowBook();
    FitColumns();
}

void TSelectPanel::SetCheckDuplicate(TCheckDuplicate value) {
    checkDuplicate_ = value;
    InvalidateRowBook();
    // Only neighbours are compared: the check needs the sorted list.
    if (value != TCheckDuplicate::cd_None) SetSortListBox(true);
    if (value != TCheckDuplicate::cd_None && !IsRangeMode()) RemoveDuplicatesAll();
}

void TSelectPanel::SetSortListBox(bool value) {
    sortListBox_ = value;
    InvalidateRowBook();
    ListView->SetSortType(value ? TSortType::stText : TSortType::stNone);
}

// --- Comparison and sorting -----------------------------------------------------------------------

int TSelectPanel::CompareRows(const TListItem& a, const TListItem& b) const {
    const std::string codePage = AnsiCodePage();
    int result = CompareTextNoCase(ColumnText(a, sortColumn_), ColumnText(b, sortColumn_), codePage);
    // The fall-back chain: 0 -> 1; 1 -> 0; k -> 0 -> 1.
    if (result == 0) {
        const int next = sortColumn_ == 0 ? 1 : 0;
        result = CompareTextNoCase(ColumnText(a, next), ColumnText(b, next), codePage);
        if (result == 0 && sortColumn_ >= 2)
            result = CompareTextNoCase(ColumnText(a, 1), ColumnText(b, 1), codePage);
    }
    return sortAscending_ ? result : -result;
}

void TSelectPanel::ListCompare(TObject*, TListItem* a, TListItem* b, int, int& result) { result = CompareRows(*a, *b); }

void TSelectPanel::SortByColumn(int index) {
    if (index == sortColumn_) {
        sortAscending_ = !sortAscending_;
    } else {
        sortColumn_ = index;
        sortAscending_ = true;
    }
    InvalidateRowBook();
    ListView->AlphaSort();
}

void TSelectPanel::ListColumnClick(TObject*, TListColumn* column) {
    for (int i = 0; i < ListView->ColumnCount(); ++i)
        if (ListView->Columns(i) == column) SortByColumn(i);
}

// --- Adding rows ------------------------------------------------------------------------------------

bool TSelectPanel::SameCaption(const std::string& a, const std::string& b) const {
    if (checkDuplicate_ == TCheckDuplicate::cd_CheckCase) return a == b;
    return CompareTextNoCase(a, b, AnsiCodePage()) == 0;
}

void TSelectPanel::CountRowLengths(const TListItem& item, int delta) {
    const TStringList& sub = *item.SubItems();
    if (lengthCounts_.size() < static_cast<size_t>(sub.Count()) + 1) lengthCounts_.resize(sub.Count() + 1);
    for (int column = 0; column <= sub.Count(); ++column) {
        auto& counts = lengthCounts_[column];
        const size_t length = ColumnText(item, column).size();
        if ((counts[length] += delta) <= 0) counts.erase(length);
    }
}

void TSelectPanel::RemoveDuplicatesAll() {
    if (checkDuplicate_ == TCheckDuplicate::cd_None) return;
    for (int i = ListView->ItemCount() - 1; i >= 1; --i)
        if (SameCaption(ListView->Items(i)->Caption(), ListView->Items(i - 1)->Caption())) ListView->DeleteItem(i);
}

void TSelectPanel::RebuildRowBook() {
    const bool wasAdding = addingRow_;
    addingRow_ = true;  // the deletions below are the book's own
    int most = 0;
    for (int i = 0; i < ListView->ItemCount(); ++i) most = std::max(most, ListView->Items(i)->SubItems()->Count());
    for (int i = 0; i < ListView->ItemCount(); ++i) {
        TStringList& sub = *ListView->Items(i)->SubItems();
        while (sub.Count() < most) sub.Add("");
    }
    RemoveDuplicatesAll();
    lengthCounts_.assign(std::max<size_t>(ListView->ColumnCount(), static_cast<size_t>(most) + 1), {});
    for (int i = 0; i < ListView->ItemCount(); ++i) CountRowLengths(*ListView->Items(i), 1);
    subItemCount_ = most;
    bookRowCount_ = ListView->ItemCount();
    rowBookValid_ = true;
    addingRow_ = wasAdding;
}

int TSelectPanel::LetterWidth() const {
    const int height = ListView->Font()->PixelHeight();
    return (height + 1) / 2;  // "W" is one byte wide
}

void TSelectPanel::FitColumns() {
    if (!rowBookValid_ || bookRowCount_ != ListView->ItemCount()) RebuildRowBook();
    const int letter = LetterWidth();
    for (int column = 0; column < ListView->ColumnCount(); ++column) {
        size_t longest = ListView->Columns(column)->Caption.size();
        if (static_cast<size_t>(column) < lengthCounts_.size() && !lengthCounts_[column].empty())
            longest = std::max(longest, lengthCounts_[column].rbegin()->first);
        ListView->Columns(column)->Width = static_cast<int>(std::min<size_t>(longest * letter, 0x7FFFFFFF));
    }
}

bool TSelectPanel::AddRow(const std::vector<std::string>& values) {
    if (values.empty()) return false;
    struct Guard {
        bool& flag;
        bool old;
        ~Guard() { flag = old; }
    } guard{addingRow_, addingRow_};
    try {
        addingRow_ = true;
        const bool bookValid = rowBookValid_ && bookRowCount_ == ListView->ItemCount();
        while (ListView->ColumnCount() < static_cast<int>(values.size()))
            ListView->AddColumn("Data" + std::to_string(ListView->ColumnCount() + 1));
        if (lengthCounts_.size() < static_cast<size_t>(ListView->ColumnCount()))
            lengthCounts_.resize(ListView->ColumnCount());
        const size_t count = std::min(values.size(), static_cast<size_t>(ListView->ColumnCount()));
        const std::vector<std::string> subItems(values.begin() + 1, values.begin() + static_cast<std::ptrdiff_t>(count));
        int index = 0;
        TListItem* item = ListView->AddItemSorted(values[0], subItems, &index);
        if (!bookValid) {
            RebuildRowBook();
        } else {
            const int subCount = static_cast<int>(subItems.size());
            if (subCount < subItemCount_) {
                while (item->SubItems()->Count() < subItemCount_) item->SubItems()->Add("");
            } else if (subCount > subItemCount_) {
                // The other rows grow by empty sub-items in the new columns.
                const int others = ListView->ItemCount() - 1;
                for (int i = 0; i < ListView->ItemCount(); ++i) {
                    TStringList& sub = *ListView->Items(i)->SubItems();
                    if (ListView->Items(i) != item)
                        while (sub.Count() < subCount) sub.Add("");
                }
                if (lengthCounts_.size() < static_cast<size_t>(subCount) + 1) lengthCounts_.resize(subCount + 1);
                for (int column = subItemCount_ + 1; column <= subCount && others > 0; ++column)
                    lengthCounts_[column][0] += others;
                subItemCount_ = subCount;
            }
            CountRowLengths(*item, 1);
            ++bookRowCount_;
            if (checkDuplicate_ != TCheckDuplicate::cd_None) {
                // The check runs from the last row up; only the pairs with the new row can match.
                if (index + 1 < ListView->ItemCount() &&
                    SameCaption(ListView->Items(index + 1)->Caption(), item->Caption())) {
                    CountRowLengths(*ListView->Items(index + 1), -1);
                    ListView->DeleteItem(index + 1);
                    --bookRowCount_;
                }
                if (index > 0 && SameCaption(item->Caption(), ListView->Items(index - 1)->Caption())) {
                    CountRowLengths(*item, -1);
                    ListView->DeleteItem(index);
                    --bookRowCount_;
                }
            }
        }
        if (ListView->AutoSizeColumns) FitColumns();
        return true;
    } catch (...) {
        InvalidateRowBook();
        return false;
    }
}

// --- Removing rows ------------------------------------------------------------------------------------

void TSelectPanel::ClearRows() {
    ListView->ClearItems();
    lengthCounts_.assign(static_cast<size_t>(ListView->ColumnCount()), {});
    subItemCount_ = 0;
    bookRowCount_ = 0;
    rowBookValid_ = true;
}

void TSelectPanel::DeleteSelectedRows() {
    bool accept = true;
    OnDeleteClick(DeleteButton, accept);
    if (!accept) return;
    for (int i = 0; i < ListView->ItemCount();) {
        if (ListView->Items(i)->Selected()) ListView->DeleteItem(i);
        else ++i;
    }
}

void TSelectPanel::ClearAllRows() {
    ClearRows();
    if (ListView->CanFocus()) ListView->SetFocus();
    OnClearClick(ClearButton);
}

void TSelectPanel::DeleteButtonClick(TObject*) { DeleteSelectedRows(); }
void TSelectPanel::ClearButtonClick(TObject*) { ClearAllRows(); }

// --- List notifications ----------------------------------------------------------------------------------

void TSelectPanel::ListDeletion(TObject*, TListItem*) {
    if (!addingRow_) InvalidateRowBook();
}

void TSelectPanel::ListChange(TObject* sender, TListItem* item, TItemChange change) {
    if (change == TItemChange::ctText && !addingRow_) InvalidateRowBook();
    OnItemChange(sender, item, change);
}

void TSelectPanel::ListChanging(TObject* sender, TListItem* item, TItemChange change, bool& allow) {
    OnItemChanging(sender, item, change, allow);
}

void TSelectPanel::ListSelectItem(TObject* sender, TListItem* item, bool selected) {
    OnItemSelect(sender, item, item ? item->Index() : -1, selected);
}

}  // namespace znp
