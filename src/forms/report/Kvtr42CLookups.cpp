// F2 on the repair-call list's conditions: orders by type and number, the date picker, customers
// and receiving staff.
#include "platform/SysUtils.h"
#include "forms/report/Kvtr42CF.h"

#include "controls/SelectPnl.h"
#include "platform/Mask.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

bool IsEditOf(const TSelectPanel* panel, const TControl* control) {
    return panel && control && (control == panel->BeginEdit || control == panel->FinalEdit);
}

// An edit of the panel or its list (a list takes every row the lookup gives).
bool IsPartOf(const TSelectPanel* panel, const TControl* control) {
    return IsEditOf(panel, control) || (panel && control && control == panel->ListView);
}

}  // namespace

void TfrmKvtr42::QuickPick(std::uint16_t key, TControl* control) {
    TfrmBaseRpt::QuickPick(key, control);
    auto* edit = dynamic_cast<TWinControl*>(control);
    if (!edit) return;
    if (IsEditOf(sp01, control)) {
        // The text as shown, mask literal and blanks included: order type before the first "-",
        // order number after it.
        auto* masked = dynamic_cast<TMaskEdit*>(edit);
        const std::string text = masked ? masked->EditText() : edit->Text();
        Variant data;
        const bool multiRow = !sp01->UserChoice();
        GetLookupData("RMATA", "03", data, multiRow, "",
                      Variant::ArrayOf({Variant(GetToken(text, "-", 1)), Variant(GetToken(text, "-", 2))}));
        if (!data.IsArray() || data.DimCount() != 1 || data.HighBound() < data.LowBound()) return;
        // One row comes back as the row itself.
        if (!data[data.LowBound()].IsArray()) data = Variant::ArrayOf({data});
        PutLookupRows(edit, data, "-");
    } else if (IsEditOf(sp02, control) || IsEditOf(sp03, control)) {
        edit->SetText(DateQuickPick(edit->Text()));
    } else if (IsPartOf(sp05, control)) {
        OpenPanelLookup(edit, "COPMA", "01", false, edit->Text(), Variant::ArrayOf({Variant(std::string())}));
    } else if (IsPartOf(sp06, control)) {
        OpenPanelLookup(edit, "CMSMK", "01", false, edit->Text(), Variant::ArrayOf({Variant("C"), Variant("C")}));
    }
}

}  // namespace znp
