// TGSpeedButton: a flat speed button whose picture is chosen by a number of the picture library
// (Qelres). A number the library cannot supply leaves the button without picture, showing the
// number as its caption.
#pragma once

#include "platform/Buttons.h"

namespace znp {

class TGSpeedButton : public TSpeedButton {
public:
    ZNP_DECLARE_CLASS()
    explicit TGSpeedButton(TComponent* owner);

    int GlyphIndex() const { return glyphIndex_; }
    // Loads picture Value: the caption is the number until the picture is there; the number of
    // images is the picture's width divided by its height. The current number again does nothing;
    // 0, and numbers the library does not hold, clear the picture. A failure of the library is
    // reported in a box ("读取 BMP 发生错误"); the number stays.
    virtual void SetGlyphIndex(int value);
    // A stored number that nothing reads.
    int HintIndex = 0;

private:
    int glyphIndex_ = 0;
};

// The error box of a picture button (OK button only).
void ShowButtonError(const std::string& text);

}  // namespace znp
