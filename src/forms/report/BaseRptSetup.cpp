// The report level's creation, set-up and first show: the default footer and sign-off, the date
// layouts the system offers, the buttons of the panel.
#include "controls/F2Button.h"
#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"
#include "platform/Buttons.h"
#include "platform/ComboBox.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

namespace znp {

void TfrmBaseRpt::FormCreate(TObject* sender) {
    TfrmBaseOpt::FormCreate(sender);
    Output.FormatCode.clear();
    Output.LastTextSetId.clear();
    if (btnWebDesign && btnPeriod) btnWebDesign->SetLeft(btnPeriod->Left() + btnPeriod->Width() + 15);
}

bool TfrmBaseRpt::Setup(const Variant& hostParams) {
    const bool result = TfrmBaseOpt::Setup(hostParams);
    if (result) {
        LoadDefaultTexts();
        // Without the Minguo calendar the system offers only the three Gregorian layouts.
        if (GetSysParam("SYS026") == "2" && cboDateType && cboDateType->Items()->Count() >= 5) {
            const int chosen = cboDateType->ItemIndex();
            cboDateType->Items()->Delete(4);
            cboDateType->Items()->Delete(3);
            cboDateType->SetItemIndex(chosen >= 3 ? -1 : chosen);
        }
    }
    EnableQueryButtons();
    return result;
}

void TfrmBaseRpt::FormShow(TObject* sender) {
    TfrmBaseOpt::FormShow(sender);
    if (btnNote) btnNote->SetF2Control(edNoteID);
    if (btnSignIn) btnSignIn->SetF2Control(edSignInID);
    if (btnWebDesign) btnWebDesign->SetVisible(GetSysParam("SYS181") != "N");
}

}  // namespace znp
