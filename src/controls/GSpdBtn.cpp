#include "controls/GSpdBtn.h"

#include <string>

#include "controls/Qelres.h"
#include "platform/Application.h"

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

void ShowButtonError(const std::string& text) {
    MessageBoxRequest request;
    request.Text = text;
    request.Type = TMsgDlgType::mtError;
    request.Buttons = mbOK;
    Application().Dialogs().ShowMessageBox(request);
}

void TGSpeedButton::SetGlyphIndex(int value) {
    if (value == glyphIndex_) return;
    try {
        glyphIndex_ = value;
        SetCaption(std::to_string(value));
        TBitmap picture;
        // A picture the library does not hold gives a button without picture, not the old one.
        if (value <= 0 || value > GetMaxBmpID() || !LoadBmp(picture, value)) {
            Glyph()->Clear();
            return;
        }
        Glyph()->Assign(picture);
        SetCaption("");
        if (picture.Height() > 0) SetNumGlyphs(picture.Width() / picture.Height());
    } catch (const std::exception&) {
        ShowButtonError("读取 BMP 发生错误");
    }
}

}  // namespace znp
