// TZnSpinEdit: the platform's spin edit whose text takes back a sign typed behind the digits:
// on every change, when the text holds "+" after its first character the last character is
// removed, then the same for "-". OnChange is raised only when the text, trimmed, is not empty.
#pragma once

#include "platform/Spin.h"

namespace znp {

class TZnSpinEdit : public TSpinEdit {
public:
    ZNP_DECLARE_CLASS()
    using TSpinEdit::TSpinEdit;

protected:
    void Change() override;

private:
    bool adjusting_ = false;
};

}  // namespace znp
