// Collecting the conditions into the request package: the environment block, the condition
// texts and the condition values that every level contributes, checked for completeness before
// anything leaves the form; and the encoders that turn date ranges and selection panels into
// condition values.
#include "forms/base/BaseGene.h"

#include "controls/DBLabel.h"
#include "controls/SelectPnl.h"
#include "platform/Clock.h"
#include "platform/Mask.h"
#include "runtime/LibStrs.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return !prefix.empty() && text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return !suffix.empty() && text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Byte comparison with ASCII letters folded to upper case.
int CompareText(const std::string& a, const std::string& b) { return UpperCase(a).compare(UpperCase(b)); }

}  // namespace

// Asks one level's part of the package and checks that it filled every entry. A level that
// raised instead of answering false counts as having answered false.
bool TfrmBaseGene::CollectPart(Variant& part, int count, const std::string& nameKey, const std::string& nameDefault,
                               bool (TfrmBaseGene::*collect)(Variant&, int), int argument) {
    bool ok = false;
    try {
        ok = (this->*collect)(part, argument);
    } catch (const std::exception& e) {
        RecordError(e.what());
        ok = false;
    }
    if (!ok) return false;
    std::string name;
    GetLangText("TfrmBaseGene", nameKey, name, true, nameDefault);
    // A part that is no longer a one-dimensional array has the wrong bounds as surely as one
    // resized to another count.
    const bool isList = part.IsArray() && part.DimCount() == 1;
    const int high = isList ? part.HighBound() : -1;
    if (high != count) {
        ShowMessageFmt("W", "000002", 0, {name, std::to_string(count), std::to_string(high)});
        return false;
    }
    for (int i = 1; i <= count; ++i) {
        if (i >= part.LowBound() && !IsEmptyOrNull(part[i])) continue;
        ShowMessageFmt("W", "000003", 0, {name, std::to_string(count), std::to_string(i)});
        return false;
    }
    return true;
}

bool TfrmBaseGene::CollectConditions() {
    const int envCount = EnvCount;
    const int count = ConditionCount;
    if (envCount <= 0 || (count <= 0 && !AutoRunReady)) {
        ShowMessageFmt("I", "000003", 0, {""});
        return false;
    }
    auto nullArray = [](int high) {
        Variant array = Variant::Array(1, high);
        for (int i = 1; i <= high; ++i) array[i] = Variant::Null();
        return array;
    };
    Variant env = nullArray(envCount);
    Variant texts = nullArray(count);
    Variant values = nullArray(count);
    const int own = count - ReservedCount;
    if (!CollectPart(texts, count, "sOption", "选择条件文字", &TfrmBaseGene::GetConditionTexts, own)) return false;
    if (!CollectPart(values, count, "sOptionInf", "选择条件信息", &TfrmBaseGene::GetConditionValues, own)) return false;
    if (!CollectPart(env, envCount, "sEnvSetting", "环境设置", &TfrmBaseGene::GetEnvironment, envCount)) return false;
    ConditionPackage = Variant::ArrayOf({env, UIToDB(texts), UIToDB(values)});
    return true;
}

bool TfrmBaseGene::GetEnvironment(Variant& env, int) {
    protocol::Environment e;
    e.ProgramId = UpperCase(ProgramId);
    e.EnvCount = EnvCount;
    e.ConditionCount = ConditionCount;
    e.CompanyId = CompanyId;
    e.UserId = UserId;
    e.DbName = DbName;
    e.Built = Now();
    e.ServerClass = ServerClassName;
    e.ProgramKind = UpperCase(ProgramKind);
    e.WriteTo(env, 1, protocol::Environment::kBaseCount);
    return true;
}

bool TfrmBaseGene::GetConditionTexts(Variant& texts, int count) {
    TextsCollected = true;
    try {
        const std::string caption = lblToday ? lblToday->Caption() : std::string();
        texts[count + ReservedCount] = Variant::ArrayOf({Variant(caption), Variant("edPrintDate")});
        return true;
    } catch (const std::exception&) {
        ShowMessageId("E;000030;" + GetMessageText("I", "000011"));
        return false;
    }
}

bool TfrmBaseGene::GetConditionValues(Variant& values, int count) {
    try {
        const std::string text = edPrintDate ? edPrintDate->Text() : std::string();
        const std::string trimmed = Trim(text);
        const std::string separator = DateSeparator();
        // A date that begins or ends with the separator was left half typed: it means no date.
        std::string value;
        if (!trimmed.empty() && !StartsWith(trimmed, separator) && !EndsWith(trimmed, separator))
            value = DisplayToDateText(text);
        values[count + ReservedCount] = Variant(value);
        return true;
    } catch (const std::exception&) {
        ShowMessageId("E;000030");
        return false;
    }
}

void TfrmBaseGene::PutDateRange(const std::string& beginText, const std::string& endText, int index,
                                Variant& values) {
    std::string begin = DisplayToDateText(beginText);
    std::string end = DisplayToDateText(endText);
    if (!begin.empty() && !end.empty() && CompareText(begin, end) > 0) std::swap(begin, end);
    values[index] = protocol::RangeValue{begin, end}.ToVariant();
}

namespace {

Variant RangeValue(const std::string& begin, const std::string& end) {
    return protocol::RangeValue{begin, end}.ToVariant();
}

// The panel's rows as a list value; CaptionOf makes the first element from the row's caption.
template <class CaptionOf>
Variant ListValue(const TSelectPanel& panel, CaptionOf captionOf) {
    const TListView& list = *panel.ListView;
    protocol::ListValue value;
    value.Rows.reserve(list.ItemCount());
    for (int i = 0; i < list.ItemCount(); ++i) {
        const TListItem& item = *list.Items(i);
        std::vector<std::string> row{captionOf(item.Caption())};
        for (int k = 0; k < item.SubItems()->Count(); ++k) row.push_back((*item.SubItems())[k]);
        value.Rows.push_back(std::move(row));
    }
    return value.ToVariant();
}

void Put(Variant& values, int index, Variant value) {
    // A negative index stands for the whole value array (a form with a single condition).
    if (index < 0)
        values = std::move(value);
    else
        values[index] = std::move(value);
}

void RequirePanel(const TSelectPanel* panel) {
    if (!panel || !panel->ListView || !panel->BeginEdit || !panel->FinalEdit)
        throw Exception("No selection panel to take a condition value from");
}

// The mask a side of the panel lays its text under: the panel's own, else the edit's.
std::string SideMask(const TSelectPanel& panel, const TMaskEdit& edit) {
    if (!panel.EditMask().empty()) return panel.EditMask();
    return edit.IsMasked() ? edit.EditMask() : std::string();
}

std::string WithoutSeparator(const std::string& text, const std::string& separator) {
    return ReplaceText(text, separator, "", true);
}

}  // namespace

void TfrmBaseGene::PutPanelValue(TSelectPanel* panel, Variant& values, int index) {
    RequirePanel(panel);
    if (panel->IsRangeMode())
        Put(values, index, RangeValue(panel->BeginEdit->Text(), panel->FinalEdit->Text()));
    else
        Put(values, index, ListValue(*panel, [](const std::string& caption) { return caption; }));
}

void TfrmBaseGene::PutStrippedPanelValue(TSelectPanel* panel, Variant& values, const std::string& separator,
                                         int index) {
    RequirePanel(panel);
    const std::string beginMask = SideMask(*panel, *panel->BeginEdit);
    if (panel->IsRangeMode()) {
        const std::string finalMask = SideMask(*panel, *panel->FinalEdit);
        auto strip = [&](const TMaskEdit& edit, const std::string& mask) {
            return mask.empty() ? WithoutSeparator(edit.Text(), separator) : ReformatMaskText(edit.Text(), mask, "");
        };
        Put(values, index, RangeValue(strip(*panel->BeginEdit, beginMask), strip(*panel->FinalEdit, finalMask)));
        return;
    }
    // List captions were stored as shown, literals included, whatever the mask saves.
    std::string literalMask = beginMask;
    if (const auto at = literalMask.find(";0;"); at != std::string::npos) literalMask.replace(at, 3, ";1;");
    Put(values, index, ListValue(*panel, [&](const std::string& caption) {
            return beginMask.empty() ? WithoutSeparator(caption, separator) : ReformatMaskText(caption, literalMask, "");
        }));
}

}  // namespace znp
