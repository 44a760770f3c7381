// What the client and the server reader share: the registry key, the installation, the settings
// file, the code pages and the work folders.
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "runtime/Profile.h"
#include "runtime/TrovaneINI.h"
#include "platform/SysUtils.h"

namespace znp {

const char* const TrovaneRegistryKey = "Software\\ZNP\\Trovane";

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// A work folder of the settings file as an absolute folder: a drive, a share or an absolute path
// of this platform stays as it is; "\pkg" and "pkg" lie below the installation.
std::string WorkFolder(const std::string& installPath, const std::string& value) {
    std::string folder;
    if (IsAbsoluteSystemPath(value)) folder = PlatformPath(value);
    else if (!value.empty() && value[0] == '\\') folder = installPath + PlatformPath(value.substr(1));
    else folder = installPath + PlatformPath(value);
    return WithSlash(folder);
}

}  // namespace

std::string InstallFolder() {
    Registry registry;
    if (!registry.OpenKeyReadOnly(TrovaneRegistryKey)) return {};
    std::string folder = registry.ReadString("ClientPath");
    if (folder.empty()) folder = registry.ReadString("ServerPath");
    return PlatformPath(folder);
}

TTrovaneIni::TTrovaneIni() {
    systemCodePage_ = AnsiCodePage();
    if (systemCodePage_ != "936" && systemCodePage_ != "950") systemCodePage_ = "437";
    uiCodePage_ = systemCodePage_;
    dbCodePage_ = "936";
    DeriveConvertKinds();
}

bool TTrovaneIni::FindInstallation(const char* pathValue, const char* fileName) {
    Registry registry;
    if (!registry.OpenKeyReadOnly(TrovaneRegistryKey)) {
        errorId_ = "E;000015";
        return false;
    }
    std::string installPath = registry.ReadString(pathValue);
    profileType_ = registry.ReadString("ProfileType");
    if (installPath.empty()) return false;
    installPath_ = WithSlash(PlatformPath(installPath));

    SettingsLocation location = LocateSettingsFile(installPath_, profileType_, fileName);
    settingsFolder_ = location.SettingsFolder;
    profileName_ = location.ProfileName;
    settingsFile_ = location.SettingsFile;
    return true;
}

void TTrovaneIni::ReadCodePages(const IniFile& file) {
    uiCodePage_ = file.ReadString("CodePage", "UICodePage", uiCodePage_);
    dbCodePage_ = file.ReadString("CodePage", "DBCodePage", dbCodePage_);
}

void TTrovaneIni::DeriveConvertKinds() {
    if (uiCodePage_ == "950") uiConvertKind_ = 2;
    else if (uiCodePage_ == "936" && systemCodePage_ == "950") uiConvertKind_ = 4;
    else uiConvertKind_ = 0;

    if (uiCodePage_ == "950" && dbCodePage_ == "936") dbConvertKind_ = 2;
    else if (uiCodePage_ == "936" && dbCodePage_ == "950") dbConvertKind_ = 1;
    else dbConvertKind_ = 0;
}

void TTrovaneIni::BuildWorkFolders(const IniFile& file, const char* defaultFolder) {
    workFolders_.clear();
    for (const auto& [name, value] : file.ReadSectionValues("WorkDLLPath"))
        workFolders_.push_back(WorkFolder(installPath_, value));
    if (workFolders_.empty()) workFolders_.push_back(installPath_ + defaultFolder);
}

bool TTrovaneIni::IsTrueSetting(const std::string& value) {
    const std::string upper = UpperCase(value);
    return upper == "1" || upper == "Y" || upper == "YES" || upper == "TRUE";
}

}  // namespace znp
