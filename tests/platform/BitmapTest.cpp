#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "fixture/TestPaths.h"
#include "platform/Bitmap.h"

using namespace znp;

namespace {

TBitmap Pattern(int width, int height) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, (x * 40) | (y * 50) << 8 | ((x + y) * 7) << 16);
    return b;
}

TEST(Bitmap, BmpRoundTripKeepsEveryPixel) {
    // Widths 1 to 5 cover every row padding of 24-bit rows.
    for (int width = 1; width <= 5; ++width) {
        TBitmap original = Pattern(width, 3);
        TBitmap copy;
        copy.LoadFromBytes(original.SaveToBytes());
        EXPECT_TRUE(copy.SamePixels(original)) << width;
    }
}

TEST(Bitmap, FileRoundTrip) {
    const test::TempDir dir;
    const std::string path = (dir.Path() / "picture.bmp").string();
    TBitmap original = Pattern(7, 5);
    original.SaveToFile(path);
    TBitmap loaded;
    loaded.LoadFromFile(path);
    std::remove(path.c_str());
    EXPECT_TRUE(loaded.SamePixels(original));
    EXPECT_THROW(loaded.LoadFromFile(path), Exception);
}

// A hand-made 8-bit palette picture, 2 x 2, stored top-down.
std::string PaletteBmp() {
    std::string b = "BM";
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b += static_cast<char>(v >> (8 * i));
    };
    auto put16 = [&](std::uint16_t v) {
        b += static_cast<char>(v);
        b += static_cast<char>(v >> 8);
    };
    put32(14 + 40 + 8 + 8);
    put32(0);
    put32(14 + 40 + 8);
    put32(40);
    put32(2);
    put32(static_cast<std::uint32_t>(-2));  // top-down
    put16(1);
    put16(8);
    put32(0);
    put32(8);
    put32(0);
    put32(0);
    put32(2);  // colours used
    put32(0);
    b += std::string("\x00\x00\xFF\x00", 4);  // palette 0: red (B G R order)
    b += std::string("\xFF\x00\x00\x00", 4);  // palette 1: blue
    b += std::string("\x00\x01\x00\x00", 4);  // row 0: red, blue, padding
    b += std::string("\x01\x01\x00\x00", 4);  // row 1: blue, blue
    return b;
}

TEST(Bitmap, ReadsPalettePicturesStoredTopDown) {
    TBitmap b;
    b.LoadFromBytes(PaletteBmp());
    ASSERT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Pixel(0, 0), clRed);
    EXPECT_EQ(b.Pixel(1, 0), clBlue);
    EXPECT_EQ(b.Pixel(0, 1), clBlue);
}

TEST(Bitmap, MalformedFilesAreRefusedAndLeaveThePictureAsItWas) {
    std::string good = PaletteBmp();
    std::string badIndex = good;
    badIndex[good.size() - 4] = 5;  // a palette index beyond the two colours
    std::string hugeWidth = good;
    hugeWidth[18] = '\xFF';
    hugeWidth[19] = '\xFF';
    const std::string cases[] = {"", "XX", good.substr(0, good.size() - 2), badIndex, hugeWidth};
    for (const std::string& bytes : cases) {
        TBitmap b = Pattern(3, 3);
        EXPECT_THROW(b.LoadFromBytes(bytes), Exception) << bytes.size();
        EXPECT_TRUE(b.SamePixels(Pattern(3, 3)));
    }
}

TEST(Bitmap, CopyRectClipsAndMaskMarksTheTransparentColour) {
    TBitmap target(4, 4, clWhite);
    TBitmap source(3, 3, clRed);
    target.CopyRect(2, 2, source, {0, 0, 3, 3});  // only 2 x 2 fit
    EXPECT_EQ(target.Pixel(3, 3), clRed);
    EXPECT_EQ(target.Pixel(1, 1), clWhite);
    target.CopyRect(-1, 0, source, {0, 0, 2, 1});
    EXPECT_EQ(target.Pixel(0, 0), clRed);

    TBitmap mask = target.Mask(clWhite);
    EXPECT_EQ(mask.Pixel(1, 1), clWhite);
    EXPECT_EQ(mask.Pixel(3, 3), clBlack);
    // Without an explicit colour the bottom-left pixel is the transparent one.
    EXPECT_EQ(target.TransparentColor(), clWhite);
    target.SetTransparentColor(clRed);
    EXPECT_EQ(target.TransparentColor(), clRed);
    EXPECT_THROW(target.Pixel(4, 0), Exception);
}

}  // namespace
