#include "controls/GSpdBtn.h"

namespace znp {

const ClassInfo& TGSpeedButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TGSpeedButton", &TSpeedButton::StaticClass());
        c.Creatable<TGSpeedButton>();
        c.Prop("GlyphIndex", &TGSpeedButton::GlyphIndex, &TGSpeedButton::SetGlyphIndex);
        c.Field("HintIndex", &TGSpeedButton::HintIndex);
        return c;
    }();
    return info;
}

TGSpeedButton::TGSpeedButton(TComponent* owner) : TSpeedButton(owner) { Flat = true; }

void TGSpeedButton::SetGlyphIndex(int value) {
    if (value == glyphIndex_) return;
    glyphIndex_ = value;
    // A button whose picture cannot be shown shows its number.
    SetCaption(std::to_string(value));
}

}  // namespace znp
