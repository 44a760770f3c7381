#include "platform/SysUtils.h"
#include "forms/report/Kvtr42CF.h"

#include "platform/FormReader.h"

KV_STORED_FORM(Kvtr42CF)

namespace znp {

const ClassInfo& TfrmKvtr42::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmKvtr42", &TfrmBaseRpt::StaticClass());
        c.Creatable<TfrmKvtr42>();
        return c;
    }();
    return info;
}

void TfrmKvtr42::InitFormParams() {
    TfrmBaseRpt::InitFormParams();
    SetDateFields("sp02,sp03");
    SetConditionCount(10);
}

void RegisterKvtr42Classes() {
    RegisterClass(TfrmKvtr42::StaticClass());
    RegisterFormResource("TfrmKvtr42", std::string(storedforms::Kvtr42CF()));
}

}  // namespace znp
