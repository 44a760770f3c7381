// A condition form with the controls the field checks and the navigation work on: a date
// selection panel, a masked date edit, a plain edit, a memo, a grid, a radio group, a second
// panel for lookups, a periodic button and a last (periodic) page; shown and set up like a real
// form, driven by keys and clicks.
#pragma once

#include <map>
#include <vector>

#include "controls/ExtPageControl.h"
#include "controls/SelectPnl.h"
#include "fixture/FormFixture.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Grids.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"

namespace znp::test {

class TfrmCheckTest : public TfrmTestGene {
public:
    ZNP_DECLARE_CLASS()
    using TfrmTestGene::TfrmTestGene;

    void InitFormParams() override;
    void edDateExit(TObject* sender);
    void sp05Exit(TObject* sender);
    void btnPeriodClick(TObject* sender);

    template <class T>
    T* Get(const char* name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }
    TSelectPanel* sp05() const { return Get<TSelectPanel>("sp05"); }
    TSelectPanel* sp06() const { return Get<TSelectPanel>("sp06"); }
    TMaskEdit* edDate() const { return Get<TMaskEdit>("edDate"); }
    TEdit* edPlain() const { return Get<TEdit>("edPlain"); }
    TMemo* meNote() const { return Get<TMemo>("meNote"); }
    TEdit* edName() const { return Get<TEdit>("edName"); }
    TStringGrid* grdList() const { return Get<TStringGrid>("grdList"); }
    TSpeedButton* btnPeriod() const { return Get<TSpeedButton>("btnPeriod"); }
    TTabSheet* tsPeriodOption() const { return Get<TTabSheet>("tsPeriodOption"); }
    TEdit* edHour() const { return Get<TEdit>("edHour"); }

    // Calls of the controls' own handlers, which the checks wrap.
    int DateExits = 0;
    int PanelExits = 0;
    int PeriodClicks = 0;
    // The F2 window is created when set (feature bit 4).
    static bool WantF2Window;
};

class CheckForm : public FormTest {
protected:
    CheckForm();
    ~CheckForm() override;
    // A form set up with the host parameters and shown; the first page is active.
    TfrmCheckTest* Shown();
    // The active control of the form, or null.
    static TWinControl* Focus(TfrmCheckTest* form) { return form->ActiveControl(); }
    // Types the characters one by one into the active control.
    static void Type(TfrmCheckTest* form, const std::string& text);

};

}  // namespace znp::test
