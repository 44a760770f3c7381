#include "controls/ZNFormLangController.h"

#include <filesystem>

#include "runtime/TrovaneINI.h"

namespace znp {

std::string LanguageDir(TDesignType designType) {
    std::string installPath, uiCodePage;
    if (designType == TDesignType::dtServer) {
        TTrovaneIniS settings;
        installPath = settings.InstallPath();
        uiCodePage = settings.UICodePage();
    } else {
        TTrovaneIniC settings;
        installPath = settings.InstallPath();
        uiCodePage = settings.UICodePage();
    }
    const char* code = uiCodePage == "936" ? "CHS" : uiCodePage == "950" ? "CHT" : uiCodePage == "437" ? "ENG" : nullptr;
    if (!code) return "";
    const std::string folder = installPath + "MultiLanguage/" + code + "/";
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) ? folder : "";
}

// --- TLanguageController -----------------------------------------------------------------------

const ClassInfo& TLanguageController::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TLanguageController", &TComponent::StaticClass());
        c.Creatable<TLanguageController>();
        c.Object("ExcludeControls", &TLanguageController::ExcludeControls);
        c.Event("BeforeOpen", &TLanguageController::BeforeOpen);
        c.Event("AfterOpen", &TLanguageController::AfterOpen);
        c.Event("BeforeClose", &TLanguageController::BeforeClose);
        c.Event("AfterClose", &TLanguageController::AfterClose);
        c.Event("BeforeLoadComponent", &TLanguageController::BeforeLoadComponent);
        c.Event("AfterLoadComponent", &TLanguageController::AfterLoadComponent);
        return c;
    }();
    return info;
}

TLanguageController::TLanguageController(TComponent* owner) : TComponent(owner) {}

void TLanguageController::SetActive(bool value) {
    if (IsLoading()) {
        activeWanted_ = value;
        return;
    }
    if (value == active_) return;
    if (value) {
        BeforeOpen(this);
        active_ = true;
        AfterOpen(this);
    } else {
        BeforeClose(this);
        active_ = false;
        AfterClose(this);
    }
}

void TLanguageController::Loaded() {
    TComponent::Loaded();
    if (activeWanted_) SetActive(true);
}

void TLanguageController::SetLangFile(const std::string& file) {
    if (file == langFile_) return;
    langFile_ = file;
    SetActive(false);
}

// --- TZnLangController -------------------------------------------------------------------------

const ClassInfo& TZnLangController::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnLangController", &TLanguageController::StaticClass());
        c.Creatable<TZnLangController>();
        c.Field("DesignType", &TZnLangController::DesignType);
        c.Prop("LangPackageName", &TZnLangController::LangPackageName, &TZnLangController::SetLangPackageName);
        c.Prop("Active", &TLanguageController::Active, &TLanguageController::SetActive);
        return c;
    }();
    return info;
}

void TZnLangController::SetLangPackageName(const std::string& value) {
    if (value == langPackageName_) return;
    langPackageName_ = value;
    SetLangFile(LanguageDir(DesignType) + value + ".Lng");
}

}  // namespace znp
