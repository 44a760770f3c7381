// The picture library: the built-in pictures are those shipped in data/pictures.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "controls/Qelres.h"
#include "services/ServiceTestSupport.h"

using namespace znp;

namespace {

TEST(Qelres, ThePicturesTheFormsUseAreSquareImagesSideBySide) {
    struct Case {
        int number, images, size;
    } cases[] = {{4, 2, 16}, {8, 1, 16}, {9, 1, 16}, {39, 1, 16}, {47, 1, 16}, {81, 1, 16}, {90, 5, 18}, {91, 1, 24}};
    EXPECT_EQ(91, GetMaxBmpID());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        TBitmap picture;
        ASSERT_TRUE(LoadBmp(picture, c.number));
        EXPECT_EQ(c.size, picture.Height());
        EXPECT_EQ(c.images * c.size, picture.Width());
        // The background, which buttons take as transparent, is in the bottom-left corner.
        EXPECT_EQ(0x008080, picture.TransparentColor());
        EXPECT_NE(picture.Pixel(c.size / 2, c.size / 2), picture.TransparentColor());
    }
}

TEST(Qelres, ANumberWithoutPictureLeavesTheBitmapAlone) {
    TBitmap picture(3, 3, clRed);
    for (int number : {0, 5, 10, 89, 92, -1}) {
        EXPECT_FALSE(LoadBmp(picture, number)) << number;
        EXPECT_EQ(3, picture.Width());
    }
}

TEST(Qelres, BuiltInPicturesAreTheShippedFiles) {
    const auto folder = znp::test::SourceDir() / "data" / "pictures";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".bmp") continue;
        ++files;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        TBitmap shipped, built;
        shipped.LoadFromBytes(bytes.str());
        ASSERT_TRUE(LoadBmp(built, std::stoi(entry.path().stem().string()))) << entry.path();
        EXPECT_TRUE(shipped.SamePixels(built)) << entry.path();
    }
    EXPECT_EQ(8, files);
}

}  // namespace
