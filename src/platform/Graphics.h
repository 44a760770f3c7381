// Colours and fonts of controls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Component.h"

namespace znp {

// 0x00BBGGRR as the platform stores colours; system colours have the high byte 0x80 or 0xFF.
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF, clBlue = 0xFF0000, clYellow = 0x00FFFF,
                 clNavy = 0x800000, clGray = 0x808080, clSilver = 0xC0C0C0, clAqua = 0xFFFF00,
                 clInfoBk = static_cast<TColor>(0xFF000018), clWindow = static_cast<TColor>(0xFF000005),
                 clWindowText = static_cast<TColor>(0xFF000008), clBtnFace = static_cast<TColor>(0xFF00000F),
                 clBtnShadow = static_cast<TColor>(0xFF000010), clBtnHighlight = static_cast<TColor>(0xFF000014),
                 clGrayText = static_cast<TColor>(0xFF000011), clActiveCaption = static_cast<TColor>(0xFF000002),
                 clInactiveCaption = static_cast<TColor>(0xFF000003),
                 clCaptionText = static_cast<TColor>(0xFF000009),
                 clInactiveCaptionText = static_cast<TColor>(0xFF000013);

using TFontStyles = std::uint8_t;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;
// The element names of the set, bit i first.
inline const std::vector<std::string> kFontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

// A font. Every change of its look is told to the change handler, through which the control
// that owns the font follows it (ParentFont, views).
class TFont : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    TFont() = default;
    // Copies the look only; the copy has no change handler.
    TFont(const TFont& other) : TPersistent() { CopyLook(other); }
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    int Height() const { return height_; }
    void SetHeight(int value);
    int Charset() const { return charset_; }
    void SetCharset(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);

    int Size() const { return (-height_ * 72 + 48) / 96; }
    void SetSize(int points) { SetHeight(-(points * 96 + 36) / 72); }
    // The height of a character in pixels, whichever sign the height is stored with.
    int PixelHeight() const { return height_ < 0 ? -height_ : height_; }
    // One change notification for the whole copy.
    void Assign(const TPersistent& source) override;
    bool operator==(const TFont& o) const {
        return name_ == o.name_ && height_ == o.height_ && charset_ == o.charset_ && color_ == o.color_ &&
               style_ == o.style_;
    }

    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void CopyLook(const TFont& other);
    void Changed() {
        if (onChange_) onChange_();
    }
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    int charset_ = 1;  // DEFAULT_CHARSET
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    std::function<void()> onChange_;
};

}  // namespace znp
