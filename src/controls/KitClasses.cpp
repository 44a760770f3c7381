#include "controls/KitClasses.h"

#include "controls/DBLabel.h"
#include "controls/ExtPageControl.h"
#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/SelectPnl.h"
#include "controls/ZNForm.h"
#include "controls/ZNFormLangController.h"
#include "runtime/CodeConverter.h"

namespace znp {

void RegisterKitClasses() {
    // The base form's own components come first: its stored form creates them.
    RegisterClass(TCodeConverter::StaticClass());
    RegisterClass(TZnLangController::StaticClass());
    RegisterClass(TZNForm::StaticClass());
    RegisterZNFormResource();
    RegisterClass(TDBLabel::StaticClass());
    RegisterClass(TExtPageControl::StaticClass());
    RegisterClass(TGSpeedButton::StaticClass());
    RegisterClass(TF2Button::StaticClass());
    RegisterClass(TSelectPanel::StaticClass());
    RegisterClass(TSelectMaskEdit::StaticClass());
    RegisterClass(TSelectListView::StaticClass());
    RegisterClass(TSelectCheckBox::StaticClass());
}

}  // namespace znp
