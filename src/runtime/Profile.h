// Where the settings file of an installation lies: one file for the machine, or one per user.
#pragma once

#include <string>

namespace znp {

struct SettingsLocation {
    std::string SettingsFolder;  // ends with "/"
    std::string ProfileName;     // "Default", or the user's name for a per-user profile
    std::string SettingsFile;    // SettingsFolder + the file name
};

// With ProfileType empty or "0" the file lies in InstallPath (which ends with "/"). With any other
// ProfileType it lies in InstallPath + "Profile/" + user name + "/"; when there is no such file
// there, the machine's file in InstallPath is read instead (ProfileName stays the user's name, so
// a user without a profile of their own still counts as that user).
SettingsLocation LocateSettingsFile(const std::string& installPath, const std::string& profileType,
                                    const std::string& fileName);

}  // namespace znp
