#include "controls/ZnSpinEdit.h"

#include "platform/SysUtils.h"

namespace znp {

const ClassInfo& TZnSpinEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZnSpinEdit", &TSpinEdit::StaticClass());
        c.Creatable<TZnSpinEdit>();
        return c;
    }();
    return info;
}

void TZnSpinEdit::Change() {
    if (adjusting_) return;
    std::string text = Text();
    for (char sign : {'+', '-'}) {
        const size_t at = text.find(sign);
        if (at != std::string::npos && at > 0) text.pop_back();
    }
    if (text != Text()) {
        adjusting_ = true;
        try {
            SetText(text);
            SetSelStart(static_cast<int>(text.size()));
        } catch (...) {
            adjusting_ = false;
            throw;
        }
        adjusting_ = false;
    }
    if (!Trim(Text()).empty()) TSpinEdit::Change();
}

}  // namespace znp
