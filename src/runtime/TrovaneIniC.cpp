// The client reader: "ClientPath" and "TrovaneC.ini".
#include "platform/IniFile.h"
#include "runtime/TrovaneINI.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

// "a;b;" -> a, b: one trailing ";" is dropped, the rest cut at every ";" (the pieces keep their
// blanks, as the connection is given them).
std::vector<std::string> SplitAddresses(std::string text) {
    if (!text.empty() && text.back() == ';') text.pop_back();
    std::vector<std::string> addresses;
    size_t start = 0;
    for (size_t semi = text.find(';'); semi != std::string::npos; semi = text.find(';', start)) {
        addresses.push_back(text.substr(start, semi - start));
        start = semi + 1;
    }
    addresses.push_back(text.substr(start));
    return addresses;
}

}  // namespace

TTrovaneIniC::TTrovaneIniC() { Read(); }

void TTrovaneIniC::Read() {
    if (!FindInstallation("ClientPath", "TrovaneC.ini")) return;

    const IniFile file(settingsFile_);
    langType_ = file.ReadString("Client Components", "LangType", "ENG");
    version_ = file.ReadString("ProductVersion", "Version", "");
    createGifBeforeSendEF_ = file.ReadString("UserDefine", "CreateGifBeforeSendEF", "Y");
    ReadCodePages(file);
    supportCallBack_ = IsTrueSetting(file.ReadString("Server Information", "SupportCallBack", "0"));
    const std::string computerName = Trim(file.ReadString("Server Information", "ComputerName", "127.0.0.1"));
    const int port = file.ReadInteger("Server Information", "ServerPort", 211);
    autoCheckNewMsg_ = file.ReadString("TaskMessageCenter Setting", "AutoCheckNewMsg", "1");
    checkInterval_ = file.ReadString("TaskMessageCenter Setting", "CheckInterval", "1");
    popupMsg_ = file.ReadString("TaskMessageCenter Setting", "PopupMsg", "1");
    loginCheck_ = file.ReadString("TaskMessageCenter Setting", "LoginCheck", "0");
    DeriveConvertKinds();

    if (computerName.empty()) {
        errorId_ = "E;000016";
        return;
    }
    const std::vector<std::string> addresses = SplitAddresses(computerName);
    const int count = static_cast<int>(addresses.size());
    servers_ = Variant::Array({{0, 1}, {0, count - 1}});
    for (int i = 0; i < count; ++i) {
        servers_.At(0, i) = addresses[static_cast<size_t>(i)];
        servers_.At(1, i) = port;
    }
    BuildWorkFolders(file, "C_PKG/");
    result_ = true;
}

}  // namespace znp
