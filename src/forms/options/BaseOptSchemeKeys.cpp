// The scheme key list: which controls a condition scheme stores. Every control of the condition
// pages in tab order (nested ones included) adds its key by class; the system and periodic pages
// are not part of schemes.
#include "controls/ExtPageControl.h"
#include "controls/SelectPnl.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "platform/SysUtils.h"
#include "forms/options/BaseOpt.h"
#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// The key suffix of a control by class, first match wins; "" for none.
std::string KeySuffix(const TWinControl& control) {
    if (dynamic_cast<const TMemo*>(&control)) return "";
    if (dynamic_cast<const TCustomEdit*>(&control)) return ".text";
    if (dynamic_cast<const TComboBox*>(&control)) return ".itemindex";
    if (dynamic_cast<const TCheckBox*>(&control) || dynamic_cast<const TBitCheckBox*>(&control)) return ".checked";
    // Only the platform's radio button: the kit's radio button is of another class.
    if (control.ClassType().Name() == std::string("TRadioButton")) return ".checked";
    if (dynamic_cast<const TSelectPanel*>(&control)) return ".style";
    if (dynamic_cast<const TRadioGroup*>(&control) || dynamic_cast<const TZnRadioGroup*>(&control))
        return ".itemindex";
    return "";
}

void AddKeys(const TWinControl& parent, std::string& keys) {
    for (TWinControl* control : parent.TabList()) {
        const std::string name = Trim(control->Name());
        if (!name.empty()) {
            const std::string suffix = KeySuffix(*control);
            if (!suffix.empty()) keys += control->Name() + suffix + ";";
        }
        AddKeys(*control, keys);
    }
}

}  // namespace

void TfrmBaseOpt::BuildSchemeKeys() {
    if (!pgOption) return;
    for (int i = 0; i < pgOption->PageCount(); ++i) {
        TTabSheet* page = pgOption->Pages(i);
        if (page == tsOption2 || page == tsPeriodOption) continue;
        AddKeys(*page, SchemeKeys);
    }
}

}  // namespace znp
