#include "module/DLLFunc.h"

#include "controls/KitClasses.h"
#include "forms/report/Kvtr42CF.h"
#include "module/DLLRPCtrller.h"
#include "platform/DBClient.h"
#include "platform/StandardClasses.h"

namespace znp {

void StartLibrary() {
    InitDLLRPCtrllerUnit();
    RegisterStandardClasses();
    RegisterDataModuleClasses();
    RegisterKitClasses();
    RegisterBaseGeneClasses();
    RegisterBaseOptClasses();
    RegisterBaseRptClasses();
    RegisterKvtr42Classes();
    frmBaseGeneClass = &TfrmKvtr42::StaticClass();
}

}  // namespace znp

extern "C" __attribute__((visibility("default"))) znp::TDLLBaseController* GetController() {
    // The start-up runs before the host's first call can need it, and only after every static
    // object of the library is initialised (a load-time hook could run before some of them).
    static const bool started = (znp::StartLibrary(), true);
    (void)started;
    if (!znp::DLLControllerClass)
        throw znp::Exception("ZNP DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
    return znp::DLLControllerClass();
}
