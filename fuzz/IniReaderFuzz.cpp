// libFuzzer target over the settings-file reader: every input is a settings file, read through
// every read operation and rewritten once.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "Kvtr42C/Exception.h"
#include "platform/IniFile.h"

using namespace znp;

namespace {

std::string g_file;

void WriteAll(const std::string& bytes) {
    const int fd = open(g_file.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0) __builtin_trap();
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) __builtin_trap();
        done += static_cast<size_t>(n);
    }
    close(fd);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/kv-fuzz-ini-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0) __builtin_trap();
    close(fd);
    g_file = pattern;
    atexit([] { unlink(g_file.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteAll(fuzz::Text(data, size));
    IniFile file(g_file);
    // Every read reads the file again: a few sections and keys are enough for every path.
    const auto sections = file.ReadSections();
    for (size_t s = 0; s < sections.size() && s < 4; ++s) {
        const std::string& section = sections[s];
        const auto values = file.ReadSectionValues(section);
        for (size_t k = 0; k < values.size() && k < 4; ++k) {
            const std::string& key = values[k].first;
            (void)file.ReadString(section, key, "");
            (void)file.ReadInteger(section, key, -1);
            (void)file.ReadBool(section, key, false);
        }
        (void)file.SectionExists(section);
    }
    (void)file.ReadInteger("Server Information", "ServerPort", 211);
    try {
        // A written value reads back as written.
        file.WriteString("Fuzz", "Key", "value");
        if (file.ReadString("Fuzz", "Key", "") != "value") __builtin_trap();
        file.DeleteKey("Fuzz", "Key");
        file.EraseSection("Fuzz");
    } catch (const Exception&) {
    }
    return 0;
}
