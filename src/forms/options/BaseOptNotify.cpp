// The completion notification: the check box and its button. The recipient dialog is still to
// come; until then the button opens nothing and the list is the default one.
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "platform/SysUtils.h"
#include "forms/options/BaseOpt.h"
#include "forms/options/ZnNotifyXml.h"
#include "platform/Buttons.h"
#include "platform/StdButtons.h"

namespace znp {

void TfrmBaseOpt::chkNotifyClick(TObject*) {
    const bool ticked = chkNotify && chkNotify->Checked();
    if (btnNotify) btnNotify->SetEnabled(ticked);
    // The current user as a portal recipient, with only the on-screen message switched on.
    if (ticked && Notify.NotifyRecipients.empty()) Notify.NotifyRecipients = notify::DefaultRecipients(UserId);
}

void TfrmBaseOpt::btnNotifyClick(TObject*) {}

}  // namespace znp
