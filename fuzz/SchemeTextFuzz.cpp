// libFuzzer target over the scheme value text: a value text (and optionally the keys) from the
// input restored into the report's condition form, as opening a condition scheme does, then saved
// again and restored until it settles. Input: selector byte
// (date layout and separator), then either values alone (the form's own keys) or keys NUL values.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzInput.h"
#include "forms/base/BaseGene.h"
#include "module/DLLBaseCtrller.h"
#include "module/DLLFunc.h"
#include "controls/SelectPnl.h"
#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/Mask.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "platform/Strings.h"

using namespace znp;

namespace {

// Condition controls of every kind a scheme keeps, added where the form has none of that name:
// a date range panel, a list panel, a combo box, a check box and a date edit.
const char* const kKeys = "fzDates.style;fzList.style;fzCombo.itemindex;fzCheck.checked;fzDate.text;fzText.text";

template <class T>
T* Add(TfrmBaseGene* form, const char* name) {
    T* control = Construct<T>(form);
    control->SetName(name);
    control->SetParent(form->tsOption1 ? static_cast<TWinControl*>(form->tsOption1) : form);
    return control;
}

void AddConditions(TfrmBaseGene* form) {
    Add<TSelectPanel>(form, "fzDates")->SetEditMask("9999/99/99;1; ");
    auto* list = Add<TSelectPanel>(form, "fzList");
    list->SetStyle(TSelectStyle::sp_Discrete);
    list->AddRow({"A01", "Alpha"});
    auto* combo = Add<TComboBox>(form, "fzCombo");
    for (const char* item : {"a", "b", "c"}) combo->Items()->Add(item);
    Add<TCheckBox>(form, "fzCheck");
    Add<TMaskEdit>(form, "fzDate");
    Add<TEdit>(form, "fzText");
    form->SetDateFields(form->DateFields + ",fzDates,fzDate");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // No installation: the form reads no settings of this machine.
    setenv("ZNP_REGISTRY", "/nonexistent/registry.ini", 1);
    StartLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned selector = data[0];
    const std::string input = fuzz::Text(data + 1, size - 1);
    auto* form = dynamic_cast<TfrmBaseGene*>(frmBaseGeneClass->Create(nullptr));
    if (!form) __builtin_trap();
    AddConditions(form);
    std::string keys = form->SchemeKeys.empty() ? kKeys : form->SchemeKeys + ";" + kKeys, values = input;
    if (input.find('\0') != std::string::npos) {
        const auto parts = fuzz::Parts(input, 2);
        keys = parts[0];
        values = parts[1];
    }
    // The parameter cache is made by Setup, which needs the host; the layout is all it is asked.
    if (!form->SysParamCache) form->SysParamCache = std::make_unique<TStringList>();
    static const char* const separators[] = {"/", "-", ".", ""};
    form->SysParamCache->SetValue("Sys001", std::to_string(selector % 6));
    form->SysParamCache->SetValue("Sys002", separators[selector / 6 % 4]);
    // A restored text may be tidied (an outside text may hold what no control could), but within
    // a few rounds the saved text must settle instead of changing for ever.
    std::string saved;
    if (form->RestoreScheme(keys, values) && form->BuildSchemeValues(keys, saved)) {
        for (size_t round = 0;; ++round) {
            std::string again;
            if (!form->RestoreScheme(keys, saved) || !form->BuildSchemeValues(keys, again) || again == saved) break;
            if (round > values.size() + 2) __builtin_trap();
            saved = std::move(again);
        }
    }
    TObject::Free(form);
    return 0;
}
