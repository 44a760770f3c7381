// TF2Button: a picture button bound to one edit; a click does what F2 does in that edit.
#pragma once

#include "controls/GSpdBtn.h"

namespace znp {

class TF2Button : public TGSpeedButton {
public:
    ZNP_DECLARE_CLASS()
    explicit TF2Button(TComponent* owner);

    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool value);
    TWinControl* F2Control() const { return f2Control_; }
    void SetF2Control(TWinControl* control);
    int Gap() const { return gap_; }
    void SetGap(int value);

    // Square beside the control, Gap pixels right of it (when AutoAlign is on).
    void AlignToControl();
    // The platform click, then the quick-pick request for the control.
    void Click() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoAlign_ = true;
    TWinControl* f2Control_ = nullptr;
    int gap_ = 2;
};

}  // namespace znp
