#include "platform/IniFileText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "Kvtr42C/Exception.h"
#include "platform/IniFile.h"
#include "platform/SafeFile.h"
#include "platform/SystemInfo.h"
#include "platform/SysUtils.h"

namespace znp::ini {

namespace {

std::string Unquote(const std::string& s) {
    if (s.size() >= 2 && (s[0] == '"' || s[0] == '\'') && s.back() == s[0]) return s.substr(1, s.size() - 2);
    return s;
}

IniLine ParseLine(std::string raw, const std::string& codePage) {
    IniLine line;
    line.raw = std::move(raw);
    std::string t = Trim(line.raw);
    if (t.empty() || t[0] == ';' || t[0] == '#') return line;
    if (t[0] == '[') {
        size_t close = FindChar(t, ']', codePage);
        line.kind = LineKind::Section;
        line.name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return line;
    }
    size_t eq = FindChar(t, '=', codePage);
    if (eq == std::string::npos) return line;
    std::string name = Trim(t.substr(0, eq));
    if (name.empty()) return line;
    line.kind = LineKind::Key;
    line.name = std::move(name);
    line.value = Unquote(Trim(t.substr(eq + 1)));
    return line;
}

[[noreturn]] void CannotWrite(const std::string& fileName) { throw Exception("Unable to write to " + fileName); }

}  // namespace

size_t FindChar(const std::string& s, char c, const std::string& codePage) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(s[i]), codePage) && i + 1 < s.size()) {
            ++i;
            continue;
        }
        if (s[i] == c) return i;
    }
    return std::string::npos;
}

namespace {

IniText Parse(const std::string& content) {
    IniText text;
    const std::string codePage = AnsiCodePage();
    size_t start = 0;
    bool first = true;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        std::string raw = content.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.pop_back();
            if (first) text.eol = "\r\n";
        }
        first = false;
        text.lines.push_back(ParseLine(std::move(raw), codePage));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return text;
}

}  // namespace

IniText Load(const std::string& fileName) {
    std::string content;
    ReadFileContents(fileName, content, kSettingsFileLimit);
    return Parse(content);
}

IniText LoadForWrite(const std::string& fileName) {
    std::string content, error;
    const FileReadStatus status = ReadFileContents(fileName, content, kSettingsFileLimit, &error);
    // Writing the lines of a file that could not be read would replace it with a nearly empty one.
    if (status != FileReadStatus::Ok && status != FileReadStatus::Missing)
        throw Exception("Unable to write to " + fileName + ": " + error);
    return Parse(content);
}

// Writes the lines to a new file beside the old one and renames it over the old one, so that a
// reader sees either the old or the new file and a full disk does not leave half a file.
void Save(const std::string& fileName, const IniText& text) {
    std::string content;
    for (const IniLine& line : text.lines) content += line.raw + text.eol;

    std::string target = fileName;
    if (char* real = realpath(fileName.c_str(), nullptr)) {  // write through a symbolic link
        target = real;
        std::free(real);
    }
    mode_t mode = 0644;
    struct stat st{};
    if (stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

    std::string temp = target + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) CannotWrite(fileName);
    bool ok = fchmod(fd, mode) == 0;
    size_t done = 0;
    while (ok && done < content.size()) {
        ssize_t n = write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<size_t>(n);
    }
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        CannotWrite(fileName);
    }
}

size_t FindSection(const IniText& text, const std::string& section) {
    for (size_t i = 0; i < text.lines.size(); ++i)
        if (text.lines[i].kind == LineKind::Section && SameIniName(text.lines[i].name, section)) return i;
    return std::string::npos;
}

size_t SectionEnd(const IniText& text, size_t header) {
    size_t i = header + 1;
    while (i < text.lines.size() && text.lines[i].kind != LineKind::Section) ++i;
    return i;
}

size_t FindKey(const IniText& text, size_t header, const std::string& key) {
    if (header == std::string::npos) return std::string::npos;
    size_t end = SectionEnd(text, header);
    for (size_t i = header + 1; i < end; ++i)
        if (text.lines[i].kind == LineKind::Key && SameIniName(text.lines[i].name, key)) return i;
    return std::string::npos;
}

}  // namespace znp::ini
