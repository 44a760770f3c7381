// The lines of a settings file as the settings-file operations see them (internal to IniFile).
#pragma once

#include <string>
#include <vector>

namespace znp::ini {

enum class LineKind { Other, Section, Key };

struct IniLine {
    std::string raw;  // the line as in the file, without its line end
    LineKind kind = LineKind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // key value, trimmed and unquoted
};

// The file as lines, with what is needed to write it back as it was.
struct IniText {
    std::vector<IniLine> lines;
    std::string eol = "\n";
};

// Position of the first single-byte C in S, never a trail byte of a double-byte character.
size_t FindChar(const std::string& s, char c, const std::string& codePage);

// A missing file, and one that is refused (not a regular file, too large, unreadable), gives no
// lines; a refused one is reported to the system log.
IniText Load(const std::string& fileName);
// As Load, but a file that exists and cannot be read raises Exception, so that a write never
// replaces it.
IniText LoadForWrite(const std::string& fileName);
// Replaces the file as a whole; raises Exception when it cannot be written.
void Save(const std::string& fileName, const IniText& text);

// Index of the first header line of Section, or npos.
size_t FindSection(const IniText& text, const std::string& section);
// One past the last line of the section whose header is at Header.
size_t SectionEnd(const IniText& text, size_t header);
// Index of Key's first line in the section whose header is at Header (npos for none), or npos.
size_t FindKey(const IniText& text, size_t header, const std::string& key);

}  // namespace znp::ini
