// A small 24-bit bitmap: the pictures of buttons, image lists and check boxes.
//
// Pixels are colours in the platform's 0x00BBGGRR layout, stored row by row from the top. The
// bitmap reads and writes the platform's BMP file format so that pictures can be shipped as files:
// it reads uncompressed 1, 4, 8, 24 and 32 bits per pixel (bottom-up or top-down) and writes 24 bits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/Graphics.h"

namespace znp {

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

class TBitmap : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    TBitmap() = default;
    TBitmap(int width, int height, TColor fill = clWhite) { SetSize(width, height, fill); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Resizes to Width x Height; every pixel becomes Fill.
    void SetSize(int width, int height, TColor fill = clWhite);
    void Clear() { SetSize(0, 0); }

    // The colour at (X, Y); raises outside the bitmap.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void FillRect(const TRect& rect, TColor color);

    // Transparent drawing: the colour that stays see-through; without an explicit colour, the
    // colour of the bottom-left pixel, as the platform takes it.
    bool Transparent = false;
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    bool HasTransparentColor() const { return transparentSet_; }

    // Copies the Source rectangle (clipped to Source) to (X, Y) of this bitmap (clipped here).
    void CopyRect(int x, int y, const TBitmap& source, const TRect& sourceRect);
    // A new bitmap holding the given rectangle (clipped to this bitmap).
    TBitmap Section(const TRect& rect) const;
    // The monochrome mask: black where the pixel differs from Color, white where it equals it.
    TBitmap Mask(TColor color) const;

    // BMP file format. A malformed or truncated file raises Exception and leaves the bitmap as it was.
    void LoadFromBytes(std::string_view bytes);
    std::string SaveToBytes() const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    void Assign(const TPersistent& source) override;
    bool SamePixels(const TBitmap& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

    // Raised after the picture changed (size, pixels loaded, assigned).
    TNotifyEvent OnChange;

private:
    void Changed() { OnChange(this); }
    int width_ = 0, height_ = 0;
    std::vector<TColor> pixels_;
    TColor transparentColor_ = 0;
    bool transparentSet_ = false;
};

}  // namespace znp
