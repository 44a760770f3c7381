// A program's server module for the tests ("KVTR42S"): its controller hands everything it is
// given to the automation object "ZnpTest.ServerModuleSink" that a test registers, so the test
// sees the parameter array, decides the status text and makes the run fail:
//
//   Run(params)       -> sink.Run(params)       (a failure of the sink is the run's failure)
//   MessageText()     -> sink.MessageText()     (a text; "" when no sink is registered)
//   Free()            -> sink.Free(), then the controller is deleted
//
// Run and Free misbehave as a broken module would when the sink answers them with
//   "raise int"        an int is thrown
//   "raise own"        an exception class of this module, not derived from std::exception
//   "raise own std"    an exception class of this module derived from std::runtime_error
// (the classes' code, destructors included, lives only in this library).
#include <stdexcept>
#include <string>

#include "Kvtr42C/SvrController.h"
#include "platform/ClassRegistry.h"

namespace {

constexpr const char* kSinkClass = "ZnpTest.ServerModuleSink";

struct OwnFailure {
    std::string reason;
    ~OwnFailure() { reason.assign("gone"); }
};

struct OwnStdFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
    ~OwnStdFailure() override = default;
};

void Misbehave(const znp::Variant& order) {
    if (!order.IsText()) return;
    const std::string what = order.AsString();
    if (what == "raise int") throw 42;
    if (what == "raise own") throw OwnFailure{"own failure"};
    if (what == "raise own std") throw OwnStdFailure("own std failure");
}

class TestController : public znp::TSvrController {
public:
    TestController() {
        if (znp::IsAutomationClassKnown(kSinkClass)) sink_ = znp::CreateOleObject(kSinkClass);
    }

    void Run(const znp::Variant& params) override {
        if (sink_.IsObject()) Misbehave(znp::OleCall(sink_, "Run", {params}));
    }

    std::u16string MessageText() override {
        return sink_.IsObject() ? znp::OleCall(sink_, "MessageText").AsWide() : std::u16string();
    }

    void Free() override {
        znp::Variant order;
        if (sink_.IsObject()) order = znp::OleCall(sink_, "Free");
        delete this;
        Misbehave(order);
    }

private:
    ~TestController() override = default;
    znp::Variant sink_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) znp::TSvrController* GetSvrController() {
    return new TestController;
}
