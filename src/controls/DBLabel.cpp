#include "controls/DBLabel.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/DBCtrls.h"

namespace znp {

namespace {

// The position of Control's top-left corner in the client area of Ancestor (which contains it).
void OffsetIn(const TControl& control, const TWinControl* ancestor, int& x, int& y) {
    x = control.Left();
    y = control.Top();
    for (const TWinControl* p = control.Parent(); p && p != ancestor; p = p->Parent()) {
        x += p->Left();
        y += p->Top();
    }
}

// The innermost control that holds both, or null.
const TWinControl* CommonParent(const TControl& a, const TControl& b) {
    for (const TWinControl* p = a.Parent(); p; p = p->Parent())
        if (p->ContainsControl(&b)) return p;
    return nullptr;
}

}  // namespace

const ClassInfo& TDBLabel::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TDBLabel", &TLabel::StaticClass());
        c.Creatable<TDBLabel>();
        c.ReferenceProp("FocusControl", &TDBLabel::GetFocusControl, &TDBLabel::SetFocusControl);
        c.Prop("Pos", &TDBLabel::Pos, &TDBLabel::SetPos);
        c.Prop("Gap", &TDBLabel::Gap, &TDBLabel::SetGap);
        c.Prop("AutoAlign", &TDBLabel::AutoAlign, &TDBLabel::SetAutoAlign);
        c.Prop("AutoCaption", &TDBLabel::AutoCaption, &TDBLabel::SetAutoCaption);
        return c;
    }();
    return info;
}

TDBLabel::TDBLabel(TComponent* owner) : TLabel(owner) { SetCaption("挂靠标签"); }

void TDBLabel::SetFocusControl(TWinControl* control) {
    if (control && Parent()) {
        for (TComponent* component : Parent()->OwnedComponents()) {
            auto* other = dynamic_cast<TDBLabel*>(component);
            if (!other || other->FocusControl != control) continue;
            if (other == this) return;
            MessageBoxRequest request;
            request.Text = kDBLabelTwiceMessage;
            request.Type = TMsgDlgType::mtError;
            request.Buttons = mbOK;
            Application().Dialogs().ShowMessageBox(request);
            return;
        }
    }
    if (FocusControl && FocusControl != control) RemoveFreeNotification(FocusControl);
    FocusControl = control;
    if (control) FreeNotification(control);
    Refresh();
}

void TDBLabel::SetPos(TPos value) {
    if (value < TPos::psTop || value > TPos::psBottom) throw Exception("Invalid property value");
    if (value == pos_) return;
    pos_ = value;
    Refresh();
}

void TDBLabel::SetGap(int value) {
    value = std::clamp(value, 0, 255);
    if (value == gap_) return;
    gap_ = value;
    Refresh();
}

void TDBLabel::SetAutoAlign(bool value) {
    autoAlign_ = value;
    Refresh();
}

void TDBLabel::SetAutoCaption(bool value) {
    autoCaption_ = value;
    Refresh();
}

void TDBLabel::Loaded() {
    TLabel::Loaded();
    Refresh();
}

void TDBLabel::Refresh() {
    CaptionFromField();
    AlignToControl();
}

// The display label of the field behind the focus control: its published DataSource (with a data
// set) and DataField; anything missing leaves the caption alone.
void TDBLabel::CaptionFromField() {
    if (!autoCaption_ || !FocusControl) return;
    try {
        const ClassInfo& cls = FocusControl->ClassType();
        const PropInfo* source = cls.FindProperty("DataSource");
        const PropInfo* field = cls.FindProperty("DataField");
        if (!source || !source->GetComponent || !field || field->Kind != TypeKind::String || !field->Get) return;
        auto* dataSource = dynamic_cast<TDataSource*>(source->GetComponent(*FocusControl));
        if (!dataSource || !dataSource->DataSet()) return;
        if (TField* f = dataSource->DataSet()->FindField(VarToStr(field->Get(*FocusControl))))
            SetCaption(f->DisplayLabel);
    } catch (const std::exception&) {
        // A field that cannot be read leaves the caption as it was.
    }
}

void TDBLabel::AlignToControl() {
    if (!autoAlign_ || !FocusControl) return;
    const TControl& c = *FocusControl;
    // Both in the coordinates of their common parent.
    const TWinControl* common = CommonParent(*this, c);
    int cx = c.Left(), cy = c.Top(), lx = Left(), ly = Top();
    if (common) {
        OffsetIn(c, common, cx, cy);
        OffsetIn(*this, common, lx, ly);
    }
    const int dx = Left() - lx, dy = Top() - ly;  // from the common parent back to this label's parent
    auto centred = [&] {
        if (c.Height() == Height()) return cy;
        return std::max(0, cy + c.Height() / 2 - Height() / 2);
    };
    int left = lx, top = ly;
    switch (pos_) {
        case TPos::psTop:
            left = cx;
            top = std::max(0, cy - Height() - gap_);
            break;
        case TPos::psBottom:
            left = cx;
            top = std::max(0, cy + c.Height() + gap_);
            break;
        case TPos::psLeft:
            left = std::max(0, cx - Width() - gap_);
            top = centred();
            break;
        case TPos::psRight:
            left = std::max(0, cx + c.Width() + gap_);
            top = centred();
            break;
    }
    SetBounds(left + dx, top + dy, Width(), Height());
}

}  // namespace znp
