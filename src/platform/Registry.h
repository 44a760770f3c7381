// The registry stand-in: the machine's registry keys and their string values, kept in one settings
// file.
//
// Where the file is: the environment variable ZNP_REGISTRY names it; when that is not set (or
// empty), it is $HOME/.znp/registry.ini (the home folder from the user database when HOME is not
// set either). The variable is read again by every Registry object, so a process (or a test) that
// changes it is served by the new file from the next object on; nothing is cached.
//
// File format: the platform's INI format (see IniFile.h). Every key is a section named by its
// root and its key path, separated by "\"; every value is a "Name=Text" line of that section:
//
//     [HKEY_LOCAL_MACHINE\Software\ZNP\Trovane]
//     ClientPath=/opt/znp/Mid
//     ServerPath=
//     ProfileType=0
//
//     [HKEY_LOCAL_MACHINE\Software\PLQR\Hobrand]
//     GoAhead=1
//
// Key paths and value names are compared without regard to letter case, as in the registry. In the
// file a section name is written with single "\" and no separator at either end; a key path given
// to this class may also use "/" and extra separators ("/Software/ZNP/Trovane/"). A key exists when its section exists or when a section of one of its sub-keys does
// (the parents of a key exist as in the registry). Only string values exist; a value holds one
// line of text, bytes as they are, and reads back trimmed of surrounding blanks.
//
// Roots are the two the system knows: HKEY_LOCAL_MACHINE (the default) and HKEY_CURRENT_USER.
#pragma once

#include <string>
#include <vector>

namespace znp {

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
public:
    explicit Registry(RegistryRoot root = RegistryRoot::LocalMachine);

    // The file of the registry stand-in as the environment names it now.
    static std::string FileName();

    RegistryRoot Root() const { return root_; }
    // The open key's path as it was opened ("Software\ZNP\Trovane"); empty when none is open.
    const std::string& CurrentPath() const { return current_; }

    // Opens an existing key for reading; false when it does not exist (nothing stays open then).
    bool OpenKeyReadOnly(const std::string& key);
    // Opens a key for reading and writing; a missing key is created when CanCreate (in the file
    // at once) and false otherwise. Raises Exception when creating it fails.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    bool KeyExists(const std::string& key) const;

    // Values of the open key. A missing value (or no open key) reads as the empty text.
    bool ValueExists(const std::string& name) const;
    std::string ReadString(const std::string& name) const;
    std::vector<std::string> GetValueNames() const;
    // Raises Exception when no key is open for writing, when the key was opened read-only, or
    // when the file cannot be written.
    void WriteString(const std::string& name, const std::string& value);
    bool DeleteValue(const std::string& name);

private:
    RegistryRoot root_;
    std::string file_;
    std::string current_;
    bool writable_ = false;

    std::string SectionOf(const std::string& key) const;
};

}  // namespace znp
