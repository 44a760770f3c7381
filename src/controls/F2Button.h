// TF2Button: a picture button bound to one edit (its F2Control). It sits square at the edit's
// right and a click does what F2 does in that edit: it asks the form that owns the edit for the
// edit's lookup (the quick-pick request WM_USER+10) and waits until the form has handled it.
#pragma once

#include "controls/GSpdBtn.h"

namespace znp {

class TF2Button : public TGSpeedButton {
public:
    ZNP_DECLARE_CLASS()
    // Flat, with the general lookup picture (8).
    explicit TF2Button(TComponent* owner);

    bool AutoAlign() const { return autoAlign_; }
    // Stored, then the button is aligned.
    void SetAutoAlign(bool value);
    TWinControl* F2Control() const { return f2Control_; }
    // Binds the button to Control (null: unbinds). Among the components owned by the button's
    // parent only one F2 button may point at a control: a second one is refused with a box and
    // keeps its old binding.
    void SetF2Control(TWinControl* control);
    int Gap() const { return gap_; }
    // When changed: stored, then the button is aligned.
    void SetGap(int value);

    // Square beside the control, Gap pixels right of it, when bound and AutoAlign is on. A later
    // move of the control does not move the button.
    void AlignToControl();
    // The platform click (OnClick first), then the quick-pick request for an enabled control that
    // has the focus or can take it.
    void Click() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoAlign_ = true;
    TWinControl* f2Control_ = nullptr;
    int gap_ = 2;
};

// The window message of the quick-pick request, the requesting control in LParam.
inline constexpr std::uint32_t kQuickPickMessage = WM_USER + 10;

}  // namespace znp
