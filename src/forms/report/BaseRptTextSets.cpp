// The footer (页脚) and sign-off (签核) text sets: the program's defaults from "CMSMT" with the
// permission to change them, F2 lookups of "CMSMS", and numbers typed by hand.
#include "controls/F2Button.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// Element I of a one-dimensional array as text; "" when the array has no such element.
std::string Element(const Variant& row, int i) {
    if (!row.IsArray() || row.DimCount() != 1 || row.LowBound() + i > row.HighBound()) return "";
    return VarToStr(row[row.LowBound() + i]);
}

int ElementCount(const Variant& row) {
    return row.IsArray() && row.DimCount() == 1 ? row.HighBound() - row.LowBound() + 1 : 0;
}

// The elements of "CMSMT" the form reads: up to the third sign-off line.
constexpr int kDefaultRowLength = 12;

}  // namespace

void TfrmBaseRpt::FillLines(TEdit* const (&lines)[3], const Variant& row, int first) {
    for (int i = 0; i < 3; ++i)
        if (lines[i]) lines[i]->SetText(Element(row, first + i));
}

void TfrmBaseRpt::LoadDefaultTexts() {
    if (btnNote) btnNote->SetEnabled(true);
    if (btnSignIn) btnSignIn->SetEnabled(true);
    Variant row;
    const bool found = QueryServer("CMSMT", "01", false, row, Variant::ArrayOf({Variant(ProgramId)}));
    if (found && !IsEmptyOrNull(row)) {
        if (ElementCount(row) < kDefaultRowLength) {
            // A row of another shape sets no defaults rather than half of them.
            RecordError("CMSMT 01: the default texts of " + ProgramId + " have " + std::to_string(ElementCount(row)) +
                        " elements, " + std::to_string(kDefaultRowLength) + " expected");
        } else {
            if (!Converted) row = DBToUI(row);
            TEdit* const note[3] = {edNote1, edNote2, edNote3};
            TEdit* const signIn[3] = {edSignIn1, edSignIn2, edSignIn3};
            if (edNoteID) edNoteID->SetText(Element(row, 0));
            FillLines(note, row, 3);
            if (btnNote) btnNote->SetEnabled(Element(row, 1) == "Y");
            if (edSignInID) edSignInID->SetText(Element(row, 6));
            FillLines(signIn, row, 9);
            if (btnSignIn) btnSignIn->SetEnabled(Element(row, 7) == "Y");
        }
    }
    const bool noteLocked = btnNote && !btnNote->Enabled();
    for (TEdit* edit : {edNoteID, edNote1, edNote2, edNote3})
        if (edit) edit->ReadOnly = noteLocked;
    const bool signInLocked = btnSignIn && !btnSignIn->Enabled();
    for (TEdit* edit : {edSignInID, edSignIn1, edSignIn2, edSignIn3})
        if (edit) edit->ReadOnly = signInLocked;
}

void TfrmBaseRpt::QuickPick(std::uint16_t key, TControl* control) {
    const bool note = control && control == edNoteID;
    const bool signIn = control && control == edSignInID;
    if (!note && !signIn) {
        TfrmBaseOpt::QuickPick(key, control);
        return;
    }
    Variant data;
    GetLookupData("CMSMS", "01", data, false, "", Variant::ArrayOf({Variant(note ? "1" : "2")}));
    if (IsEmptyOrNull(data)) return;
    // One row, or the row wrapped in an array.
    const Variant row = data.IsArray() && data.DimCount() == 1 && data.HighBound() >= data.LowBound() &&
                                data[data.LowBound()].IsArray()
                            ? data[data.LowBound()]
                            : data;
    if (!row.IsArray()) return;
    TEdit* number = note ? edNoteID : edSignInID;
    TEdit* const noteLines[3] = {edNote1, edNote2, edNote3};
    TEdit* const signInLines[3] = {edSignIn1, edSignIn2, edSignIn3};
    number->SetText(Element(row, 0));
    Output.LastTextSetId = number->Text();
    FillLines(note ? noteLines : signInLines, row, 2);
}

void TfrmBaseRpt::edNoteIDEnter(TObject* sender) {
    if (auto* edit = dynamic_cast<TControl*>(sender)) Output.LastTextSetId = edit->Text();
}

void TfrmBaseRpt::edNoteIDExit(TObject*) {
    TEdit* const lines[3] = {edNote1, edNote2, edNote3};
    TypedTextSet("1", edNoteID, lines, "100235");
}

void TfrmBaseRpt::edSignInIDExit(TObject*) {
    TEdit* const lines[3] = {edSignIn1, edSignIn2, edSignIn3};
    TypedTextSet("2", edSignInID, lines, "100236");
}

void TfrmBaseRpt::TypedTextSet(const std::string& kind, TEdit* number, TEdit* const (&lines)[3],
                               const char* messageNumber) {
    if (!number || number->Text() == Output.LastTextSetId) return;
    const std::string typed = number->Text();
    number->SetText("");
    for (TEdit* line : lines)
        if (line) line->SetText("");
    if (typed.empty()) return;
    Variant row;
    if (QueryServer("CMSMS", "01", false, row, Variant::ArrayOf({Variant(kind), Variant(typed)}))) {
        if (ElementCount(row) < 4)
            RecordError("CMSMS 01: the text set " + kind + "/" + typed + " has " + std::to_string(ElementCount(row)) +
                        " elements, 4 expected");
        number->SetText(typed);
        FillLines(lines, row, 1);
        return;
    }
    ShowMessageFmt("W", "000004", 0, {GetMessageText("R", messageNumber)});
    if (number->CanFocus()) number->SetFocus();
}

}  // namespace znp
