// TfrmBaseOpt: the level of the condition form that decides when a request is produced, binds the
// form to the report server, loads the user's rights and submits the request.
//
// Its state lives in small structs by concern: the generation time and the submission
// (Generation), the periodic schedule (Schedule), the dynamic date fields (Dynamic) and the
// completion notification (Notify). The handlers are split the same way: BaseOptGeneration.cpp
// (generation mode, required-field merge, environment 10-12), BaseOptSubmit.cpp (OK, Cancel, the
// exit menu), BaseOptSetup.cpp (parameters, set-up, rights, connection, layout, F2),
// BaseOptSchedule.cpp (the periodic button and the places of the schedule's operations),
// BaseOptSchemeKeys.cpp (the scheme key list).
#pragma once

#include <string>
#include <vector>

#include "forms/base/BaseGene.h"

namespace znp {

class TGroupBox;
class TZnRadioButton;
class TBitCheckBox;
class TZnSpinEdit;
class TSpeedButton;
class TComboBox;
class TEdit;

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
    bool EditorEntered = false;
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
    bool GetEnvironment(Variant& env, int count) override;
    void AfterRightsLoaded() override;
    void BeforeConnect(TSocketConnection* connection) override;
    void QuickPick(std::uint16_t key, TControl* control) override;

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

    // The first run date (yyyymmdd) of the schedule from its start date; "" when none.
    std::string ComputeFirstRunDate(const std::string& startDate);
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

protected:
    // The comma-joined list of the non-empty items.
    static std::string JoinRequired(const std::vector<std::string>& items);
    // The start moment of generation mode 2 (environment element 11); raises when it cannot be
    // computed.
    double ScheduledStart();
};

void RegisterBaseOptClasses();

}  // namespace znp
