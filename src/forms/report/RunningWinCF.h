// TfrmRunningWinC: the small waiting window shown over a report form while a report is being
// opened for design or in the web viewer.
#pragma once

#include "controls/ZNForm.h"

namespace znp {

class TLabel;
class TAnimate;

class TfrmRunningWinC : public TZNForm {
public:
    ZNP_DECLARE_CLASS()
    using TZNForm::TZNForm;

    TLabel* Label1 = nullptr;
    TAnimate* Animate1 = nullptr;

    // The window has no border, so its bounds are its client area.
    static constexpr bool kBorderless = true;
    // The frame the animation rests on when it stops.
    static constexpr int kStopFrame = 8;

    // Places the window centred over its owner form (over the screen's origin without one).
    void CenterOverOwner();
    // Shows the window without making it modal, paints it at once and starts the animation.
    void ShowRunning();

protected:
    void Loaded() override;
};

void RegisterRunningWinClasses();

}  // namespace znp
