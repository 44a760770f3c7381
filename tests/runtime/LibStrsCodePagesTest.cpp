#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "fixture/TestPaths.h"
#include "platform/Clock.h"
#include "runtime/LibStrs.h"
#include "runtime/Logs.h"

using namespace znp;

namespace {

const std::string kGbZhongWen = "\xD6\xD0\xCE\xC4";    // 中文 in GBK
const std::string kBig5ZhongWen = "\xA4\xA4\xA4\xE5";  // 中文 in Big5
const std::u16string kZhongWen = u"\u4E2D\u6587";

// The process's code page is GBK for each test and restored afterwards.
class CodePages : public testing::Test {
protected:
    void SetUp() override {
        saved_ = AnsiCodePage();
        SetAnsiCodePage("936");
    }
    void TearDown() override { SetAnsiCodePage(saved_); }

private:
    std::string saved_;
};

TEST_F(CodePages, OneText) {
    EXPECT_EQ(WideToCodePage(kZhongWen, "936"), kGbZhongWen);
    EXPECT_EQ(WideToCodePage(kZhongWen, "950"), kBig5ZhongWen);
    EXPECT_EQ(CodePageToWide(kBig5ZhongWen, "950"), kZhongWen);
    EXPECT_EQ(CodePageToWide(kGbZhongWen, "936"), kZhongWen);
    EXPECT_EQ(WideToCodePage(u"", "950"), "");
    // A character the code page cannot hold becomes "?".
    EXPECT_EQ(WideToCodePage(u"a\u4E2Db", "437"), "a?b");
}

TEST_F(CodePages, UnknownCodePageFallsBackToTheAnsiCodePage) {
    EXPECT_EQ(WideToCodePage(kZhongWen, "12345"), kGbZhongWen);
    EXPECT_EQ(CodePageToWide(kGbZhongWen, "12345"), kZhongWen);
}

TEST_F(CodePages, VariantToCodePageConvertsWideTextsAtEveryDepthOfOneDimension) {
    Variant inner = Variant::ArrayOf({Variant(u"\u6587"), Variant(7)});
    Variant value = Variant::Array(1, 5);
    value[1] = Variant(kZhongWen);
    value[2] = Variant("bytes stay");
    value[3] = Variant(42);
    value[4] = inner;
    value[5] = Variant::Null();

    Variant result = VariantToCodePage(value, "950");

    ASSERT_TRUE(result.IsArray());
    EXPECT_EQ(result.LowBound(1), 1);
    EXPECT_EQ(result.HighBound(1), 5);
    EXPECT_EQ(result[1], Variant(kBig5ZhongWen));
    EXPECT_EQ(result[2], Variant("bytes stay"));
    EXPECT_EQ(result[3], Variant(42));
    EXPECT_EQ(result[4][0], Variant(std::string("\xA4\xE5")));
    EXPECT_EQ(result[4][1], Variant(7));
    EXPECT_TRUE(result[5].IsNull());
    // The argument is a copy: it keeps its wide text.
    EXPECT_EQ(value[1], Variant(kZhongWen));
}

TEST_F(CodePages, VariantToCodePageConvertsTheWideTextsOfTwoDimensions) {
    Variant value = Variant::Array({{0, 1}, {1, 2}});
    value.At(0, 1) = Variant(kZhongWen);
    value.At(0, 2) = Variant(3);
    value.At(1, 1) = Variant("GB");
    value.At(1, 2) = Variant::ArrayOf({Variant(kZhongWen)});  // not walked in two dimensions

    Variant result = VariantToCodePage(value, "936");

    EXPECT_EQ(result.At(0, 1), Variant(kGbZhongWen));
    EXPECT_EQ(result.At(0, 2), Variant(3));
    EXPECT_EQ(result.At(1, 1), Variant("GB"));
    EXPECT_EQ(result.At(1, 2)[0], Variant(kZhongWen));
}

TEST_F(CodePages, VariantToCodePageOfSingleValues) {
    EXPECT_EQ(VariantToCodePage(Variant(kZhongWen), "950"), Variant(kBig5ZhongWen));
    // A single byte text is read in the process's code page and written in the target one.
    EXPECT_EQ(VariantToCodePage(Variant(kGbZhongWen), "950"), Variant(kBig5ZhongWen));
    EXPECT_TRUE(VariantToCodePage(Variant(), "950").IsEmpty());
    EXPECT_TRUE(VariantToCodePage(Variant::Null(), "950").IsNull());
    EXPECT_EQ(VariantToCodePage(Variant(1.5), "950"), Variant(1.5));
}

TEST_F(CodePages, VariantFromCodePageRepairsTextsDecodedWithTheWrongCodePage) {
    // Big5 bytes that were taken for GBK on the way in.
    const std::u16string misread = BytesToWide(kBig5ZhongWen, "936");
    ASSERT_NE(misread, kZhongWen);

    Variant value = Variant::ArrayOf({Variant(misread), Variant(kBig5ZhongWen),
                                      Variant::ArrayOf({Variant(misread)}), Variant(5)});
    Variant result = VariantFromCodePage(value, "950");

    EXPECT_EQ(result[0], Variant(kZhongWen));
    EXPECT_EQ(result[1], Variant(kBig5ZhongWen));  // byte texts inside arrays stay
    EXPECT_EQ(result[2][0], Variant(kZhongWen));
    EXPECT_EQ(result[3], Variant(5));

    // A single byte text is read as the code page.
    EXPECT_EQ(VariantFromCodePage(Variant(kBig5ZhongWen), "950"), Variant(kZhongWen));
    EXPECT_EQ(VariantFromCodePage(Variant(misread), "950"), Variant(kZhongWen));
    // Texts of the process's own code page come back unchanged.
    EXPECT_EQ(VariantFromCodePage(Variant(kZhongWen), "936"), Variant(kZhongWen));
}

// A log folder of its own: the installation folder is read from a registry file in a temporary
// folder, and the clock is fixed.
class CodePageFailures : public CodePages {
protected:
    void SetUp() override {
        CodePages::SetUp();
        folder_ = test::MakeTempFolder("libstrs-test");
        const std::filesystem::path registry = folder_ / "registry.ini";
        std::ofstream(registry) << "[HKEY_LOCAL_MACHINE\\Software\\ZNP\\Trovane]\nClientPath=" << folder_.string()
                                << "\n";
        const char* old = std::getenv("ZNP_REGISTRY");
        savedRegistry_ = old ? std::make_unique<std::string>(old) : nullptr;
        setenv("ZNP_REGISTRY", registry.c_str(), 1);
        // 5 January 2024, 14:03:07.045
        clock_ = std::make_unique<FixedClock>(45296 + (14 * 3600 + 3 * 60 + 7.045) / 86400.0);
    }
    void TearDown() override {
        clock_.reset();
        if (savedRegistry_)
            setenv("ZNP_REGISTRY", savedRegistry_->c_str(), 1);
        else
            unsetenv("ZNP_REGISTRY");
        std::filesystem::remove_all(folder_);
        CodePages::TearDown();
    }

    std::string Log() const {
        std::ifstream in(folder_ / "Log" / "Alert_libstrs_20240105.log");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path folder_;

private:
    std::unique_ptr<std::string> savedRegistry_;
    std::unique_ptr<FixedClock> clock_;
};

TEST_F(CodePageFailures, VariantToCodePageLogsAndReturnsTheCopy) {
    Variant value = Variant::ArrayOf({Variant(u"a"), Variant(2)});
    // Neither the target nor the process's code page can be converted with.
    SetAnsiCodePage("99999");
    Variant result = VariantToCodePage(value, "99998");
    SetAnsiCodePage("936");

    EXPECT_EQ(result, value);
    const std::string log = Log();
    EXPECT_EQ(log.rfind("[2024/01/05 14:03:07:045] LINE[2735] ", 0), 0u) << log;
    EXPECT_NE(log.find("99999"), std::string::npos) << log;
}

TEST_F(CodePageFailures, VariantFromCodePageLogsAndReturnsTheCopy) {
    Variant value = Variant::ArrayOf({Variant(u"a")});
    SetAnsiCodePage("99999");
    Variant result = VariantFromCodePage(value, "950");
    SetAnsiCodePage("936");

    EXPECT_EQ(result, value);
    EXPECT_EQ(Log().rfind("[2024/01/05 14:03:07:045] LINE[115] ", 0), 0u) << Log();
}

TEST_F(CodePageFailures, ConversionsThatSucceedLogNothing) {
    VariantToCodePage(Variant::ArrayOf({Variant(kZhongWen)}), "950");
    VariantFromCodePage(Variant::ArrayOf({Variant(kZhongWen)}), "950");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Log" / "Alert_libstrs_20240105.log"));
}

}  // namespace
