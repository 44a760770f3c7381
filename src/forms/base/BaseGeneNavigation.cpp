// Moving through the form: pages, keys, the quick pick, the view modes of the scheme list, the
// focus memory and the host window's repaint.
#include "forms/base/BaseGene.h"

#include "controls/DBLabel.h"
#include "controls/ExtPageControl.h"
#include "controls/F2Button.h"
#include "platform/Application.h"
#include "platform/ComCtrls.h"
#include "platform/Mask.h"
#include "platform/Menus.h"

namespace znp {

void TfrmBaseGene::ArrangeSystemPage() {
    if (tsOption2) {
        tsOption2->ParentFont = true;
        tsOption2->Font()->SetSize(9);
    }
    if (Height() < 110) SetHeight(110);
    if (Width() < 315) SetWidth(315);
    if (lblToday) lblToday->SetBounds(8, 12, lblToday->Width(), lblToday->Height());
    if (edPrintDate) edPrintDate->SetBounds(60, 8, 85, edPrintDate->Height());
    if (btnPrintDate) btnPrintDate->AlignToControl();
}


// Page-entry focus rule: the enabled control with the lowest tab order on the active page.
void TfrmBaseGene::pgOptionChange(TObject*) {
    if (!pgOption || !pgOption->ActivePage()) return;
    std::vector<TWinControl*> order = pgOption->ActivePage()->TabList();
    for (TWinControl* control : order) {
        if (!control->Enabled()) continue;
        if (control->CanFocus()) control->SetFocus();
        return;
    }
}

void TfrmBaseGene::tsOption2Show(TObject*) {
    if (SystemPageArranged) return;
    SystemPageArranged = true;
    ArrangeSystemPage();
}

void TfrmBaseGene::pgOptionChanging(TObject*, bool& allowChange) {
    // The control being left runs its exit checks as if the user had left it.
    PageChanging = true;
    CheckFailed = false;
    if (auto* active = ActiveControl(); active && active != this) active->DoExit();
    PageChanging = false;
    allowChange = !CheckFailed;
}

void TfrmBaseGene::QuickPick(std::uint16_t, TControl* control) {
    if (auto* win = dynamic_cast<TWinControl*>(control); win && win->CanFocus()) win->SetFocus();
}

void TfrmBaseGene::FormKeyDown(TObject*, std::uint16_t& key, TShiftState shift) {
    if (key == VK_ESCAPE && shift == 0) {
        key = 0;
        Close();
    } else if (key == VK_F2 && shift == 0) {
        key = 0;
        QuickPick(VK_F2, ActiveControl());
    }
}

void TfrmBaseGene::FormKeyPress(TObject*, char&) {}

void TfrmBaseGene::FormResize(TObject*) {
    if (HostWindow) Application().UpdateWindow(static_cast<HWND>(HostWindow));
}

void TfrmBaseGene::FocusChanged(TWinControl* previous, TWinControl* control) {
    TZNForm::FocusChanged(previous, control);
    PreviousControl = previous ? static_cast<TControl*>(previous) : this;
}

namespace {

void SetViewStyle(TListView* list, TViewStyle style, TMenuItem* item) {
    if (list) list->ViewStyle = style;
    if (item) item->SetChecked(true);
}

}  // namespace

void TfrmBaseGene::ViewIconExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsIcon, N7); }
void TfrmBaseGene::ViewSmallIconExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsSmallIcon, N8); }
void TfrmBaseGene::ViewListExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsList, N9); }
void TfrmBaseGene::ViewReportExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsReport, N10); }

void TfrmBaseGene::ToolButton1Click(TObject* sender) {
    static const char* const views[] = {"ViewIcon", "ViewSmallIcon", "ViewList", "ViewReport"};
    if (!ToolButton1) return;
    ToolButton1->Tag = (ToolButton1->Tag + 1) % 4;
    if (const MethodInfo* method = ClassType().FindMethod(std::string(views[ToolButton1->Tag]) + "Execute"))
        std::any_cast<TNotifyEvent>(method->Bind(*this))(sender);
}

}  // namespace znp
