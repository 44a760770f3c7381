#include "controls/KitClasses.h"

#include "controls/BitCheckBox.h"
#include "controls/DBLabel.h"
#include "controls/ExtPageControl.h"
#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/SelectPnl.h"
#include "controls/ZNForm.h"
#include "controls/ZNFormLangController.h"
#include "controls/ZnEdit.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/DBCtrls.h"
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
    // The labelled edits, the bitmap check box, the radio controls and the spin edit, with the
    // data-aware controls they build on.
    RegisterDataControlClasses();
    RegisterClass(TZnEdit::StaticClass());
    RegisterClass(TZnDBEdit::StaticClass());
    RegisterClass(TZnBtnDBEdit::StaticClass());
    RegisterClass(TBitCheckBox::StaticClass());
    RegisterClass(TZnRadioButton::StaticClass());
    RegisterClass(TZnRadioGroup::StaticClass());
    RegisterClass(TZnSpinEdit::StaticClass());
}

}  // namespace znp
