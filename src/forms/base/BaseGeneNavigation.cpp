// Moving through the form: the system page's layout, page entry and page exit, the view modes of
// the scheme list, the focus memory and the host window's repaint. The keyboard is in
// BaseGeneKeys.cpp, the quick pick and the lookup helpers in BaseGeneLookups.cpp.
#include "controls/DBLabel.h"
#include "controls/ExtPageControl.h"
#include "controls/F2Button.h"
#include "controls/SelectPnl.h"
#include "forms/base/BaseGene.h"
#include "platform/Application.h"
#include "platform/ComCtrls.h"
#include "platform/Mask.h"
#include "platform/Menus.h"

namespace znp {

void TfrmBaseGene::ArrangeSystemPage() {
    if (tsOption2) {
        tsOption2->SetParentFont(true);
        tsOption2->Font()->SetSize(9);
    }
    if (Height() < 110) SetHeight(110);
    if (Width() < 315) SetWidth(315);
    if (lblToday) {
        lblToday->SetAutoSize(true);
        lblToday->SetBounds(8, 12, lblToday->Width(), lblToday->Height());
    }
    if (edPrintDate) edPrintDate->SetBounds(60, 8, 85, edPrintDate->Height());
    if (btnPrintDate) btnPrintDate->AlignToControl();
}

void TfrmBaseGene::tsOption2Show(TObject*) {
    if (SystemPageArranged) return;
    SystemPageArranged = true;
    ArrangeSystemPage();
}

namespace {

// Visible and enabled up to the form, whether or not the form is showing yet.
bool Reachable(const TWinControl& control, const TCustomForm& form) {
    for (const TControl* c = &control; c && c != &form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

}  // namespace

// Page entry: the first enabled control in tab order; a disabled one passes the turn to the next
// tab order. A control that cannot take the focus for another reason (hidden) passes it too.
// Before the form is showing (its first show enters the first page) the control is only made
// the active one, and the focus goes there when the form appears.
void TfrmBaseGene::pgOptionChange(TObject*) {
    if (!pgOption || !pgOption->ActivePage()) return;
    for (TWinControl* control : pgOption->ActivePage()->TabList()) {
        if (!Reachable(*control, *this)) continue;
        TWinControl* target = control;
        if (auto* panel = dynamic_cast<TSelectPanel*>(control))
            target = panel->IsRangeMode() ? static_cast<TWinControl*>(panel->BeginEdit) : panel->ListView;
        if (!Reachable(*target, *this)) continue;
        if (Visible())
            target->SetFocus();
        else
            SetActiveControl(target);
        return;
    }
}

// Leaving a page: the control being left runs its exit checks as if the user had left it (for
// an edit of a selection panel, the panel's); a failed check keeps the page.
void TfrmBaseGene::pgOptionChanging(TObject*, bool& allowChange) {
    PageChanging = true;
    CheckFailed = false;
    TWinControl* active = ActiveControl();
    if (active && active != this) {
        for (TWinControl* parent = active->Parent(); parent && parent != this; parent = parent->Parent())
            if (auto* panel = dynamic_cast<TSelectPanel*>(parent)) {
                active = panel;
                break;
            }
        try {
            active->DoExit();
        } catch (...) {
            PageChanging = false;
            throw;
        }
    }
    PageChanging = false;
    allowChange = !CheckFailed;
}

void TfrmBaseGene::FormResize(TObject*) {
    if (HostWindow) Application().UpdateWindow(static_cast<HWND>(HostWindow));
}

void TfrmBaseGene::FocusChanged(TWinControl* previous, TWinControl* control) {
    TZNForm::FocusChanged(previous, control);
    PreviousControl = previous ? static_cast<TControl*>(previous) : this;
}

// --- View modes of the scheme list ---------------------------------------------------------------

namespace {

void SetViewStyle(TListView* list, TViewStyle style, TMenuItem* item) {
    if (list) {
        list->BeginUpdate();
        list->ViewStyle = style;
        list->EndUpdate();
    }
    if (item) item->SetChecked(true);
}

}  // namespace

void TfrmBaseGene::ViewIconExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsIcon, N7); }
void TfrmBaseGene::ViewSmallIconExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsSmallIcon, N8); }
void TfrmBaseGene::ViewListExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsList, N9); }
void TfrmBaseGene::ViewReportExecute(TObject*) { SetViewStyle(lstCondition, TViewStyle::vsReport, N10); }

// The button steps through the four views; the operation is found by its published name, so a
// derived level that publishes its own view operation of the same name is the one called.
void TfrmBaseGene::ToolButton1Click(TObject* sender) {
    static const char* const views[] = {"ViewIcon", "ViewSmallIcon", "ViewList", "ViewReport"};
    if (!ToolButton1) return;
    // A tag set from outside may be anything: it is read modulo four.
    ToolButton1->Tag = ((ToolButton1->Tag % 4 + 4) % 4 + 1) % 4;
    const MethodInfo* method = ClassType().FindMethod(std::string(views[ToolButton1->Tag]) + "Execute");
    if (!method) return;
    const std::any bound = method->Bind(*this);
    if (const auto* handler = std::any_cast<TNotifyEvent>(&bound)) (*handler)(sender);
}

}  // namespace znp
