#include "ChineseText.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <mutex>

#include "Config.hpp"
#include "Converter.hpp"

namespace rirodozada {

namespace {

// Bytes of the UTF-8 character that begins with Lead.
size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Runs iconv over the whole text; a unit it cannot convert becomes "?" and the conversion goes on
// after it (one byte of a multi-byte source, one whole character of UTF-8).
std::string Recode(const std::string& text, const char* to, const char* from, bool fromUtf8) {
    if (text.empty()) return text;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out;
    char buffer[1024];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
        out += '?';
        size_t skip = fromUtf8 ? Utf8Length(static_cast<unsigned char>(*in)) : 1;
        if (skip > inLeft) skip = inLeft;
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

// The character-table configurations. Segmentation runs over the first table of the chain, which
// holds single characters only, so no phrase is ever matched.
const char* ConfigOf(Direction direction) {
    if (direction == Direction::GBToBig5)
        return R"({"name":"GB to Big5, characters only",
  "segmentation":{"type":"mmseg","dict":{"type":"ocd2","file":"STCharacters.ocd2"}},
  "conversion_chain":[{"dict":{"type":"ocd2","file":"STCharacters.ocd2"}},
                      {"dict":{"type":"ocd2","file":"TWVariants.ocd2"}}]})";
    return R"({"name":"Big5 to GB, characters only",
  "segmentation":{"type":"mmseg","dict":{"type":"ocd2","file":"TSCharacters.ocd2"}},
  "conversion_chain":[{"dict":{"type":"ocd2","file":"TWVariantsRev.ocd2"}},
                      {"dict":{"type":"ocd2","file":"TSCharacters.ocd2"}}]})";
}

struct Tables {
    std::once_flag once;
    opencc::ConverterPtr converter;
};

Tables& TablesOf(Direction direction) {
    static Tables toBig5, toGB;
    return direction == Direction::GBToBig5 ? toBig5 : toGB;
}

const opencc::Converter* Load(Direction direction) {
    Tables& tables = TablesOf(direction);
    std::call_once(tables.once, [&] {
        try {
            opencc::Config config;
            tables.converter = config.NewFromString(ConfigOf(direction), RIRODOZADA_OPENCC_DIR "/");
        } catch (...) {
            tables.converter.reset();
        }
    });
    return tables.converter.get();
}

}  // namespace

bool PrepareTables(Direction direction) { return Load(direction) != nullptr; }

std::string DecodeToUtf8(const std::string& text, const char* codePage) {
    return Recode(text, "UTF-8", codePage, false);
}

std::string EncodeFromUtf8(const std::string& text, const char* codePage) {
    return Recode(text, codePage, "UTF-8", true);
}

std::string ConvertCharacters(Direction direction, const std::string& utf8) {
    const opencc::Converter* converter = Load(direction);
    if (!converter || utf8.empty()) return utf8;
    // The converter works on C strings: convert the pieces between NUL characters one by one.
    std::string out;
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find('\0', start);
        if (end == std::string::npos) end = utf8.size();
        if (end > start) {
            try {
                out += converter->Convert(utf8.substr(start, end - start));
            } catch (...) {
                out += utf8.substr(start, end - start);
            }
        }
        if (end == utf8.size()) break;
        out += '\0';
        start = end + 1;
    }
    return out;
}

std::string Convert(Direction direction, const std::string& text) {
    const char* from = direction == Direction::GBToBig5 ? kGBCodePage : kBig5CodePage;
    const char* to = direction == Direction::GBToBig5 ? kBig5CodePage : kGBCodePage;
    return EncodeFromUtf8(ConvertCharacters(direction, DecodeToUtf8(text, from)), to);
}

}  // namespace rirodozada
