#include "controls/DBLabel.h"

namespace znp {

const ClassInfo& TDBLabel::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TDBLabel", &TLabel::StaticClass());
        c.Creatable<TDBLabel>();
        c.Field("Pos", &TDBLabel::Pos, kPosNames);
        c.Field("Gap", &TDBLabel::Gap);
        c.Field("AutoAlign", &TDBLabel::AutoAlign);
        c.Field("AutoCaption", &TDBLabel::AutoCaption);
        return c;
    }();
    return info;
}

TDBLabel::TDBLabel(TComponent* owner) : TLabel(owner) { SetCaption("挂靠标签"); }

void TDBLabel::Loaded() {
    TLabel::Loaded();
    AlignToControl();
}

void TDBLabel::AlignToControl() {
    if (!AutoAlign || !FocusControl) return;
    const TControl& c = *FocusControl;
    switch (Pos) {
        case TPos::psLeft: SetBounds(c.Left() - Gap - Width(), c.Top() + (c.Height() - Height()) / 2, Width(), Height()); break;
        case TPos::psRight: SetBounds(c.Left() + c.Width() + Gap, c.Top() + (c.Height() - Height()) / 2, Width(), Height()); break;
        case TPos::psTop: SetBounds(c.Left(), c.Top() - Gap - Height(), Width(), Height()); break;
        case TPos::psBottom: SetBounds(c.Left(), c.Top() + c.Height() + Gap, Width(), Height()); break;
    }
}

}  // namespace znp
