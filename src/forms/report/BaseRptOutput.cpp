// How the report comes out: the output kinds, the printed date layout, the layout code, and the
// report level's environment entries (13-14), condition entries (sign-off, footer, date type)
// and scheme keys.
#include "controls/F2Button.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "platform/SysUtils.h"
#include "Kvtr42C/Protocol.h"
#include "forms/report/BaseRpt.h"
#include "platform/Buttons.h"
#include "platform/ComboBox.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

namespace znp {

void TfrmBaseRpt::InitFormParams() {
    TfrmBaseOpt::InitFormParams();
    EnvCount = 14;
    ReservedCount = 4;
    SetConditionCount(0);
    ProgramKind = std::string("R");  // (a literal assignment trips a false -Wrestrict of GCC 12)
    Output.OutputKinds = 1;
    if (cboDateType) cboDateType->SetItemIndex(DateFormatType() - 1);
    for (TEdit* line : {edNote1, edNote2, edNote3, edSignIn1, edSignIn2, edSignIn3})
        if (line) line->MaxLength = 255;
    SetWidth(Width() + 80);
}

void TfrmBaseRpt::SetFormatCode(const std::string& code) {
    std::string text = Trim(UpperCase(code));
    if (text.size() > 10) text.resize(10);
    Output.FormatCode = text;
}

void TfrmBaseRpt::chkViewClick(TObject*) {
    int kinds = 0;
    if (chkView && chkView->Checked()) kinds |= 1;
    if (chkHTML && chkHTML->Checked()) kinds |= 2;
    if (chkDirectPrint && chkDirectPrint->Checked()) kinds |= 4;
    if (kinds == 0) {
        // The boxes stay as the user left them; the request keeps the last valid choice.
        ShowMessageFmt("I", "000005", 0, {""});
        return;
    }
    Output.OutputKinds = static_cast<std::uint8_t>(kinds);
}

void TfrmBaseRpt::ResetOptions() {
    TfrmBaseOpt::ResetOptions();
    if (chkDirectPrint) chkDirectPrint->SetChecked(false);
}

bool TfrmBaseRpt::GetEnvironment(Variant& env, int count) {
    if (!TfrmBaseOpt::GetEnvironment(env, count)) return false;
    try {
        using protocol::Environment;
        Environment entries;
        entries.OutputKinds = Output.OutputKinds & 7;
        entries.FormatCode = Output.FormatCode;
        entries.WriteTo(env, Environment::kOutputKinds, Environment::kFormatCode);
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

bool TfrmBaseRpt::GetConditionTexts(Variant& texts, int count) {
    if (!TfrmBaseOpt::GetConditionTexts(texts, count)) return false;
    try {
        if (!grpSignIn || !grpNote || !lblDateType) throw Exception("The report options are missing");
        texts[count + 1] = Variant::ArrayOf({Variant(grpSignIn->Caption()), Variant("grpSignIn")});
        texts[count + 2] = Variant::ArrayOf({Variant(grpNote->Caption()), Variant("grpNote")});
        texts[count + 3] = Variant::ArrayOf({Variant(lblDateType->Caption()), Variant("cboDateType")});
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

Variant TfrmBaseRpt::TextSetValue(TBitCheckBox* everyPage, TEdit* number, TEdit* const (&lines)[3]) {
    return Variant::ArrayOf({Variant(everyPage->Caption()), Variant(everyPage->Checked()), Variant(number->Text()),
                             Variant(lines[0]->Text()), Variant(lines[1]->Text()), Variant(lines[2]->Text())});
}

bool TfrmBaseRpt::GetConditionValues(Variant& values, int count) {
    if (!TfrmBaseOpt::GetConditionValues(values, count)) return false;
    try {
        if (!grpSignIn || !grpNote || !cboDateType) throw Exception("The report options are missing");
        TEdit* const signIn[3] = {edSignIn1, edSignIn2, edSignIn3};
        TEdit* const note[3] = {edNote1, edNote2, edNote3};
        values[count + 1] = TextSetValue(chkSignInEPPrint, edSignInID, signIn);
        values[count + 2] = TextSetValue(chkNoteEPPrint, edNoteID, note);
        values[count + 3] = Variant::ArrayOf({Variant(cboDateType->ItemIndex() + 1), Variant(cboDateType->Text())});
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

void TfrmBaseRpt::BuildSchemeKeys() {
    TfrmBaseOpt::BuildSchemeKeys();
    for (TGroupBox* group : {grpNote, grpSignIn}) {
        if (!group) continue;
        for (TControl* control : group->ChildControls()) {
            if (dynamic_cast<TCustomEdit*>(control))
                SchemeKeys += control->Name() + ".text;";
            else if (dynamic_cast<TBitCheckBox*>(control) || dynamic_cast<TCheckBox*>(control))
                SchemeKeys += control->Name() + ".checked;";
        }
    }
}

}  // namespace znp
