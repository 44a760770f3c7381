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

#include "Kvtr42C/Variant.h"
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

class TfrmBaseGene : public TZNForm {
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
    bool RightsFlag7 = false;
    bool RightsFlag8 = false;
    std::u16string LimitsText;
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
    // The message box of the form; during a page change only error boxes are shown.
    TModalResult ShowDialog(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons);

    // Application-server access.
    bool ConfigureConnection();
    bool ObtainServerObject();
    std::string GetSysParam(const std::string& name);
    bool QueryServer(const std::string& tableId, const std::string& queryNo, bool byQuery, Variant& data,
                     const Variant& params);

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
    void Loaded() override;
    void FocusChanged(TWinControl* previous, TWinControl* control) override;
    // The program master lookup: title, logging flag, English name.
    void LookupTitle();

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

// Registers the stored form and the classes of the base level.
void RegisterBaseGeneClasses();

}  // namespace znp
