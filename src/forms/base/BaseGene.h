// TfrmBaseGene: the generic condition form every report form derives from. It owns what does not
// depend on the concrete program: the window with its condition pages, the print date, OK and
// Cancel, the scheme pane, the host environment, the program identity, the connections to the
// host's objects and the application server, the message logs, and the virtual protocol through
// which derived levels contribute their conditions.
//
// A level that overrides a protocol operation calls the inherited one first and adds its part
// only when that returned true.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Kvtr42C/Protocol.h"
#include "Kvtr42C/Variant.h"
#include "controls/SelectPnlDateLayout.h"
#include "controls/ZNForm.h"
#include "platform/DBClient.h"
#include "platform/Strings.h"

namespace znp {

class TPanel;
class TLabel;
class TToolBar;
class TToolButton;
class TListView;
class TSplitter;
class TExtPageControl;
class TTabSheet;
class TDBLabel;
class TMaskEdit;
class TF2Button;
class TBitBtn;
class TPopupMenu;
class TMenuItem;
class TImageList;
class TListItem;
class TSelectPanel;
struct PropInfo;

class TfrmBaseGene : public TZNForm, public IDateLayoutOwner {
public:
    ZNP_DECLARE_CLASS()
    explicit TfrmBaseGene(TComponent* owner);
    ~TfrmBaseGene() override;

    // --- Controls of the stored form -------------------------------------------------------
    TPanel* pnlCondition = nullptr;
    TLabel* lblCondition = nullptr;
    TToolBar* ToolBar1 = nullptr;
    TToolButton* btnInsert = nullptr;
    TToolButton* btnOpen = nullptr;
    TToolButton* btnDelete = nullptr;
    TToolButton* ToolButton1 = nullptr;
    TListView* lstCondition = nullptr;
    TSplitter* Splitter1 = nullptr;
    TExtPageControl* pgOption = nullptr;
    TTabSheet* tsOption1 = nullptr;
    TTabSheet* tsOption2 = nullptr;
    TDBLabel* lblToday = nullptr;
    TMaskEdit* edPrintDate = nullptr;
    TF2Button* btnPrintDate = nullptr;
    TPanel* Panel1 = nullptr;
    TBitBtn* btnOk = nullptr;
    TBitBtn* btnCancel = nullptr;
    TPopupMenu* muOperation = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* N3 = nullptr;
    TPopupMenu* mnList = nullptr;
    TMenuItem* N7 = nullptr;
    TMenuItem* N8 = nullptr;
    TMenuItem* N9 = nullptr;
    TMenuItem* N10 = nullptr;
    TImageList* ImageList1 = nullptr;
    TImageList* ImageList2 = nullptr;
    TSocketConnection* MainMidas = nullptr;
    TSimpleObjectBroker* ObjBroker = nullptr;
    TwwClientDataSet* ClientDataSet1 = nullptr;

    // --- Published properties --------------------------------------------------------------
    TNotifyEvent OnDateFieldEnter() const { return onDateFieldEnter_; }
    TNotifyEvent OnDateFieldExit() const { return onDateFieldExit_; }
    TNotifyEvent OnRequiredExit() const { return onRequiredExit_; }
    bool WantLog = false;

    // --- State ------------------------------------------------------------------------------
    std::string UserId;
    std::string CompanyId;
    std::string DbName;
    std::intptr_t HostWindow = 0;
    Variant HostContext;
    std::string ModulePath;
    std::string ProgramId;
    std::string ServerClassName;
    std::string ProgramTitle;
    std::string ProgramName;
    std::string VersionText;
    std::string VersionStamp;
    std::string ProgramKind;
    int EnvCount = 0;
    int ConditionCount = 0;
    int ReservedCount = 1;
    std::string DateFields;
    std::string SchemeKeys;
    std::string RequiredFields;
    std::uint8_t F2Flags = 0;
    Variant Manager, Counter, Validator, F2Window, ServerObject;
    int ProductCode = 3;
    Variant ConditionPackage;
    Variant PassedParams = Variant::Null();
    bool PassedByName = true;
    bool AutoRunReady = false;
    bool InteractiveRun = true;
    std::string MessageIdLog;
    std::string MessageTextLog;
    TControl* PreviousControl = nullptr;
    bool PageChanging = false;
    bool CheckFailed = false;
    bool SystemPageArranged = false;
    bool LocalServer = false;
    bool TextsCollected = false;
    // The last RunServerModule ran the module and the run raised (as opposed to finding no
    // module to run).
    bool ServerModuleRaised = false;
    bool RightsFlag7 = false;
    bool RightsFlag8 = false;
    std::u16string LimitsText;
    // The whole rights record (ReadRightsRecord); the module uses only the two flags and the limits.
    protocol::RightsRecord RightsRecord;
    std::vector<TControl*> PageLastControls;
    int ResultCode = 0;
    Variant ResultValue;
    std::unique_ptr<TStringList> SysParamCache, SavedColours, SavedFieldHandlers, SavedButtonHandlers, DateEnvironment;

    // --- The virtual protocol, in slot order -------------------------------------------------
    virtual void ArrangeSystemPage();
    virtual bool CollectConditions();
    virtual void InitFormParams();
    virtual void LoadPhrase(TControl* control);
    virtual void SetRequiredFields(const std::string& fields);
    virtual bool RunServerModule(const std::string& jobNumber, const std::string& programId,
                                 const std::string& reportNumber, int mode, const Variant& values,
                                 const std::string& dbName, const std::string& kind, const std::string& serverClass,
                                 const std::string& userId, const std::string& companyId,
                                 const std::string& formatCode);
    virtual void TranslateDataSets();
    virtual void InitEnvironment();
    virtual bool Setup(const Variant& hostParams);
    virtual void SpareHook();
    virtual bool GetConditionValues(Variant& values, int count);
    virtual bool CheckPassedValues(const Variant& values);
    virtual void ResetOptions();
    virtual bool GetEnvironment(Variant& env, int count);
    virtual bool GetConditionTexts(Variant& texts, int count);
    virtual void AfterRightsLoaded();
    virtual void GetLookupData(const std::string& tableId, const std::string& queryNo, Variant& data, bool multiRow,
                               const std::string& filter, const Variant& params);
    virtual void BeforeConnect(TSocketConnection* connection);
    virtual bool SaveScheme(const std::string& keys, const std::string& schemeName, bool overwrite);
    virtual bool RestoreScheme(const std::string& keys, const std::string& values);
    virtual bool LoadSchemeList();
    virtual bool AfterSchemeRestored();
    virtual bool AutoExecute(int mode);
    virtual void BeforeRestoreValue(TObject* instance, const std::string& value);
    virtual void AfterRestoreValue(TObject* instance, const std::string& value);

    // --- Dynamic operations -------------------------------------------------------------------
    virtual void QuickPick(std::uint16_t key, TControl* control);
    virtual void CreateHostObjects();
    virtual void CreateF2Window();

    // --- Operations offered to the controller and derived levels -------------------------------
    // Host-driven run: P = [flag, [Mode, [ByName, Values]]].
    void RunWithParams(const Variant& p);
    // Checks host-driven values by component name: each entry [Name, Value] must name a component
    // that can take a value ("W;000014" otherwise); when all do, the values are put in.
    bool CheckPassedByName(const Variant& values);
    // Puts one host-driven value into a component (see CheckPassedByName).
    virtual void PutPassedValue(TComponent* component, const Variant& value);
    // Sets the number of condition entries (see the .cpp for the rule).
    void SetConditionCount(int n);
    // Replaces the date-field list.
    void SetDateFields(const std::string& fields);
    // Stores the module's file name; a module that is not a library sets itself up at once with
    // the development harness's parameters.
    void SetModulePath(const std::string& path);
    // Whether the module runs as a library (its file has the platform's library extension).
    bool RunsAsLibrary() const;

    // Messages: resolve, log and show by identifier; log an error text without showing it.
    void ShowMessageId(const std::string& idText);
    void RecordError(const std::string& text);
    std::string GetMessageText(const std::string& type, const std::string& number);
    // Whether Cancel has the focus or the focus is moving onto it.
    bool CancelHasFocus() const;
    // The message box of the form; during a page change only error boxes are shown.
    TModalResult ShowDialog(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons);
    // Resolves and shows a catalogue message with Args in its placeholders; no logging. Empty
    // Buttons: the buttons the type letter asks for.
    TModalResult ShowMessageFmt(const std::string& type, const std::string& number, TMsgDlgButtons buttons,
                                const std::vector<std::string>& args);

    // Application-server access.
    bool ConfigureConnection();
    bool ObtainServerObject();
    std::string GetSysParam(const std::string& name);
    bool QueryServer(const std::string& tableId, const std::string& queryNo, bool byQuery, Variant& data,
                     const Variant& params);
    // A value check with its message: "E;000001;" or "W;000004;" by ErrorKind when the value is
    // not found; Index picks one element of the answer (outside its bounds: the whole answer).
    bool QueryWithMessage(const std::string& tableId, const std::string& queryNo, const std::string& errorKind,
                          int index, Variant& data, const Variant& params);
    void QueryCounter(const std::string& name, const Variant& params, Variant& data);
    void ReadRightsRecord(const Variant& record);
    // The server-module file of the program in Folders (the scan of RunServerModule, update step
    // included); false when there is none to use.
    bool FindServerModule(const std::vector<std::string>& folders, std::string& path);

    // --- Condition encoding, scheme value text and date layout ---------------------------------
    // (BaseGeneConditions.cpp, BaseGeneSchemeText.cpp, BaseGeneDates.cpp)
    // Values[Index] := [0x04, begin, end] from two displayed dates, in ascending order.
    void PutDateRange(const std::string& beginText, const std::string& endText, int index, Variant& values);
    // A panel as a range [0x04, begin, end] or a list [0x05, row 1, ...]; a negative Index
    // replaces the whole of Values.
    void PutPanelValue(TSelectPanel* panel, Variant& values, int index);
    // The same with the literals of the panel's masks (or else every Separator) taken out.
    void PutStrippedPanelValue(TSelectPanel* panel, Variant& values, const std::string& separator, int index);
    // The system date layout ("Sys001", "Sys002") and the texts of date fields under it.
    int DateFormatType() const override;
    std::string DateSeparator() const override;
    std::string DateMask() const override;
    std::string BlankDateText() const;
    // A date as typed in the system layout, as a date text yyyymmdd; "" for a blank date; the
    // trimmed text itself when a part is no number.
    std::string DisplayToDateText(const std::string& text) const override;
    // Whether the name occurs in DateFields (a text search, as the list is meant).
    bool IsDateField(const std::string& componentName) const override;
    bool SavedRangeDates(const std::string& panelName, std::string& beginDate, std::string& finalDate) const override;
    // The scheme value text of a key list: one CR LF line per key. False (and Values empty) when
    // the date environment does not fit the form or a date rule cannot be applied.
    bool BuildSchemeValues(const std::string& keys, std::string& values);

    // --- The scheme pane (BaseGeneSchemes.cpp) ---------------------------------------------------
    // The list's two columns, rebuilt at every show.
    void BuildSchemeColumns();
    // LoadSchemeList for an event handler: a failure is shown as an error box, not raised.
    void ReloadSchemeList();
    // Moves the scheme data set to the record of the scheme shown as Caption; false when none.
    bool FindSchemeRecord(const std::string& caption);
    // A language text of the scheme pane (section "TfrmBaseGene").
    std::string SchemeText(const std::string& key, const std::string& defaultText);
    // An error box, as the application shows an error that leaves an event handler.
    void ShowSchemeError(const std::string& text);
    // A scheme call on the server object: its answer, or the reason it raised.
    std::string CallSchemeServer(const std::string& name, std::vector<Variant> args);

    // --- Field checks, navigation and lookups ---------------------------------------------------
    // (BaseGeneChecks.cpp, BaseGeneRequired.cpp, BaseGeneColours.cpp, BaseGeneNavigation.cpp,
    // BaseGeneKeys.cpp, BaseGeneLookups.cpp)
    // Prepares (Prepare: the date mask or blank text) or checks one date field: a selection
    // panel, a masked edit or an edit. The message text ("E;000005" or empty) goes to
    // ShowMessageId afterwards; a failed field gets the focus.
    bool DateCheck(TControl* control, bool prepare);
    // True when a checked item of Fields is empty, after "E;000037", its page activated and the
    // focus on it; the scan stops there.
    bool RequiredCheck(const std::string& fields);
    // Records the colours of all controls (once, in set-up) and puts them back.
    void SaveColours();
    void RestoreColours();
    // The date picked in the F2 window, shown in the system date layout; Text when nothing was
    // picked; "" without an F2 window.
    std::string DateQuickPick(const std::string& text);
    // A lookup into a part of a selection panel: its list gets the rows, an edit the value.
    void OpenPanelLookup(TWinControl* control, const std::string& tableId, const std::string& queryNo,
                         bool allColumns, const std::string& filter, const Variant& params);
    // Rows [code, name] as "code(4)" + Separator + "name(11)": the first row becomes the text of
    // Control when the owner panel's UserChoice is on, otherwise every row is a one-value row.
    void PutLookupRows(TWinControl* control, const Variant& data, const std::string& separator);
    // F1: the program's help topic through the manager (nothing for an id without one).
    void ShowProgramHelp();
    // The handlers the date fields and submitting buttons had before the wrapping, keyed by
    // control name + "." + event name; the first entry of a key is the one that counts.
    std::vector<std::pair<std::string, TNotifyEvent>> SavedHandlerEvents;
    // --- end of field checks, navigation and lookups -------------------------------------------

    // --- Published event handlers -------------------------------------------------------------
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormDestroy(TObject* sender);
    void FormKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    void FormKeyPress(TObject* sender, char& key);
    void FormResize(TObject* sender);
    void btnOkClick(TObject* sender);
    void btnCancelClick(TObject* sender);
    void btnInsertClick(TObject* sender);
    void btnOpenClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void ToolButton1Click(TObject* sender);
    void lstConditionEdited(TObject* sender, TListItem* item, std::string& text);
    void lstConditionKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    void pgOptionChange(TObject* sender);
    void pgOptionChanging(TObject* sender, bool& allowChange);
    void tsOption2Show(TObject* sender);
    void ViewIconExecute(TObject* sender);
    void ViewSmallIconExecute(TObject* sender);
    void ViewListExecute(TObject* sender);
    void ViewReportExecute(TObject* sender);
    // Date-field and required-field handlers installed on controls by the field checks.
    void DateFieldEnter(TObject* sender);
    void DateFieldExit(TObject* sender);
    void RequiredExit(TObject* sender);

    void WndProc(TMessage& message) override;

protected:
    void FocusChanged(TWinControl* previous, TWinControl* control) override;
    // The program master lookup: title, logging flag, English name.
    void LookupTitle();
    // --- Condition encoding helpers (BaseGeneConditions.cpp, BaseGeneSchemeText.cpp) -------------
    bool CollectPart(Variant& part, int count, const std::string& nameKey, const std::string& nameDefault,
                     bool (TfrmBaseGene::*collect)(Variant&, int), int argument);
    bool SchemeLine(const std::string& key, std::string& line);
    bool RestoreProperty(TComponent* component, const PropInfo& prop, const std::string& line);
    std::string PanelSchemeValue(TSelectPanel* panel);
    void RestorePanel(TSelectPanel* panel, const std::string& line);
    bool HasDateEnvironment() const;
    std::string DateEnvironmentEntry(const std::string& name) const;
    std::string ApplyDateRule(const std::string& entry, int group, const std::string& date) const;
    std::string LayoutParam(const char* name) const;

private:
    TNotifyEvent onDateFieldEnter_, onDateFieldExit_, onRequiredExit_;
};

// The window message of the quick-pick request (WM_USER+10), the requesting control in LParam.
constexpr std::uint32_t WM_QUICKPICK = 0x040A;

// Whether a module file is a library (it has the platform's shared-library extension, which
// plays the part of ".Dll").
bool IsLibraryPath(const std::string& modulePath);
// The program id of a module file: its name less the extension and one more character for a
// library (two for a program), at least six characters, upper case.
std::string ProgramIdOf(const std::string& modulePath);

// A date text moved by a date rule: N weeks or months (Unit "0" or "1"), then M days (Anchor "0")
// or to the first or last day of that week (Sunday to Saturday) or month (Anchor "1" or "2").
// A year-month base moves by N months only. Empty for an unreadable base; raises EConvertError
// when N or M is needed and is no integer.
std::string ShiftDate(const std::string& base, const std::string& n, const std::string& unit, const std::string& m,
                      const std::string& anchor);

// Registers the stored form and the classes of the base level.
void RegisterBaseGeneClasses();

}  // namespace znp
