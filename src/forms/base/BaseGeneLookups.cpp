// The quick pick (F2 on a control) and the three lookup helpers through which derived forms fill
// edits and selection panels from the F2 window.
#include "controls/SelectPnl.h"
#include "forms/base/BaseGene.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/Mask.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// The elements of a one-dimensional array as texts; a value that is no array is one element.
std::vector<std::string> TextsOf(const Variant& value) {
    std::vector<std::string> texts;
    if (!value.IsArray()) {
        texts.push_back(VarToStr(value));
        return texts;
    }
    if (value.DimCount() != 1) return texts;
    for (int i = value.LowBound(); i <= value.HighBound(); ++i) texts.push_back(VarToStr(value[i]));
    return texts;
}

std::string Join(const std::vector<std::string>& texts, const std::string& separator) {
    std::string joined;
    for (size_t i = 0; i < texts.size(); ++i) joined += (i ? separator : "") + texts[i];
    return joined;
}

TSelectPanel* OwnerPanel(const TWinControl* control) {
    return control ? dynamic_cast<TSelectPanel*>(control->Owner()) : nullptr;
}

}  // namespace

void TfrmBaseGene::QuickPick(std::uint16_t, TControl* control) {
    if (auto* win = dynamic_cast<TWinControl*>(control); win && win->CanFocus()) win->SetFocus();
    if (control && control == edPrintDate) edPrintDate->SetText(DateQuickPick(edPrintDate->Text()));
}

std::string TfrmBaseGene::DateQuickPick(const std::string& text) {
    if (!F2Window.IsObject()) return "";
    const std::string start = text.size() == 8 ? text : FormatDateByType(1, "", Today());
    try {
        const Variant answer = OleCall(
            F2Window, "ShowInputDay", {Variant::ArrayOf({Variant(DateFormatType() > 3), Variant(start), Variant(DbName)})});
        const std::string picked = Trim(VarToStr(answer));
        if (picked.empty()) return text;
        // An answer that is no date text changes nothing (it would otherwise empty the field).
        const double date = ParseYYYYMMDD(picked);
        if (date == 0) return text;
        const int type = DateFormatType();
        return FormatDateByType(type >= 1 && type <= 5 ? type : 1, DateSeparator(), date);
    } catch (const Exception& e) {
        RecordError(e.what());
        return text;
    }
}

namespace {

void ShowNotForThisControl(TfrmBaseGene& form) {
    std::string text;
    form.GetLangText("TfrmBaseGene", "sBBM", text, true,
                     "同学, 你吗帮帮忙, 这个 Procedure 是专门给TSelectPanel元件用的!");
    form.ShowDialog(text, TMsgDlgType::mtError, mbOK);
}

}  // namespace

void TfrmBaseGene::OpenPanelLookup(TWinControl* control, const std::string& tableId, const std::string& queryNo,
                                   bool allColumns, const std::string& filter, const Variant& params) {
    TSelectPanel* panel = OwnerPanel(control);
    if (!panel) {
        ShowNotForThisControl(*this);
        return;
    }
    Variant data;
    if (control == panel->ListView) {
        GetLookupData(tableId, queryNo, data, true, filter, params);
        if (!data.IsArray() || data.DimCount() != 1) return;
        for (int i = data.LowBound(); i <= data.HighBound(); ++i) {
            std::vector<std::string> values = TextsOf(data[i]);
            if (!allColumns && values.size() > 4) values.resize(4);
            if (values.empty()) continue;
            if (panel->UseDiscard)
                panel->AddRow({Join(values, panel->Discard)});
            else
                panel->AddRow(values);
        }
    } else if (control == panel->BeginEdit || control == panel->FinalEdit) {
        GetLookupData(tableId, queryNo, data, false, filter, params);
        if (IsEmptyOrNull(data)) return;
        // A single answer is a row, a row wrapped in an array, or a plain value.
        const Variant& row = data.IsArray() && data.DimCount() == 1 && data.HighBound() >= data.LowBound() &&
                                     data[data.LowBound()].IsArray()
                                 ? data[data.LowBound()]
                                 : data;
        const std::vector<std::string> values = TextsOf(row);
        if (panel->UseDiscard)
            control->SetText(Join(values, panel->Discard));
        else if (!values.empty())
            control->SetText(values.front());
    }
}

void TfrmBaseGene::PutLookupRows(TWinControl* control, const Variant& data, const std::string& separator) {
    TSelectPanel* panel = OwnerPanel(control);
    if (!panel) {
        ShowNotForThisControl(*this);
        return;
    }
    if (!data.IsArray() || data.DimCount() != 1) return;
    for (int i = data.LowBound(); i <= data.HighBound(); ++i) {
        std::vector<std::string> row = TextsOf(data[i]);
        row.resize(std::max<size_t>(row.size(), 2));
        const std::string text = PadRight(row[0], 4) + separator + PadRight(row[1], 11);
        if (panel->UserChoice()) {
            // The joined text is what a masked edit shows (its literal included), whether or not
            // its mask keeps literals in the value.
            if (auto* masked = dynamic_cast<TMaskEdit*>(control); masked && masked->IsMasked())
                masked->SetEditText(text);
            else
                control->SetText(text);
            return;
        }
        panel->AddRow({text});
    }
}

}  // namespace znp
