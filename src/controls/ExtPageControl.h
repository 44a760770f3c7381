// TExtPageControl: the kit's page control of the condition forms.
#pragma once

#include "platform/ComCtrls.h"

namespace znp {

class TExtPageControl : public TPageControl {
public:
    ZNP_DECLARE_CLASS()
    using TPageControl::TPageControl;
};

}  // namespace znp
