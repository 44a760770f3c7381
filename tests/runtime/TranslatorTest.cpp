// Loading the translator library and its procedures.
#include <gtest/gtest.h>

#include <filesystem>

#include "Kvtr42C/Exception.h"
#include "fixture/TestPaths.h"
#include "platform/DynamicLibrary.h"
#include "runtime/TranslatorTestSupport.h"
#include "runtime/TranslatorU.h"

using namespace znp;
using namespace znp::test;

namespace {

std::string CreationError(const std::string& name) {
    try {
        TTranslator translator(name);
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

TEST(Translator, LoadsTheLibraryAndConvertsBothWays) {
    ScopedTranslatorPath path;
    TTranslator translator;
    EXPECT_NE(nullptr, translator.Handle());
    for (const char* proc : {"GBtoBIG5", "BIG5toGB", "GetBIG5Data", "GetGBData", "SaveOrder"})
        EXPECT_TRUE(translator.HasProcedure(proc)) << proc;
    EXPECT_EQ(Big5(u"叫修單列表"), translator.GBToBig5Text("叫修单列表"));
    EXPECT_EQ("叫修单列表", translator.Big5ToGBText(Big5(u"叫修單列表")));
    EXPECT_EQ("", translator.GBToBig5Text(""));
}

TEST(Translator, FailuresRaiseTheirExactTexts) {
    {
        ScopedTranslatorPath nothing(false);
        EXPECT_EQ("Load Library Rirodozada.dll Error!", CreationError(TTranslator::kLibraryName));
    }
    ScopedTranslatorPath path;
    EXPECT_EQ("Load Library NoSuchLibrary.dll Error!", CreationError("NoSuchLibrary.dll"));
    // A library that loads but exports no conversion.
    EXPECT_EQ("Get Library Procedure Address Error!", CreationError("OstrelWorkCenter.dll"));
}

TEST(Translator, ATruncatedLibraryFailsAsAMissingOneInsteadOfKillingTheProcess) {
    const TempDir dir;
    const auto whole = std::filesystem::file_size(BuildDir() / "services" / "translator" / "Rirodozada.so");
    std::filesystem::copy_file(BuildDir() / "services" / "translator" / "Rirodozada.so", dir.Path() / "Rirodozada.so");
    std::filesystem::resize_file(dir.Path() / "Rirodozada.so", whole * 2 / 3);
    ScopedTranslatorPath path(false);
    SetLibrarySearchPath({dir.Path().string()});
    EXPECT_EQ("Load Library Rirodozada.dll Error!", CreationError(TTranslator::kLibraryName));
}

}  // namespace
