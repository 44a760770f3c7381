// TExtPageControl: the page control of the condition forms, whose tabs are drawn by the program.
// OnDrawTab draws a tab when it is set; otherwise the active tab is drawn shrunk by 2 pixels on
// every side in the active-caption colours with a bold caption, an inactive one in the
// inactive-caption colours with its text band 2 pixels lower. A tab's text is the caption of the
// page it belongs to, counting only the pages whose tab is visible.
#pragma once

#include "platform/Canvas.h"
#include "platform/ComCtrls.h"

namespace znp {

// (Control, TabIndex, Active, Rect): draws tab TabIndex (among the visible tabs) in Rect.
using TDrawTabEvent = TEvent<TObject*, int, bool, const TRect&>;

class TExtPageControl : public TPageControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TExtPageControl(TComponent* owner);

    TDrawTabEvent OnDrawTab;
    // The tabs are owner-drawn.
    bool OwnerDraw() const { return true; }

    // The rectangle of a visible tab in the control's client area: tabs sit side by side along
    // the top, each as wide as its caption in the control's font plus 12 pixels, TabHeight high.
    TRect TabRect(int tabIndex) const;
    int TabHeight() const { return Font()->PixelHeight() + 8; }
    // Draws one tab (OnDrawTab, or the drawing above) or every visible tab.
    void DrawTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active);
    void PaintTabs(TCanvas& canvas);
};

}  // namespace znp
