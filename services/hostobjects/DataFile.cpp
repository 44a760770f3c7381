#include "DataFile.h"

#include <strings.h>

#include <sstream>

#include "HostObjects.h"
#include "Kvtr42C/Variant.h"
#include "platform/SafeFile.h"
#include "platform/SysUtils.h"

namespace znp::host {

namespace {

bool SameName(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

}  // namespace

std::string Utf8ToDb(const std::string& text) {
    bool ascii = true;
    for (unsigned char c : text) ascii = ascii && c < 0x80;
    if (ascii) return text;
    return WideToBytes(BytesToWide(text, "65001"), "936");
}

std::vector<std::string> SplitRow(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t bar = text.find('|', start);
        fields.push_back(Trim(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return fields;
}

bool DataFile::Load(const std::string& path) {
    sections_.clear();
    std::string content;
    if (ReadFileContents(path, content, kSettingsFileLimit) != FileReadStatus::Ok) return false;
    std::istringstream in(content);
    std::string line;
    bool first = true;
    Entries* current = nullptr;
    while (std::getline(in, line)) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        first = false;
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string name = Trim(line.substr(1, line.size() - 2));
            current = nullptr;
            for (auto& [existing, entries] : sections_)
                if (SameName(existing, name)) current = &entries;
            if (!current) {
                sections_.emplace_back(name, Entries{});
                current = &sections_.back().second;
            }
            continue;
        }
        size_t eq = line.find('=');
        if (!current || eq == std::string::npos) continue;
        current->emplace_back(Utf8ToDb(Trim(line.substr(0, eq))), Utf8ToDb(Trim(line.substr(eq + 1))));
    }
    return true;
}

const DataFile::Entries& DataFile::Section(const std::string& name) const {
    static const Entries none;
    for (const auto& [existing, entries] : sections_)
        if (SameName(existing, name)) return entries;
    return none;
}

bool DataFile::HasSection(const std::string& name) const {
    for (const auto& section : sections_)
        if (SameName(section.first, name)) return true;
    return false;
}

std::string DataFile::Value(const std::string& section, const std::string& key, const std::string& fallback) const {
    for (const auto& [k, v] : Section(section))
        if (SameName(k, key)) return v;
    return fallback;
}

}  // namespace znp::host
