#include "platform/Canvas.h"

namespace znp {

std::string StripAccelChars(const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    return shown;
}

char AccelChar(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        char c = text[i + 1];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return c;
    }
    return 0;
}

void TCanvas::FillRect(const TRect& rect) {
    TCanvasOp op;
    op.Kind = TCanvasOpKind::FillRect;
    op.Rect = rect;
    op.Color = BrushColor;
    ops_.push_back(std::move(op));
}

void TCanvas::DrawText(const std::string& text, const TRect& rect, std::uint32_t format) {
    TCanvasOp op;
    op.Kind = TCanvasOpKind::DrawText;
    op.Rect = rect;
    op.Color = Font.Color();
    op.Text = text;
    op.Format = format;
    op.Style = Font.Style();
    ops_.push_back(std::move(op));
}

void TCanvas::Draw(int x, int y, const TBitmap& image, bool transparent) {
    TCanvasOp op;
    op.Kind = TCanvasOpKind::Draw;
    op.Rect = {x, y, x + image.Width(), y + image.Height()};
    op.Image.Assign(image);
    op.Transparent = transparent;
    ops_.push_back(std::move(op));
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    TCanvasOp op;
    op.Kind = TCanvasOpKind::FocusRect;
    op.Rect = rect;
    ops_.push_back(std::move(op));
}

int TCanvas::TextWidth(const std::string& text, bool prefix) const {
    const size_t bytes = prefix ? StripAccelChars(text).size() : text.size();
    return static_cast<int>((bytes * static_cast<size_t>(TextHeight()) + 1) / 2);
}

}  // namespace znp
