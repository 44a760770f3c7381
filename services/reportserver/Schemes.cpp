// The condition-scheme table and its provider "pvdConSave".
#include <strings.h>

#include <algorithm>

#include "Kvtr42C/Exception.h"
#include "ReportServer.h"
#include "SchemeTable.h"
#include "ServerStore.h"

namespace znp::report {

namespace {

std::string Field(const Variant& array, int index) {
    if (!array.IsArray() || array.DimCount() != 1) throw EOleError("A scheme call expects an array argument");
    int at = array.LowBound() + index;
    if (at > array.HighBound()) throw EOleError("A scheme call lacks argument " + std::to_string(index));
    return DbText(array[at]);
}

const char* const kNotFound = "方案不存在!";
const char* const kExists = "此方案名称已经存在!";
const char* const kNameEmpty = "方案名称不可空白!";

bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

void ReportServer::RegisterSchemeCalls() {
    // [UserId, ProgramId]: the schemes that this connection's provider delivers from now on.
    Method("LoadTable", 1, [this](std::vector<Variant>& args) -> Variant {
        schemeUser_ = Field(args[0], 0);
        schemeProgram_ = Field(args[0], 1);
        schemesLoaded_ = true;
        return Variant();
    });
    // [name, UserId, date yyyymmdd, ProgramId, key list, value text, Overwrite].
    Method("InsertConTable", 1, [this](std::vector<Variant>& args) -> Variant {
        const Variant& a = args[0];
        Scheme scheme{Field(a, 0), Field(a, 1), Field(a, 3), Field(a, 4), Field(a, 5), Field(a, 2)};
        bool overwrite = a.HighBound() - a.LowBound() >= 6 && a[a.LowBound() + 6].AsBoolean();
        if (Blank(scheme.Name)) return std::string(kNameEmpty);
        std::lock_guard lock(store_->Mutex);
        Scheme* existing = store_->FindScheme(scheme.Name, scheme.Creator, scheme.Programme);
        if (existing && !overwrite) return std::string(kExists);
        if (existing)
            *existing = scheme;
        else
            store_->Schemes.push_back(scheme);
        return std::string();
    });
    // [name, UserId, ProgramId].
    Method("DeleteConTable", 1, [this](std::vector<Variant>& args) -> Variant {
        std::string name = Field(args[0], 0), user = Field(args[0], 1), program = Field(args[0], 2);
        std::lock_guard lock(store_->Mutex);
        auto& schemes = store_->Schemes;
        for (auto it = schemes.begin(); it != schemes.end(); ++it) {
            if (it->Name == name && it->Creator == user && it->Programme == program) {
                schemes.erase(it);
                return std::string();
            }
        }
        return std::string(kNotFound);
    });
    // ([old name, UserId, ProgramId], [new name, UserId, ProgramId]).
    Method("ChangeConName", 2, [this](std::vector<Variant>& args) -> Variant {
        std::string oldName = Field(args[0], 0), user = Field(args[0], 1), program = Field(args[0], 2);
        std::string newName = Field(args[1], 0), newUser = Field(args[1], 1), newProgram = Field(args[1], 2);
        if (Blank(newName)) return std::string(kNameEmpty);
        std::lock_guard lock(store_->Mutex);
        Scheme* scheme = store_->FindScheme(oldName, user, program);
        if (!scheme) return std::string(kNotFound);
        if (newName == oldName && newUser == user && newProgram == program) return std::string();
        if (store_->FindScheme(newName, newUser, newProgram)) return std::string(kExists);
        scheme->Name = newName;
        scheme->Creator = newUser;
        scheme->Programme = newProgram;
        return std::string();
    });
    Method("GetRecords", 1, [this](std::vector<Variant>& args) { return Records(DbText(args[0])); });
}

// Rows in name order, as the provider's index delivers them.
Variant ReportServer::Records(const std::string& provider) {
    if (strcasecmp(provider.c_str(), "pvdConSave") != 0) throw EOleError("Provider " + provider + " not found");
    std::vector<Scheme> rows;
    if (schemesLoaded_) {
        std::lock_guard lock(store_->Mutex);
        for (const Scheme& s : store_->Schemes)
            if (s.Creator == schemeUser_ && s.Programme == schemeProgram_) rows.push_back(s);
    }
    return SchemeTable(std::move(rows));
}

}  // namespace znp::report
