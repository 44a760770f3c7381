// The installation of the middle tier and its settings: the registry key "Software\ZNP\Trovane"
// and the settings files "TrovaneC.ini" (client side) and "TrovaneS.ini" (server side).
//
// A reader reads everything once, when it is constructed, and keeps it in read-only fields; every
// construction reads the registry and the file again, nothing is shared between readers, and no
// reader ever writes a setting. Construction never raises for missing settings: it goes as far
// as it can and keeps the outcome in Result() and ErrorId():
//   - no registry key: ErrorId "E;000015", Result false, only the machine's code pages;
//   - no installation folder in the key: Result false, ErrorId empty;
//   - client file without a server address: ErrorId "E;000016", Result false, no server list and
//     no work folders (everything else of the file is read).
// A missing file, section or key reads as its default.
//
// Folders are paths of this platform ending with "/" (registry values and settings written in
// Windows form, "D:\Mid" or "\\server\share", are translated by PlatformPath).
//
// Code pages: SystemCodePage is "936" or "950" when that is the machine's ANSI code page,
// otherwise "437". UICodePage defaults to it and DBCodePage to "936"; the file's section
// "CodePage" may set either to any text. The conversion kinds follow from the three:
//   UIConvertKind 2 when UICodePage is "950"; 4 when it is "936" on a "950" machine; else 0.
//   DBConvertKind 2 when UI "950" and DB "936"; 1 when UI "936" and DB "950"; else 0.
#pragma once

#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"

namespace znp {

class IniFile;

// The installation folder for the logs: the registry value "ClientPath", or "ServerPath" when
// "ClientPath" is empty or absent, as stored (no separator added) but translated to this
// platform's form. Empty when neither is set or the key does not exist.
std::string InstallFolder();

// The registry key of the installation (under HKEY_LOCAL_MACHINE).
extern const char* const TrovaneRegistryKey;  // "Software\ZNP\Trovane"

class TTrovaneIni {
public:
    virtual ~TTrovaneIni() = default;
    TTrovaneIni(const TTrovaneIni&) = delete;
    TTrovaneIni& operator=(const TTrovaneIni&) = delete;

    // Whether construction got to its end (see above).
    bool Result() const { return result_; }
    const std::string& ErrorId() const { return errorId_; }

    const std::string& InstallPath() const { return installPath_; }
    const std::string& SettingsFolder() const { return settingsFolder_; }
    const std::string& ProfileType() const { return profileType_; }
    const std::string& ProfileName() const { return profileName_; }
    const std::string& SettingsFile() const { return settingsFile_; }

    const std::string& SystemCodePage() const { return systemCodePage_; }
    const std::string& UICodePage() const { return uiCodePage_; }
    const std::string& DBCodePage() const { return dbCodePage_; }
    int UIConvertKind() const { return uiConvertKind_; }
    int DBConvertKind() const { return dbConvertKind_; }

    bool SupportCallBack() const { return supportCallBack_; }
    const std::string& Version() const { return version_; }
    // The work folders, absolute, each ending with "/", in the order of the file.
    const std::vector<std::string>& WorkFolders() const { return workFolders_; }

protected:
    TTrovaneIni();

    // Opens the registry key and finds the installation and the settings file (pathValue is
    // "ClientPath" or "ServerPath"). False when the reader has to stop.
    bool FindInstallation(const char* pathValue, const char* fileName);
    void ReadCodePages(const IniFile& file);
    void DeriveConvertKinds();
    // The entries of section "WorkDLLPath", made absolute; DefaultFolder (below InstallPath) when
    // there are none.
    void BuildWorkFolders(const IniFile& file, const char* defaultFolder);
    static bool IsTrueSetting(const std::string& value);

    bool result_ = false;
    std::string errorId_;
    std::string installPath_;
    std::string settingsFolder_;
    std::string profileType_ = "0";
    std::string profileName_ = "Default";
    std::string settingsFile_;
    std::string systemCodePage_;
    std::string uiCodePage_;
    std::string dbCodePage_;
    int uiConvertKind_ = 0;
    int dbConvertKind_ = 0;
    bool supportCallBack_ = false;
    std::string version_;
    std::vector<std::string> workFolders_;
};

// The client side: "ClientPath" and "TrovaneC.ini".
class TTrovaneIniC : public TTrovaneIni {
public:
    TTrovaneIniC();

    // Two rows and one column per server: row 0 the address, row 1 the port (integer). Empty
    // (not an array) when the reader stopped before building it.
    const Variant& Servers() const { return servers_; }
    const std::string& LangType() const { return langType_; }
    const std::string& CreateGifBeforeSendEF() const { return createGifBeforeSendEF_; }
    const std::string& AutoCheckNewMsg() const { return autoCheckNewMsg_; }
    const std::string& CheckInterval() const { return checkInterval_; }
    const std::string& PopupMsg() const { return popupMsg_; }
    const std::string& LoginCheck() const { return loginCheck_; }

private:
    void Read();

    Variant servers_;
    std::string langType_;
    std::string createGifBeforeSendEF_;
    std::string autoCheckNewMsg_;
    std::string checkInterval_;
    std::string popupMsg_;
    std::string loginCheck_;
};

// The server side: "ServerPath" and "TrovaneS.ini".
class TTrovaneIniS : public TTrovaneIni {
public:
    TTrovaneIniS();

    // Rows 0-3 (main database, temporary database, server and socket, data exchange), columns
    // 0-7; cells no setting fills stay empty. Empty (not an array) when the reader stopped before
    // finding the settings file.
    const Variant& DBSettings() const { return dbSettings_; }
    // 1 for an "ORACLE" main database, 2 for "DB2" (any letter case), else 0.
    int DBKind() const { return dbKind_; }
    const std::string& SystemControlAddress() const { return systemControlAddress_; }
    const std::string& OtherSystemControlAddress() const { return otherSystemControlAddress_; }

    // Replaces the contents of List with the work folders.
    void GetWorkFolders(std::vector<std::string>& list) const { list = workFolders_; }

private:
    void Read();

    Variant dbSettings_;
    int dbKind_ = 0;
    std::string systemControlAddress_;
    std::string otherSystemControlAddress_;
};

}  // namespace znp
