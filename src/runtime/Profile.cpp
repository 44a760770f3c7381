#include "runtime/Profile.h"

#include <sys/stat.h>

#include "platform/SystemInfo.h"

namespace znp {

namespace {

bool FileExists(const std::string& name) {
    struct stat st{};
    return stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

SettingsLocation LocateSettingsFile(const std::string& installPath, const std::string& profileType,
                                    const std::string& fileName) {
    SettingsLocation location{installPath, "Default", {}};
    if (!profileType.empty() && profileType != "0") {
        const std::string user = UserName();
        location.ProfileName = user;
        const std::string folder = installPath + "Profile/" + user + "/";
        if (FileExists(folder + fileName)) location.SettingsFolder = folder;
    }
    location.SettingsFile = location.SettingsFolder + fileName;
    return location;
}

}  // namespace znp
