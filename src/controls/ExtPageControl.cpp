#include "controls/ExtPageControl.h"

namespace znp {

const ClassInfo& TExtPageControl::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TExtPageControl", &TPageControl::StaticClass());
        c.Creatable<TExtPageControl>();
        c.Event("OnDrawTab", &TExtPageControl::OnDrawTab);
        c.ReadOnly("OwnerDraw", &TExtPageControl::OwnerDraw);
        return c;
    }();
    return info;
}

TExtPageControl::TExtPageControl(TComponent* owner) : TPageControl(owner) {}

TRect TExtPageControl::TabRect(int tabIndex) const {
    if (tabIndex < 0 || tabIndex >= TabCount()) return {};
    TCanvas measure;
    measure.Font.Assign(*Font());
    int left = 0;
    for (int i = 0;; ++i) {
        const int width = measure.TextWidth(TabPage(i)->Caption()) + 12;
        if (i == tabIndex) return {left, 0, left + width, TabHeight()};
        left += width;
    }
}

void TExtPageControl::DrawTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active) {
    if (OnDrawTab) {
        OnDrawTab(this, tabIndex, active, rect);
        return;
    }
    const TTabSheet* page = TabPage(tabIndex);
    if (!page) return;
    TRect r = rect;
    canvas.Font.Assign(*Font());
    if (active) {
        r = {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
        canvas.BrushColor = clActiveCaption;
        canvas.Font.SetColor(clCaptionText);
        canvas.Font.SetStyle(static_cast<TFontStyles>(canvas.Font.Style() | fsBold));
        canvas.FillRect(r);
    } else {
        canvas.BrushColor = clInactiveCaption;
        canvas.Font.SetColor(clInactiveCaptionText);
        canvas.Font.SetStyle(static_cast<TFontStyles>(canvas.Font.Style() & ~fsBold));
        canvas.FillRect(r);
        r.Top += 2;
    }
    canvas.DrawText(page->Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TExtPageControl::PaintTabs(TCanvas& canvas) {
    for (int i = 0; i < TabCount(); ++i) DrawTab(canvas, i, TabRect(i), TabPage(i) == ActivePage());
}

}  // namespace znp
