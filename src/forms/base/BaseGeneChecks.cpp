// Field checks: the date fields and the required fields of the form.
#include "forms/base/BaseGene.h"

#include "runtime/LibStrs.h"

namespace znp {

// The given fields come first; those already listed stay behind them.
void TfrmBaseGene::SetDateFields(const std::string& fields) {
    std::string merged = fields;
    const int count = CountTokens(DateFields, ",");
    for (int i = 1; i <= count; ++i) {
        std::string name = GetToken(DateFields, ",", i);
        // A name counts as listed when it occurs anywhere in the list.
        if (name.empty() || FindText(merged, name) != std::string::npos) continue;
        merged += merged.empty() ? name : "," + name;
    }
    DateFields = merged;
}

void TfrmBaseGene::SetRequiredFields(const std::string& fields) { RequiredFields = fields; }
void TfrmBaseGene::DateFieldEnter(TObject*) {}
void TfrmBaseGene::DateFieldExit(TObject*) {}
void TfrmBaseGene::RequiredExit(TObject*) {}

}  // namespace znp
