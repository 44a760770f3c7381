// The scheme pane: the list of saved condition schemes and its buttons.
#include "forms/base/BaseGene.h"

namespace znp {

bool TfrmBaseGene::LoadSchemeList() { return false; }
void TfrmBaseGene::btnInsertClick(TObject*) {}
void TfrmBaseGene::btnOpenClick(TObject*) {}
void TfrmBaseGene::btnDeleteClick(TObject*) {}
void TfrmBaseGene::lstConditionEdited(TObject*, TListItem*, std::string&) {}

}  // namespace znp
