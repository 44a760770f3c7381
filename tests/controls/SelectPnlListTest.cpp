// The panel's list: adding rows (columns, padding, duplicates, widths), sorting by header clicks
// with the fall-back columns, deleting and clearing. The fast path of AddRow is checked against
// a plain model of the documented steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "controls/GSpdBtn.h"
#include "controls/SelectPnl.h"
#include "controls/SelectPnlTestSupport.h"

using namespace znp;
using namespace znp::test;

namespace {

using Row = std::vector<std::string>;
using RowList = std::vector<Row>;

class SelectListTest : public ::testing::Test {
protected:
    SelectListTest() : codePage_("936") {
        form_ = Construct<TfrmPanelProbe>(nullptr);
        panel_ = Construct<TSelectPanel>(form_);
        panel_->SetParent(form_);
        panel_->SetStyle(TSelectStyle::sp_Discrete);
    }
    ~SelectListTest() override { TObject::Free(form_); }
    std::vector<std::string> ColumnCaptionsNow() const { return panel_->ColumnCaptions(); }
    std::vector<int> Widths() const {
        std::vector<int> widths;
        for (int i = 0; i < panel_->ListView->ColumnCount(); ++i) widths.push_back(panel_->ListView->Columns(i)->Width);
        return widths;
    }

    ScopedCodePage codePage_;
    TfrmPanelProbe* form_;
    TSelectPanel* panel_;
};

TEST_F(SelectListTest, RowsCreateColumnsAndArePadded) {
    EXPECT_TRUE(panel_->AddRow({"A01", "Alpha", "X"}));
    EXPECT_EQ(ColumnCaptionsNow(), (std::vector<std::string>{"Data1", "Data2", "Data3"}));
    EXPECT_TRUE(panel_->AddRow({"B02"}));
    EXPECT_EQ(Rows(*panel_), (RowList{{"A01", "Alpha", "X"}, {"B02", "", ""}}));
    // A longer row adds a column and pads every earlier row.
    EXPECT_TRUE(panel_->AddRow({"C03", "c", "d", "e"}));
    EXPECT_EQ(ColumnCaptionsNow().back(), "Data4");
    EXPECT_EQ(Rows(*panel_), (RowList{{"A01", "Alpha", "X", ""}, {"B02", "", "", ""}, {"C03", "c", "d", "e"}}));
}

TEST_F(SelectListTest, NamedColumnsGetDataNamesOnlyBeyondThem) {
    panel_->SetColumnCaptions({"编号"});
    panel_->AddRow({"A", "b", "c"});
    EXPECT_EQ(ColumnCaptionsNow(), (std::vector<std::string>{"编号", "Data2", "Data3"}));
}

TEST_F(SelectListTest, NoValuesAddNothing) {
    panel_->AddRow({"A"});
    EXPECT_FALSE(panel_->AddRow({}));
    EXPECT_EQ(panel_->ListView->ItemCount(), 1);
    EXPECT_EQ(panel_->ListView->ColumnCount(), 1);
}

TEST_F(SelectListTest, AddRowNeverRaisesAndKeepsTheRowsSoFar) {
    struct Handler {
        void Change(TObject*, TListItem*, TItemChange) { throw std::runtime_error("handler failed"); }
    } handler;
    panel_->AddRow({"A"});
    panel_->OnItemChange = TListViewDataChangeEvent::Bind(&handler, "Change", &Handler::Change);
    EXPECT_FALSE(panel_->AddRow({"B"}));
    panel_->OnItemChange = {};
    EXPECT_TRUE(panel_->AddRow({"C"}));
    EXPECT_EQ(panel_->ListView->ItemCount(), 3);
}

TEST_F(SelectListTest, DuplicatesWithAndWithoutCase) {
    struct Case {
        TCheckDuplicate check;
        std::vector<std::string> added, expected;
    };
    const Case cases[] = {
        {TCheckDuplicate::cd_None, {"ABC", "abc", "ABC"}, {"ABC", "abc", "ABC"}},
        // Equal without regard to case, the rows keep their order: no two equal neighbours.
        {TCheckDuplicate::cd_CheckCase, {"ABC", "abc", "ABC"}, {"ABC", "abc", "ABC"}},
        {TCheckDuplicate::cd_CheckCase, {"ABC", "ABC", "abc"}, {"ABC", "abc"}},
        {TCheckDuplicate::cd_CaseInsensitive, {"ABC", "abc"}, {"ABC"}},
        {TCheckDuplicate::cd_CaseInsensitive, {"中a", "中A", "中b"}, {"中a", "中b"}},
        // The trail byte of a double-byte character is no letter to fold.
        {TCheckDuplicate::cd_CaseInsensitive, {"\x81\x61", "\x81\x41"}, {"\x81\x41", "\x81\x61"}},
    };
    for (const Case& c : cases) {
        panel_->ClearRows();
        panel_->SetCheckDuplicate(c.check);
        for (const std::string& caption : c.added) panel_->AddRow({caption});
        EXPECT_EQ(Captions(*panel_), c.expected);
    }
}

TEST_F(SelectListTest, DuplicateCheckSwitchesSortingOnAndCleansAListAtOnce) {
    panel_->AddRow({"b"});
    panel_->AddRow({"a"});
    panel_->AddRow({"B"});
    panel_->SetCheckDuplicate(TCheckDuplicate::cd_CaseInsensitive);
    EXPECT_TRUE(panel_->SortListBox());
    EXPECT_EQ(Captions(*panel_), (std::vector<std::string>{"a", "b"}));

    // In range mode the rows wait until the next row arrives.
    TSelectPanel* range = Construct<TSelectPanel>(form_);
    range->SetStyle(TSelectStyle::sp_Range);
    range->AddRow({"x"});
    range->AddRow({"X"});
    range->SetCheckDuplicate(TCheckDuplicate::cd_CaseInsensitive);
    EXPECT_EQ(range->ListView->ItemCount(), 2);
    range->AddRow({"y"});
    EXPECT_EQ(Captions(*range), (std::vector<std::string>{"x", "y"}));
}

TEST_F(SelectListTest, OnlyNeighboursAreCompared) {
    // Sorted by the caption first, then column 1: equal captions are neighbours only when no
    // other caption sorts between them under the case-insensitive order.
    panel_->SetCheckDuplicate(TCheckDuplicate::cd_CheckCase);
    panel_->AddRow({"abc", "1"});
    panel_->AddRow({"ABC", "2"});
    panel_->AddRow({"abc", "3"});
    EXPECT_EQ(Rows(*panel_), (RowList{{"abc", "1"}, {"ABC", "2"}, {"abc", "3"}}));
    // Deleting the row between them makes them neighbours: the next added row cleans them up.
    panel_->ListView->Items(1)->SetSelected(true);
    panel_->DeleteSelectedRows();
    panel_->AddRow({"zzz"});
    EXPECT_EQ(Rows(*panel_), (RowList{{"abc", "1"}, {"zzz", ""}}));
}

TEST_F(SelectListTest, ANewRowReplacesTheFollowingEqualRow) {
    // The check runs from the last row up, so the row after the new one goes first.
    panel_->SetCheckDuplicate(TCheckDuplicate::cd_CheckCase);
    panel_->AddRow({"A", "z"});
    panel_->AddRow({"A", "a"});
    EXPECT_EQ(Rows(*panel_), (RowList{{"A", "a"}}));
}

TEST_F(SelectListTest, ColumnsAreFittedToTheLongestTextInBytes) {
    panel_->SetColumnCaptions({"No", "名称很长的列"});
    const int w = (11 + 1) / 2;  // the letter W in the list's font
    EXPECT_EQ(Widths(), (std::vector<int>{2 * w, 12 * w}));
    panel_->AddRow({"ABCDE", "中"});
    EXPECT_EQ(Widths(), (std::vector<int>{5 * w, 12 * w}));
    panel_->AddRow({"A", "中文中文中文中文"});
    EXPECT_EQ(Widths(), (std::vector<int>{5 * w, 16 * w}));
    // Removing the longest row by the duplicate check shrinks the column again.
    panel_->ClearRows();
    panel_->SetCheckDuplicate(TCheckDuplicate::cd_CheckCase);
    panel_->AddRow({"K", "a"});
    panel_->AddRow({"K", "much longer text"});  // sorts after K/a: removed as the duplicate
    EXPECT_EQ(Rows(*panel_), (RowList{{"K", "a"}}));
    EXPECT_EQ(Widths(), (std::vector<int>{2 * w, 12 * w}));

    panel_->SetColumnsAutoSize(false);
    panel_->AddRow({"a much longer caption"});
    EXPECT_EQ(Widths()[0], 2 * w);
}

TEST_F(SelectListTest, HeaderClicksSortWithTheFallBackChainAndReverse) {
    panel_->AddRow({"b", "x", "same"});
    panel_->AddRow({"a", "y", "same"});
    panel_->AddRow({"a", "x", "same"});
    panel_->AddRow({"c", "x", "first"});
    panel_->ListView->ColumnClicked(2);  // column 2, then 0, then 1
    EXPECT_EQ(Rows(*panel_), (RowList{{"c", "x", "first"}, {"a", "x", "same"}, {"a", "y", "same"}, {"b", "x", "same"}}));
    panel_->ListView->ColumnClicked(2);  // the same column again reverses
    EXPECT_FALSE(panel_->SortAscending());
    EXPECT_EQ(Rows(*panel_), (RowList{{"b", "x", "same"}, {"a", "y", "same"}, {"a", "x", "same"}, {"c", "x", "first"}}));
    panel_->ListView->ColumnClicked(1);  // column 1, then 0
    EXPECT_TRUE(panel_->SortAscending());
    EXPECT_EQ(panel_->SortColumn(), 1);
    EXPECT_EQ(Captions(*panel_), (std::vector<std::string>{"a", "b", "c", "a"}));
    EXPECT_FALSE(panel_->SortListBox());  // a header click sorts whatever SortListBox says
}

TEST_F(SelectListTest, SortedListKeepsOrderWithoutRegardToCase) {
    panel_->SetSortListBox(true);
    for (const char* caption : {"b", "C", "a", "B", "中", "A"}) panel_->AddRow({caption});
    EXPECT_EQ(Captions(*panel_), (std::vector<std::string>{"a", "A", "b", "B", "C", "中"}));
    panel_->SetSortListBox(false);
    panel_->AddRow({"0"});
    EXPECT_EQ(Captions(*panel_).back(), "0");
}

TEST_F(SelectListTest, DeleteRemovesSelectedRowsUnlessRefused) {
    for (const char* caption : {"a", "b", "c", "d"}) panel_->AddRow({caption});
    int asked = 0;
    bool refuse = false;
    struct Handler {
        int* asked;
        bool* refuse;
        TObject* expectedSender;
        void Delete(TObject* sender, bool& accept) {
            ++*asked;
            EXPECT_EQ(sender, expectedSender);
            EXPECT_TRUE(accept);
            if (*refuse) accept = false;
        }
    } handler{&asked, &refuse, panel_->DeleteButton};
    panel_->OnDeleteClick = TDeleteClickEvent::Bind(&handler, "Delete", &Handler::Delete);

    panel_->DeleteButton->Click();  // nothing selected: asked, nothing removed
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(panel_->ListView->ItemCount(), 4);

    panel_->ListView->Items(1)->SetSelected(true);
    panel_->ListView->Items(2)->SetSelected(true);
    refuse = true;
    panel_->DeleteButton->Click();
    EXPECT_EQ(panel_->ListView->ItemCount(), 4);
    refuse = false;
    panel_->DeleteButton->Click();
    EXPECT_EQ(Captions(*panel_), (std::vector<std::string>{"a", "d"}));
}

TEST_F(SelectListTest, ClearEmptiesFocusesTheListThenReports) {
    form_->Show();
    panel_->AddRow({"a"});
    TWinControl* focusAtEvent = nullptr;
    struct Handler {
        TWinControl** focus;
        TfrmPanelProbe* form;
        TObject* expectedSender;
        void Clear(TObject* sender) {
            EXPECT_EQ(sender, expectedSender);
            *focus = form->ActiveControl();
        }
    } handler{&focusAtEvent, form_, panel_->ClearButton};
    panel_->OnClearClick = TNotifyEvent::Bind(&handler, "Clear", &Handler::Clear);
    panel_->ClearButton->Click();
    EXPECT_EQ(panel_->ListView->ItemCount(), 0);
    EXPECT_EQ(focusAtEvent, panel_->ListView);
}

TEST_F(SelectListTest, ItemSelectReportsTheRowIndex) {
    panel_->AddRow({"a"});
    panel_->AddRow({"b"});
    std::vector<std::pair<int, bool>> seen;
    struct Handler {
        std::vector<std::pair<int, bool>>* seen;
        void Select(TObject*, TListItem*, int index, bool selected) { seen->push_back({index, selected}); }
    } handler{&seen};
    panel_->OnItemSelect = TListViewSelectItemEvent::Bind(&handler, "Select", &Handler::Select);
    panel_->ListView->Items(1)->SetSelected(true);
    panel_->ListView->Items(1)->SetSelected(false);
    EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
}

// A plain model of AddRow's documented steps: stable sort of the whole list, padding, the
// duplicate pass from the last row up, widths from a full scan.
struct ModelList {
    TCheckDuplicate check;
    RowList rows;
    size_t columns = 0;
    static std::string Text(const Row& r, size_t c) { return c < r.size() ? r[c] : ""; }
    void Add(const Row& values) {
        columns = std::max(columns, values.size());
        rows.push_back(values);
        std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
            int r = CompareTextNoCase(Text(a, 0), Text(b, 0), "936");
            if (r == 0) r = CompareTextNoCase(Text(a, 1), Text(b, 1), "936");
            return r < 0;
        });
        size_t most = 0;
        for (const Row& r : rows) most = std::max(most, r.size());
        for (Row& r : rows) r.resize(most);
        for (size_t i = rows.size() - 1; i >= 1 && i < rows.size(); --i) {
            const bool same = check == TCheckDuplicate::cd_CheckCase
                                  ? rows[i][0] == rows[i - 1][0]
                                  : CompareTextNoCase(rows[i][0], rows[i - 1][0], "936") == 0;
            if (same) rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    std::vector<size_t> Longest() const {
        std::vector<size_t> longest(columns, 0);
        for (const Row& r : rows)
            for (size_t c = 0; c < r.size() && c < columns; ++c) longest[c] = std::max(longest[c], r[c].size());
        return longest;
    }
};

TEST_F(SelectListTest, FastAddRowMatchesTheStepByStepModel) {
    for (TCheckDuplicate check : {TCheckDuplicate::cd_CheckCase, TCheckDuplicate::cd_CaseInsensitive}) {
        panel_->ClearRows();
        panel_->SetCheckDuplicate(check);
        ModelList model{check, {}, static_cast<size_t>(panel_->ListView->ColumnCount())};
        std::mt19937 random(42);
        const char* letters[] = {"a", "A", "b", "B", "中", "c"};
        for (int i = 0; i < 600; ++i) {
            Row row{std::string(letters[random() % 6]) + letters[random() % 6]};
            const int extra = static_cast<int>(random() % 3);
            for (int j = 0; j < extra; ++j) row.push_back(std::string(random() % 5, 'x'));
            if (i % 97 == 50 && panel_->ListView->ItemCount() > 2) {
                // Something else than AddRow touches the rows now and then.
                panel_->ListView->Items(1)->SetSelected(true);
                panel_->DeleteSelectedRows();
                model.rows.erase(model.rows.begin() + 1);
            }
            panel_->AddRow(row);
            model.Add(row);
            ASSERT_EQ(Rows(*panel_), model.rows) << "after row " << i;
        }
        std::vector<int> expected;
        for (size_t length : model.Longest())
            expected.push_back(static_cast<int>(std::max(length, std::string("Data1").size())) * 6);
        EXPECT_EQ(Widths(), expected);
    }
}

}  // namespace
