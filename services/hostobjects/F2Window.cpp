#include "HostObjects.h"
#include "Kvtr42C/Exception.h"
#include "platform/Clock.h"
#include "platform/SysUtils.h"

namespace znp::host {

namespace {

const Variant& Element(const Variant& array, int index) {
    static const Variant empty;
    if (!array.IsArray() || array.DimCount() != 1) return empty;
    int at = array.LowBound() + index;
    return at <= array.HighBound() ? array[at] : empty;
}

// Today as a date text yyyymmdd.
std::string TodayText() {
    std::string shown = Variant::FromDate(Today()).AsString();  // yyyy/mm/dd
    std::string digits;
    for (char c : shown)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

}  // namespace

F2Window::F2Window(std::shared_ptr<HostData> data) : data_(std::move(data)) {
    Method("F2GetData", 1, [this](std::vector<Variant>& args) { return Lookup(args[0]); });
    // No one to ask headless: the picker answers the date it was opened with, or today.
    Method("ShowInputDay", 1, [](std::vector<Variant>& args) -> Variant {
        std::string start = DbText(Element(args[0], 1));
        return start.size() == 8 ? start : TodayText();
    });
    // GetPhrase(UserId, DbName by reference, window handle): the user's phrase, else "Default".
    Method("GetPhrase", 3, [this](std::vector<Variant>& args) -> Variant {
        const DataFile& file = data_->Data();
        return file.Value("Phrases", DbText(args[0]), file.Value("Phrases", "Default"));
    });
}

// The lookup array: [0] table, [1] query, [2] params, [3] multi-row, [4] filter, ... A filter keeps
// the rows of which some field contains it. Multi-row: an array of rows (Empty when none);
// otherwise the first row (Empty when none).
//
// Two lookups take their parameters: "CMSMS"/"01" [kind] lists the text sets of that kind as
// [number, name, line 1, line 2, line 3]; "RMATA"/"03" [order type, order number] lists the
// repair-call orders (section "RepairCalls", entries "key=type|number|customer|date") whose type
// and number begin with the parameters (blanks around them ignored).
Variant F2Window::Lookup(const Variant& request) {
    if (!request.IsArray() || request.DimCount() != 1 || request.HighBound() - request.LowBound() < 4)
        throw EOleError("F2GetData expects the lookup array");
    std::string table = DbText(Element(request, 0));
    std::string query = DbText(Element(request, 1));
    bool multiRow = Element(request, 3).AsBoolean();
    std::string filter = DbText(Element(request, 4));
    const Variant& params = Element(request, 2);
    std::vector<std::vector<std::string>> candidates;
    if (table == "CMSMS" && query == "01") {
        for (const TextSet& set : TextSets(data_->Data(), DbText(Element(params, 0))))
            candidates.push_back({set.Number, set.Name, set.Lines[0], set.Lines[1], set.Lines[2]});
    } else if (table == "RMATA" && query == "03") {
        const std::string type = Trim(DbText(Element(params, 0)));
        const std::string number = Trim(DbText(Element(params, 1)));
        for (const auto& [key, value] : data_->Data().Section("RepairCalls")) {
            std::vector<std::string> fields = SplitRow(value);
            fields.resize(4);
            if (fields[0].rfind(type, 0) == 0 && fields[1].rfind(number, 0) == 0) candidates.push_back(fields);
        }
    } else {
        candidates = LookupRows(data_->Data(), table, query);
    }
    std::vector<Variant> rows;
    for (const auto& row : candidates) {
        bool keep = filter.empty();
        for (const auto& field : row) keep = keep || field.find(filter) != std::string::npos;
        if (keep) rows.push_back(RowVariant(row));
    }
    if (rows.empty()) return Variant();
    if (!multiRow) return rows.front();
    return Variant::ArrayOf(std::move(rows));
}

}  // namespace znp::host
