#include "platform/IniFile.h"

#include <climits>

#include "Kvtr42C/Exception.h"
#include "platform/IniFileText.h"
#include "platform/SysUtils.h"
#include "platform/SystemInfo.h"

namespace znp {

using namespace ini;

namespace {

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

void CheckName(const std::string& name, const char* what, char forbidden) {
    std::string t = Trim(name);
    if (t.empty() || t != name || HasLineBreak(name) || t[0] == ';' || t[0] == '#' || t[0] == '[' ||
        FindChar(name, forbidden, AnsiCodePage()) != std::string::npos)
        throw Exception(std::string("Invalid settings ") + what + " name '" + name + "'");
}

void CheckValue(const std::string& value) {
    if (HasLineBreak(value)) throw Exception("A settings value cannot hold a line break");
}

bool ParseInteger(const std::string& text, int& result) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return false;
    unsigned long long value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) return false;
    }
    long long signedValue;
    if (base == 16) {
        // Hexadecimal names the 32 bits: "$FFFFFFFF" is -1.
        signedValue = static_cast<int>(static_cast<unsigned>(value));
    } else {
        signedValue = static_cast<long long>(value);
        if (signedValue > static_cast<long long>(INT_MAX) + (negative ? 1 : 0)) return false;
    }
    result = static_cast<int>(negative ? -signedValue : signedValue);
    return true;
}

}  // namespace

bool SameIniName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    const std::string codePage = AnsiCodePage();
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (IsLeadByte(ca, codePage) && i + 1 < a.size()) {
            if (ca != cb || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 'a' + 'A');
        if (ca != cb) return false;
    }
    return true;
}

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
    IniText text = Load(fileName_);
    size_t line = FindKey(text, FindSection(text, section), key);
    return line == std::string::npos ? def : text.lines[line].value;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    IniText text = Load(fileName_);
    size_t line = FindKey(text, FindSection(text, section), key);
    int value;
    if (line == std::string::npos || !ParseInteger(text.lines[line].value, value)) return def;
    return value;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    CheckName(section, "section", ']');
    CheckName(key, "key", '=');
    CheckValue(value);
    IniText text = LoadForWrite(fileName_);
    IniLine line;
    line.raw = key + "=" + value;
    line.kind = LineKind::Key;
    line.name = key;
    line.value = value;
    size_t header = FindSection(text, section);
    size_t existing = FindKey(text, header, key);
    if (existing != std::string::npos) {
        // The key keeps the spelling it has in the file, as a registry value keeps its name.
        line.name = text.lines[existing].name;
        line.raw = line.name + "=" + value;
        text.lines[existing] = std::move(line);
    } else if (header != std::string::npos) {
        // After the section's last non-blank line, so that a blank line before the next section stays.
        size_t at = SectionEnd(text, header);
        while (at > header + 1 && Trim(text.lines[at - 1].raw).empty()) --at;
        text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    } else {
        if (!text.lines.empty() && !Trim(text.lines.back().raw).empty()) text.lines.push_back(IniLine{});
        IniLine head;
        head.raw = "[" + section + "]";
        head.kind = LineKind::Section;
        head.name = section;
        text.lines.push_back(std::move(head));
        text.lines.push_back(std::move(line));
    }
    Save(fileName_, text);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool IniFile::SectionExists(const std::string& section) const {
    return FindSection(Load(fileName_), section) != std::string::npos;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
    IniText text = Load(fileName_);
    return FindKey(text, FindSection(text, section), key) != std::string::npos;
}

std::vector<std::string> IniFile::ReadSections() const {
    std::vector<std::string> names;
    for (const IniLine& line : Load(fileName_).lines) {
        if (line.kind != LineKind::Section) continue;
        bool known = false;
        for (const std::string& name : names) known = known || SameIniName(name, line.name);
        if (!known) names.push_back(line.name);
    }
    return names;
}

std::vector<std::string> IniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    for (auto& [name, value] : ReadSectionValues(section)) keys.push_back(name);
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> pairs;
    IniText text = Load(fileName_);
    size_t header = FindSection(text, section);
    if (header == std::string::npos) return pairs;
    size_t end = SectionEnd(text, header);
    for (size_t i = header + 1; i < end; ++i)
        if (text.lines[i].kind == LineKind::Key) pairs.emplace_back(text.lines[i].name, text.lines[i].value);
    return pairs;
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
    IniText text = LoadForWrite(fileName_);
    size_t line = FindKey(text, FindSection(text, section), key);
    if (line == std::string::npos) return;
    text.lines.erase(text.lines.begin() + static_cast<std::ptrdiff_t>(line));
    Save(fileName_, text);
}

void IniFile::EraseSection(const std::string& section) {
    IniText text = LoadForWrite(fileName_);
    size_t header = FindSection(text, section);
    if (header == std::string::npos) return;
    size_t end = SectionEnd(text, header);
    text.lines.erase(text.lines.begin() + static_cast<std::ptrdiff_t>(header),
                     text.lines.begin() + static_cast<std::ptrdiff_t>(end));
    Save(fileName_, text);
}

}  // namespace znp
