#include "HostData.h"

#include <strings.h>

#include <cstdlib>
#include <filesystem>

namespace znp::host {

namespace {

// A message number read as a number: "000038" and "38" name the same message; -1 when it is none.
long NumberOf(const std::string& text) {
    if (text.empty() || text.size() > 9) return -1;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string HostData::FolderFromEnvironment() {
    const char* folder = std::getenv("ZNP_INSTALL");
    return folder ? folder : "";
}

void HostData::SetFolder(const std::string& folder) {
    folder_ = folder;
    loaded_ = false;
}

void HostData::EnsureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    namespace fs = std::filesystem;
    // Missing files leave the data empty: every question then gets its "not found" answer.
    messages_.Load((fs::path(folder_) / "messages.ini").string());
    data_.Load((fs::path(folder_) / "hostdata.ini").string());
}

const DataFile& HostData::Data() {
    EnsureLoaded();
    return data_;
}

std::string HostData::Message(const std::string& type, const std::string& number) {
    EnsureLoaded();
    long wanted = NumberOf(number);
    if (wanted >= 0) {
        for (const auto& [key, text] : messages_.Section(type))
            if (NumberOf(key) == wanted) return text;
    }
    return "未定义的讯息: " + type + ";" + number;
}

DataFile::Entries HostData::SysParams(const std::string& companyId) {
    EnsureLoaded();
    DataFile::Entries params = data_.Section("SysInfo");
    for (const auto& [key, value] : data_.Section("SysInfo." + companyId)) {
        bool replaced = false;
        for (auto& [name, current] : params) {
            if (strcasecmp(name.c_str(), key.c_str()) == 0) {
                current = value;
                replaced = true;
            }
        }
        if (!replaced) params.emplace_back(key, value);
    }
    return params;
}

int HostData::NextCounter(const std::string& name, const std::string& companyId) {
    return ++counters_[{name, companyId}];
}

}  // namespace znp::host
