// TfrmBaseRpt: the report level of the condition form: output options, direct query, report
// design and the web report.
#pragma once

#include "forms/options/BaseOpt.h"

namespace znp {

class TfrmBaseRpt : public TfrmBaseOpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseOpt::TfrmBaseOpt;

    void InitFormParams() override;
};

void RegisterBaseRptClasses();

}  // namespace znp
