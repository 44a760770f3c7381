// TDLLRPCtrller: the controller of the report's condition form. It owns at most one form,
// creates and sets it up for the host, relays host-driven runs, reports the form's life to the
// host and keeps the form's result when the form is destroyed.
#pragma once

#include <string>

#include "module/DLLBaseCtrller.h"
#include "platform/Events.h"

namespace znp {

class TfrmBaseGene;

class TDLLRPCtrller : public TDLLBaseController {
public:
    TDLLRPCtrller() = default;
    ~TDLLRPCtrller() override;
    TDLLRPCtrller(const TDLLRPCtrller&) = delete;
    TDLLRPCtrller& operator=(const TDLLRPCtrller&) = delete;

    std::u16string GetVersion() override;
    LongBool GetVisible() override;
    void SetVisible(WordBool value) override;
    std::uintptr_t GetHandle() override;
    std::int32_t Open(const Variant& params) override;
    std::int32_t Execute(const Variant& command) override;
    std::int32_t Perform(std::int32_t code, const Variant& data) override;
    Variant ShowModal() override;
    void CloseForm() override;
    std::int32_t GetInfo(Variant& info) override;
    bool IsFormFreed() override;
    void DoFormShow(TObject* sender) override;
    void DoFormHide(TObject* sender) override;
    void DoFormDestroy(TObject* sender) override;

    TfrmBaseGene* Form = nullptr;
    TNotifyEvent SavedOnShow;
    TNotifyEvent SavedOnHide;
    TNotifyEvent SavedOnDestroy;

private:
    void HookForm();
    std::int32_t Run(const Variant& p);
};

// The initialisation of the unit: puts TDLLRPCtrller into DLLControllerClass.
void InitDLLRPCtrllerUnit();

// The full path of this library's own file, handed to every new form. Tests that link the
// library's code into a program of their own make it answer a given path; an empty path
// restores the real answer.
std::string ModuleFileName();
void SetModuleFileNameOverride(const std::string& path);

}  // namespace znp
