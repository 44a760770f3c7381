#include "platform/Mask.h"

#include <algorithm>

namespace znp {

const ClassInfo& TMaskEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TMaskEdit", &TCustomEdit::StaticClass());
        c.Creatable<TMaskEdit>();
        c.Prop("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask);
        c.Prop("Text", &TControl::Text, &TControl::SetText);
        return c;
    }();
    return info;
}

TMaskEdit::TMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TMaskEdit::SetEditMask(const std::string& value) {
    if (value == mask_.MaskText()) return;
    const std::string inputs = mask_.Strip(Text());
    mask_ = znp::EditMask(value);
    if (IsMasked()) {
        editText_.clear();
        SetEditText(mask_.Apply(inputs));
    } else {
        editText_.clear();
        TCustomEdit::SetText(inputs);
    }
    SetSelStart(0);
}

void TMaskEdit::SetEditText(const std::string& value) {
    if (!IsMasked()) {
        TCustomEdit::SetText(value);
        return;
    }
    std::string edit = value;
    // The edit text always has the mask's length.
    if (static_cast<int>(edit.size()) != mask_.Length()) edit = mask_.Format(mask_.Value(value));
    const bool changed = edit != editText_;
    editText_ = edit;
    suppressChange_ = true;
    TControl::SetText(mask_.Value(editText_));
    suppressChange_ = false;
    if (changed && !IsLoading()) Change();
}

void TMaskEdit::SetText(const std::string& value) {
    if (!IsMasked()) {
        TCustomEdit::SetText(value);
        return;
    }
    SetEditText(mask_.Format(value));
    SetSelStart(0);
}

int TMaskEdit::NextInput(int pos) const {
    while (pos < mask_.Length() && !mask_.IsInputPosition(pos)) ++pos;
    return pos;
}

void TMaskEdit::ClearSelectedInputs() {
    if (SelLength() == 0) return;
    std::string edit = editText_;
    const int end = std::min(SelStart() + SelLength(), mask_.Length());
    for (int p = SelStart(); p < end; ++p)
        if (mask_.IsInputPosition(p)) edit[p] = mask_.BlankChar();
    const int start = SelStart();
    SetEditText(edit);
    SetSelStart(start);
}

void TMaskEdit::TypeCharacter(const std::string& character) {
    if (!IsMasked()) return TCustomEdit::TypeCharacter(character);
    if (ReadOnly) return;
    const int start = SelStart();
    const int pos = NextInput(start);
    if (pos >= mask_.Length() || !mask_.Allows(pos, character)) return;
    ClearSelectedInputs();
    std::string edit = editText_;
    const std::string shifted = mask_.Shifted(pos, character);
    edit.replace(pos, shifted.size(), shifted);
    SetEditText(edit);
    SetSelStart(NextInput(pos + static_cast<int>(shifted.size())));
}

void TMaskEdit::TypeBackspace() {
    if (!IsMasked()) return TCustomEdit::TypeBackspace();
    if (ReadOnly) return;
    if (SelLength() > 0) return ClearSelectedInputs();
    int pos = SelStart() - 1;
    while (pos >= 0 && !mask_.IsInputPosition(pos)) --pos;
    if (pos < 0) return;
    // A double-byte character fills two positions: empty both.
    if (pos > 0 && mask_.IsInputPosition(pos - 1) && textedit::PrevCharStart(editText_, pos + 1) == static_cast<size_t>(pos - 1))
        --pos;
    std::string edit = editText_;
    const size_t size = textedit::CharSizeAt(edit, pos);
    for (size_t i = 0; i < size; ++i) edit[pos + i] = mask_.BlankChar();
    SetEditText(edit);
    SetSelStart(pos);
}

void TMaskEdit::TypeDelete() {
    if (!IsMasked()) return TCustomEdit::TypeDelete();
    if (ReadOnly) return;
    if (SelLength() > 0) return ClearSelectedInputs();
    const int pos = NextInput(SelStart());
    if (pos >= mask_.Length()) return;
    std::string edit = editText_;
    const size_t size = textedit::CharSizeAt(edit, pos);
    for (size_t i = 0; i < size; ++i) edit[pos + i] = mask_.BlankChar();
    const int start = SelStart();
    SetEditText(edit);
    SetSelStart(start);
}

}  // namespace znp
