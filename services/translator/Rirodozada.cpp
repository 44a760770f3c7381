// The exports of the translator library. The two text procedures share the calling convention
// of the translator unit: the whole result's length is returned, at most OutputSize bytes of it
// are written, and no memory crosses the library boundary.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <type_traits>

#include "ChineseText.h"
#include "runtime/TranslatorU.h"

#define RIRODOZADA_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

size_t Deliver(const std::string& result, char* output, size_t outputSize) {
    if (output && outputSize > 0) std::memcpy(output, result.data(), std::min(result.size(), outputSize));
    return result.size();
}

size_t Translate(rirodozada::Direction direction, const char* input, size_t inputLength, char* output,
                 size_t outputSize) {
    if (!input || inputLength == 0) return 0;
    try {
        return Deliver(rirodozada::Convert(direction, std::string(input, inputLength)), output, outputSize);
    } catch (...) {
        // Nothing may leave the library as an exception: the text goes back unchanged.
        return Deliver(std::string(input, inputLength), output, outputSize);
    }
}

}  // namespace

RIRODOZADA_EXPORT size_t GBtoBIG5(const char* input, size_t inputLength, char* output, size_t outputSize) {
    return Translate(rirodozada::Direction::GBToBig5, input, inputLength, output, outputSize);
}

RIRODOZADA_EXPORT size_t BIG5toGB(const char* input, size_t inputLength, char* output, size_t outputSize) {
    return Translate(rirodozada::Direction::Big5ToGB, input, inputLength, output, outputSize);
}

static_assert(std::is_same_v<decltype(&GBtoBIG5), znp::TranslateTextProc>);
static_assert(std::is_same_v<decltype(&BIG5toGB), znp::TranslateTextProc>);

// Prepares the tables of GB -> Big5 (the Big5 data); 1 when they are loaded, 0 when the
// conversion will only change the code page.
RIRODOZADA_EXPORT int GetBIG5Data() { return rirodozada::PrepareTables(rirodozada::Direction::GBToBig5) ? 1 : 0; }

// Prepares the tables of Big5 -> GB (the GB data), likewise.
RIRODOZADA_EXPORT int GetGBData() { return rirodozada::PrepareTables(rirodozada::Direction::Big5ToGB) ? 1 : 0; }

// Writes the conversion order of every double-byte GBK character to FileName, in GBK order, one
// UTF-8 line each: the GB character, a tab, and its Big5 form ("?" when there is none). Returns
// the number of lines, or -1 when the file cannot be written.
RIRODOZADA_EXPORT int SaveOrder(const char* fileName) {
    if (!fileName || !*fileName) return -1;
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) return -1;
    int lines = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const char gb[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            std::string utf8 = rirodozada::DecodeToUtf8(std::string(gb, 2), rirodozada::kGBCodePage);
            if (utf8.find('?') != std::string::npos) continue;  // no character at this code
            std::string big5 = rirodozada::Convert(rirodozada::Direction::GBToBig5, std::string(gb, 2));
            std::string shown = big5 == "?" ? big5 : rirodozada::DecodeToUtf8(big5, rirodozada::kBig5CodePage);
            out << utf8 << '\t' << shown << '\n';
            ++lines;
        }
    }
    out.flush();
    return out ? lines : -1;
}
