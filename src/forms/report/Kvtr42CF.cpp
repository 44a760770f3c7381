#include "forms/report/Kvtr42CF.h"

#include "platform/FormReader.h"

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
    RegisterFormResource("TfrmKvtr42", "inherited frmKvtr42: TfrmKvtr42\nend\n");
}

}  // namespace znp
