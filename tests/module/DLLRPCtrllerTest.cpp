#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "fixture/FormFixture.h"
#include "fixture/TestPaths.h"
#include "module/DLLRPCtrller.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/Buttons.h"

using namespace znp;
using namespace znp::test;

namespace {

class Controller : public FormTest {
protected:
    Controller() {
        controller_.reset(static_cast<TDLLRPCtrller*>(GetController()));
        self_ = controller_.get();
        controller_->Manager = CreateOleObject("OstrelWorkCenter.Manager");
        controller_->OnNotify = [this](std::int32_t code, TDLLBaseController* sender) {
            EXPECT_EQ(sender, self_);
            notifications_.push_back(code);
        };
    }
    // Declared before the controller: its destructor may still notify.
    std::vector<int> notifications_;
    TDLLRPCtrller* self_ = nullptr;
    std::unique_ptr<TDLLRPCtrller> controller_;
};

TEST_F(Controller, WithoutAFormEveryOperationAnswersItsEmptyValue) {
    EXPECT_TRUE(controller_->IsFormFreed());
    EXPECT_EQ(controller_->GetVersion(), u"");
    EXPECT_EQ(controller_->GetVisible(), 0);
    controller_->SetVisible(-1);
    EXPECT_EQ(controller_->GetHandle(), 0u);
    EXPECT_EQ(controller_->ShowModal(), Variant(2));
    Variant info("untouched");
    EXPECT_EQ(controller_->GetInfo(info), -1);
    EXPECT_EQ(info, Variant("untouched"));
    EXPECT_EQ(controller_->Execute(Variant::ArrayOf({Variant(0), Variant(0)})), -1);
    EXPECT_EQ(controller_->Perform(5, Variant()), -1);
    controller_->CloseForm();
    EXPECT_TRUE(notifications_.empty());
}

TEST_F(Controller, OpenCreatesAndSetsUpTheFormAndReportsIt) {
    fakes_.Validator().SetProgram("KVTR42", "叫修单列表");
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    EXPECT_EQ(notifications_, std::vector<int>{ncFormCreated});
    EXPECT_FALSE(controller_->IsFormFreed());
    EXPECT_EQ(controller_->GetVisible(), 0);  // set up, still hidden
    EXPECT_EQ(controller_->GetVersion(), u"870401-0.00.00");
    Variant info;
    ASSERT_EQ(controller_->GetInfo(info), 0);
    EXPECT_EQ(info, Variant::ArrayOf({Variant("U01"), Variant("C01"), Variant("KVTR42"), Variant("叫修单列表")}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Controller, ASecondOpenCreatesNothingAndFails) {
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    TfrmBaseGene* form = controller_->Form;
    EXPECT_EQ(controller_->Open(HostParams()), -1);
    EXPECT_EQ(controller_->Form, form);
    EXPECT_EQ(notifications_, std::vector<int>{ncFormCreated});
    // Hooking again must not make the controller's handler its own predecessor.
    controller_->SetVisible(-1);
    controller_->SetVisible(0);
    EXPECT_EQ(notifications_, (std::vector<int>{ncFormCreated, ncFormShown, ncFormHidden}));
    EXPECT_NE(form->Caption().find("["), std::string::npos) << "the form's own OnShow ran";
}

TEST_F(Controller, AHostArrayWithoutTheContextShowsTheMessageTwiceThenNoServerAndCloses) {
    fakes_.Manager().SetMessage("E", "000038", "缺少参数");
    fakes_.Manager().SetMessage("E", "000006", "无法连接");
    EXPECT_EQ(controller_->Open(HostParams(4)), -1);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"缺少参数", "缺少参数", "无法连接"}));
    EXPECT_FALSE(controller_->IsFormFreed());
    Application().ProcessMessages();
    EXPECT_TRUE(controller_->IsFormFreed());
    EXPECT_EQ(notifications_, (std::vector<int>{ncFormCreated, ncFormDestroyed}));
}

TEST_F(Controller, AnEndlessOrBlockingRegistryFileDoesNotStopOpen) {
    // /dev/zero used to be read until memory ran out; a FIFO blocked the host for ever.
    const TempDir dir;
    const std::string fifo = (dir.Path() / "registry.ini").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& registry : {std::string("/dev/zero"), fifo}) {
        ScopedEnv env("ZNP_REGISTRY", registry);
        std::int32_t result = 0;
        EXPECT_NO_THROW(result = controller_->Open(HostParams())) << registry;
        EXPECT_EQ(result, -1) << "no installation: no server " << registry;
        Application().ProcessMessages();
    }
}

TEST_F(Controller, PerformPassesOnlyCodesFiveAndNine) {
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    const Variant run = Variant::ArrayOf({Variant(0), Variant::Null()});
    for (int code : {0, 1, 4, 6, 8, 10, -5}) {
        EXPECT_EQ(controller_->Perform(code, run), -1) << code;
        EXPECT_TRUE(controller_->Form->PassedParams.IsNull()) << code;
    }
    for (int code : {5, 9}) EXPECT_EQ(controller_->Perform(code, run), 0) << code;
    EXPECT_EQ(controller_->Form->PassedParams, run);
}

TEST_F(Controller, ExecuteNeedsAnArrayAndNeverRaises) {
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    EXPECT_EQ(controller_->Execute(Variant::Null()), -1);
    EXPECT_EQ(controller_->Execute(Variant()), -1);
    EXPECT_EQ(controller_->Execute(Variant("text")), -1);
    EXPECT_EQ(controller_->Execute(Variant::ArrayOf({Variant(0)})), -1);  // no element 1
    // A run that fails inside the form: element 1 is no command array, so reading its mode raises.
    EXPECT_EQ(controller_->Execute(Variant::ArrayOf({Variant(0), Variant::ArrayOf({Variant("x")})})), -1);
    const Variant command = Variant::ArrayOf({Variant(0), Variant::ArrayOf({Variant(0), Variant::Null()})});
    EXPECT_EQ(controller_->Execute(command), 0);
    EXPECT_EQ(controller_->Form->PassedParams, command[1]);
}

TEST_F(Controller, CancelGivesResultTwoAndKeepsTheJobNumber) {
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    controller_->SetVisible(-1);
    controller_->Form->ResultValue = Variant("J0000007");
    controller_->Form->btnCancel->Click();
    Application().ProcessMessages();
    EXPECT_TRUE(controller_->IsFormFreed());
    EXPECT_EQ(controller_->ResultCode, 2);
    EXPECT_EQ(controller_->ResultValue, Variant("J0000007"));
    EXPECT_EQ(notifications_.back(), ncFormDestroyed);
}

TEST_F(Controller, SetVisibleRestoresAMinimisedFormAndBringsItForward) {
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    controller_->Form->WindowState = TWindowState::wsMinimized;
    controller_->SetVisible(-1);
    EXPECT_EQ(controller_->GetVisible(), LongTrue);
    EXPECT_EQ(controller_->Form->WindowState, TWindowState::wsNormal);
    EXPECT_EQ(Application().ForegroundWindow(), controller_->GetHandle());
}

TEST_F(Controller, CloseFormAndDestroyingTheControllerStillNotify) {
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    controller_->CloseForm();
    EXPECT_TRUE(controller_->IsFormFreed());
    EXPECT_EQ(notifications_.back(), ncFormDestroyed);
    ASSERT_EQ(controller_->Open(HostParams()), 0);
    notifications_.clear();
    controller_.reset();
    EXPECT_EQ(notifications_, std::vector<int>{ncFormDestroyed});
}

TEST_F(Controller, WithoutAManagerObjectOpenFailsQuietlyAndLogsTheError) {
    UnregisterAutomationClass("OstrelWorkCenter.Manager");
    ClearAutomationConfig();
    ScopedEnv noConfig("ZNP_AUTOMATION", "/nonexistent/automation.ini");
    EXPECT_EQ(controller_->Open(HostParams()), -1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_NE(controller_->Form->MessageIdLog.find("E;-1; "), std::string::npos);
}

TEST_F(Controller, MissingClassReferencesRaiseTheInternalErrors) {
    const ClassInfo* formClass = frmBaseGeneClass;
    frmBaseGeneClass = nullptr;
    try {
        controller_->Open(HostParams());
        ADD_FAILURE() << "Open did not raise";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "ZNP DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
    }
    frmBaseGeneClass = formClass;
    TDLLControllerClass controllerClass = DLLControllerClass;
    DLLControllerClass = nullptr;
    try {
        delete GetController();
        ADD_FAILURE() << "GetController did not raise";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "ZNP DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
    }
    DLLControllerClass = controllerClass;
}

}  // namespace
