#include "platform/Graphics.h"

namespace znp {

const ClassInfo& TFont::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TFont", &TPersistent::StaticClass());
        c.Prop("Name", &TFont::Name, &TFont::SetName);
        c.Prop("Height", &TFont::Height, &TFont::SetHeight);
        c.Prop("Size", &TFont::Size, &TFont::SetSize);
        c.Prop("Charset", &TFont::Charset, &TFont::SetCharset);
        c.Prop("Color", &TFont::Color, &TFont::SetColor);
        c.SetProp("Style", &TFont::Style, &TFont::SetStyle, kFontStyleNames);
        return c;
    }();
    return info;
}

TFont& TFont::operator=(const TFont& other) {
    if (this != &other) Assign(other);
    return *this;
}

void TFont::SetName(const std::string& value) {
    if (value == name_) return;
    name_ = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (value == height_) return;
    height_ = value;
    Changed();
}

void TFont::SetCharset(int value) {
    if (value == charset_) return;
    charset_ = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value) {
    if (value == style_) return;
    style_ = value;
    Changed();
}

void TFont::CopyLook(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    charset_ = other.charset_;
    color_ = other.color_;
    style_ = other.style_;
}

void TFont::Assign(const TPersistent& source) {
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) return TPersistent::Assign(source);
    if (*font == *this) return;
    CopyLook(*font);
    Changed();
}

}  // namespace znp
