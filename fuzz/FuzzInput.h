// Helpers shared by the fuzz targets: the raw input as text and its parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace znp::fuzz {

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The input cut at its NUL bytes into at most Count parts (the last part keeps any further NULs),
// so that one input can vary several arguments; missing parts are empty.
inline std::vector<std::string> Parts(const std::string& input, std::size_t count) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() + 1 < count) {
        const std::size_t nul = input.find('\0', start);
        if (nul == std::string::npos) break;
        parts.push_back(input.substr(start, nul - start));
        start = nul + 1;
    }
    parts.push_back(start <= input.size() ? input.substr(start) : std::string());
    parts.resize(count);
    return parts;
}

// One of the code pages the library knows, chosen by a byte of the input.
inline const char* CodePageOf(unsigned char selector) {
    static const char* const codePages[] = {"936", "950", "437"};
    return codePages[selector % 3];
}

}  // namespace znp::fuzz
