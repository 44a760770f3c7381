// The data behind the host's manager objects: the installation's message catalogue and host data.
//
// Both live in the installation folder, which is given by the environment variable ZNP_INSTALL
// when the manager is created and may be changed through the manager's property "DataPath":
//
//   messages.ini   the message catalogue: a section per type letter ("[E]", "[W]", "[I]", ...)
//                  and "number=text" lines; numbers are matched by value ("38" = "000038"),
//                  placeholders are "%s" in argument order;
//   hostdata.ini   everything else the objects answer (sections documented in the file).
//
// Both files are UTF-8; the objects answer in code page 936 (DataFile). The files are read at the
// first question and again after the folder changes. Counters are kept in memory only.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "DataFile.h"

namespace znp::host {

class HostData {
public:
    // The folder of ZNP_INSTALL, or "" when the variable is not set.
    static std::string FolderFromEnvironment();

    explicit HostData(std::string folder) : folder_(std::move(folder)) {}

    const std::string& Folder() const { return folder_; }
    void SetFolder(const std::string& folder);

    // The catalogue text of a message, or a text that names the missing message.
    std::string Message(const std::string& type, const std::string& number);
    // System parameters in file order: the section "SysInfo", overlaid by "SysInfo.<CompanyId>".
    DataFile::Entries SysParams(const std::string& companyId);
    // Next value of a counter of a company, from 1.
    int NextCounter(const std::string& name, const std::string& companyId);
    // hostdata.ini.
    const DataFile& Data();

private:
    std::string folder_;
    bool loaded_ = false;
    DataFile messages_;
    DataFile data_;
    std::map<std::pair<std::string, std::string>, int> counters_;

    void EnsureLoaded();
};

}  // namespace znp::host
