// TDBLabel: a free-standing label that names a focus control and places itself beside it at a
// fixed gap, taking its caption from the data field behind the control where there is one.
//
// The label is placed when its properties are set (while its form is read and whenever code sets
// them); it does not follow later moves of its control. At most one TDBLabel of a parent names a
// control: a second one is refused with a message box and keeps its previous focus control.
#pragma once

#include <string>
#include <vector>

#include "platform/StdCtrls.h"

namespace znp {

ZNP_ENUM(TPos, psTop, psLeft, psRight, psBottom);

class TDBLabel : public TLabel {
public:
    ZNP_DECLARE_CLASS()
    explicit TDBLabel(TComponent* owner);

    TWinControl* GetFocusControl() const { return FocusControl; }
    // Refused (with the message box) when another TDBLabel of the parent names Control already.
    void SetFocusControl(TWinControl* control);
    TPos Pos() const { return pos_; }
    void SetPos(TPos value);
    // Pixels between label and control, 0 to 255.
    int Gap() const { return gap_; }
    void SetGap(int value);
    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool value);
    bool AutoCaption() const { return autoCaption_; }
    void SetAutoCaption(bool value);

    // Caption from the data field (when AutoCaption), then placement (when AutoAlign).
    void Refresh();
    // Places the label beside its focus control (when AutoAlign is on).
    void AlignToControl();
    void Loaded() override;

private:
    void CaptionFromField();
    TPos pos_ = TPos::psLeft;
    int gap_ = 4;
    bool autoAlign_ = true;
    bool autoCaption_ = true;
};

// The message of a second label for the same control.
inline constexpr const char* kDBLabelTwiceMessage = "不能同时有两个 DBLabel 指到同一个 Control.";

}  // namespace znp
