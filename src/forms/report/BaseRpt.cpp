#include "forms/report/BaseRpt.h"

#include "platform/FormReader.h"

KV_STORED_FORM(BaseRpt)

namespace znp {

const ClassInfo& TfrmBaseRpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseRpt", &TfrmBaseOpt::StaticClass());
        c.Creatable<TfrmBaseRpt>();
        return c;
    }();
    return info;
}

void TfrmBaseRpt::InitFormParams() {
    TfrmBaseOpt::InitFormParams();
    EnvCount = 14;
    ReservedCount = 4;
    SetConditionCount(0);
    ProgramKind = std::string("R");
}

void RegisterBaseRptClasses() {
    RegisterClass(TfrmBaseRpt::StaticClass());
    RegisterFormResource("TfrmBaseRpt", std::string(storedforms::BaseRpt()));
}

}  // namespace znp
