// A small settings file of the installation's data, read whole.
//
// Format: "[Section]" headers and "Key=Value" lines; blank lines and lines beginning with ";" are
// skipped; spaces around keys and values are trimmed; sections and keys are found without regard
// to case and keep the order of the file. The file is UTF-8 (a leading byte-order mark is
// skipped); its texts are handed out in code page 936, the code page of the host's database, so
// that the data stays readable in an editor while the objects answer what the host would.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace znp::host {

class DataFile {
public:
    using Entries = std::vector<std::pair<std::string, std::string>>;

    // False when the file cannot be read (the data is then empty).
    bool Load(const std::string& path);

    // The entries of a section in file order; empty when there is no such section.
    const Entries& Section(const std::string& name) const;
    std::string Value(const std::string& section, const std::string& key, const std::string& fallback = "") const;
    bool HasSection(const std::string& name) const;

private:
    std::vector<std::pair<std::string, Entries>> sections_;
};

// UTF-8 text in code page 936.
std::string Utf8ToDb(const std::string& text);
// Splits a "|"-separated row; an empty text is a row of one empty field.
std::vector<std::string> SplitRow(const std::string& text);

}  // namespace znp::host
