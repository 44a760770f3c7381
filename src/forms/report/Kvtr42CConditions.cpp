// The ten conditions of the repair-call list in the request: their texts, their values with the
// codes the lists stand for, and the report layout code.
#include "platform/SysUtils.h"
#include "forms/report/Kvtr42CF.h"

#include "controls/BitCheckBox.h"
#include "controls/SelectPnl.h"
#include "controls/ZnRadio.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

namespace znp {

namespace {

int CodeOf(int index, std::initializer_list<int> codes, const char* list) {
    if (index < 0 || index >= static_cast<int>(codes.size()))
        throw Exception(std::string("No item chosen in ") + list);
    return *(codes.begin() + index);
}

Variant CodedValue(int code, const std::string& text) { return Variant::ArrayOf({Variant(code), Variant(text)}); }

}  // namespace

int TfrmKvtr42::SortCode(int index) { return CodeOf(index, {1, 2}, "rg04"); }
int TfrmKvtr42::ApprovalCode(int index) { return CodeOf(index, {1, 2, 3, 4}, "cbo07"); }
// "全部" (all) stands for 9 in both code lists, not for its position.
int TfrmKvtr42::StatusCode(int index) { return CodeOf(index, {0, 1, 2, 3, 4, 5, 9}, "cbo08"); }
int TfrmKvtr42::DispatchCode(int index) { return CodeOf(index, {0, 1, 2, 9}, "cbo09"); }

std::string TfrmKvtr42::LayoutCode(int sortIndex, bool lineDetails) {
    SortCode(sortIndex);
    if (sortIndex == 0) return lineDetails ? "A" : "B";
    return lineDetails ? "C" : "D";
}

bool TfrmKvtr42::GetConditionTexts(Variant& texts, int count) {
    if (!TfrmBaseRpt::GetConditionTexts(texts, count)) return false;
    try {
        const std::pair<TControl*, const char*> entries[] = {
            {sp01, "sp01"}, {sp02, "sp02"}, {sp03, "sp03"}, {rg04, "rg04"},   {sp05, "sp05"},
            {sp06, "sp06"}, {lbl07, "cbo07"}, {lbl08, "cbo08"}, {lbl09, "cbo09"}, {chk10, "chk10"}};
        int index = 1;
        for (const auto& [captionOf, name] : entries) {
            if (!captionOf) throw Exception(std::string("No control for the condition ") + name);
            texts[index++] = Variant::ArrayOf({Variant(captionOf->Caption()), Variant(name)});
        }
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

bool TfrmKvtr42::GetConditionValues(Variant& values, int count) {
    if (!TfrmBaseRpt::GetConditionValues(values, count)) return false;
    try {
        if (!rg04 || !cbo07 || !cbo08 || !cbo09 || !chk10 || !sp02 || !sp03)
            throw Exception("The conditions of the form are missing");
        PutStrippedPanelValue(sp01, values, "-", 1);
        PutDateRange(sp02->BeginEdit->Text(), sp02->FinalEdit->Text(), 2, values);
        PutDateRange(sp03->BeginEdit->Text(), sp03->FinalEdit->Text(), 3, values);
        const int sort = rg04->ItemIndex();
        values[4] = CodedValue(SortCode(sort), (*rg04->Items())[sort]);
        PutPanelValue(sp05, values, 5);
        PutPanelValue(sp06, values, 6);
        values[7] = CodedValue(ApprovalCode(cbo07->ItemIndex()), cbo07->Text());
        values[8] = CodedValue(StatusCode(cbo08->ItemIndex()), cbo08->Text());
        values[9] = CodedValue(DispatchCode(cbo09->ItemIndex()), cbo09->Text());
        values[10] = Variant(chk10->Checked() ? "Y" : "N");
        SetFormatCode(LayoutCode(sort, chk10->Checked()));
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

}  // namespace znp
