// A canvas that records what is drawn on it. The painting the library itself specifies (check-box
// and radio captions, page tabs) is drawn here, so that tests can check geometry and colours and
// a window layer can replay it.
//
// Text is measured as labels measure it: a byte is half the font's character height wide (a
// double-byte character a full square), the character height is the font's pixel height, and
// with accelerator characters an "&" takes no room ("&&" shows one "&").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace znp {

// DrawText formats.
enum : std::uint32_t {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_SINGLELINE = 0x20,
    DT_NOPREFIX = 0x800,
};

enum class TCanvasOpKind { FillRect, DrawText, Draw, FocusRect };

// One drawing operation as recorded.
struct TCanvasOp {
    TCanvasOpKind Kind = TCanvasOpKind::FillRect;
    TRect Rect;               // FillRect, DrawText, FocusRect: the rectangle; Draw: where the image lands
    TColor Color = clBlack;   // FillRect: the brush; DrawText: the font colour
    std::string Text;         // DrawText
    std::uint32_t Format = 0; // DrawText
    TFontStyles Style = 0;    // DrawText: the font's style
    TBitmap Image;            // Draw
    bool Transparent = false; // Draw: drawn without the image's transparent colour
};

class TCanvas {
public:
    TColor BrushColor = clWhite;
    TFont Font;

    void FillRect(const TRect& rect);
    // Text in Rect with the given format, in the current font.
    void DrawText(const std::string& text, const TRect& rect, std::uint32_t format);
    // Image at (X, Y); Transparent leaves out the image's transparent colour.
    void Draw(int x, int y, const TBitmap& image, bool transparent);
    void DrawFocusRect(const TRect& rect);

    // Measures as DrawText lays out one line (see above; DT_NOPREFIX keeps every "&").
    int TextWidth(const std::string& text, bool prefix = true) const;
    int TextHeight() const { return Font.PixelHeight(); }

    const std::vector<TCanvasOp>& Ops() const { return ops_; }
    void Clear() { ops_.clear(); }

private:
    std::vector<TCanvasOp> ops_;
};

// The text without the accelerator marks: "&x" shows "x", "&&" shows "&".
std::string StripAccelChars(const std::string& text);
// The accelerator character of a caption (lower-cased), or 0.
char AccelChar(const std::string& text);

}  // namespace znp
