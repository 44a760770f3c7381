// Colours and fonts of controls.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Component.h"

namespace znp {

// 0x00BBGGRR as the platform stores colours; system colours have the high byte 0x80 or 0xFF.
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF, clBlue = 0xFF0000, clYellow = 0x00FFFF,
                 clNavy = 0x800000, clGray = 0x808080, clSilver = 0xC0C0C0, clAqua = 0xFFFF00,
                 clInfoBk = static_cast<TColor>(0xFF000018), clWindow = static_cast<TColor>(0xFF000005),
                 clWindowText = static_cast<TColor>(0xFF000008), clBtnFace = static_cast<TColor>(0xFF00000F),
                 clBtnShadow = static_cast<TColor>(0xFF000010), clBtnHighlight = static_cast<TColor>(0xFF000014),
                 clGrayText = static_cast<TColor>(0xFF000011);

using TFontStyles = std::uint8_t;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

class TFont : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    std::string Name = "MS Sans Serif";
    int Height = -11;
    int Charset = 1;  // DEFAULT_CHARSET
    TColor Color = clWindowText;
    TFontStyles Style = 0;

    int Size() const { return (-Height * 72 + 48) / 96; }
    void SetSize(int points) { Height = -(points * 96 + 36) / 72; }
    void Assign(const TPersistent& source) override;
    bool operator==(const TFont& o) const {
        return Name == o.Name && Height == o.Height && Charset == o.Charset && Color == o.Color && Style == o.Style;
    }
};

}  // namespace znp
