// TfrmBaseOpt: the level of the condition form that decides when a request is produced, binds the
// form to the report server, loads the user's rights and submits the request.
//
// Its state lives in small structs by concern: the generation time and the submission
// (Generation), the periodic schedule (Schedule), the dynamic date fields (Dynamic) and the
// completion notification (Notify). The handlers are split the same way: BaseOptGeneration.cpp
// (generation mode, required-field merge, environment 10-12), BaseOptSubmit.cpp (OK, Cancel, the
// exit menu), BaseOptSetup.cpp (parameters, set-up, rights, connection, layout, F2),
// BaseOptSchedule.cpp (the periodic button, cycle modes and ranges, the first run, the schedule's
// part of the request), BaseOptScheduleInput.cpp (the edits' input rules, the end-date check),
// BaseOptDynamicDates.cpp (the dynamic date fields), BaseOptSchemeKeys.cpp (the scheme key list).
#pragma once

#include <string>
#include <vector>

#include "forms/base/BaseGene.h"
#include "forms/options/DateRuleEditor.h"

namespace znp {

class TGroupBox;
class TZnRadioButton;
class TBitCheckBox;
class TZnSpinEdit;
class TSpinEdit;
class TSpeedButton;
class TComboBox;
class TEdit;
class TLabel;

// The controls of the "周期性设置" page that its rules read and change.
struct TSchedulePage {
    TZnRadioButton *rdoEveryday = nullptr, *rdoEveryWeek = nullptr, *rdoEveryMonth = nullptr, *rbEveryHour = nullptr;
    TPanel *pnDay = nullptr, *pnWeek = nullptr, *pnMonth = nullptr, *pnEveryHour = nullptr;
    TSpinEdit *meDay = nullptr, *meWeek = nullptr, *meMonth_M1 = nullptr, *meMonth_D = nullptr, *meMonth_M2 = nullptr;
    TComboBox *cboDayofWeek = nullptr, *cbo1Month_M2 = nullptr, *cbo2Month_M2 = nullptr;
    TZnRadioButton *rdomonth_1 = nullptr, *rdomonth_2 = nullptr;
    TEdit* edEveryHour = nullptr;
    TZnRadioButton *rbCycleRang_1 = nullptr, *rbCycleRang_2 = nullptr, *rbCycleRang_3 = nullptr;
    TSpinEdit* meCycleRang_2 = nullptr;
    TLabel* lblPeriod11 = nullptr;
};

// When the request is produced and what the form does after submitting it.
struct TGenerationState {
    // Close the form after a successful submission (the exit menu chooses).
    bool ExitAfterProcessing = true;
    // The generation time's part of the required fields: "" or "edDate".
    std::string GenTimeRequired;
    // True only while a scheduling handler sets the required fields (selects the merge rule).
    bool SchedulingChange = false;
};

// The periodic schedule's state.
struct TScheduleState {
    std::string CycleRequired;   // required fields of the checked cycle mode
    std::string RangeRequired;   // required field of the checked cycle range
    std::string BaseRequired;    // the form's required fields at the first periodic press
    bool PeriodicInitPending = false;
    Variant CycleMode;           // [mode, parameters], built by GetCycleMode
    std::string FirstRunDate;    // yyyymmdd, computed at submission
};

// The dynamic date fields of a periodic request.
struct TDynamicFieldState {
    std::vector<std::string> DynamicFields;  // one entry per item of cbocondition
    TGroupBox* gbDynamicFields = nullptr;
    TComboBox* cbocondition = nullptr;
    // The single and range editors with their rules (EditorEntered among them).
    TDateRuleEditor Editor;
};

// The completion notification.
struct TNotifyState {
    std::string NotifyRecipients;  // recipient list XML, "N" for an explicitly empty list
    std::string PortalStartup;
    std::string PortalAddress;
};

class TfrmBaseOpt : public TfrmBaseGene {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseGene::TfrmBaseGene;

    // --- Controls added on "系统选项" ------------------------------------------------------------
    TGroupBox* grpGenTime = nullptr;
    TZnRadioButton* rdoRealTime = nullptr;
    TZnRadioButton* rdoQueue = nullptr;
    TZnRadioButton* rdoExceptTime = nullptr;
    TPanel* pnlTime = nullptr;
    TMaskEdit* edDate = nullptr;
    TF2Button* btnDate = nullptr;
    TZnSpinEdit* edHour = nullptr;
    TZnSpinEdit* edMin = nullptr;
    TZnSpinEdit* edSec = nullptr;
    TBitCheckBox* chkNotify = nullptr;
    TSpeedButton* btnNotify = nullptr;
    TGroupBox* grpAlarm = nullptr;
    // --- The bottom panel ---------------------------------------------------------------------
    TSpeedButton* btnSpd = nullptr;
    TPopupMenu* pmOKExit = nullptr;
    TMenuItem* miOKExit = nullptr;
    TMenuItem* miOKNoExit = nullptr;
    TBitBtn* btnOK01 = nullptr;  // holds the picture for staying open
    TBitBtn* btnOK02 = nullptr;  // holds the picture for closing after processing
    TSpeedButton* btnPeriod = nullptr;
    // --- The periodic page (its other controls are reached by name) ----------------------------
    TTabSheet* tsPeriodOption = nullptr;
    TZnSpinEdit* sePeriodHour = nullptr;
    TZnSpinEdit* sePeriodMin = nullptr;
    TMaskEdit* meStartDate = nullptr;
    TMaskEdit* meEndDate = nullptr;
    TSchedulePage Period;

    // --- State ----------------------------------------------------------------------------------
    TGenerationState Generation;
    TScheduleState Schedule;
    TDynamicFieldState Dynamic;
    TNotifyState Notify;

    // --- Overrides of the base protocol ---------------------------------------------------------
    void ArrangeSystemPage() override;
    void InitFormParams() override;
    void SetRequiredFields(const std::string& fields) override;
    bool Setup(const Variant& hostParams) override;
    bool CollectConditions() override;
    bool GetEnvironment(Variant& env, int count) override;
    void AfterRightsLoaded() override;
    void Loaded() override;
    void BeforeConnect(TSocketConnection* connection) override;
    void QuickPick(std::uint16_t key, TControl* control) override;
    // A host-driven value for the periodic button presses or releases it as the user does, so
    // the periodic page is prepared before the values that follow it are put in; values for the
    // dynamic date fields' condition list and editors load and edit entries as the user does.
    void PutPassedValue(TComponent* component, const Variant& value) override;

    // --- The five operations this level adds, in slot order --------------------------------------
    // Asks the report server for the user's rights on the program and reads them.
    virtual void LoadRights();
    // Builds the dynamic date fields' entries (on the first periodic press after set-up).
    virtual void InitDynamicFields();
    // Rebuilds Schedule.CycleMode from the schedule's controls.
    virtual void GetCycleMode();
    // Writes the dynamic-field editor back into the selected entry.
    virtual void StoreDynamicField();
    // Appends the keys of the form's scheme controls to SchemeKeys.
    virtual void BuildSchemeKeys();

    // The first run date (yyyymmdd) of Schedule.CycleMode from a start date; "" when none.
    std::string ComputeFirstRunDate(const std::string& startDate);
    // The schedule array of a periodic request (package element 3); raises when a part of it
    // cannot be read.
    Variant BuildScheduleArray();
    // The dynamic-date-field list as sent (package element 4): every entry followed by the index
    // of its condition in Texts (the condition-text array of the package).
    Variant BuildDynamicFieldList(const Variant& texts) const;
    // The condition values of the first run; an empty text when an entry cannot be applied.
    static Variant ApplyDynamicFields(const Variant& values, const Variant& schedule, const Variant& dynamicFields,
                                      const std::string& firstRunDate);
    // Whether the periodic button is down.
    bool PeriodicMode() const;

    // --- Published event handlers ---------------------------------------------------------------
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void rdoQueueClick(TObject* sender);
    void rdoExceptTimeClick(TObject* sender);
    void btnOkClick(TObject* sender);
    void btnSpdClick(TObject* sender);
    void miOKExitClick(TObject* sender);
    void miOKNoExitClick(TObject* sender);
    void btnCancelClick(TObject* sender);
    void btnPeriodClick(TObject* sender);
    void chkNotifyClick(TObject* sender);
    void btnNotifyClick(TObject* sender);
    void pgOptionChange(TObject* sender);
    // The schedule (BaseOptSchedule.cpp, BaseOptScheduleInput.cpp).
    void tsPeriodOptionShow(TObject* sender);
    void rdoEverydayClick(TObject* sender);
    void rdoEveryWeekClick(TObject* sender);
    void rdoEveryMonthClick(TObject* sender);
    void rbEveryHourClick(TObject* sender);
    void rdomonth_1Click(TObject* sender);
    void rdomonth_2Click(TObject* sender);
    void rbCycleRang_1Click(TObject* sender);
    void rbCycleRang_2Click(TObject* sender);
    void rbCycleRang_3Click(TObject* sender);
    void meCycleRang_2Change(TObject* sender);
    void meEndDateChange(TObject* sender);
    void meEndDateExit(TObject* sender);
    void meDayExit(TObject* sender);
    void meMonth_DExit(TObject* sender);
    void sePeriodHourExit(TObject* sender);
    void edEveryHourExit(TObject* sender);
    void edEveryHourKeyPress(TObject* sender, char& key);
    // The dynamic date fields (BaseOptDynamicDates.cpp).
    void cboconditionChange(TObject* sender);
    void edChangeDateClick(TObject* sender);
    void cboDay2Change(TObject* sender);
    void seDay1Change(TObject* sender);
    void seDay1Enter(TObject* sender);
    void seDay_B1Exit(TObject* sender);
    // The range editor's handlers: the same rules on their own rows.
    void spChangeDate_BClick(TObject* sender) { edChangeDateClick(sender); }
    void spChangeDate_EClick(TObject* sender) { edChangeDateClick(sender); }
    void cboDay_B2Change(TObject* sender) { cboDay2Change(sender); }
    void cboDay_E2Change(TObject* sender) { cboDay2Change(sender); }
    void seDay_B1Change(TObject* sender) { seDay1Change(sender); }
    void seDay_B1Enter(TObject* sender) { seDay1Enter(sender); }

protected:
    // The comma-joined list of the non-empty items.
    static std::string JoinRequired(const std::vector<std::string>& items);
    // The start moment of generation mode 2 (environment element 11); raises when it cannot be
    // computed.
    double ScheduledStart();
    // The schedule's part of InitDynamicFields: the controls reset on the first press, the start
    // date and the checked mode's panel and required fields on every press.
    void PrepareSchedule(bool firstPress);
    // Required fields with the scheduling part replaced: BaseRequired, CycleRequired,
    // RangeRequired and GenTimeRequired.
    void UpdateScheduleRequired();
    // The checked cycle mode's panel shown at the place of the day panel, the other three hidden.
    void ShowCyclePanel(TPanel* panel);
    // The leaving rules of the schedule's edits applied to what they hold now.
    void NormaliseScheduleEdits();
    // The end date is before the start date while the end-date range is checked: message
    // "E;100082;" and true (FocusEndDate: the focus goes back to the end date first).
    bool EndDateBeforeStart(bool focusEndDate = false);
    // Builds cbocondition and DynamicFields from the form's movable date conditions.
    void BuildDynamicEntries();
};

void RegisterBaseOptClasses();

}  // namespace znp
