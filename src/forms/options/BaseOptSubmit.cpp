// Submitting the request to the report server ("后台处理"), the choice between closing and
// staying open afterwards, Cancel, and the two pictures of the OK button.
#include "forms/options/BaseOpt.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/Mask.h"
#include "platform/Menus.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// The two pictures of the OK button: a door with an arrow out (close after processing) and a
// tick (stay open). Any two distinguishable pictures serve.
constexpr TColor kBackground = 0xFF00FF, kDoor = 0x000080, kArrow = 0x008000;

void DrawExitPicture(TBitmap& picture) {
    picture.SetSize(16, 16, kBackground);
    picture.FillRect({3, 1, 10, 15}, kDoor);
    picture.FillRect({10, 7, 15, 9}, kArrow);
}

void DrawStayPicture(TBitmap& picture) {
    picture.SetSize(16, 16, kBackground);
    for (int i = 0; i < 4; ++i) picture.FillRect({2 + i, 8 + i, 4 + i, 10 + i}, kArrow);
    for (int i = 0; i < 8; ++i) picture.FillRect({6 + i, 11 - i, 8 + i, 13 - i}, kArrow);
}

// The screen position of a control's lower left corner.
void LowerLeft(const TControl& control, int& x, int& y) {
    x = 0;
    y = control.Height();
    for (const TControl* c = &control; c; c = c->Parent()) {
        x += c->Left();
        y += c->Top();
    }
}

// A job number is a text that holds something; anything else is a refusal.
bool IsJobNumber(const Variant& answer) { return answer.IsText() && !Trim(answer.AsString()).empty(); }

}  // namespace

void TfrmBaseOpt::FormCreate(TObject* sender) {
    TfrmBaseGene::FormCreate(sender);
    if (btnOK01) DrawStayPicture(*btnOK01->Glyph());
    if (btnOK02) DrawExitPicture(*btnOK02->Glyph());
    if (btnOk && btnOK02) btnOk->Glyph()->Assign(*btnOK02->Glyph());
    if (edDate) edDate->SetText("");
    Generation.ExitAfterProcessing = true;
}

void TfrmBaseOpt::FormShow(TObject* sender) {
    TfrmBaseGene::FormShow(sender);
    if (btnSpd && btnOk) btnSpd->SetBounds(btnOk->Left() + btnOk->Width(), btnOk->Top(), btnSpd->Width(), btnOk->Height());
}

void TfrmBaseOpt::btnOkClick(TObject*) {
    if (!CollectConditions()) return;
    try {
        ConditionPackage = VariantFromCodePage(ConditionPackage, "936");
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    std::string answer = "ERROR";
    try {
        const Variant reply = OleCall(ServerObject, "Request", {ConditionPackage});
        if (IsJobNumber(reply)) answer = reply.AsString();
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    if (SameText(answer, "ERROR")) {
        std::string reason;
        try {
            reason = VarToStr(OleCall(ServerObject, "ErrorDescript"));
        } catch (const std::exception& e) {
            RecordError(e.what());
        }
        ShowMessageId("E;000013;" + reason);
        return;
    }
    ShowMessageId((InteractiveRun ? "I;000004;" : "I;-000004;") + answer);
    ResultCode = 1;
    ResultValue = Variant(answer);
    if (Generation.ExitAfterProcessing) Close();
}

void TfrmBaseOpt::btnSpdClick(TObject*) {
    if (!pmOKExit || !btnOk) return;
    int x = 0, y = 0;
    LowerLeft(*btnOk, x, y);
    pmOKExit->PopupComponent = btnOk;
    pmOKExit->Popup(x, y);
}

void TfrmBaseOpt::miOKExitClick(TObject*) {
    if (btnOk && btnOK02) btnOk->Glyph()->Assign(*btnOK02->Glyph());
    Generation.ExitAfterProcessing = true;
    if (btnOk) btnOk->Click();
}

void TfrmBaseOpt::miOKNoExitClick(TObject*) {
    if (btnOk && btnOK01) btnOk->Glyph()->Assign(*btnOK01->Glyph());
    Generation.ExitAfterProcessing = false;
    if (btnOk) btnOk->Click();
}

void TfrmBaseOpt::btnCancelClick(TObject* sender) {
    TfrmBaseGene::btnCancelClick(sender);
    ResultCode = 2;
}

}  // namespace znp
