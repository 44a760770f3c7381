#include "platform/Grids.h"

#include <algorithm>

#include "platform/StdCtrls.h"

namespace znp {

const ClassInfo& TStringGrid::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TStringGrid", &TWinControl::StaticClass());
        c.Creatable<TStringGrid>();
        c.Prop("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount);
        c.Prop("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount);
        c.Prop("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols);
        c.Prop("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows);
        c.Prop("Col", &TStringGrid::Col, &TStringGrid::SetCol);
        c.Prop("Row", &TStringGrid::Row, &TStringGrid::SetRow);
        c.SetField("Options", &TStringGrid::Options, kGridOptionNames);
        c.Field("DefaultColWidth", &TStringGrid::DefaultColWidth);
        c.Field("DefaultRowHeight", &TStringGrid::DefaultRowHeight);
        c.Event("OnSelectCell", &TStringGrid::OnSelectCell);
        c.Event("OnSetEditText", &TStringGrid::OnSetEditText);
        return c;
    }();
    return info;
}

TStringGrid::TStringGrid(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 320, 120);
    Resize(5, 5);
}

void TStringGrid::Resize(int cols, int rows) {
    colCount_ = cols;
    rowCount_ = rows;
    cells_.resize(rows);
    for (auto& row : cells_) row.resize(cols);
    col_ = std::clamp(col_, std::min(fixedCols_, cols - 1), std::max(cols - 1, 0));
    row_ = std::clamp(row_, std::min(fixedRows_, rows - 1), std::max(rows - 1, 0));
}

void TStringGrid::SetColCount(int value) {
    if (value < 1) value = 1;
    if (value <= fixedCols_) fixedCols_ = value - 1;
    Resize(value, rowCount_);
}

void TStringGrid::SetRowCount(int value) {
    if (value < 1) value = 1;
    if (value <= fixedRows_) fixedRows_ = value - 1;
    Resize(colCount_, value);
}

void TStringGrid::SetFixedCols(int value) {
    if (value < 0 || value >= colCount_) throw Exception("Fixed column count must be less than column count");
    fixedCols_ = value;
    col_ = std::max(col_, value);
}

void TStringGrid::SetFixedRows(int value) {
    if (value < 0 || value >= rowCount_) throw Exception("Fixed row count must be less than row count");
    fixedRows_ = value;
    row_ = std::max(row_, value);
}

const std::string& TStringGrid::Cells(int col, int row) const {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) throw Exception("Grid index out of range");
    return cells_[row][col];
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) throw Exception("Grid index out of range");
    if (cells_[row][col] == text) return;
    cells_[row][col] = text;
    NotifyView(TViewAspect::Items);
}

std::vector<std::string> TStringGrid::Rows(int row) const {
    if (row < 0 || row >= rowCount_) throw Exception("Grid index out of range");
    return cells_[row];
}

std::vector<std::string> TStringGrid::Cols(int col) const {
    if (col < 0 || col >= colCount_) throw Exception("Grid index out of range");
    std::vector<std::string> result;
    for (const auto& row : cells_) result.push_back(row[col]);
    return result;
}

bool TStringGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

bool TStringGrid::MoveTo(int col, int row) {
    if (col < fixedCols_ || row < fixedRows_ || col >= colCount_ || row >= rowCount_)
        throw Exception("Grid index out of range");
    if (col == col_ && row == row_) return true;
    if (!SelectCell(col, row)) return false;
    col_ = col;
    row_ = row;
    EditorMode = false;
    return true;
}

void TStringGrid::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    int col = col_, row = row_;
    switch (key) {
        case VK_LEFT: col = std::max(col - 1, fixedCols_); break;
        case VK_RIGHT: col = std::min(col + 1, colCount_ - 1); break;
        case VK_UP: row = std::max(row - 1, fixedRows_); break;
        case VK_DOWN: row = std::min(row + 1, rowCount_ - 1); break;
        case VK_HOME: col = fixedCols_; break;
        case VK_END: col = colCount_ - 1; break;
        case VK_F2:
            if (Options & goEditing) EditorMode = true;
            return;
        case VK_TAB:
            if (!(Options & goTabs)) return;
            if (shift & ssShift) {
                if (--col < fixedCols_) col = colCount_ - 1, row = std::max(row - 1, fixedRows_);
            } else if (++col >= colCount_) {
                col = fixedCols_;
                row = std::min(row + 1, rowCount_ - 1);
            }
            key = 0;
            break;
        default: return;
    }
    MoveTo(col, row);
}

void TStringGrid::KeyPress(char& key) {
    TWinControl::KeyPress(key);
    if (!key || !(Options & goEditing) || (Options & goRowSelect)) return;
    const unsigned char c = static_cast<unsigned char>(key);
    std::string& cell = cells_[row_][col_];
    if (c == VK_RETURN) {
        EditorMode = !EditorMode;
        return;
    }
    if (c == VK_BACK) {
        if (!EditorMode) return;
        cell.erase(textedit::PrevCharStart(cell, cell.size()));
    } else if (c >= 0x20) {
        // Typing into a cell that is not being edited replaces its text.
        if (!EditorMode) cell.clear();
        EditorMode = true;
        cell += key;
    } else {
        return;
    }
    OnSetEditText(this, col_, row_, cell);
}

}  // namespace znp
