#include "platform/Bitmap.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/SafeFile.h"

namespace znp {

const ClassInfo& TBitmap::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TBitmap", &TPersistent::StaticClass());
        c.ReadOnly("Width", &TBitmap::Width);
        c.ReadOnly("Height", &TBitmap::Height);
        c.Field("Transparent", &TBitmap::Transparent);
        c.Prop("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor);
        return c;
    }();
    return info;
}

void TBitmap::SetSize(int width, int height, TColor fill) {
    if (width < 0 || height < 0) throw Exception("Invalid bitmap size");
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
    Changed();
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw Exception("Pixel outside the bitmap");
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw Exception("Pixel outside the bitmap");
    pixels_[static_cast<size_t>(y) * width_ + x] = color & 0xFFFFFF;
}

void TBitmap::FillRect(const TRect& rect, TColor color) {
    for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, height_); ++y)
        for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, width_); ++x)
            pixels_[static_cast<size_t>(y) * width_ + x] = color & 0xFFFFFF;
}

TColor TBitmap::TransparentColor() const {
    if (transparentSet_ || Empty()) return transparentColor_;
    return Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentSet_ = true;
}

void TBitmap::CopyRect(int x, int y, const TBitmap& source, const TRect& sourceRect) {
    for (int sy = std::max(sourceRect.Top, 0); sy < std::min(sourceRect.Bottom, source.height_); ++sy) {
        int dy = y + sy - sourceRect.Top;
        if (dy < 0 || dy >= height_) continue;
        for (int sx = std::max(sourceRect.Left, 0); sx < std::min(sourceRect.Right, source.width_); ++sx) {
            int dx = x + sx - sourceRect.Left;
            if (dx < 0 || dx >= width_) continue;
            pixels_[static_cast<size_t>(dy) * width_ + dx] = source.pixels_[static_cast<size_t>(sy) * source.width_ + sx];
        }
    }
}

TBitmap TBitmap::Section(const TRect& rect) const {
    TRect r{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, width_), std::min(rect.Bottom, height_)};
    TBitmap result(std::max(r.Width(), 0), std::max(r.Height(), 0));
    result.CopyRect(0, 0, *this, r);
    result.Transparent = Transparent;
    if (transparentSet_) result.SetTransparentColor(transparentColor_);
    return result;
}

TBitmap TBitmap::Mask(TColor color) const {
    TBitmap mask(width_, height_, clBlack);
    for (size_t i = 0; i < pixels_.size(); ++i)
        if ((pixels_[i] & 0xFFFFFF) == (color & 0xFFFFFF)) mask.pixels_[i] = clWhite;
    return mask;
}

void TBitmap::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TBitmap*>(&source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    width_ = other->width_;
    height_ = other->height_;
    pixels_ = other->pixels_;
    Transparent = other->Transparent;
    transparentColor_ = other->transparentColor_;
    transparentSet_ = other->transparentSet_;
    Changed();
}

// --- BMP format ------------------------------------------------------------------------------

namespace {

std::uint32_t U32(std::string_view b, size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(std::string_view b, size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}
void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}
TColor FromBgr(unsigned char b, unsigned char g, unsigned char r) { return b << 16 | g << 8 | r; }

[[noreturn]] void Bad(const char* why) { throw Exception(std::string("Invalid bitmap: ") + why); }

}  // namespace

void TBitmap::LoadFromBytes(std::string_view b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') Bad("not a BMP file");
    const std::uint32_t dataOffset = U32(b, 10);
    const std::uint32_t headerSize = U32(b, 14);
    if (headerSize < 12 || 14 + static_cast<size_t>(headerSize) > b.size()) Bad("truncated header");
    long long width, height;
    int bits;
    std::uint32_t compression = 0, colorsUsed = 0;
    if (headerSize == 12) {  // the old core header
        width = U16(b, 18);
        height = static_cast<std::int16_t>(U16(b, 20));
        bits = U16(b, 24);
    } else {
        if (headerSize < 40) Bad("truncated header");
        width = static_cast<std::int32_t>(U32(b, 18));
        height = static_cast<std::int32_t>(U32(b, 22));
        bits = U16(b, 28);
        compression = U32(b, 30);
        colorsUsed = U32(b, 46);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) Bad("size out of range");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) Bad("unsupported pixel format");
    // Bit fields with the usual masks lay out 32-bit pixels as BI_RGB does.
    if (compression != 0 && !(compression == 3 && bits == 32)) Bad("compressed pixels are not supported");

    std::vector<TColor> palette;
    if (bits <= 8) {
        const size_t entries = colorsUsed ? colorsUsed : (1u << bits);
        const size_t entrySize = headerSize == 12 ? 3 : 4;
        const size_t start = 14 + headerSize;
        if (entries > 256 || start + entries * entrySize > b.size()) Bad("truncated palette");
        for (size_t i = 0; i < entries; ++i) {
            size_t at = start + i * entrySize;
            palette.push_back(FromBgr(static_cast<unsigned char>(b[at]), static_cast<unsigned char>(b[at + 1]),
                                      static_cast<unsigned char>(b[at + 2])));
        }
    }
    const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (dataOffset > b.size() || stride * static_cast<size_t>(height) > b.size() - dataOffset) Bad("truncated pixels");

    std::vector<TColor> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (long long row = 0; row < height; ++row) {
        const size_t line = dataOffset + stride * static_cast<size_t>(row);
        const long long y = topDown ? row : height - 1 - row;
        for (long long x = 0; x < width; ++x) {
            TColor c;
            if (bits >= 24) {
                size_t at = line + static_cast<size_t>(x) * (bits / 8);
                c = FromBgr(static_cast<unsigned char>(b[at]), static_cast<unsigned char>(b[at + 1]),
                            static_cast<unsigned char>(b[at + 2]));
            } else {
                size_t bit = static_cast<size_t>(x) * bits;
                unsigned byte = static_cast<unsigned char>(b[line + bit / 8]);
                unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= palette.size()) Bad("palette index out of range");
                c = palette[index];
            }
            pixels[static_cast<size_t>(y) * width + x] = c;
        }
    }
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    pixels_ = std::move(pixels);
    Changed();
}

std::string TBitmap::SaveToBytes() const {
    const size_t stride = ((static_cast<size_t>(width_) * 24 + 31) / 32) * 4;
    const size_t imageSize = stride * height_;
    std::string out;
    out += "BM";
    Put32(out, static_cast<std::uint32_t>(54 + imageSize));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width_));
    Put32(out, static_cast<std::uint32_t>(height_));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        size_t start = out.size();
        for (int x = 0; x < width_; ++x) {
            TColor c = pixels_[static_cast<size_t>(y) * width_ + x];
            out += static_cast<char>((c >> 16) & 0xFF);
            out += static_cast<char>((c >> 8) & 0xFF);
            out += static_cast<char>(c & 0xFF);
        }
        out.append(stride - (out.size() - start), '\0');
    }
    return out;
}

void TBitmap::LoadFromFile(const std::string& fileName) {
    LoadFromBytes(LoadFileContents(fileName, kPictureFileLimit));
}

void TBitmap::SaveToFile(const std::string& fileName) const {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw Exception("Cannot create file \"" + fileName + "\"");
    std::string bytes = SaveToBytes();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw Exception("Cannot write file \"" + fileName + "\"");
}

}  // namespace znp
