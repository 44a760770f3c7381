// The disabled image that the base form gives buttons whose picture holds one image.
//
// The image is embossed from the glyph: every pixel that is dark (red + green + blue below 384)
// or lies on the edge of the picture (a neighbour left, right, above or below has the
// transparent colour; at the border of the bitmap the pixel stands in for its missing neighbour)
// is marked. The marks are drawn twice on the button face: in the highlight colour one pixel
// right and down, then in the shadow colour in place, so they look cut into the face.
#pragma once

#include "platform/Bitmap.h"

namespace znp {

// The colours of a standard desktop scheme that the disabled image is drawn in.
inline constexpr TColor kButtonFaceRGB = 0xC0C0C0, kButtonHighlightRGB = 0xFFFFFF, kButtonShadowRGB = 0x808080;

// The marks of Glyph as a monochrome bitmap: black where marked, white elsewhere.
TBitmap DisabledMask(const TBitmap& glyph);
// The disabled image: the glyph's size, button face with the embossed marks.
TBitmap DisabledImage(const TBitmap& glyph);
// Makes Glyph twice as wide: the glyph on the left, its disabled image on the right, both on
// the glyph's transparent colour (the face around the marks counts as transparent). An empty
// glyph stays empty; returns whether the glyph was changed.
bool AddDisabledImage(TBitmap& glyph);

}  // namespace znp
