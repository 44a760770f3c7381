// The disabled image of a single-image glyph, pixel by pixel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ZNFormDisabledImage.h"

using namespace znp;

namespace {

constexpr TColor T = 0x008080;  // transparent (olive)
constexpr TColor D = 0x000080;  // dark: 128 < 384
constexpr TColor L = 0xE0E0E0;  // light: 672

// Draws a bitmap from rows of letters.
TBitmap Draw(const std::vector<std::string>& rows) {
    TBitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), T);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const char c = rows[y][x];
            b.SetPixel(x, y, c == 'd' ? D : c == 'l' ? L : c == 'h' ? kButtonHighlightRGB : c == 's' ? kButtonShadowRGB
                                                     : c == 'f' ? kButtonFaceRGB : T);
        }
    return b;
}

std::vector<std::string> Rows(const TBitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            const TColor c = b.Pixel(x, y) & 0xFFFFFF;
            row += c == T ? '.' : c == D ? 'd' : c == L ? 'l' : c == kButtonShadowRGB ? 's'
                 : c == kButtonHighlightRGB ? 'h' : c == kButtonFaceRGB ? 'f' : c == clBlack ? 'k' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// A light block with a dark centre: the light pixels inside the block are neither dark nor on the
// edge, so only they stay unmarked. The block touches the right border, where the border does
// not count as transparent. The bottom-left pixel is the transparent colour.
const std::vector<std::string> kGlyph = {
    "......",
    ".lllll",
    ".lldll",
    ".lllll",
    ".lllll",
    "......",
};

TEST(DisabledImage, MarksDarkAndEdgePixels) {
    // Monochrome: k black (marked), h white.
    EXPECT_EQ(Rows(DisabledMask(Draw(kGlyph))), (std::vector<std::string>{
                                                    "hhhhhh",
                                                    "hkkkkk",
                                                    "hkhkhh",
                                                    "hkhhhh",
                                                    "hkkkkk",
                                                    "hhhhhh",
                                                }));
}

TEST(DisabledImage, EmbossesTheMarksOnTheButtonFace) {
    // Highlight one pixel right and down, then shadow in place.
    EXPECT_EQ(Rows(DisabledImage(Draw(kGlyph))), (std::vector<std::string>{
                                                     "ffffff",
                                                     "fsssss",
                                                     "fshshh",
                                                     "fshfhf",
                                                     "fsssss",
                                                     "ffhhhh",
                                                 }));
}

TEST(DisabledImage, GlyphBecomesNormalAndDisabledSideBySide) {
    TBitmap glyph = Draw(kGlyph);
    glyph.Transparent = true;
    ASSERT_TRUE(AddDisabledImage(glyph));
    const std::vector<std::string> expected = {
        "............",
        ".lllll.sssss",
        ".lldll.shshh",
        ".lllll.sh.h.",
        ".lllll.sssss",
        "........hhhh",
    };
    EXPECT_EQ(expected, Rows(glyph));
    EXPECT_TRUE(glyph.Transparent);
    EXPECT_EQ(T, glyph.TransparentColor());

    TBitmap empty;
    EXPECT_FALSE(AddDisabledImage(empty));
    EXPECT_TRUE(empty.Empty());
}

}  // namespace
