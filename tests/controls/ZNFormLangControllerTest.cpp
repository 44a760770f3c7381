// The language controller of the base form: its published settings and its pack file.
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/ZNFormLangController.h"
#include "runtime/TrovaneIniTestSupport.h"

using namespace znp;

namespace {

class LangControllerTest : public znp::testing::InstallationTest {
protected:
    void Install(const std::string& uiCodePage, bool withFolders) {
        SetTrovane("ClientPath", Mid());
        znp::testing::WriteTextFile(Mid() + "/TrovaneC.ini", "[Server Information]\nComputerName=127.0.0.1\n"
                                                             "[CodePage]\nUICodePage=" + uiCodePage + "\n");
        if (withFolders)
            for (const char* code : {"CHS", "CHT", "ENG"})
                std::filesystem::create_directories(Mid() + "/MultiLanguage/" + code);
    }
};

TEST_F(LangControllerTest, TheFolderFollowsTheInterfaceCodePage) {
    struct Case {
        const char* codePage;
        bool folders;
        std::string folder;  // below the installation
    } cases[] = {{"936", true, "/MultiLanguage/CHS/"}, {"950", true, "/MultiLanguage/CHT/"},
                 {"437", true, "/MultiLanguage/ENG/"}, {"1252", true, ""}, {"950", false, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codePage);
        std::filesystem::remove_all(Mid());
        Install(c.codePage, c.folders);
        EXPECT_EQ(c.folder.empty() ? "" : Mid() + c.folder, LanguageDir(TDesignType::dtClient));
    }
}

TEST_F(LangControllerTest, APackageNamePointsAtItsFileAndDeactivates) {
    Install("950", true);
    auto* controller = Construct<TZnLangController>(nullptr);
    int closed = 0;
    struct Counter {
        int* closed;
        void Close(TObject*) { ++*closed; }
    } counter{&closed};
    controller->AfterClose = TNotifyEvent::Bind(&counter, "Close", &Counter::Close);

    const ClassInfo& type = controller->ClassType();
    type.FindProperty("Active")->Set(*controller, Variant(true));
    EXPECT_TRUE(controller->Active());
    type.FindProperty("LangPackageName")->Set(*controller, Variant("TfrmBaseRpt"));
    EXPECT_EQ(Mid() + "/MultiLanguage/CHT/TfrmBaseRpt.Lng", controller->LangFile());
    EXPECT_FALSE(controller->Active());
    EXPECT_EQ(1, closed);
    // The same name again changes nothing.
    controller->SetActive(true);
    controller->SetLangPackageName("TfrmBaseRpt");
    EXPECT_TRUE(controller->Active());

    EXPECT_EQ(Variant(0), type.FindProperty("DesignType")->Get(*controller));
    EXPECT_EQ(std::vector<std::string>({"dtClient", "dtServer"}), type.FindProperty("DesignType")->ValueNames);
    EXPECT_NE(nullptr, type.FindProperty("ExcludeControls"));
    for (const char* event : {"BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose", "BeforeLoadComponent",
                              "AfterLoadComponent"})
        EXPECT_NE(nullptr, type.FindProperty(event)) << event;
    TObject::Free(controller);
}

TEST_F(LangControllerTest, ActivationWaitsForTheEndOfLoading) {
    auto* controller = Construct<TZnLangController>(nullptr);
    controller->BeginLoading();
    controller->SetActive(true);
    EXPECT_FALSE(controller->Active());
    controller->Loaded();
    EXPECT_TRUE(controller->Active());
    TObject::Free(controller);
}

}  // namespace
