// The masked edit: an edit whose text follows an edit mask (platform/EditMask.h). The control
// keeps two texts: the edit text it shows (literals in place, the blank character in empty input
// positions) and its Text, the value the mask gives for it.
#pragma once

#include <string>

#include "platform/EditMask.h"
#include "platform/StdCtrls.h"

namespace znp {

class TMaskEdit : public TCustomEdit {
public:
    ZNP_DECLARE_CLASS()
    explicit TMaskEdit(TComponent* owner);

    const std::string& EditMask() const { return mask_.MaskText(); }
    // A new mask keeps the input characters typed so far and lays them into the new mask.
    void SetEditMask(const std::string& value);
    bool IsMasked() const { return mask_.IsMasked(); }
    const znp::EditMask& Mask() const { return mask_; }

    // What the edit shows; without a mask the same as Text.
    std::string EditText() const { return IsMasked() ? editText_ : Text(); }
    void SetEditText(const std::string& value);
    // Setting Text lays the value into the mask as the platform does.
    void SetText(const std::string& value) override;
    // Whether every required position is filled (always true without a mask).
    bool IsComplete() const { return !IsMasked() || mask_.IsComplete(editText_); }

protected:
    std::string EditorText() const override { return EditText(); }
    void TypeCharacter(const std::string& character) override;
    void TypeBackspace() override;
    void TypeDelete() override;

private:
    // Empties the input positions of the selection.
    void ClearSelectedInputs();
    int NextInput(int pos) const;
    znp::EditMask mask_;
    std::string editText_;
};

}  // namespace znp
