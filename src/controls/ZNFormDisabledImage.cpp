#include "controls/ZNFormDisabledImage.h"

namespace znp {

namespace {

int Brightness(TColor c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF); }

bool Same(TColor a, TColor b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

// Paints Colour where the monochrome Mask is black, leaving the rest of Target (raster operation
// 0xE20746 with Colour as the pattern), the mask's corner at (X, Y).
void PaintMask(TBitmap& target, const TBitmap& mask, int x, int y, TColor colour) {
    for (int my = 0; my < mask.Height(); ++my)
        for (int mx = 0; mx < mask.Width(); ++mx) {
            const int tx = x + mx, ty = y + my;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
            if (Same(mask.Pixel(mx, my), clBlack)) target.SetPixel(tx, ty, colour);
        }
}

}  // namespace

TBitmap DisabledMask(const TBitmap& glyph) {
    const TColor transparent = glyph.TransparentColor();
    const int w = glyph.Width(), h = glyph.Height();
    TBitmap mask(w, h, transparent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor c = glyph.Pixel(x, y);
            if (Same(c, transparent)) continue;
            auto at = [&](int nx, int ny) {
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) return c;
                return glyph.Pixel(nx, ny);
            };
            const bool edge = Same(at(x - 1, y), transparent) || Same(at(x + 1, y), transparent) ||
                              Same(at(x, y - 1), transparent) || Same(at(x, y + 1), transparent);
            if (Brightness(c) < 384 || edge) mask.SetPixel(x, y, clBlack);
        }
    return mask.Mask(transparent);
}

TBitmap DisabledImage(const TBitmap& glyph) {
    const TBitmap mask = DisabledMask(glyph);
    TBitmap image(glyph.Width(), glyph.Height(), kButtonFaceRGB);
    PaintMask(image, mask, 1, 1, kButtonHighlightRGB);
    PaintMask(image, mask, 0, 0, kButtonShadowRGB);
    return image;
}

bool AddDisabledImage(TBitmap& glyph) {
    if (glyph.Empty()) return false;
    const TColor transparent = glyph.TransparentColor();
    const TBitmap disabled = DisabledImage(glyph);
    const int w = glyph.Width(), h = glyph.Height();
    TBitmap both(2 * w, h, transparent);
    both.CopyRect(0, 0, glyph, {0, 0, w, h});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!Same(disabled.Pixel(x, y), kButtonFaceRGB)) both.SetPixel(w + x, y, disabled.Pixel(x, y));
    const bool keepColour = glyph.HasTransparentColor(), drawnTransparent = glyph.Transparent;
    both.Transparent = drawnTransparent;
    if (keepColour) both.SetTransparentColor(transparent);
    glyph.Assign(both);
    return true;
}

}  // namespace znp
