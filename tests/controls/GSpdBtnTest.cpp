// TGSpeedButton: pictures chosen by number from the picture library.
#include <gtest/gtest.h>

#include "controls/GSpdBtn.h"
#include "controls/PictureLibraryFake.h"
#include "platform/Application.h"

using namespace znp;
using namespace znp::test;

namespace {

class GSpeedButtonTest : public ::testing::Test {
protected:
    GSpeedButtonTest() : dialogs_(std::make_shared<ScriptedDialogs>()) {
        Application().SetDialogs(dialogs_);
        pictures_->Pictures[12] = TBitmap(46, 23, clRed);
        pictures_->Pictures[13] = TBitmap(16, 16, clBlue);
        pictures_->Broken.insert(14);
        button_ = Construct<TGSpeedButton>(nullptr);
    }
    ~GSpeedButtonTest() override {
        TObject::Free(button_);
        Application().SetDialogs(std::make_shared<ScriptedDialogs>());
    }

    ScopedPictures pictures_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    TGSpeedButton* button_;
};

TEST_F(GSpeedButtonTest, APictureTwiceAsWideAsHighGivesTwoImages) {
    EXPECT_TRUE(button_->Flat);
    button_->SetGlyphIndex(12);
    EXPECT_EQ(12, button_->GlyphIndex());
    EXPECT_EQ("", button_->Caption());
    EXPECT_EQ(46, button_->Glyph()->Width());
    EXPECT_EQ(23, button_->Glyph()->Height());
    EXPECT_EQ(2, button_->NumGlyphs());
    button_->SetGlyphIndex(13);
    EXPECT_EQ(1, button_->NumGlyphs());
    EXPECT_EQ(clBlue, button_->Glyph()->Pixel(0, 0));
}

TEST_F(GSpeedButtonTest, TheCurrentNumberAgainDoesNotReload) {
    button_->SetGlyphIndex(13);
    const int loads = pictures_->Loads;
    button_->Glyph()->SetPixel(0, 0, clWhite);
    button_->SetGlyphIndex(13);
    EXPECT_EQ(loads, pictures_->Loads);
    EXPECT_EQ(clWhite, button_->Glyph()->Pixel(0, 0));
}

TEST_F(GSpeedButtonTest, NumbersWithoutPictureShowTheNumber) {
    struct Case {
        int number;
        bool asked;  // whether the library is asked at all
    } cases[] = {{0, false}, {51, false}, {20, true}, {-3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        button_->SetGlyphIndex(13);
        const int loads = pictures_->Loads;
        button_->SetGlyphIndex(c.number);
        EXPECT_EQ(c.number, button_->GlyphIndex());
        EXPECT_EQ(std::to_string(c.number), button_->Caption());
        EXPECT_TRUE(button_->Glyph()->Empty());
        EXPECT_EQ(c.asked ? loads + 1 : loads, pictures_->Loads);
    }
    EXPECT_TRUE(dialogs_->Records().empty());
}

TEST_F(GSpeedButtonTest, ALibraryFailureIsReportedOncePerAttempt) {
    button_->SetGlyphIndex(14);
    button_->SetGlyphIndex(14);  // the same number: no second attempt
    button_->SetGlyphIndex(13);
    button_->SetGlyphIndex(14);
    ASSERT_EQ(2u, dialogs_->Records().size());
    const MessageBoxRequest& box = dialogs_->Records()[0].Request;
    EXPECT_EQ("读取 BMP 发生错误", box.Text);
    EXPECT_EQ(mbOK, box.Buttons);
    EXPECT_EQ(TMsgDlgType::mtError, box.Type);
    EXPECT_EQ(14, button_->GlyphIndex());
    EXPECT_EQ("14", button_->Caption());
}

TEST_F(GSpeedButtonTest, NumbersArePublished) {
    const ClassInfo& type = button_->ClassType();
    type.FindProperty("GlyphIndex")->Set(*button_, Variant(12));
    type.FindProperty("HintIndex")->Set(*button_, Variant(7));
    EXPECT_EQ(2, button_->NumGlyphs());
    EXPECT_EQ(7, button_->HintIndex);
    EXPECT_EQ(Variant(12), type.FindProperty("glyphindex")->Get(*button_));
}

TEST(GSpeedButtonBuiltIn, PicturesComeFromTheModulesLibrary) {
    auto* button = Construct<TGSpeedButton>(nullptr);
    button->SetGlyphIndex(47);
    EXPECT_EQ("", button->Caption());
    EXPECT_EQ(16, button->Glyph()->Width());
    button->SetGlyphIndex(4);
    EXPECT_EQ(2, button->NumGlyphs());
    TObject::Free(button);
}

}  // namespace
