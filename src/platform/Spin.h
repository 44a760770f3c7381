// The spin edit: an edit of whole numbers with up and down buttons.
#pragma once

#include "platform/StdCtrls.h"

namespace znp {

class TSpinEdit : public TCustomEdit {
public:
    ZNP_DECLARE_CLASS()
    explicit TSpinEdit(TComponent* owner);

    // Limits are only applied when they differ (MinValue = MaxValue means no limits).
    int MinValue = 0;
    int MaxValue = 0;
    int Increment = 1;
    bool EditorEnabled = true;

    // The text read as a number (MinValue when it is none), clamped to the limits.
    int Value() const;
    // Shows the value clamped to the limits.
    void SetValue(int value);
    int CheckValue(int value) const;

    // The buttons (and the Up and Down keys).
    void UpClick() { if (!ReadOnly) SetValue(Value() + Increment); }
    void DownClick() { if (!ReadOnly) SetValue(Value() - Increment); }

    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    // Leaving the edit puts a number out of the limits back inside them.
    void DoExit() override;

protected:
    // Only digits, signs and control characters may be typed.
    void TypeCharacter(const std::string& character) override;
};

}  // namespace znp
