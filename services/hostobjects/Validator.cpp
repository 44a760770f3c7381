#include <strings.h>

#include "HostObjects.h"
#include "platform/ClassRegistry.h"
#include "platform/SysUtils.h"

namespace znp::host {

namespace {

bool Same(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// The key a query asks for: the first parameter, or the parameter itself when it is no array.
std::string KeyOf(const Variant& params) {
    if (!params.IsArray()) return DbText(params);
    if (params.DimCount() != 1 || params.HighBound() < params.LowBound()) return "";
    return DbText(params[params.LowBound()]);
}

// GENES/01, a condition scheme [name, user, program]: the schemes live on the report server, so
// the validator asks it through the process's class registry, as the data behind both is one
// database in an installation. Answers the scheme record [NCONDITION, CREATOR, PROGRAMME,
// SCONDITION, VCONDITION, CREATE_DATE].
bool FindScheme(const Variant& params, Variant& data) {
    try {
        const protocol::SchemeKey key = protocol::SchemeKey::FromVariant(params, protocol::kDbCodePage);
        Variant server = CreateOleObject("ReportCounterS.dmReportCounter");
        OleCall(server, "LoadTable", {protocol::SchemeOwner{key.UserId, key.ProgramId}.ToVariant()});
        const protocol::SchemeTable table =
            protocol::SchemeTable::FromVariant(OleCall(server, "GetRecords", {"pvdConSave"}), protocol::kDbCodePage);
        for (const protocol::SchemeRecord& record : table.Rows) {
            if (record.Name != key.Name) continue;
            data = record.ToVariant();
            return true;
        }
    } catch (const std::exception&) {
        // No report server, or parameters that name no scheme: the scheme is not known.
    }
    return false;
}

}  // namespace

Validator::Validator(std::shared_ptr<HostData> data) : data_(std::move(data)) {
    Property("ProductID", [this] { return Variant(productId_); },
             [this](const Variant& v) { productId_ = v.AsInteger(); });
    Property("BaseLimited", [this] { return Variant(baseLimited_); },
             [this](const Variant& v) { baseLimited_ = DbText(v); });
    // (TableId, QueryNo, DbName, Params, var Data): Data is written back through args[4].
    auto query = [this](std::vector<Variant>& args) -> Variant {
        return Query(DbText(args[0]), DbText(args[1]), args[3], args[4]);
    };
    Method("QueryData", 5, query);
    Method("CheckValue", 5, query);
}

// What the stand-in knows:
//   ADMMB/01  program master by [ProgramId]: [name, program id, system, kind, logging Y/N,
//             no direct query Y/N, server class, English name] from the section "Program.<id>";
//   ADMMB/11  the direct-query restriction by [ProgramId]: [program id, name, kind, Y/N];
//   GENES/01  a condition scheme by [name, user, program] (FindScheme);
//   CMSMA/02  the web report site: [address] from "WebReport" "SiteUrl";
//   CMSMT/01  a program's default print texts by [ProgramId] (PrintTexts);
//   CMSMS/01  a numbered footer (kind "1") or sign-off block (kind "2") by [kind, number]
//             (TextSetRow);
//   any other table and query: the section "Lookup.<Table>.<Query>", the row whose key is the
//             first parameter.
bool Validator::Query(const std::string& table, const std::string& query, const Variant& params, Variant& data) {
    data = Variant();
    const DataFile& file = data_->Data();
    if (Same(table, "ADMMB") && (query == "01" || query == "11")) {
        std::string id = UpperCase(KeyOf(params));
        std::string section = "Program." + id;
        if (id.empty() || !file.HasSection(section)) return false;
        protocol::ProgramRow row;
        row.Name = file.Value(section, "Name");
        row.Id = id;
        row.System = file.Value(section, "System");
        row.Kind = file.Value(section, "Kind", "R");
        row.WantLog = file.Value(section, "Log", "N") == "Y";
        row.NoDirectQuery = file.Value(section, "NoDirectQuery", "N") == "Y";
        row.ServerClass = id + "S.Class1";
        row.EnglishName = file.Value(section, "EnglishName");
        row.HasEnglishName = true;
        if (query == "11")
            data = protocol::ProgramQueryRow{row.Id, row.Name, row.Kind, row.NoDirectQuery}.ToVariant();
        else
            data = row.ToVariant();
        return true;
    }
    if (Same(table, "GENES") && query == "01") return FindScheme(params, data);
    if (Same(table, "CMSMA") && query == "02") {
        std::string site = file.Value("WebReport", "SiteUrl");
        if (site.empty()) return false;
        data = Variant::ArrayOf({site});
        return true;
    }
    if (Same(table, "CMSMT") && query == "01") return PrintTexts(file, UpperCase(KeyOf(params)), data);
    if (Same(table, "CMSMS") && query == "01") {
        if (!params.IsArray() || params.DimCount() != 1 || params.HighBound() - params.LowBound() < 1) return false;
        return TextSetRow(file, DbText(params[params.LowBound()]), DbText(params[params.LowBound() + 1]), data);
    }
    std::string key = KeyOf(params);
    for (const auto& row : LookupRows(file, table, query)) {
        if (row[0] == key) {
            data = RowVariant(row);
            return true;
        }
    }
    return false;
}

// [footer number, footer editable Y/N, "", footer lines 1-3, sign-off number, sign-off editable,
// "", sign-off lines 1-3] from the section "PrintTexts.<ProgramId>".
bool PrintTexts(const DataFile& file, const std::string& programId, Variant& data) {
    const std::string section = "PrintTexts." + programId;
    if (programId.empty() || !file.HasSection(section)) return false;
    auto value = [&](const char* key) { return Variant(file.Value(section, key)); };
    data = Variant::ArrayOf({value("FooterId"), value("FooterEditable"), std::string(), value("Footer1"),
                             value("Footer2"), value("Footer3"), value("SignInId"), value("SignInEditable"),
                             std::string(), value("SignIn1"), value("SignIn2"), value("SignIn3")});
    return true;
}

std::vector<TextSet> TextSets(const DataFile& file, const std::string& kind) {
    std::vector<TextSet> sets;
    for (const auto& [number, value] : file.Section("TextSet." + kind)) {
        std::vector<std::string> fields = SplitRow(value);
        fields.resize(4);
        sets.push_back(TextSet{number, fields[0], {fields[1], fields[2], fields[3]}});
    }
    return sets;
}

bool TextSetRow(const DataFile& file, const std::string& kind, const std::string& number, Variant& data) {
    for (const TextSet& set : TextSets(file, kind)) {
        if (set.Number != number) continue;
        data = Variant::ArrayOf({set.Number, set.Lines[0], set.Lines[1], set.Lines[2]});
        return true;
    }
    return false;
}

std::vector<std::vector<std::string>> LookupRows(const DataFile& data, const std::string& table, const std::string& query) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& [key, value] : data.Section("Lookup." + table + "." + query)) {
        std::vector<std::string> row{key};
        for (auto& field : SplitRow(value)) row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

Variant RowVariant(const std::vector<std::string>& row) {
    std::vector<Variant> items(row.begin(), row.end());
    return Variant::ArrayOf(std::move(items));
}

}  // namespace znp::host
