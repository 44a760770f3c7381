// Collecting the conditions into the request package and encoding them into scheme values.
//
// The base level contributes nothing of its own yet: these operations answer false until the
// condition encoding is built, so no incomplete package or scheme ever leaves the form.
#include "forms/base/BaseGene.h"

namespace znp {

bool TfrmBaseGene::CollectConditions() { return false; }
bool TfrmBaseGene::GetEnvironment(Variant&, int) { return false; }
bool TfrmBaseGene::GetConditionTexts(Variant&, int) { return false; }
bool TfrmBaseGene::GetConditionValues(Variant&, int) { return false; }
bool TfrmBaseGene::SaveScheme(const std::string&, const std::string&, bool) { return false; }
bool TfrmBaseGene::RestoreScheme(const std::string&, const std::string&) { return false; }

}  // namespace znp
