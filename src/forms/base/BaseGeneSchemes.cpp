// The scheme pane: the list of saved condition schemes and its buttons. The scheme store is not
// built yet: until it is, the list stays empty and its buttons do nothing (SaveScheme answers
// false), so no half-saved scheme can reach the server.
#include "forms/base/BaseGene.h"

namespace znp {

bool TfrmBaseGene::LoadSchemeList() { return false; }
void TfrmBaseGene::btnInsertClick(TObject*) {}
void TfrmBaseGene::btnOpenClick(TObject*) {}
void TfrmBaseGene::btnDeleteClick(TObject*) {}
void TfrmBaseGene::lstConditionEdited(TObject*, TListItem*, std::string&) {}

}  // namespace znp
