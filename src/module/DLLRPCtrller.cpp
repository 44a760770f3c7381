#include "module/DLLRPCtrller.h"

#include "forms/base/BaseGene.h"
#include "platform/ModuleInfo.h"

namespace znp {

TDLLControllerClass DLLControllerClass = nullptr;
const ClassInfo* frmBaseGeneClass = nullptr;

namespace {

std::string& ModuleFileOverride() {
    static std::string path;
    return path;
}

}  // namespace

std::string ModuleFileName() {
    if (!ModuleFileOverride().empty()) return ModuleFileOverride();
    return ModuleFileOf(reinterpret_cast<const void*>(&InitDLLRPCtrllerUnit));
}

void SetModuleFileNameOverride(const std::string& path) { ModuleFileOverride() = path; }

void InitDLLRPCtrllerUnit() {
    DLLControllerClass = []() -> TDLLBaseController* { return new TDLLRPCtrller(); };
}

TDLLRPCtrller::~TDLLRPCtrller() {
    if (Form) CloseForm();
}

std::u16string TDLLRPCtrller::GetVersion() {
    return Form ? Variant(Form->VersionStamp).AsWide() : std::u16string();
}

LongBool TDLLRPCtrller::GetVisible() { return Form && Form->Visible() ? LongTrue : 0; }

void TDLLRPCtrller::SetVisible(WordBool value) {
    if (!Form) return;
    Form->SetVisible(value != 0);
    if (value) {
        if (Form->WindowState == TWindowState::wsMinimized) Form->WindowState = TWindowState::wsNormal;
        Form->BringToFront();
    }
}

std::uintptr_t TDLLRPCtrller::GetHandle() { return Form ? Form->Handle() : 0; }

std::int32_t TDLLRPCtrller::Open(const Variant& params) {
    const Variant copy = params;
    std::int32_t result = -1;
    if (!Form) {
        if (!frmBaseGeneClass) throw Exception("ZNP DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
        TComponent* created = frmBaseGeneClass->Create(nullptr);
        Form = dynamic_cast<TfrmBaseGene*>(created);
        if (!Form) {
            TObject::Free(created);
            throw Exception("ZNP DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
        }
        Form->SetModulePath(ModuleFileName());
        Form->Manager = Manager;
        DoFormCreate(Form);
    }
    HookForm();
    if (Form->Setup(copy)) result = 0;
    return result;
}

void TDLLRPCtrller::HookForm() {
    // A repeated Open finds the form already hooked: its handlers are then this controller's own
    // and must not become their own predecessors.
    auto hook = [this](TNotifyEvent& formEvent, TNotifyEvent& saved, TNotifyEvent mine) {
        if (formEvent == mine) return;
        saved = formEvent;
        formEvent = std::move(mine);
    };
    hook(Form->OnShow, SavedOnShow, TNotifyEvent(this, "DoFormShow", [this](TObject* s) { DoFormShow(s); }));
    hook(Form->OnHide, SavedOnHide, TNotifyEvent(this, "DoFormHide", [this](TObject* s) { DoFormHide(s); }));
    hook(Form->OnDestroy, SavedOnDestroy, TNotifyEvent(this, "DoFormDestroy", [this](TObject* s) { DoFormDestroy(s); }));
}

std::int32_t TDLLRPCtrller::Run(const Variant& p) {
    try {
        Form->RunWithParams(p);
        return 0;
    } catch (...) {
        // A host-driven run never raises to the host.
        return -1;
    }
}

std::int32_t TDLLRPCtrller::Execute(const Variant& command) {
    if (!Form || !command.IsArray() || command.DimCount() != 1) return -1;
    try {
        // Element 1 counted from the low bound; in 64 bits, so that a low bound at the end of the
        // int range finds no element instead of overflowing.
        const std::int64_t index = static_cast<std::int64_t>(command.LowBound()) + 1;
        if (index > command.HighBound()) return -1;
        return Run(Variant::ArrayOf({Variant(true), command[static_cast<int>(index)]}));
    } catch (...) {
        return -1;
    }
}

std::int32_t TDLLRPCtrller::Perform(std::int32_t code, const Variant& data) {
    if (!Form || (code != 5 && code != 9)) return -1;
    return Run(Variant::ArrayOf({Variant(false), data}));
}

Variant TDLLRPCtrller::ShowModal() {
    if (!Form) return Variant(mrCancel);
    return Variant(static_cast<int>(Form->ShowModal()));
}

void TDLLRPCtrller::CloseForm() {
    if (!Form || Form->IsDestroying()) return;
    TObject::Free(Form);
}

std::int32_t TDLLRPCtrller::GetInfo(Variant& info) {
    if (!Form) return -1;
    info = Variant::ArrayOf({Variant(Form->UserId), Variant(Form->CompanyId), Variant(Form->ProgramId),
                             Variant(Form->ProgramName)});
    return 0;
}

bool TDLLRPCtrller::IsFormFreed() { return Form == nullptr; }

void TDLLRPCtrller::DoFormShow(TObject* sender) {
    if (SavedOnShow) SavedOnShow(sender);
    TDLLBaseController::DoFormShow(sender);
}

void TDLLRPCtrller::DoFormHide(TObject* sender) {
    if (SavedOnHide) SavedOnHide(sender);
    TDLLBaseController::DoFormHide(sender);
}

void TDLLRPCtrller::DoFormDestroy(TObject* sender) {
    if (Form) {
        ResultCode = Form->ResultCode;
        ResultValue = Form->ResultValue;
        if (SavedOnDestroy) SavedOnDestroy(sender);
        FireNotify(ncFormDestroyed);
    }
    Form = nullptr;
}

}  // namespace znp
