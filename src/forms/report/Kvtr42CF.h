// TfrmKvtr42: the request form of the repair-call order list report (叫修单).
#pragma once

#include "forms/report/BaseRpt.h"

namespace znp {

class TfrmKvtr42 : public TfrmBaseRpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseRpt::TfrmBaseRpt;

    void InitFormParams() override;
};

void RegisterKvtr42Classes();

}  // namespace znp
