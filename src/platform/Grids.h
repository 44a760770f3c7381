// The string grid: a table of texts with fixed header rows and columns and a current cell.
#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"

namespace znp {

using TGridOptions = std::uint32_t;
inline const std::vector<std::string> kGridOptionNames{
    "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect", "goDrawFocusSelected",
    "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing", "goTabs", "goRowSelect",
    "goAlwaysShowEditor", "goThumbTracking"};
constexpr TGridOptions goFixedVertLine = 1 << 0, goFixedHorzLine = 1 << 1, goVertLine = 1 << 2, goHorzLine = 1 << 3,
                       goRangeSelect = 1 << 4, goDrawFocusSelected = 1 << 5, goRowSizing = 1 << 6,
                       goColSizing = 1 << 7, goRowMoving = 1 << 8, goColMoving = 1 << 9, goEditing = 1 << 10,
                       goTabs = 1 << 11, goRowSelect = 1 << 12, goAlwaysShowEditor = 1 << 13,
                       goThumbTracking = 1 << 14;

using TSelectCellEvent = TEvent<TObject*, int, int, bool&>;
using TSetEditEvent = TEvent<TObject*, int, int, const std::string&>;

class TStringGrid : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TStringGrid(TComponent* owner);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    // Growing keeps the texts; shrinking drops the texts beyond. The fixed part must leave one
    // row and one column free, and the current cell moves back inside.
    void SetColCount(int value);
    void SetRowCount(int value);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int value);
    void SetFixedRows(int value);

    // Texts of cells; a cell outside the grid raises.
    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);
    // The texts of a row / column.
    std::vector<std::string> Rows(int row) const;
    std::vector<std::string> Cols(int col) const;

    // The current cell; only non-fixed cells can be current. OnSelectCell may refuse a move.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int value) { MoveTo(value, row_); }
    void SetRow(int value) { MoveTo(col_, value); }
    bool MoveTo(int col, int row);

    TGridOptions Options = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    int DefaultColWidth = 64;
    int DefaultRowHeight = 24;
    bool EditorMode = false;

    TSelectCellEvent OnSelectCell;
    TSetEditEvent OnSetEditText;

    // Arrow keys, Home/End and (with goTabs) Tab move the current cell; with goEditing a typed
    // character edits the current cell (F2 or Enter opens the editor keeping the text).
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;

protected:
    virtual bool SelectCell(int col, int row);

private:
    void Resize(int cols, int rows);
    std::vector<std::vector<std::string>> cells_;  // [row][col]
    int colCount_ = 0, rowCount_ = 0;
    int fixedCols_ = 1, fixedRows_ = 1;
    int col_ = 1, row_ = 1;
};

}  // namespace znp
