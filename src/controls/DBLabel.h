// TDBLabel: a free-standing label that names a focus control and places itself beside it.
#pragma once

#include <vector>

#include "platform/StdCtrls.h"

namespace znp {

enum class TPos { psTop, psLeft, psRight, psBottom };
inline const std::vector<std::string> kPosNames{"psTop", "psLeft", "psRight", "psBottom"};

class TDBLabel : public TLabel {
public:
    ZNP_DECLARE_CLASS()
    explicit TDBLabel(TComponent* owner);

    TPos Pos = TPos::psLeft;
    int Gap = 4;
    bool AutoAlign = true;
    bool AutoCaption = true;

    // Places the label beside its focus control (when AutoAlign is on).
    void AlignToControl();
    void Loaded() override;
};

}  // namespace znp
