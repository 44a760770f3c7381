// Settings files in the platform's INI format.
//
//     ; a comment (also "#")
//     [Section]
//     Key=Value
//
// The rules are those of the platform's settings files, so that a file written for the original
// system reads the same here:
// - Section and key names are compared without regard to ASCII letter case ("[codepage]" is
//   "[CodePage]"); double-byte characters of the ANSI code page are compared as they are.
// - Names and values are trimmed of blanks; a value wholly enclosed in one pair of matching quotes
//   ('...' or "...") loses them.
// - When a section or key occurs twice, the first one counts.
// - A missing file, section or key reads as the caller's default; an integer key whose text is no
//   number (decimal, or hexadecimal with "$" or "0x") reads as its default; a Boolean key is an
//   integer key that is not 0.
// - Lines before the first section and lines without "=" belong to no key and are ignored.
//
// Every call reads the file afresh and every write goes to the file at once, as the platform's
// settings files do; nothing is cached in the object. Texts are bytes in, bytes out: no code-page
// conversion. Lines may end with CR LF or LF; a rewritten file keeps the line ends it had.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace znp {

class IniFile {
public:
    explicit IniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;

    // Writes replace the key's line (the key keeps the spelling it has in the file), or add the
    // key at the end of its section, or add the section
    // at the end of the file; the file is created when missing (its folder must exist). The file
    // is replaced as a whole (a new file renamed over the old one), so a failed write leaves the
    // old file intact. Raise Exception when the file cannot be written, and when a name or value
    // would not read back as written (a line break anywhere, "]" in a section name, "=" in a key
    // name, a blank or comment-starting name).
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    // The section names, in file order (each name once).
    std::vector<std::string> ReadSections() const;
    // The key names of a section, in file order.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // The name=value pairs of a section, in file order; each line with its own value (also when a
    // name occurs twice).
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(const std::string& section) const;

    // Remove a key or a whole section; nothing happens when they do not exist.
    void DeleteKey(const std::string& section, const std::string& key);
    void EraseSection(const std::string& section);

private:
    std::string fileName_;
};

// Whether two section or key names are the same name under the rules above.
bool SameIniName(const std::string& a, const std::string& b);

}  // namespace znp
