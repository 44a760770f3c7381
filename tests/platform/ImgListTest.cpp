#include <gtest/gtest.h>

#include "platform/ImgList.h"

using namespace znp;

namespace {

TEST(ImageList, AStripIsCutIntoImagesOfTheListsSize) {
    TImageList* list = Construct<TImageList>(nullptr);
    list->SetWidth(2);
    list->SetHeight(2);
    TBitmap strip(6, 2, clRed);
    strip.FillRect({2, 0, 4, 2}, clBlue);
    EXPECT_EQ(list->AddMasked(strip, clRed), 0);
    EXPECT_EQ(list->Add(TBitmap(1, 1, clGray)), 3);  // narrower than one image: one image
    EXPECT_EQ(list->Count(), 4);
    TBitmap image, mask;
    ASSERT_TRUE(list->GetBitmap(1, image));
    EXPECT_EQ(image.Pixel(0, 0), clBlue);
    ASSERT_TRUE(list->GetMask(0, mask));
    EXPECT_EQ(mask.Pixel(0, 0), clWhite);
    EXPECT_FALSE(list->GetBitmap(4, image));
    EXPECT_FALSE(list->GetBitmap(-1, image));
    list->SetWidth(16);  // a new size empties the list
    EXPECT_EQ(list->Count(), 0);
    EXPECT_THROW(list->SetHeight(0), Exception);
    TObject::Free(list);
}

}  // namespace
