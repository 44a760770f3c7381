// The life cycle of the base condition form: creation, set-up from the host's parameters, the
// program identity, the first show, the host-driven run and closing.
#include "forms/base/BaseGene.h"

#include <algorithm>
#include <cctype>

#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/ImgList.h"
#include "platform/ListView.h"
#include "platform/Mask.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "controls/ExtPageControl.h"
#include "controls/DBLabel.h"
#include "controls/F2Button.h"
#include "runtime/LibStrs.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

// The platform's shared-library extension plays the part of ".Dll".
constexpr const char* kLibraryExtension = ".so";

// The development harness's host parameters when the module runs stand-alone.
constexpr const char* kHarnessUser = "796";
constexpr const char* kHarnessCompany = "ZNTEST";

}  // namespace

TfrmBaseGene::TfrmBaseGene(TComponent* owner) : TZNForm(owner) {}

TfrmBaseGene::~TfrmBaseGene() = default;

namespace {

std::string FileNameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool IsLibraryPath(const std::string& modulePath) {
    std::string fileName = FileNameOf(modulePath);
    auto dot = fileName.find_last_of('.');
    return dot != std::string::npos && SameText(fileName.substr(dot), kLibraryExtension);
}

std::string ProgramIdOf(const std::string& modulePath) {
    std::string fileName = FileNameOf(modulePath);
    auto dot = fileName.find_last_of('.');
    int extensionLength = dot == std::string::npos ? 0 : static_cast<int>(fileName.size() - dot);
    int length = static_cast<int>(fileName.size()) - extensionLength - (IsLibraryPath(modulePath) ? 1 : 2);
    return UpperCase(fileName.substr(0, static_cast<size_t>(std::max(length, 6))));
}

bool TfrmBaseGene::RunsAsLibrary() const { return IsLibraryPath(ModulePath); }

void TfrmBaseGene::SetModulePath(const std::string& path) {
    ModulePath = path;
    if (!RunsAsLibrary())
        Setup(Variant::ArrayOf({Variant(kHarnessUser), Variant(kHarnessCompany), Variant(kHarnessCompany)}));
}

// --- Creation --------------------------------------------------------------------------------

void TfrmBaseGene::FormCreate(TObject* sender) {
    TZNForm::FormCreate(sender);
    Application().HintHidePause = 500000;
    VersionStamp = "870401-0.00.00";
    CompanyId.clear();
    ProgramId.clear();
    ProgramName.clear();
    RequiredFields.clear();
    DateFields.clear();
    onDateFieldEnter_ = TNotifyEvent::Bind(this, "DateFieldEnter", &TfrmBaseGene::DateFieldEnter);
    onDateFieldExit_ = TNotifyEvent::Bind(this, "DateFieldExit", &TfrmBaseGene::DateFieldExit);
    onRequiredExit_ = TNotifyEvent::Bind(this, "RequiredExit", &TfrmBaseGene::RequiredExit);
    CheckFailed = false;
    SystemPageArranged = false;
    PreviousControl = this;
    PageChanging = false;
    InteractiveRun = true;
    TranslateDataSets();
    DateEnvironment = std::make_unique<TStringList>();
    for (TComponent* component : OwnedComponents()) {
        if (const PropInfo* ime = component->ClassType().FindProperty("ImeName"); ime && ime->Set)
            ime->Set(*component, Variant(std::string()));
        if (auto* f2 = dynamic_cast<TF2Button*>(component)) f2->Flat = true;
    }
}

// --- Set-up ----------------------------------------------------------------------------------

bool TfrmBaseGene::Setup(const Variant& hostParams) {
    if (!CompanyId.empty()) return false;
    try {
        SysParamCache = std::make_unique<TStringList>();
        PageLastControls.clear();
        SavedColours = std::make_unique<TStringList>();
        SavedFieldHandlers = std::make_unique<TStringList>();
        SavedButtonHandlers = std::make_unique<TStringList>();
        F2Window = Variant();
        Validator = Variant();
        Counter = Variant();
        ReservedCount = 1;
        MessageIdLog.clear();
        MessageTextLog.clear();
        if (edPrintDate) edPrintDate->SetText("");
        PassedParams = Variant::Null();
        PassedByName = true;
        AutoRunReady = false;

        // A host array without its context is reported, and set-up goes on to find out what
        // else is missing.
        if (protocol::ElementCount(hostParams) < 5) {
            ShowMessageId("E;000038");
            Application().PostMessage(Handle(), WM_CLOSE);
        }
        Hide();
        const protocol::HostParams host = protocol::HostParams::FromVariant(hostParams);
        HostWindow = host.HostWindow;
        if (host.HasHostContext) HostContext = host.HostContext;
        UserId = host.UserId;
        CompanyId = host.CompanyId;
        DbName = host.DbName;

        InitEnvironment();

        if (!SameText(Name().substr(std::min<size_t>(3, Name().size()), 3), ProgramId.substr(0, 3))) {
            ShowMessageId("E;000036");
            Application().PostMessage(Handle(), WM_CLOSE);
            return true;
        }

        if (MainMidas) {
            MainMidas->Close();
            if (ConfigureConnection()) {
                BeforeConnect(MainMidas);
                if (!MainMidas->ServerName.empty()) ObtainServerObject();
            }
        }
        if (!ServerObject.IsObject()) {
            ShowMessageId("E;000006");
            Application().PostMessage(Handle(), WM_CLOSE);
            return false;
        }
        return true;
    } catch (const Exception& e) {
        RecordError(e.what());
        return false;
    }
}

void TfrmBaseGene::InitEnvironment() {
    SaveColours();
    CreateHostObjects();
    // Asked only to prove the manager answers: without one, set-up cannot go on.
    OleCall(Manager, "VersionType");
    try {
        ProductCode = OleCall(Manager, "ProductID").AsInteger();
    } catch (const Exception&) {
        ProductCode = 3;
    }
    InitFormParams();
    CreateF2Window();
}

void TfrmBaseGene::InitFormParams() {
    SetDateFields("edPrintDate");
    ProgramKind = "R";
    EnvCount = 9;
    ProgramId = ProgramIdOf(ModulePath);
    ServerClassName = ProgramId + "S.Class1";
    LookupTitle();
    F2Flags = 0;
    SetConditionCount(0);
}

void TfrmBaseGene::LookupTitle() {
    Variant row;
    try {
        if (QueryServer("ADMMB", "01", true, row, Variant::ArrayOf({Variant(ProgramId)})) && !row.IsEmpty() &&
            !row.IsNull()) {
            // A row without the program master's layout (up to the log flag, element 4) counts as
            // a failed lookup: its element 0 is not taken for a title.
            const protocol::ProgramRow program = protocol::ProgramRow::FromVariant(row);
            ProgramTitle = program.Name;
            WantLog = program.WantLog;
            if (program.HasEnglishName && UICodePage() == "437") ProgramTitle = program.EnglishName;
        }
    } catch (const std::exception&) {
        ProgramTitle = ProgramId;
        WantLog = false;
    }
    ProgramName = ProgramTitle;
}

void TfrmBaseGene::SetConditionCount(int n) {
    // Until the count has grown beyond the entries the framework levels reserve, N counts only the
    // program's own conditions; after that it is the new total.
    ConditionCount = n + (ReservedCount < ConditionCount ? 0 : ReservedCount);
}

// --- Show, host-driven run, closing -----------------------------------------------------------

void TfrmBaseGene::FormShow(TObject* sender) {
    TZNForm::FormShow(sender);
    std::string caption = ProgramTitle;
    if (ProductCode == 5) {
        std::string edition;
        GetLangText("TfrmBaseGene", "sPublicVer", edition, true, "(公开版)");
        caption += edition;
    }
    SetCaption(caption + "[" + VersionText + "]");
    if (pgOption && pgOption->PageCount() > 0) {
        pgOption->SetActivePageIndex(0);
        pgOptionChange(pgOption);
    }
    ConvertUI();
    BuildSchemeColumns();
    ReloadSchemeList();
}

void TfrmBaseGene::RunWithParams(const Variant& p) {
    const Variant x = p[1];
    PassedParams = x;
    bool checked = false;
    int mode = 0;
    if (x.IsArray()) {
        mode = x[0].AsInteger();
        InteractiveRun = mode == 0 || mode == 1;
        AutoRunReady = false;
        const Variant& data = x[1];
        if (data.IsArray()) {
            PassedByName = data[0].AsBoolean();
            if (data[1].IsArray()) {
                checked = PassedByName ? CheckPassedByName(data[1]) : CheckPassedValues(data[1]);
                AutoRunReady = checked && mode != 0;
            }
        }
    }
    ConvertUI();
    if (SystemCodePage() == "950") {
        ProgramTitle = GBToBig5Text(ProgramTitle);
        std::string suffix;
        if (!RunsAsLibrary()) GetLangText("TfrmBaseGene", "sExeVer", suffix, true, "[您现在运行的是Exe版本!]");
        SetCaption(ProgramTitle + suffix + "[" + VersionText + "]");
    }
    if (mode > 2 && checked)
        AutoExecute(mode);
    else if (AutoRunReady && btnOk)
        btnOk->Click();
}

void TfrmBaseGene::FormClose(TObject*, TCloseAction& action) { action = TCloseAction::caFree; }

void TfrmBaseGene::FormDestroy(TObject*) {
    SysParamCache.reset();
    SavedColours.reset();
    SavedFieldHandlers.reset();
    SavedButtonHandlers.reset();
    F2Window = Variant();
    Validator = Variant();
    Counter = Variant();
    if (MainMidas && !LocalServer) MainMidas->Close();
    ServerObject = Variant();
    Manager = Variant();
    DateEnvironment.reset();
}

void TfrmBaseGene::btnCancelClick(TObject*) { Close(); }

void TfrmBaseGene::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_QUICKPICK:
            QuickPick(VK_F2, reinterpret_cast<TControl*>(message.LParam));
            return;
        case WM_MOVE:
            FormResize(this);
            return;
        default:
            TZNForm::WndProc(message);
    }
}

}  // namespace znp
