#include "platform/Graphics.h"

namespace znp {

const ClassInfo& TFont::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TFont", &TPersistent::StaticClass());
        c.Field("Name", &TFont::Name);
        c.Field("Height", &TFont::Height);
        c.Prop("Size", &TFont::Size, &TFont::SetSize);
        c.Field("Charset", &TFont::Charset);
        c.Field("Color", &TFont::Color);
        c.SetField("Style", &TFont::Style, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
        return c;
    }();
    return info;
}

void TFont::Assign(const TPersistent& source) {
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) return TPersistent::Assign(source);
    Name = font->Name;
    Height = font->Height;
    Charset = font->Charset;
    Color = font->Color;
    Style = font->Style;
}

}  // namespace znp
