#include "controls/KitClasses.h"

#include "controls/DBLabel.h"
#include "controls/ExtPageControl.h"
#include "controls/F2Button.h"
#include "controls/GSpdBtn.h"
#include "controls/ZNForm.h"

namespace znp {

void RegisterKitClasses() {
    RegisterClass(TZNForm::StaticClass());
    RegisterZNFormResource();
    RegisterClass(TDBLabel::StaticClass());
    RegisterClass(TExtPageControl::StaticClass());
    RegisterClass(TGSpeedButton::StaticClass());
    RegisterClass(TF2Button::StaticClass());
}

}  // namespace znp
