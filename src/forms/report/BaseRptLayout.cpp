// The run-time layout of "系统选项" on the report forms.
#include "controls/DBLabel.h"
#include "controls/F2Button.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"
#include "platform/Buttons.h"
#include "platform/ComboBox.h"
#include "platform/Mask.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

namespace znp {

namespace {

void Place(TControl* control, int left, int top) {
    if (control) control->SetBounds(left, top, control->Width(), control->Height());
}

void Place(TControl* control, int left, int top, int width) {
    if (control) control->SetBounds(left, top, width, control->Height());
}

void Place(TControl* control, int left, int top, int width, int height) {
    if (control) control->SetBounds(left, top, width, height);
}

void Order(TWinControl* control, int tabOrder) {
    if (control) control->SetTabOrder(tabOrder);
}

}  // namespace

void TfrmBaseRpt::ArrangeSystemPage() {
    TfrmBaseOpt::ArrangeSystemPage();
    if (Height() < 460) SetHeight(460);
    if (Width() < 585) SetWidth(585);
    Place(lblToday, 8, 9);
    Place(edPrintDate, 70, 5, 75);
    Order(edPrintDate, 0);
    if (btnPrintDate) {
        btnPrintDate->SetF2Control(edPrintDate);
        btnPrintDate->AlignToControl();
    }
    Place(lblDateType, 224, 9);
    Place(cboDateType, 280, 5);
    Order(cboDateType, 1);
    if (grpGenTime) Place(grpGenTime, grpGenTime->Left(), 31, 225);
    Order(grpGenTime, 2);
    Place(grpGenType, 242, 31, 146, 62);
    Order(grpGenType, 3);
    Place(chkView, 8, 13);
    Place(chkHTML, 8, 28);
    Place(chkDirectPrint, 8, 43);
    Place(chkNotify, 241, 120);
    Order(chkNotify, 4);
    Place(btnNotify, 350, 116);

    Place(grpNote, 8, 152, 420, 99);
    Order(grpNote, 5);
    Place(lblNoteID, 22, 16);
    Place(lblNote1, 10, 39);
    Place(lblNote2, 10, 59);
    Place(lblNote3, 10, 79);
    Place(edNoteID, 53, 12, 65);
    Place(edNote1, 53, 34, 365);
    Place(edNote2, 53, 54, 365);
    Place(edNote3, 53, 74, 365);
    Place(chkNoteEPPrint, 148, 15, 261);

    Place(grpSignIn, 8, 256, 420, 99);
    Order(grpSignIn, 6);
    Place(lblSignInID, 22, 16);
    Place(lblSignIn1, 9, 38);
    Place(lblSignIn2, 9, 58);
    Place(lblSignIn3, 9, 78);
    Place(edSignInID, 53, 12, 65);
    Place(edSignIn1, 53, 34, 365);
    Place(edSignIn2, 53, 54, 365);
    Place(edSignIn3, 53, 74, 365);
    Place(chkSignInEPPrint, 148, 16);
    if (btnNote) btnNote->AlignToControl();
    if (btnSignIn) btnSignIn->AlignToControl();
}

}  // namespace znp
