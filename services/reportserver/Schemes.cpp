// The scheme calls and the provider "pvdConSave".
#include <strings.h>

#include "Kvtr42C/Exception.h"
#include "ReportServer.h"
#include "SchemeStore.h"

namespace znp::report {

namespace {

using namespace protocol;

// An argument of the wrong layout is the caller's error: it reaches the client as a failed call.
template <class Record>
Record Argument(const Variant& value) {
    try {
        return Record::FromVariant(value, kDbCodePage);
    } catch (const EProtocolError& e) {
        throw EOleError(e.what());
    }
}

}  // namespace

void ReportServer::RegisterSchemeCalls() {
    // The schemes that this connection's provider delivers from now on.
    Method("LoadTable", 1, [this](std::vector<Variant>& args) -> Variant {
        const SchemeOwner owner = Argument<SchemeOwner>(args[0]);
        schemeUser_ = owner.UserId;
        schemeProgram_ = owner.ProgramId;
        schemesLoaded_ = true;
        return Variant();
    });
    Method("InsertConTable", 1, [](std::vector<Variant>& args) -> Variant {
        return SchemeStore::Instance()->Insert(Argument<SchemeInsert>(args[0]));
    });
    Method("DeleteConTable", 1, [](std::vector<Variant>& args) -> Variant {
        return SchemeStore::Instance()->Delete(Argument<SchemeKey>(args[0]));
    });
    Method("ChangeConName", 2, [](std::vector<Variant>& args) -> Variant {
        return SchemeStore::Instance()->Rename(Argument<SchemeKey>(args[0]), Argument<SchemeKey>(args[1]));
    });
    Method("GetRecords", 1, [this](std::vector<Variant>& args) { return Records(DbText(args[0])); });
}

Variant ReportServer::Records(const std::string& provider) {
    if (strcasecmp(provider.c_str(), "pvdConSave") != 0) throw EOleError("Provider " + provider + " not found");
    SchemeTable table;
    if (schemesLoaded_) table.Rows = SchemeStore::Instance()->List(schemeUser_, schemeProgram_);
    return table.ToVariant();
}

}  // namespace znp::report
