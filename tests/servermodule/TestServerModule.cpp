// A program's server module for the tests ("KVTR42S"): its controller hands everything it is
// given to the automation object "ZnpTest.ServerModuleSink" that a test registers, so the test
// sees the parameter array, decides the status text and makes the run fail:
//
//   Run(params)       -> sink.Run(params)       (a failure of the sink is the run's failure)
//   MessageText()     -> sink.MessageText()     (a text; "" when no sink is registered)
//   Free()            -> sink.Free(), then the controller is deleted
#include "Kvtr42C/SvrController.h"
#include "platform/ClassRegistry.h"

namespace {

constexpr const char* kSinkClass = "ZnpTest.ServerModuleSink";

class TestController : public znp::TSvrController {
public:
    TestController() {
        if (znp::IsAutomationClassKnown(kSinkClass)) sink_ = znp::CreateOleObject(kSinkClass);
    }

    void Run(const znp::Variant& params) override {
        if (sink_.IsObject()) znp::OleCall(sink_, "Run", {params});
    }

    std::u16string MessageText() override {
        return sink_.IsObject() ? znp::OleCall(sink_, "MessageText").AsWide() : std::u16string();
    }

    void Free() override {
        if (sink_.IsObject()) znp::OleCall(sink_, "Free");
        delete this;
    }

private:
    ~TestController() override = default;
    znp::Variant sink_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) znp::TSvrController* GetSvrController() {
    return new TestController;
}
