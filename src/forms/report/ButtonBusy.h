// Keeps a report button disabled while its handler runs, so a second press cannot start a second
// run, and enables it again on every way out of the handler.
#pragma once

#include "platform/Controls.h"

namespace znp {

class ButtonBusy {
public:
    explicit ButtonBusy(TControl* button) : button_(button) {
        if (button_) button_->SetEnabled(false);
    }
    ~ButtonBusy() {
        if (button_) button_->SetEnabled(true);
    }
    ButtonBusy(const ButtonBusy&) = delete;
    ButtonBusy& operator=(const ButtonBusy&) = delete;

private:
    TControl* button_;
};

}  // namespace znp
