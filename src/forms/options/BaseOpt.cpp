#include "forms/options/BaseOpt.h"

#include "platform/FormReader.h"

KV_STORED_FORM(BaseOpt)

namespace znp {

const ClassInfo& TfrmBaseOpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseOpt", &TfrmBaseGene::StaticClass());
        c.Creatable<TfrmBaseOpt>();
        c.Method("btnCancelClick", &TfrmBaseOpt::btnCancelClick);
        return c;
    }();
    return info;
}

void TfrmBaseOpt::InitFormParams() {
    TfrmBaseGene::InitFormParams();
    SetDateFields("edDate,meStartDate,meEndDate");
    EnvCount = 12;
    F2Flags = 4;
}

void TfrmBaseOpt::BeforeConnect(TSocketConnection* connection) {
    TfrmBaseGene::BeforeConnect(connection);
    connection->ServerName = "ReportCounterS.dmReportCounter";
}

void TfrmBaseOpt::btnCancelClick(TObject* sender) {
    TfrmBaseGene::btnCancelClick(sender);
    ResultCode = 2;
}

void RegisterBaseOptClasses() {
    RegisterClass(TfrmBaseOpt::StaticClass());
    RegisterFormResource("TfrmBaseOpt", std::string(storedforms::BaseOpt()));
}

}  // namespace znp
