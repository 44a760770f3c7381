// The fixture of the periodic schedule and dynamic date field tests: a program level on top of the
// scheduling level with three conditions of its own (a date range panel, a single date edit and a
// plain text) and one date edit that is no condition, the clock fixed on Wednesday 1 May 2024 at
// 09:00, and helpers to drive the periodic page and read what was sent.
#pragma once

#include <string>
#include <vector>

#include "controls/SelectPnl.h"
#include "fixture/FormFixture.h"
#include "forms/options/BaseOpt.h"
#include "platform/Clock.h"

namespace znp::test {

class TfrmDynOpt : public TfrmBaseOpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseOpt::TfrmBaseOpt;

    void InitFormParams() override;
    bool GetConditionTexts(Variant& texts, int count) override;
    bool GetConditionValues(Variant& values, int count) override;
};

class ScheduleTest : public FormTest {
protected:
    ScheduleTest();

    // A form set up and shown, boxes and calls so far forgotten.
    TfrmDynOpt* SetUpForm();
    // The form after the first press of the periodic button.
    TfrmDynOpt* PeriodicForm();
    // The request last sent; Empty when none.
    Variant Sent();
    // A control of the form by name, of class T.
    template <class T>
    static T* Get(TfrmBaseOpt* form, const char* name) {
        return dynamic_cast<T*>(form->FindComponent(name));
    }
    // The user picks item Index of a combo box (its change handler runs).
    static void Pick(TfrmBaseOpt* form, const char* combo, int index);
    // The user enters Control and leaves it again for the periodic button's panel.
    static void EnterAndLeave(TfrmBaseOpt* form, const char* control);

    FixedClock clock_;
};

// Date value of a day at a time.
double DateAt(int year, int month, int day, int hour = 0, int minute = 0);

}  // namespace znp::test
