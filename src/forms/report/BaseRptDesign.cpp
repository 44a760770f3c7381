// Report design ("设计报表") and the web report ("web报表"). Opening the designer through the queue
// manager and the viewer in a browser is still to come; until then the buttons do nothing.
#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"

namespace znp {

void TfrmBaseRpt::btnDesignClick(TObject*) {}
void TfrmBaseRpt::btnWebDesignClick(TObject*) {}

}  // namespace znp
