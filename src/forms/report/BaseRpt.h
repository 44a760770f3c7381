// TfrmBaseRpt: the report level of the condition form: how the report comes out (output kinds,
// date layout, footer and sign-off texts, layout code), direct query, report design and the web
// report.
//
// Its state is TOutputState; the handlers are split by concern: BaseRptOutput.cpp (output kinds,
// date type, format code, the level's environment and condition entries, scheme keys),
// BaseRptTextSets.cpp (footer and sign-off defaults, F2 lookups and typed numbers),
// BaseRptLayout.cpp (the run-time layout of "系统选项" and the button panel), BaseRptQuery.cpp
// (job registration, direct query and the enabling of the query buttons), BaseRptDesign.cpp
// (design and web report).
#pragma once

#include <cstdint>
#include <string>

#include "forms/options/BaseOpt.h"

namespace znp {

class TComboBox;
class TBitCheckBox;
class TfrmRunningWinC;

// Automation classes outside the library that design and the web report use.
inline constexpr const char* kQueueManagerClass = "QueueManagerC.Class1";
inline constexpr const char* kBrowserClass = "InternetExplorer.Application";
inline constexpr const char* kHttpRequestClass = "ZnpXml.XMLHTTP";

// How the report comes out.
struct TOutputState {
    // Bit 1 report file, 2 web page, 4 direct print.
    std::uint8_t OutputKinds = 1;
    // The report layout code: at most 10 characters, upper case, trimmed.
    std::string FormatCode;
    // The footer or sign-off number when its edit got the focus or a lookup filled it.
    std::string LastTextSetId;
};

class TfrmBaseRpt : public TfrmBaseOpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseOpt::TfrmBaseOpt;

    // --- Controls on "系统选项" ------------------------------------------------------------------
    TLabel* lblDateType = nullptr;
    TComboBox* cboDateType = nullptr;
    TGroupBox* grpGenType = nullptr;
    TBitCheckBox* chkView = nullptr;
    TBitCheckBox* chkHTML = nullptr;
    TBitCheckBox* chkDirectPrint = nullptr;
    TGroupBox* grpNote = nullptr;
    TLabel* lblNoteID = nullptr;
    TEdit* edNoteID = nullptr;
    TF2Button* btnNote = nullptr;
    TLabel* lblNote1 = nullptr;
    TLabel* lblNote2 = nullptr;
    TLabel* lblNote3 = nullptr;
    TEdit* edNote1 = nullptr;
    TEdit* edNote2 = nullptr;
    TEdit* edNote3 = nullptr;
    TBitCheckBox* chkNoteEPPrint = nullptr;
    TGroupBox* grpSignIn = nullptr;
    TLabel* lblSignInID = nullptr;
    TEdit* edSignInID = nullptr;
    TF2Button* btnSignIn = nullptr;
    TLabel* lblSignIn1 = nullptr;
    TLabel* lblSignIn2 = nullptr;
    TLabel* lblSignIn3 = nullptr;
    TEdit* edSignIn1 = nullptr;
    TEdit* edSignIn2 = nullptr;
    TEdit* edSignIn3 = nullptr;
    TBitCheckBox* chkSignInEPPrint = nullptr;
    // --- The button panel -----------------------------------------------------------------------
    TBitBtn* btnQuery = nullptr;
    TBitBtn* btnDesign = nullptr;
    TBitBtn* btnWebDesign = nullptr;

    // --- State ----------------------------------------------------------------------------------
    TOutputState Output;

    // --- Overrides ------------------------------------------------------------------------------
    void ArrangeSystemPage() override;
    void InitFormParams() override;
    bool Setup(const Variant& hostParams) override;
    bool GetConditionValues(Variant& values, int count) override;
    void ResetOptions() override;
    bool GetEnvironment(Variant& env, int count) override;
    bool GetConditionTexts(Variant& texts, int count) override;
    bool AutoExecute(int mode) override;
    void QuickPick(std::uint16_t key, TControl* control) override;
    void BuildSchemeKeys() override;

    // Stores the layout code: upper case, trimmed, at most its first 10 characters.
    void SetFormatCode(const std::string& code);
    // The report number of a job: its first 8 characters and "0001".
    static std::string ReportNumberOf(const std::string& jobNumber);
    // This computer's name as the report server is told it; "Unknown" when the system cannot tell.
    static std::string MachineName();
    // Registers the collected package as a job the client runs itself (Request1); "ERROR" when
    // the registration fails. The package is left in the client's code page afterwards.
    std::string RegisterJob();
    // Applies the enabling rules of the query and design buttons.
    void EnableQueryButtons();

    // --- Design and web report (BaseRptDesign.cpp, BaseRptWeb.cpp) -------------------------------
    // The waiting window while a report is being opened; only during a design or web report click.
    TfrmRunningWinC* RunningWin = nullptr;
    // The culture of the web report for a user-interface code page.
    static std::string WebCulture(const std::string& uiCodePage);
    // A moment as the web report's send key, "YYYYMMDDHHMMSS".
    static std::string SendKeyOf(double moment);
    // The web report's address for a site and a job; nothing in it is escaped.
    std::string WebReportAddress(const std::string& site, const std::string& jobNumber,
                                 const std::string& sendKey) const;

    // --- Published event handlers ---------------------------------------------------------------
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void chkViewClick(TObject* sender);
    void edNoteIDEnter(TObject* sender);
    void edNoteIDExit(TObject* sender);
    void edSignInIDExit(TObject* sender);
    void btnPeriodClick(TObject* sender);
    void btnQueryClick(TObject* sender);
    void btnDesignClick(TObject* sender);
    void btnWebDesignClick(TObject* sender);

protected:
    // The footer ("1") or sign-off ("2") text set: the typed-number check on leaving its number.
    void TypedTextSet(const std::string& kind, TEdit* number, TEdit* const (&lines)[3], const char* messageNumber);
    // Fills the three lines of a text set from Row, starting at element First.
    static void FillLines(TEdit* const (&lines)[3], const Variant& row, int first);
    // The "CMSMT" defaults of footer and sign-off, and which of them the user may change.
    void LoadDefaultTexts();
    // Entry N+1 / N+2 value: [caption, checked, number, line 1..3].
    static Variant TextSetValue(TBitCheckBox* everyPage, TEdit* number, TEdit* const (&lines)[3]);

private:
    // The common first steps of design and web report: collect, register, run the module,
    // record the outcome. False when the handler has to stop; JobNumber is the registered job.
    bool RegisterAndRunForOpening(bool web, std::string& jobNumber);
    void ShowRunningWin();
    void CloseRunningWin();
    // The site address of the web report ("CMSMA"/"02"); false when the query failed.
    bool WebReportSite(std::string& site);
    // Whether the address answers; false after the failure box.
    bool CheckWebAddress(const std::string& address);
    // Opens the address in the browser object, else through the shell.
    void OpenWebAddress(const std::string& address);
};

void RegisterBaseRptClasses();

}  // namespace znp
