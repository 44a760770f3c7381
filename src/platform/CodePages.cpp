// Wide text <-> byte text in a Windows code page, through iconv.
//
// Code pages are named as the system names them ("936", "950", "437"); iconv knows them as GBK,
// BIG5 and CP437. A character the target cannot hold, or a byte sequence the source does not
// define, becomes "?" so that a conversion never fails half-way and never loses the rest.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "Kvtr42C/Variant.h"

namespace znp {

namespace {

std::string IconvName(const std::string& codePage) {
    if (codePage == "936") return "GBK";
    if (codePage == "950") return "BIG5";
    if (codePage == "437") return "CP437";
    if (codePage == "65001" || codePage == "utf-8" || codePage == "UTF-8") return "UTF-8";
    return "CP" + codePage;
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts Size bytes; on an unconvertible unit writes Replacement and skips SkipUnit bytes.
    std::string Run(const char* data, size_t size, size_t skipUnit, const std::string& replacement) {
        std::string out;
        char buffer[4096];
        char* in = const_cast<char*>(data);
        size_t inLeft = size;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: an invalid or incomplete unit.
            out += replacement;
            size_t skip = skipUnit;
            // A UTF-16 surrogate pair is one character: skip it whole.
            if (skipUnit == 2 && inLeft >= 4) {
                unsigned unit = static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
                if (unit >= 0xD800 && unit < 0xDC00) skip = 4;
            }
            if (skip > inLeft) skip = inLeft;
            in += skip;
            inLeft -= skip;
        }
        return out;
    }

private:
    iconv_t cd_;
};


}  // namespace

std::string WideToBytes(const std::u16string& text, const std::string& codePage) {
    if (text.empty()) return {};
    Converter conv(IconvName(codePage), "UTF-16LE");
    if (!conv.ok()) throw EConvertError("Unknown code page " + codePage);
    return conv.Run(reinterpret_cast<const char*>(text.data()), text.size() * 2, 2, "?");
}

std::u16string BytesToWide(const std::string& text, const std::string& codePage) {
    if (text.empty()) return {};
    Converter conv("UTF-16LE", IconvName(codePage));
    if (!conv.ok()) throw EConvertError("Unknown code page " + codePage);
    std::string bytes = conv.Run(text.data(), text.size(), 1, std::string("?\0", 2));
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

}  // namespace znp
