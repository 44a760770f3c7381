// What the panel's list relies on in the list view: items kept in chunks behave as one ordered
// list, and a sorted list view puts an added item in its place without sorting everything again.
#include <gtest/gtest.h>

#include <random>

#include "platform/Forms.h"
#include "platform/ListView.h"

using namespace znp;

namespace {

std::vector<std::string> Captions(const TListView& list) {
    std::vector<std::string> captions;
    for (int i = 0; i < list.ItemCount(); ++i) captions.push_back(list.Items(i)->Caption());
    return captions;
}

class ListViewItemsTest : public ::testing::Test {
protected:
    ListViewItemsTest() {
        form_ = Construct<TForm>(nullptr);
        list_ = Construct<TListView>(form_);
    }
    ~ListViewItemsTest() override { TObject::Free(form_); }
    TForm* form_;
    TListView* list_;
};

TEST_F(ListViewItemsTest, ChunkedItemsBehaveAsOneList) {
    // Random inserts and deletes across many chunk splits, checked against a plain vector.
    std::vector<std::string> model;
    std::mt19937 random(3);
    for (int step = 0; step < 4000; ++step) {
        if (model.empty() || random() % 4 != 0) {
            const int at = static_cast<int>(random() % (model.size() + 1));
            const std::string caption = std::to_string(step);
            list_->InsertItem(at)->SetCaption(caption);
            model.insert(model.begin() + at, caption);
        } else {
            const int at = static_cast<int>(random() % model.size());
            list_->DeleteItem(at);
            model.erase(model.begin() + at);
        }
        if (step % 500 == 0) {
            ASSERT_EQ(Captions(*list_), model);
        }
    }
    ASSERT_EQ(Captions(*list_), model);
    for (int i = 0; i < list_->ItemCount(); i += 97) EXPECT_EQ(list_->IndexOf(list_->Items(i)), i);
    EXPECT_THROW(list_->Items(list_->ItemCount()), Exception);
    EXPECT_THROW(list_->InsertItem(-1), Exception);
    list_->ClearItems();
    EXPECT_EQ(list_->ItemCount(), 0);
    list_->AddItem()->SetCaption("again");
    EXPECT_EQ(Captions(*list_), (std::vector<std::string>{"again"}));
}

TEST_F(ListViewItemsTest, SortedAddGoesAfterEqualItems) {
    list_->SetSortType(TSortType::stText);
    std::vector<TListItem*> added;
    for (const char* caption : {"b", "a", "B", "c", "A"}) added.push_back(list_->AddItemSorted(caption, {caption}));
    EXPECT_EQ(Captions(*list_), (std::vector<std::string>{"a", "A", "b", "B", "c"}));
    int index = -1;
    TListItem* item = list_->AddItemSorted("b", {"x", "y"}, &index);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(list_->Items(4), item);
    EXPECT_EQ(item->SubItems()->Items(), (std::vector<std::string>{"x", "y"}));
}

TEST_F(ListViewItemsTest, SortedAddRaisesChangeAndSortsAnUnorderedListFirst) {
    int changes = 0;
    struct Handler {
        int* count;
        void Change(TObject*, TListItem*, TItemChange change) { *count += change == TItemChange::ctText ? 1 : 0; }
    } handler{&changes};
    list_->OnChange = TLVChangeEvent::Bind(&handler, "Change", &Handler::Change);
    // Items added the plain way before sorting was switched on.
    list_->AddItem()->SetCaption("z");
    list_->AddItem()->SetCaption("m");
    list_->SetSortType(TSortType::stText);
    list_->AddItem();  // a new, still empty item out of its place
    changes = 0;
    int index = -1;
    list_->AddItemSorted("n", {}, &index);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Captions(*list_), (std::vector<std::string>{"", "m", "n", "z"}));
    EXPECT_EQ(index, 2);
}

TEST_F(ListViewItemsTest, UnsortedOrUpdatingListsAppend) {
    list_->AddItemSorted("b", {});
    list_->AddItemSorted("a", {});
    EXPECT_EQ(Captions(*list_), (std::vector<std::string>{"b", "a"}));

    list_->SetSortType(TSortType::stText);
    list_->BeginUpdate();
    int index = -1;
    list_->AddItemSorted("0", {}, &index);
    EXPECT_EQ(index, 2);
    list_->EndUpdate();  // the held-back sort
    EXPECT_EQ(Captions(*list_), (std::vector<std::string>{"0", "a", "b"}));
}

TEST_F(ListViewItemsTest, SortedAddUsesTheListsComparison) {
    struct Handler {
        // By the first sub-item, descending.
        void Compare(TObject*, TListItem* a, TListItem* b, int, int& result) {
            result = b->SubItems()->Items()[0].compare(a->SubItems()->Items()[0]);
        }
    } handler;
    list_->OnCompare = TLVCompareEvent::Bind(&handler, "Compare", &Handler::Compare);
    list_->SetSortType(TSortType::stText);
    for (const char* key : {"2", "9", "5"}) list_->AddItemSorted(std::string("r") + key, {key});
    EXPECT_EQ(Captions(*list_), (std::vector<std::string>{"r9", "r5", "r2"}));
}

}  // namespace
