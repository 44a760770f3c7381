// TGSpeedButton: a flat speed button whose picture is chosen by a number of the picture library.
#pragma once

#include "platform/Buttons.h"

namespace znp {

class TGSpeedButton : public TSpeedButton {
public:
    ZNP_DECLARE_CLASS()
    explicit TGSpeedButton(TComponent* owner);

    int GlyphIndex() const { return glyphIndex_; }
    virtual void SetGlyphIndex(int value);
    int HintIndex = 0;

private:
    int glyphIndex_ = 0;
};

}  // namespace znp
