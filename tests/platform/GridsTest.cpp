#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/Grids.h"

using namespace znp;
using namespace znp::testing;

namespace {

TEST(StringGrid, ResizingKeepsTheTextsThatStillFit) {
    ShownForm f;
    auto* grid = f.Add<TStringGrid>("grid");
    grid->SetCells(4, 4, "corner");
    grid->SetCells(1, 1, "kept");
    grid->SetColCount(3);
    grid->SetColCount(5);
    EXPECT_EQ(grid->Cells(4, 4), "");
    EXPECT_EQ(grid->Cells(1, 1), "kept");
    EXPECT_THROW(grid->Cells(5, 0), Exception);
    EXPECT_THROW(grid->SetCells(-1, 0, "x"), Exception);
    EXPECT_EQ(grid->Rows(1)[1], "kept");
    EXPECT_EQ(grid->Cols(1)[1], "kept");
}

TEST(StringGrid, TheFixedPartLeavesRoomAndTheCurrentCellMovesInside) {
    ShownForm f;
    auto* grid = f.Add<TStringGrid>("grid");
    EXPECT_THROW(grid->SetFixedRows(5), Exception);
    grid->SetRow(4);
    grid->SetRowCount(3);
    EXPECT_EQ(grid->Row(), 2);
    grid->SetRowCount(1);  // the fixed row gives way
    EXPECT_EQ(grid->FixedRows(), 0);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_THROW(grid->SetCol(0), Exception);  // a fixed column cannot be current
}

TEST(StringGrid, KeysMoveTheCurrentCellAndSelectCellCanRefuse) {
    ShownForm f;
    auto* grid = f.Add<TStringGrid>("grid");
    f.form->FocusControl(grid);
    f.form->PressKey(VK_RIGHT);
    f.form->PressKey(VK_DOWN);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    f.form->PressKey(VK_HOME);
    EXPECT_EQ(grid->Col(), 1);
    grid->OnSelectCell = TSelectCellEvent(grid, "no", [](TObject*, int col, int, bool& can) { can = col != 4; });
    f.form->PressKey(VK_END);
    EXPECT_EQ(grid->Col(), 1);
    f.form->PressKey(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
}

TEST(StringGrid, TypingEditsTheCurrentCellOnlyWithEditing) {
    ShownForm f;
    auto* grid = f.Add<TStringGrid>("grid");
    grid->SetCells(1, 1, "old");
    f.form->FocusControl(grid);
    f.form->TypeChar('x');
    EXPECT_EQ(grid->Cells(1, 1), "old");
    grid->Options |= goEditing;
    std::vector<std::string> edits;
    grid->OnSetEditText = TSetEditEvent(grid, "edit", [&](TObject*, int, int, const std::string& t) { edits.push_back(t); });
    for (char c : std::string("ab\b")) f.form->TypeChar(c);  // the first key replaces the text
    EXPECT_EQ(grid->Cells(1, 1), "a");
    EXPECT_EQ(edits, (std::vector<std::string>{"a", "ab", "a"}));
    f.form->PressKey(VK_F2);
    f.form->TypeChar('c');  // the editor is open: the text is kept
    EXPECT_EQ(grid->Cells(1, 1), "ac");
}

}  // namespace
