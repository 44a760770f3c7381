// The contract between the host shell and the plug-in: the one export, GetController, and the
// abstract controller through which the host drives the report's condition form.
//
// The host loads the library, calls GetController, sets Manager and OnNotify, and then calls the
// operations below through the table of virtual operations, whose order and argument types are
// binding. It reads ResultCode and ResultValue after the form was destroyed (notification 304)
// and frees the controller with delete.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Kvtr42C/Variant.h"

namespace znp {

class TObject;
class TDLLBaseController;

// Booleans of the contract: a 16-bit one (true = -1) for SetVisible, a 32-bit one whose true has
// all bits set for GetVisible.
using WordBool = std::int16_t;
using LongBool = std::int32_t;
constexpr LongBool LongTrue = -1;

// Notification codes passed to OnNotify.
constexpr std::int32_t ncFormCreated = 256;
constexpr std::int32_t ncFormShown = 272;
constexpr std::int32_t ncFormHidden = 288;
constexpr std::int32_t ncFormDestroyed = 304;
constexpr std::int32_t ncExtra = 320;

// The host's notification callback: (Code, Sender = the controller).
using TControllerNotifyEvent = std::function<void(std::int32_t code, TDLLBaseController* sender)>;

class TDLLBaseController {
public:
    virtual ~TDLLBaseController() = default;

    // The operations, in their fixed order. The first eleven are implemented by the controller
    // class of the library; the last seven have a base behaviour.
    virtual std::u16string GetVersion() = 0;                            // 1
    virtual LongBool GetVisible() = 0;                                  // 2
    virtual void SetVisible(WordBool value) = 0;                        // 3
    virtual std::uintptr_t GetHandle() = 0;                             // 4
    virtual std::int32_t Open(const Variant& params) = 0;               // 5
    virtual std::int32_t Execute(const Variant& command) = 0;           // 6
    virtual std::int32_t Perform(std::int32_t code, const Variant& data) = 0;  // 7
    virtual Variant ShowModal() = 0;                                    // 8
    virtual void CloseForm() = 0;                                       // 9
    virtual std::int32_t GetInfo(Variant& info) = 0;                    // 10
    virtual bool IsFormFreed() = 0;                                     // 11
    virtual void DoFormCreate(TObject* sender) { (void)sender; FireNotify(ncFormCreated); }    // 12
    virtual void DoFormShow(TObject* sender) { (void)sender; FireNotify(ncFormShown); }        // 13
    virtual void DoFormHide(TObject* sender) { (void)sender; FireNotify(ncFormHidden); }       // 14
    virtual void DoFormDestroy(TObject* sender) { (void)sender; FireNotify(ncFormDestroyed); } // 15
    virtual void DoExtraEvent(TObject* sender) { (void)sender; FireNotify(ncExtra); }          // 16
    virtual void FireNotify(std::int32_t code) {                                                // 17
        if (OnNotify) OnNotify(code, this);
    }
    virtual void Reserved() {}                                                                  // 18

    // The host's manager object; set before Open, which hands it to the form.
    Variant Manager;
    // The outcome of the last destroyed form: 0 nothing submitted, 1 a job submitted or
    // registered, 2 cancelled.
    std::int32_t ResultCode = 0;
    // The job number text of the last submission; unassigned when none.
    Variant ResultValue;
    TControllerNotifyEvent OnNotify;
};

}  // namespace znp

// Returns a new controller, owned by the caller. Raises when the library was not started.
extern "C" znp::TDLLBaseController* GetController();
using GetControllerFn = znp::TDLLBaseController* (*)();
