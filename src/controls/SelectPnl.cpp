#include "controls/SelectPnl.h"

#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "platform/Application.h"
#include "platform/Forms.h"

namespace znp {

namespace {

const std::vector<std::string> kDefaultChildHints{
    "用户自定输入方式", "区间选择-起始信息", "区间选择-起始信息开窗", "区间选择-截止信息", "区间选择-截止信息开窗",
    "多选-己选择的信息", "多选-信息开窗",    "多选-删除一笔信息",    "多选-删除己选信息"};

void EnableTree(TWinControl& parent, bool value) {
    for (TControl* child : std::vector<TControl*>(parent.ChildControls())) {
        child->SetEnabled(value);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) EnableTree(*windowed, value);
    }
}

// The form that owns Control (through the owners of its owners), or else the form it lies on.
TCustomForm* OwningForm(const TControl& control) {
    for (TComponent* owner = control.Owner(); owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
    return GetParentForm(&control);
}

std::vector<std::string> ToVector(const TStringList& list) { return list.Items(); }

}  // namespace

// --- Inner classes -----------------------------------------------------------------------------

const ClassInfo& TSelectMaskEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSelectMaskEdit", &TMaskEdit::StaticClass());
        c.Creatable<TSelectMaskEdit>();
        return c;
    }();
    return info;
}

const ClassInfo& TSelectListView::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSelectListView", &TListView::StaticClass());
        c.Creatable<TSelectListView>();
        c.Field("AutoSizeColumns", &TSelectListView::AutoSizeColumns);
        return c;
    }();
    return info;
}

void TSelectListView::WndProc(TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN) {
        if (CanFocus() && !Focused()) SetFocus();
        if (!Focused()) return;
    }
    TListView::WndProc(message);
}

const ClassInfo& TSelectCheckBox::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSelectCheckBox", &TCheckBox::StaticClass());
        c.Creatable<TSelectCheckBox>();
        return c;
    }();
    return info;
}

// --- TSelectPanel: class information -------------------------------------------------------------

const ClassInfo& TSelectPanel::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSelectPanel", &TGroupBox::StaticClass());
        c.Creatable<TSelectPanel>();
        // In the order a stored panel applies them: Style before UserChoice.
        c.Field("AutoChangeDateSite", &TSelectPanel::AutoChangeDateSite);
        c.Object("BeginWords", &TSelectPanel::BeginWords);
        c.Prop("ColumnsAutoSize", &TSelectPanel::ColumnsAutoSize, &TSelectPanel::SetColumnsAutoSize);
        c.Prop("CanOpenWin", &TSelectPanel::CanOpenWin, &TSelectPanel::SetCanOpenWin);
        c.Prop("CheckDuplicate", &TSelectPanel::CheckDuplicate, &TSelectPanel::SetCheckDuplicate);
        c.Object("ChildHints", &TSelectPanel::ChildHints);
        c.Object("ColumnCaptions", &TSelectPanel::ColumnCaptionsHolder);
        c.Field("DateType", &TSelectPanel::DateType);
        c.Field("DateSign", &TSelectPanel::DateSign);
        c.Field("Discard", &TSelectPanel::Discard);
        c.Prop("EditMask", &TSelectPanel::EditMask, &TSelectPanel::SetEditMask);
        c.Object("FinalWords", &TSelectPanel::FinalWords);
        c.Prop("GlyphIndex", &TSelectPanel::GlyphIndex, &TSelectPanel::SetGlyphIndex);
        c.Prop("HintWord", &TSelectPanel::HintWord, &TSelectPanel::SetHintWord);
        c.Prop("HideSelection", &TSelectPanel::HideSelection, &TSelectPanel::SetHideSelection);
        c.Field("OtherHeight", &TSelectPanel::OtherHeight);
        c.Field("OtherWidth", &TSelectPanel::OtherWidth);
        c.Prop("ShowColumnHeader", &TSelectPanel::ShowColumnHeader, &TSelectPanel::SetShowColumnHeader);
        c.Prop("SortListBox", &TSelectPanel::SortListBox, &TSelectPanel::SetSortListBox);
        c.Prop("Style", &TSelectPanel::Style, &TSelectPanel::SetStyle);
        c.Field("UseDiscard", &TSelectPanel::UseDiscard);
        c.Prop("UserChoice", &TSelectPanel::UserChoice, &TSelectPanel::SetUserChoice);
        c.Prop("UseVertical", &TSelectPanel::UseVertical, &TSelectPanel::SetUseVertical);
        c.Field("ValueType", &TSelectPanel::ValueType);
        c.Event("OnOpenWinClick", &TSelectPanel::OnOpenWinClick);
        c.Event("OnClearClick", &TSelectPanel::OnClearClick);
        c.Event("OnDeleteClick", &TSelectPanel::OnDeleteClick);
        c.Event("OnTypeClick", &TSelectPanel::OnTypeClick);
        c.Event("OnStyleChanging", &TSelectPanel::OnStyleChanging);
        c.Event("OnStyleChange", &TSelectPanel::OnStyleChange);
        c.Event("OnItemSelect", &TSelectPanel::OnItemSelect);
        c.Event("OnItemChange", &TSelectPanel::OnItemChange);
        c.Event("OnItemChanging", &TSelectPanel::OnItemChanging);
        return c;
    }();
    return info;
}

// --- Construction ---------------------------------------------------------------------------------

TSelectPanel::TSelectPanel(TComponent* owner)
    : TGroupBox(owner),
      beginWords_(std::make_unique<TStringList>()),
      finalWords_(std::make_unique<TStringList>()),
      childHints_(std::make_unique<TStringList>()),
      columnCaptionsHolder_(std::make_unique<TStringList>()) {
    OtherWidth = 200;
    OtherHeight = 105;
    TGroupBox::SetBounds(Left(), Top(), 353, 45);
    useVertical_ = false;
    hintWord_ = "区间选择";
    AutoChangeDateSite = true;
    DateType = TDateType::dt_NoneCare;
    DateSign = "/";
    beginWords_->Add("起");
    beginWords_->Add("起");
    finalWords_->Add("止");
    finalWords_->Add("止");
    userChoice_ = true;
    Discard.clear();
    UseDiscard = false;
    canOpenWin_ = true;
    style_ = TSelectStyle::sp_Range;  // stored only: the first Style assignment shows the mode
    glyphIndex_ = 8;
    ValueType = TValueType::vt_String;
    blankMaskText_.clear();
    sortListBox_ = false;
    sortColumn_ = 0;
    sortAscending_ = true;
    for (const std::string& hint : kDefaultChildHints) childHints_->Add(hint);
    CreateParts();
    BeginEdit->SetText("");
    FinalEdit->SetText("");
    LinkEvents();
    ApplyChildHints();
    ShowWords();
}

TSelectPanel::~TSelectPanel() = default;

void TSelectPanel::CreateParts() {
    auto place = [this](auto* part, TWinControl* parent) {
        part->SetParent(parent);
        part->ShowHint = ShowHint;
        return part;
    };
    UserChoiceBox = place(new TSelectCheckBox(this), this);
    UserChoiceBox->SetLeft(16);
    UserChoiceBox->SetCaption(hintWord_);

    RangePanel = place(new TPanel(this), this);
    RangePanel->BevelOuter = TPanelBevel::bvNone;
    RangePanel->SetCaption(" ");

    BeginLabel = place(new TLabel(this), RangePanel);
    BeginEdit = place(new TSelectMaskEdit(this), RangePanel);
    BeginEdit->SetHeight(24);
    BeginButton = place(new TF2Button(this), RangePanel);
    FinalLabel = place(new TLabel(this), RangePanel);
    FinalEdit = place(new TSelectMaskEdit(this), RangePanel);
    FinalEdit->SetHeight(BeginEdit->Height());
    FinalButton = place(new TF2Button(this), RangePanel);

    ListPanel = place(new TPanel(this), this);
    ListPanel->BevelOuter = TPanelBevel::bvNone;
    ListPanel->SetCaption(" ");
    ListButton = place(new TF2Button(this), ListPanel);
    DeleteButton = place(new TGSpeedButton(this), ListPanel);
    ClearButton = place(new TGSpeedButton(this), ListPanel);
    ListView = place(new TSelectListView(this), ListPanel);

    for (TF2Button* button : {BeginButton, FinalButton, ListButton}) {
        button->Flat = true;
        button->SetBounds(button->Left(), button->Top(), 23, 23);
        button->SetGlyphIndex(glyphIndex_);
        button->SetNumGlyphs(1);
        button->SetAutoAlign(button != ListButton);
    }
    DeleteButton->Flat = true;
    DeleteButton->SetBounds(0, 0, 23, 23);
    DeleteButton->SetGlyphIndex(47);
    DeleteButton->SetNumGlyphs(1);
    ClearButton->Flat = true;
    ClearButton->SetBounds(0, 0, 23, 23);
    ClearButton->SetGlyphIndex(4);
    ClearButton->SetNumGlyphs(2);

    ListView->ViewStyle = TViewStyle::vsReport;
    ListView->MultiSelect = true;
    ListView->RowSelect = true;
    ListView->ReadOnly = true;
    ListView->ShowColumnHeaders = false;
    ListView->SetSortType(TSortType::stNone);
    ListView->HideSelection = false;
    rowBookValid_ = true;
}

void TSelectPanel::LinkEvents() {
    UserChoiceBox->OnClick = TNotifyEvent::Bind(this, "UserChoiceBoxClick", &TSelectPanel::UserChoiceBoxClick);
    for (TF2Button* button : {BeginButton, FinalButton, ListButton})
        button->OnClick = TNotifyEvent::Bind(this, "LookupButtonClick", &TSelectPanel::LookupButtonClick);
    DeleteButton->OnClick = TNotifyEvent::Bind(this, "DeleteButtonClick", &TSelectPanel::DeleteButtonClick);
    ClearButton->OnClick = TNotifyEvent::Bind(this, "ClearButtonClick", &TSelectPanel::ClearButtonClick);
    ListView->OnColumnClick = TLVColumnClickEvent::Bind(this, "ListColumnClick", &TSelectPanel::ListColumnClick);
    ListView->OnCompare = TLVCompareEvent::Bind(this, "ListCompare", &TSelectPanel::ListCompare);
    ListView->OnSelectItem = TLVSelectItemEvent::Bind(this, "ListSelectItem", &TSelectPanel::ListSelectItem);
    ListView->OnChange = TLVChangeEvent::Bind(this, "ListChange", &TSelectPanel::ListChange);
    ListView->OnChanging = TLVChangingEvent::Bind(this, "ListChanging", &TSelectPanel::ListChanging);
    ListView->OnDeletion = TEvent<TObject*, TListItem*>::Bind(this, "ListDeletion", &TSelectPanel::ListDeletion);
    // Clicks of the edits and the list name them; clicks elsewhere inside name the panel.
    for (TControl* part : std::vector<TControl*>{BeginEdit, FinalEdit, ListView, BeginLabel, FinalLabel, RangePanel,
                                                 ListPanel}) {
        part->OnClick = TNotifyEvent::Bind(this, "PartClick", &TSelectPanel::PartClick);
        part->OnDblClick = TNotifyEvent::Bind(this, "PartDblClick", &TSelectPanel::PartDblClick);
    }
    for (TWinControl* part : std::vector<TWinControl*>{UserChoiceBox, BeginEdit, FinalEdit, ListView}) {
        part->OnKeyDown = TKeyEvent::Bind(this, "PartKeyDown", &TSelectPanel::PartKeyDown);
        part->OnKeyUp = TKeyEvent::Bind(this, "PartKeyUp", &TSelectPanel::PartKeyUp);
        part->OnKeyPress = TKeyPressEvent::Bind(this, "PartKeyPress", &TSelectPanel::PartKeyPress);
    }
}

void TSelectPanel::Loaded() {
    TGroupBox::Loaded();
    // A stored form fills the word and hint lists in place.
    ShowWords();
    ApplyChildHints();
    if (columnCaptionsHolder_->Count() > 0 && ToVector(*columnCaptionsHolder_) != ColumnCaptions())
        SetColumnCaptions(ToVector(*columnCaptionsHolder_));
    if (!styleAssigned_) ApplyModeVisibility(style_);
    LayoutPanel();
}

TStringList* TSelectPanel::ColumnCaptionsHolder() const {
    if (!IsLoading()) {
        columnCaptionsHolder_->Clear();
        for (const std::string& caption : ColumnCaptions()) columnCaptionsHolder_->Add(caption);
    }
    return columnCaptionsHolder_.get();
}

// --- Style and mode -------------------------------------------------------------------------------

bool TSelectPanel::IsRangeMode() const {
    return style_ == TSelectStyle::sp_Range || (style_ == TSelectStyle::sp_UserChoice && UserChoiceBox->Checked());
}

bool TSelectPanel::LoadingHere() const { return IsLoading() || (Parent() && Parent()->IsLoading()); }

void TSelectPanel::ApplyModeVisibility(TSelectStyle style) {
    UserChoiceBox->SetVisible(style == TSelectStyle::sp_UserChoice);
    const bool range =
        style == TSelectStyle::sp_Range || (UserChoiceBox->Visible() && UserChoiceBox->Checked());
    RangePanel->SetVisible(range);
    ListPanel->SetVisible(!range);
}

void TSelectPanel::SwapSize() {
    const int width = Width(), height = Height();
    TGroupBox::SetBounds(Left(), Top(), OtherWidth, OtherHeight);
    OtherWidth = width;
    OtherHeight = height;
}

void TSelectPanel::SetStyle(TSelectStyle value) {
    bool accept = true;
    TSelectStyle newStyle = value;
    OnStyleChanging(this, style_, newStyle, accept);
    if (!accept) return;
    styleAssigned_ = true;
    ApplyModeVisibility(newStyle);
    if (newStyle != style_ && (newStyle == TSelectStyle::sp_Range || style_ == TSelectStyle::sp_Range) &&
        !useVertical_ && !LoadingHere())
        SwapSize();
    const TSelectStyle oldStyle = style_;
    // The layout of the new style, while Style still reads the old one.
    style_ = newStyle;
    ShowWords();
    LayoutPanel();
    style_ = oldStyle;
    OnStyleChange(this, oldStyle, newStyle);
    style_ = newStyle;
}

void TSelectPanel::ModeSwitched() {
    userChoice_ = UserChoiceBox->Checked();
    LayoutPanel();
    ApplyModeVisibility(style_);
    OnTypeClick(this);
}

void TSelectPanel::SetUserChoice(bool value) {
    if (style_ != TSelectStyle::sp_UserChoice) return;
    UserChoiceBox->DisableClicks();
    UserChoiceBox->SetChecked(value);
    UserChoiceBox->EnableClicks();
    ModeSwitched();
}

void TSelectPanel::UserChoiceBoxClick(TObject*) {
    if (style_ == TSelectStyle::sp_UserChoice) ModeSwitched();
}

// --- Texts of the parts -----------------------------------------------------------------------------

void TSelectPanel::SetHintWord(const std::string& value) {
    UserChoiceBox->SetCaption(value);
    SizeUserChoiceBox();
    hintWord_ = value;
}

void TSelectPanel::SetBeginWords(const std::vector<std::string>& words) {
    beginWords_->Clear();
    for (size_t i = 0; i < words.size() && i < 2; ++i) beginWords_->Add(words[i]);
    if (beginWords_->Count() == 0) return;
    ShowWords();
    LayoutPanel();
}

void TSelectPanel::SetFinalWords(const std::vector<std::string>& words) {
    finalWords_->Clear();
    for (size_t i = 0; i < words.size() && i < 2; ++i) finalWords_->Add(words[i]);
    if (finalWords_->Count() == 0) return;
    ShowWords();
    LayoutPanel();
}

// Entry 1 labels the vertical layouts; a list with one entry labels both, an empty one nothing.
void TSelectPanel::ShowWords() {
    const bool vertical = style_ == TSelectStyle::sp_UserChoice || (style_ == TSelectStyle::sp_Range && useVertical_);
    auto word = [vertical](const TStringList& words) {
        if (words.Count() == 0) return std::string();
        return vertical && words.Count() > 1 ? words[1] : words[0];
    };
    BeginLabel->SetCaption(word(*beginWords_));
    FinalLabel->SetCaption(word(*finalWords_));
}

void TSelectPanel::SetChildHints(const std::vector<std::string>& hints) {
    childHints_->Clear();
    for (const std::string& hint : hints) childHints_->Add(hint);
    ApplyChildHints();
}

void TSelectPanel::ApplyChildHints() {
    TControl* const parts[] = {UserChoiceBox, BeginEdit,  BeginButton,  FinalEdit,  FinalButton,
                               ListView,      ListButton, DeleteButton, ClearButton};
    for (int i = 0; i < 9 && i < childHints_->Count(); ++i) parts[i]->Hint = (*childHints_)[i];
}

// --- Range ----------------------------------------------------------------------------------------

void TSelectPanel::SetEditMask(const std::string& mask) {
    editMask_ = mask;
    const std::string kept = BeginEdit->Text();
    BeginEdit->SuppressChange = true;
    try {
        BeginEdit->SetText("");
        BeginEdit->SetEditMask(mask);
        FinalEdit->SetEditMask(mask);
        blankMaskText_ = mask.empty() ? std::string() : BeginEdit->Text();
        BeginEdit->SetText(kept);
    } catch (...) {
        BeginEdit->SuppressChange = false;
        throw;
    }
    BeginEdit->SuppressChange = false;
}

// --- Buttons ----------------------------------------------------------------------------------------

void TSelectPanel::SetCanOpenWin(bool value) {
    if (value == canOpenWin_) return;
    canOpenWin_ = value;
    ListButton->SetVisible(value);
    BeginButton->SetVisible(value);
    FinalButton->SetVisible(value);
    LayoutPanel();
}

void TSelectPanel::SetGlyphIndex(int value) {
    if (value == glyphIndex_) return;
    try {
        BeginButton->SetGlyphIndex(value);
        FinalButton->SetGlyphIndex(BeginButton->GlyphIndex());
        ListButton->SetGlyphIndex(BeginButton->GlyphIndex());
        glyphIndex_ = value;
    } catch (...) {
        for (TF2Button* button : {BeginButton, FinalButton, ListButton}) {
            try {
                button->SetGlyphIndex(0);
            } catch (...) {
            }
        }
    }
}

void TSelectPanel::SetUseVertical(bool value) {
    if (value == useVertical_ || style_ != TSelectStyle::sp_Range) return;
    useVertical_ = value;
    if (!LoadingHere()) SwapSize();
    ShowWords();
    LayoutPanel();
}

void TSelectPanel::LookupButtonClick(TObject* sender) {
    TWinControl* target = sender == BeginButton   ? static_cast<TWinControl*>(BeginEdit)
                          : sender == FinalButton ? static_cast<TWinControl*>(FinalEdit)
                                                  : static_cast<TWinControl*>(ListView);
    if (target->CanFocus()) target->SetFocus();
    if (TCustomForm* form = OwningForm(*this))
        Application().SendMessage(form->Handle(), kQuickPickMessage, 0, reinterpret_cast<std::intptr_t>(target));
    OnOpenWinClick(this, target);
}

std::vector<TControl*> TSelectPanel::DisabledImageButtons() const { return {ListButton, DeleteButton, ClearButton}; }

// --- Focus and enabling -------------------------------------------------------------------------------

void TSelectPanel::SetFocus() {
    TGroupBox::SetFocus();
    if (!IsRangeMode() && ListView->CanFocus()) ListView->SetFocus();
}

void TSelectPanel::SetEnabled(bool value) {
    TGroupBox::SetEnabled(value);
    enabledCopy_ = value;
    EnableTree(*this, value);
}

void TSelectPanel::DoExit() {
    OrderRange();
    TGroupBox::DoExit();
}

// --- Events of the parts, passed on ---------------------------------------------------------------------

void TSelectPanel::PartClick(TObject* sender) {
    const bool named = sender == BeginEdit || sender == FinalEdit || sender == ListView;
    OnClick(named ? sender : this);
}

void TSelectPanel::PartDblClick(TObject* sender) {
    const bool named = sender == BeginEdit || sender == FinalEdit || sender == ListView;
    OnDblClick(named ? sender : this);
}

void TSelectPanel::PartKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift) { OnKeyDown(sender, key, shift); }
void TSelectPanel::PartKeyUp(TObject* sender, std::uint16_t& key, TShiftState shift) { OnKeyUp(sender, key, shift); }
void TSelectPanel::PartKeyPress(TObject* sender, char& key) { OnKeyPress(sender, key); }

}  // namespace znp
