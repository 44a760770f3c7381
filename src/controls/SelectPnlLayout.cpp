// Geometry of the selection panel. Text sizes follow the platform's label rule: a line is as
// high as the font's character height and every byte of it half as wide.
#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/SelectPnl.h"

namespace znp {

namespace {

constexpr int kBevelWidth = 1;  // the borderless inner panels keep the platform's bevel width

int TextHeight(const TControl& control) {
    const int height = control.Font()->Height();
    return height < 0 ? -height : height;
}

int TextWidth(const TControl& control, const std::string& text) {
    return static_cast<int>((text.size() * static_cast<size_t>(TextHeight(control)) + 1) / 2);
}

int Right(const TControl& c) { return c.Left() + c.Width(); }

}  // namespace

void TSelectPanel::SizeUserChoiceBox() {
    const std::string& caption = UserChoiceBox->Caption();
    UserChoiceBox->SetBounds(UserChoiceBox->Left(), UserChoiceBox->Top(), TextWidth(*UserChoiceBox, caption) + 24,
                             TextHeight(*UserChoiceBox) + 2);
}

void TSelectPanel::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    TGroupBox::SetBounds(left, top, width, height);
    if (resized && ListView) LayoutPanel();
}

void TSelectPanel::LayoutPanel() {
    if (!ListView) return;  // still being built
    SizeUserChoiceBox();
    const int captionHeight = TextHeight(*this);
    if (style_ == TSelectStyle::sp_UserChoice) {
        UserChoiceBox->SetVisible(true);
        UserChoiceBox->SetBounds(16, captionHeight + 1, UserChoiceBox->Width(), UserChoiceBox->Height());
        const int top = UserChoiceBox->Top() + TextHeight(*UserChoiceBox) + 2;
        const int width = Width() - 2 - 2, height = Height() - top - 2;
        RangePanel->SetBounds(2, top, width, height);
        ListPanel->SetBounds(2, top, width, height);
        LayoutRangeRows(true);
        LayoutListRows();
        return;
    }
    UserChoiceBox->SetVisible(false);
    const int left = 2, top = captionHeight + 3;
    const int width = Width() - left - kBevelWidth - 2, height = Height() - top - kBevelWidth - 2;
    RangePanel->SetBounds(left, top, width, height);
    ListPanel->SetBounds(left, top, width, height);
    if (style_ == TSelectStyle::sp_Range) LayoutRangeRows(useVertical_);
    else LayoutListRows();
}

void TSelectPanel::LayoutRangeRows(bool vertical) {
    const int panelWidth = RangePanel->Width(), panelHeight = RangePanel->Height();
    BeginLabel->AdjustBounds();
    FinalLabel->AdjustBounds();
    if (vertical) {
        const int gap = (panelHeight - BeginEdit->Height() - FinalEdit->Height()) / 3;
        BeginLabel->SetBounds(2, gap, BeginLabel->Width(), BeginLabel->Height());
        const int editLeft = Right(*BeginLabel) + 2;
        const int editWidth = canOpenWin_
                                  ? panelWidth - BeginLabel->Left() - BeginLabel->Width() - BeginButton->Width() - 4
                                  : panelWidth - BeginLabel->Left() - BeginLabel->Width() - 2;
        BeginEdit->SetBounds(editLeft, gap, editWidth, BeginEdit->Height());
        if (canOpenWin_) BeginButton->SetBounds(Right(*BeginEdit) + 1, gap, BeginButton->Width(), BeginButton->Height());
        const int finalTop = gap + BeginLabel->Top() + BeginEdit->Height();
        FinalLabel->SetBounds(BeginLabel->Left(), finalTop, FinalLabel->Width(), FinalLabel->Height());
        FinalEdit->SetBounds(BeginEdit->Left(), finalTop, BeginEdit->Width(), FinalEdit->Height());
        if (canOpenWin_)
            FinalButton->SetBounds(BeginButton->Left(), finalTop, FinalButton->Width(), FinalButton->Height());
        return;
    }
    const int top = (panelHeight - BeginEdit->Height()) / 2;
    BeginLabel->SetBounds(2, top, BeginLabel->Width(), BeginLabel->Height());
    const int labels = BeginLabel->Left() + BeginLabel->Width() + FinalLabel->Width();
    if (canOpenWin_) {
        const int editWidth = (panelWidth - labels - BeginButton->Width() - FinalButton->Width() - 8) / 2;
        BeginEdit->SetBounds(Right(*BeginLabel) + 1, top, editWidth, BeginEdit->Height());
        BeginButton->SetBounds(Right(*BeginEdit) + 2, top, BeginButton->Width(), BeginButton->Height());
        FinalLabel->SetBounds(Right(*BeginButton) + 2, top, FinalLabel->Width(), FinalLabel->Height());
        FinalEdit->SetBounds(Right(*FinalLabel) + 2, top, editWidth, FinalEdit->Height());
        FinalButton->SetBounds(Right(*FinalEdit) + 2, top, FinalButton->Width(), FinalButton->Height());
    } else {
        const int editWidth = (panelWidth - labels - 4) / 2;
        BeginEdit->SetBounds(Right(*BeginLabel) + 1, top, editWidth, BeginEdit->Height());
        FinalLabel->SetBounds(Right(*BeginEdit) + 4, top, FinalLabel->Width(), FinalLabel->Height());
        FinalEdit->SetBounds(Right(*FinalLabel) + 2, top, editWidth, FinalEdit->Height());
    }
}

void TSelectPanel::LayoutListRows() {
    const int listWidth = ListPanel->Width() - ListView->Left() - ListButton->Width() - 3;
    ListView->SetBounds(ListView->Left(), 0, listWidth, ListPanel->Height());
    ListButton->SetBounds(listWidth + 2, ListView->Top(), ListButton->Width(), ListButton->Height());
    DeleteButton->SetBounds(ListButton->Left(), ListButton->Top() + ListButton->Height(), DeleteButton->Width(),
                            DeleteButton->Height());
    ClearButton->SetBounds(ListButton->Left(), DeleteButton->Top() + DeleteButton->Height(), ClearButton->Width(),
                           ClearButton->Height());
}

}  // namespace znp
