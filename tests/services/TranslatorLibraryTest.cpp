// The translator library "Rirodozada": whole texts between GB (code page 936) and Big5.
#include <gtest/gtest.h>

#include <fstream>

#include "runtime/TranslatorTestSupport.h"
#include "runtime/TranslatorU.h"
#include "services/ServiceTestSupport.h"

using namespace znp;
using namespace znp::test;

namespace {

class TranslatorLibraryTest : public ::testing::Test {
protected:
    ScopedTranslatorPath path_;
    TTranslator translator_;
};

struct Pair {
    std::u16string gb;
    std::u16string big5;
};

// Report texts that go both ways unchanged: the forms' own captions and typical condition texts.
TEST_F(TranslatorLibraryTest, ReportTextsGoToBig5AndBack) {
    const Pair cases[] = {
        {u"叫修单列表", u"叫修單列表"},
        {u"制表日期", u"制表日期"},  // characters only: no phrase turns 制表 into 製表
        {u"系统选项", u"系統選項"},
        {u"后台处理", u"後臺處理"},  // 台 has 臺 as its first form
        {u"直接查询", u"直接查詢"},
        {u"设计报表", u"設計報表"},
        {u"选择接单人员", u"選擇接單人員"},
        {u"区间选择-起始信息开窗", u"區間選擇-起始信息開窗"},
        {u"删除己选信息", u"刪除己選信息"},
        {u"条件方案：保存、开启。", u"條件方案：保存、開啟。"},
        {u"为了发展台湾", u"為了發展臺灣"},  // the Taiwan forms: 為, not 爲
        {u"里面", u"裡面"},
    };
    for (const Pair& c : cases) {
        SCOPED_TRACE(WideToBytes(c.gb, "65001"));
        const std::string big5 = translator_.GBToBig5Text(GB(c.gb));
        EXPECT_EQ(Big5(c.big5), big5);
        EXPECT_EQ(GB(c.gb), translator_.Big5ToGBText(big5));
    }
}

TEST_F(TranslatorLibraryTest, TraditionalOnlyFormsGiveTheirSimplifiedCharacter) {
    // Several traditional characters share one simplified one; the way back is not unique.
    EXPECT_EQ(GB(u"头发"), translator_.Big5ToGBText(Big5(u"頭髮")));
    EXPECT_EQ(GB(u"干燥"), translator_.Big5ToGBText(Big5(u"乾燥")));
    EXPECT_EQ(GB(u"着"), translator_.Big5ToGBText(Big5(u"著")));
}

TEST_F(TranslatorLibraryTest, BytesOutsideChineseAndSeparatorsPassUnchanged) {
    const std::string fields = std::string("A001") + '\x03' + "20240105" + '\x01' + "x y" + '\x04' + "~!@#$%^&*()";
    EXPECT_EQ(fields, translator_.GBToBig5Text(fields));
    EXPECT_EQ(fields, translator_.Big5ToGBText(fields));
    EXPECT_EQ("", translator_.GBToBig5Text(""));
    // A NUL inside a text does not end it.
    const std::string withNul = GB(u"单") + std::string(1, '\0') + GB(u"号");
    EXPECT_EQ(Big5(u"單") + std::string(1, '\0') + Big5(u"號"), translator_.GBToBig5Text(withNul));
}

TEST_F(TranslatorLibraryTest, CharactersWithoutCounterpartBecomeOneQuestionMarkEach) {
    // 丂 is a GBK extension character and ぁ a kana: Big5 holds neither. The characters around
    // them are converted as usual and the number of characters stays.
    EXPECT_EQ("?" + Big5(u"單") + "?", translator_.GBToBig5Text(GB(u"丂单ぁ")));
    // A broken double-byte character at the end: its lead byte becomes "?".
    EXPECT_EQ(Big5(u"單") + "?", translator_.GBToBig5Text(GB(u"单") + "\xB5"));
    EXPECT_EQ(GB(u"单") + "?", translator_.Big5ToGBText(Big5(u"單") + "\xA5"));
}

TEST(TranslatorLibraryProcs, ResultsLongerThanTheBufferAreReportedWhole) {
    ScopedTranslatorPath path;
    DynamicLibrary library(TTranslator::kLibraryName);
    ASSERT_TRUE(library.Loaded()) << LastLibraryError();
    auto toBig5 = library.Function<TranslateTextProc>("GBtoBIG5");
    ASSERT_NE(nullptr, toBig5);
    const std::string gb = GB(u"叫修单列表");
    EXPECT_EQ(gb.size(), toBig5(gb.data(), gb.size(), nullptr, 0));
    char small[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(gb.size(), toBig5(gb.data(), gb.size(), small, 3));
    EXPECT_EQ(Big5(u"叫修單列表").substr(0, 3), std::string(small, 3));
    EXPECT_EQ('#', small[3]);
    EXPECT_EQ(0u, toBig5(nullptr, 5, small, sizeof small));
}

TEST(TranslatorLibraryProcs, TableAndOrderProceduresWork) {
    ScopedTranslatorPath path;
    DynamicLibrary library(TTranslator::kLibraryName);
    ASSERT_TRUE(library.Loaded());
    EXPECT_EQ(1, library.Function<int (*)()>("GetBIG5Data")());
    EXPECT_EQ(1, library.Function<int (*)()>("GetGBData")());

    auto saveOrder = library.Function<int (*)(const char*)>("SaveOrder");
    ASSERT_NE(nullptr, saveOrder);
    TempDir dir;
    const std::string file = (dir.Path() / "order.txt").string();
    const int lines = saveOrder(file.c_str());
    EXPECT_GT(lines, 20000);  // every double-byte character of GBK
    std::ifstream in(file, std::ios::binary);
    std::string line;
    bool sawPair = false, sawUnmapped = false;
    while (std::getline(in, line)) {
        sawPair |= line == WideToBytes(u"单\t單", "65001");
        sawUnmapped |= line == WideToBytes(u"丂\t?", "65001");
    }
    EXPECT_TRUE(sawPair);
    EXPECT_TRUE(sawUnmapped);
    EXPECT_EQ(-1, saveOrder((dir.Path() / "missing" / "order.txt").string().c_str()));
    EXPECT_EQ(-1, saveOrder(""));
}

}  // namespace
