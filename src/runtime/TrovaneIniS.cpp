// The server reader: "ServerPath" and "TrovaneS.ini".
#include "platform/IniFile.h"
#include "runtime/PasswordScramble.h"
#include "runtime/TrovaneINI.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

}  // namespace

TTrovaneIniS::TTrovaneIniS() { Read(); }

void TTrovaneIniS::Read() {
    if (!FindInstallation("ServerPath", "TrovaneS.ini")) return;
    dbSettings_ = Variant::Array({{0, 3}, {0, 7}});
    Variant& db = dbSettings_;

    // In the order of the file's documentation: a password that cannot be read is reported when
    // its key is reached.
    const IniFile file(settingsFile_);
    const char* dbe = "DBE Setting";
    version_ = file.ReadString("ProductVersion", "Version", "");
    ReadCodePages(file);
    db.At(0, 1) = file.ReadString(dbe, "MainUserName", "sa");
    db.At(0, 2) = UnscramblePassword(file.ReadString(dbe, "XXXXXX", ""));
    db.At(0, 0) = file.ReadString(dbe, "MainAlias", "Ostrel");
    db.At(0, 3) = file.ReadString(dbe, "MainDBType", "MSSQL");
    db.At(0, 4) = file.ReadString(dbe, "MainDBName", "");
    db.At(0, 5) = file.ReadString(dbe, "MainServerName", "");
    systemControlAddress_ = file.ReadString(dbe, "SystemControlAddress", "");
    if (Trim(systemControlAddress_).empty()) systemControlAddress_ = db.At(0, 5).AsString();
    otherSystemControlAddress_ = file.ReadString(dbe, "OtherSystemControlAddress", "");
    if (Trim(otherSystemControlAddress_).empty()) otherSystemControlAddress_ = db.At(0, 5).AsString();
    db.At(0, 6) = file.ReadInteger(dbe, "MainConnectionTimeOut", 300);
    db.At(0, 7) = file.ReadInteger(dbe, "MainCommandTimeOut", 3000);
    db.At(1, 0) = file.ReadString(dbe, "TempAlias", "OstrelTemp");
    db.At(1, 1) = file.ReadString(dbe, "TempUserName", "sa");
    db.At(1, 2) = UnscramblePassword(file.ReadString(dbe, "TempPassword", ""));
    db.At(1, 3) = file.ReadString(dbe, "TempDBType", "PARADOX");
    db.At(1, 4) = file.ReadString(dbe, "TempDBName", "");
    db.At(1, 5) = file.ReadString(dbe, "TempDriverName", "PostgreSQL");
    db.At(1, 6) = file.ReadInteger(dbe, "TempConnectionTimeOut", 300);
    db.At(1, 7) = file.ReadInteger(dbe, "TempCommandTimeOut", 3000);
    db.At(2, 0) = Trim(file.ReadString("DBPasswordCtrl", "ComputerName", ""));
    db.At(2, 1) = file.ReadInteger("DBPasswordCtrl", "ServerPort", 211);
    db.At(2, 2) = file.ReadInteger("DBPasswordCtrl", "ClientSocketPort", 1024);
    supportCallBack_ = IsTrueSetting(file.ReadString("DBPasswordCtrl", "SupportCallBack", "0"));
    db.At(2, 3) = file.ReadString(dbe, "DataBaseCodeOrder", "Chinese_Taiwan_Stroke_BIN");
    db.At(3, 0) = file.ReadString(dbe, "EctAlias", "EDIDATA");
    db.At(3, 1) = file.ReadString(dbe, "EctUserName", "sa");
    db.At(3, 2) = file.ReadString(dbe, "EctPassword", "");

    const std::string dbType = UpperCase(db.At(0, 3).AsString());
    dbKind_ = dbType == "ORACLE" ? 1 : dbType == "DB2" ? 2 : 0;
    DeriveConvertKinds();
    BuildWorkFolders(file, "S_PKG/");
    result_ = true;
}

}  // namespace znp
