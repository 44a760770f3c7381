// The two class references of the library: which controller GetController makes and which
// condition form Open creates. Both start out empty; the library's start-up sets them.
#pragma once

#include "Kvtr42C/DLLBaseCtrller.h"

namespace znp {

class ClassInfo;

using TDLLControllerClass = TDLLBaseController* (*)();

extern TDLLControllerClass DLLControllerClass;
extern const ClassInfo* frmBaseGeneClass;

}  // namespace znp
