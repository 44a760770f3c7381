// TfrmBaseOpt: the level of the condition form that decides when a request is produced, binds the
// form to the report server and submits the request.
#pragma once

#include "forms/base/BaseGene.h"

namespace znp {

class TfrmBaseOpt : public TfrmBaseGene {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseGene::TfrmBaseGene;

    void InitFormParams() override;
    void BeforeConnect(TSocketConnection* connection) override;
    void btnCancelClick(TObject* sender);
};

void RegisterBaseOptClasses();

}  // namespace znp
