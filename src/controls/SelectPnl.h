// TSelectPanel: the condition control of the report forms. Inside a captioned frame the user
// gives one condition either as a range (a begin and a final text, each with its lookup button)
// or as a list of chosen values (a read-only multi-column list with lookup, delete and clear
// buttons). Style says which ways are offered: range only, list only, or a check box that
// switches between the two.
//
// The panel fetches no lookup data itself: its lookup buttons send the owning form the
// quick-pick request, and the form fills the edit or adds rows with AddRow.
//
// Sources: SelectPnl.cpp (parts, properties, style and mode, focus), SelectPnlLayout.cpp
// (geometry), SelectPnlRange.cpp (putting the range in order), SelectPnlList.cpp (rows,
// duplicates, widths, sorting), SelectPnlSaveValue.cpp (the saved value), SelectPnlCodePage.cpp
// (code-page conversion of the panel's own texts).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/ZNForm.h"
#include "platform/ExtCtrls.h"
#include "platform/ListView.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "runtime/CodeConverter.h"

namespace znp {

class TF2Button;
class TGSpeedButton;
class TSelectPanel;
class IDateLayoutOwner;

ZNP_ENUM(TSelectStyle, sp_Range, sp_Discrete, sp_UserChoice);
ZNP_ENUM(TValueType, vt_String, vt_Number, vt_Date, vt_Time, vt_Float, vt_OtherMask);
ZNP_ENUM(TDateType, dt_NoneCare, dt_YYYYMMDD, dt_MMDDYYYY, dt_DDMMYYYY, dt_YYMMDD, dt_YYYMMDD);
ZNP_ENUM(TCheckDuplicate, cd_None, cd_CheckCase, cd_CaseInsensitive);

using TOpenWinClickEvent = TEvent<TSelectPanel*, TWinControl*>;
using TDeleteClickEvent = TEvent<TObject*, bool&>;
using TStyleChangingEvent = TEvent<TObject*, TSelectStyle, TSelectStyle&, bool&>;
using TStyleChangeEvent = TEvent<TObject*, TSelectStyle, TSelectStyle>;
using TListViewSelectItemEvent = TEvent<TObject*, TListItem*, int, bool>;
using TListViewDataChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TListViewDataChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;

// The error of a saved value whose list cannot be read.
inline constexpr const char* kParseSaveValueError = "parse spSaveValue error";

// A range end read as a date of layout DateType (1-5), the fields cut at Sign: the day number, or
// 0 when it is no date. With one separator the text is a year and month and reads as the first
// of that month; a blank text (equal to BlankText once trimmed) is no date.
double ReadRangeDate(const std::string& text, const std::string& sign, int dateType, const std::string& blankText);
// The list's comparison of two texts: without regard to the case of letters, double-byte
// characters of the code page kept whole and ordered by their code.
int CompareTextNoCase(const std::string& a, const std::string& b, const std::string& codePage);

// A masked edit that can keep its change notification back.
class TSelectMaskEdit : public TMaskEdit {
public:
    ZNP_DECLARE_CLASS()
    using TMaskEdit::TMaskEdit;
    // While set, the edit raises no OnChange.
    bool SuppressChange = false;

protected:
    void Change() override {
        if (!SuppressChange) TMaskEdit::Change();
    }
};

// The panel's list: report style. A left press takes the focus first and is handled only when
// the list then has it.
class TSelectListView : public TListView {
public:
    ZNP_DECLARE_CLASS()
    explicit TSelectListView(TComponent* owner) : TListView(owner) {}
    // Fit the column widths after every added row (the panel's ColumnsAutoSize).
    bool AutoSizeColumns = true;
    void WndProc(TMessage& message) override;
};

// The user-choice check box: a click toggles it, then raises OnClick; Space clicks it.
class TSelectCheckBox : public TCheckBox {
public:
    ZNP_DECLARE_CLASS()
    using TCheckBox::TCheckBox;
};

class TSelectPanel : public TGroupBox, public ICodePageContents, public IDisabledImageButtons {
public:
    ZNP_DECLARE_CLASS()
    explicit TSelectPanel(TComponent* owner);
    ~TSelectPanel() override;

    // --- Inner parts, in creation order ----------------------------------------------------
    TSelectCheckBox* UserChoiceBox = nullptr;
    TPanel* RangePanel = nullptr;
    TLabel* BeginLabel = nullptr;
    TSelectMaskEdit* BeginEdit = nullptr;
    TF2Button* BeginButton = nullptr;
    TLabel* FinalLabel = nullptr;
    TSelectMaskEdit* FinalEdit = nullptr;
    TF2Button* FinalButton = nullptr;
    TPanel* ListPanel = nullptr;
    TF2Button* ListButton = nullptr;
    TGSpeedButton* DeleteButton = nullptr;
    TGSpeedButton* ClearButton = nullptr;
    TSelectListView* ListView = nullptr;

    // --- Style and mode ----------------------------------------------------------------------
    TSelectStyle Style() const { return style_; }
    // OnStyleChanging (may replace the style or refuse), mode visibility, size swap between the
    // one-row and the tall layouts, layout, OnStyleChange (Style still the old one), then Style.
    void SetStyle(TSelectStyle value);
    bool UserChoice() const { return userChoice_; }
    // Only on a user-choice panel: ticks the check box and switches the mode (OnTypeClick).
    void SetUserChoice(bool value);
    // Range when the style is sp_Range, or sp_UserChoice with the check box ticked.
    bool IsRangeMode() const;

    // --- Texts of the parts ------------------------------------------------------------------
    const std::string& HintWord() const { return hintWord_; }
    void SetHintWord(const std::string& value);
    // Entry 0 labels the one-row range, entry 1 the vertical one.
    TStringList* BeginWords() const { return beginWords_.get(); }
    TStringList* FinalWords() const { return finalWords_.get(); }
    void SetBeginWords(const std::vector<std::string>& words);
    void SetFinalWords(const std::vector<std::string>& words);
    // Hints of the nine inner parts by position (check box, begin edit, begin button, final edit,
    // final button, list, list button, delete button, clear button).
    TStringList* ChildHints() const { return childHints_.get(); }
    void SetChildHints(const std::vector<std::string>& hints);

    // --- Range -------------------------------------------------------------------------------
    TValueType ValueType = TValueType::vt_String;
    TDateType DateType = TDateType::dt_NoneCare;
    std::string DateSign = "/";
    bool AutoChangeDateSite = true;
    std::string Discard;
    bool UseDiscard = false;
    const std::string& EditMask() const { return editMask_; }
    // Both edits take the mask; the begin edit keeps its text and raises no change meanwhile.
    void SetEditMask(const std::string& mask);
    // What an empty edit shows under the current mask.
    const std::string& BlankMaskText() const { return blankMaskText_; }
    // Puts the range in order as leaving the panel does (without OnExit).
    void OrderRange();

    // --- Buttons and layout ------------------------------------------------------------------
    bool CanOpenWin() const { return canOpenWin_; }
    void SetCanOpenWin(bool value);
    int GlyphIndex() const { return glyphIndex_; }
    void SetGlyphIndex(int value);
    bool UseVertical() const { return useVertical_; }
    void SetUseVertical(bool value);
    int OtherWidth = 200;
    int OtherHeight = 105;
    // Lays the parts out for the current style.
    void LayoutPanel();
    void SetBounds(int left, int top, int width, int height) override;

    // --- List ----------------------------------------------------------------------------------
    TCheckDuplicate CheckDuplicate() const { return checkDuplicate_; }
    void SetCheckDuplicate(TCheckDuplicate value);
    bool SortListBox() const { return sortListBox_; }
    void SetSortListBox(bool value);
    bool ColumnsAutoSize() const;
    void SetColumnsAutoSize(bool value);
    // A fresh copy of the column captions.
    std::vector<std::string> ColumnCaptions() const;
    // The published list of the captions: a fresh copy; a stored form fills it and the columns
    // are rebuilt when the panel is loaded.
    TStringList* ColumnCaptionsHolder() const;
    // Rebuilds the columns: one per caption, each as wide as its content.
    void SetColumnCaptions(const std::vector<std::string>& captions);
    bool ShowColumnHeader() const;
    void SetShowColumnHeader(bool value);
    bool HideSelection() const;
    void SetHideSelection(bool value);
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }

    // Adds a row: Values[0] the caption, the rest its sub-items. Creates the missing columns
    // ("Data1", ...), pads every row to the same number of sub-items, removes duplicates and fits
    // the widths. False for no values or any failure; never raises.
    bool AddRow(const std::vector<std::string>& values);
    // Removes every row (no event).
    void ClearRows();
    // The delete button: OnDeleteClick may refuse; then the selected rows go.
    void DeleteSelectedRows();
    // The clear button: every row goes, the list takes the focus, OnClearClick.
    void ClearAllRows();
    // A click on the header of column Index: the same column again reverses the order.
    void SortByColumn(int index);
    // The comparison of the list's order (SortColumn with its fall-back columns, direction).
    int CompareRows(const TListItem& a, const TListItem& b) const;

    // --- Saved value ----------------------------------------------------------------------
    std::string BuildSaveValue() const;
    // Raises "parse spSaveValue error" when a list cannot be read; the rows stay as they were.
    void ApplySaveValue(const std::string& text);

    // --- Focus and enabling ----------------------------------------------------------------
    // In list mode the focus goes on to the list.
    void SetFocus() override;
    // The value reaches every inner part at every depth.
    void SetEnabled(bool value) override;
    bool EnabledCopy() const { return enabledCopy_; }
    void DoExit() override;

    // --- Events ------------------------------------------------------------------------------
    TOpenWinClickEvent OnOpenWinClick;
    TNotifyEvent OnClearClick;
    TDeleteClickEvent OnDeleteClick;
    TNotifyEvent OnTypeClick;
    TStyleChangingEvent OnStyleChanging;
    TStyleChangeEvent OnStyleChange;
    TListViewSelectItemEvent OnItemSelect;
    TListViewDataChangeEvent OnItemChange;
    TListViewDataChangingEvent OnItemChanging;

    void Loaded() override;
    // ICodePageContents: words, hints, column captions and rows.
    void ConvertContents(const std::function<std::string(const std::string&)>& convert, bool withContents) override;
    // IDisabledImageButtons: the list's lookup, delete and clear buttons.
    std::vector<TControl*> DisabledImageButtons() const override;

private:
    void CreateParts();
    void LinkEvents();
    // Shows the parts of the mode that Style gives.
    void ApplyModeVisibility(TSelectStyle style);
    void SwapSize();
    bool LoadingHere() const;
    void SizeUserChoiceBox();
    void LayoutRangeRows(bool vertical);
    void LayoutListRows();
    void ShowWords();
    void ApplyChildHints();
    void ModeSwitched();
    IDateLayoutOwner* DateOwner() const;
    void ReadList(const std::string& listText);
    std::string ListText() const;

    // Handlers of the inner parts.
    void UserChoiceBoxClick(TObject* sender);
    void LookupButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ClearButtonClick(TObject* sender);
    void ListColumnClick(TObject* sender, TListColumn* column);
    void ListCompare(TObject* sender, TListItem* a, TListItem* b, int data, int& result);
    void ListSelectItem(TObject* sender, TListItem* item, bool selected);
    void ListChange(TObject* sender, TListItem* item, TItemChange change);
    void ListChanging(TObject* sender, TListItem* item, TItemChange change, bool& allow);
    void ListDeletion(TObject* sender, TListItem* item);
    void PartClick(TObject* sender);
    void PartDblClick(TObject* sender);
    void PartKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    void PartKeyUp(TObject* sender, std::uint16_t& key, TShiftState shift);
    void PartKeyPress(TObject* sender, char& key);

    // List bookkeeping (SelectPnlList.cpp): what AddRow knows about the rows so that a long
    // lookup adds each row in logarithmic time instead of going over all rows again.
    void InvalidateRowBook() { rowBookValid_ = false; }
    void RebuildRowBook();
    void RemoveDuplicatesAll();
    void FitColumns();
    void CountRowLengths(const TListItem& item, int delta);
    bool SameCaption(const std::string& a, const std::string& b) const;
    int LetterWidth() const;

    TSelectStyle style_ = TSelectStyle::sp_Range;
    bool styleAssigned_ = false;
    bool userChoice_ = true;
    std::string hintWord_;
    std::unique_ptr<TStringList> beginWords_, finalWords_, childHints_, columnCaptionsHolder_;
    std::string editMask_;
    std::string blankMaskText_;
    bool canOpenWin_ = true;
    int glyphIndex_ = 0;
    bool useVertical_ = false;
    TCheckDuplicate checkDuplicate_ = TCheckDuplicate::cd_None;
    bool sortListBox_ = false;
    int sortColumn_ = 0;
    bool sortAscending_ = true;
    bool enabledCopy_ = true;

    // Row bookkeeping, valid while only AddRow changed the rows: the rows are in the list's order
    // without equal neighbours (when duplicates are checked), every row has subItemCount_
    // sub-items, and lengthCounts_[k] counts the byte lengths of column k over all rows.
    bool rowBookValid_ = false;
    bool addingRow_ = false;
    int bookRowCount_ = 0;
    int subItemCount_ = 0;
    std::vector<std::map<size_t, int>> lengthCounts_;
};

}  // namespace znp
