// TF2Button: binding to an edit, aligning beside it, and the lookup request to the owning form.
#include <gtest/gtest.h>

#include "controls/F2Button.h"
#include "platform/Application.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

using namespace znp;

namespace {

// A form that records the quick-pick requests it is sent.
class TfrmF2Probe : public TForm {
public:
    using TForm::TForm;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_USER + 10) {
            Requests.push_back(reinterpret_cast<TControl*>(message.LParam));
            WParams.push_back(message.WParam);
            FocusAtRequest = ActiveControl();
            message.Result = 1;
            return;
        }
        TForm::WndProc(message);
    }
    std::vector<TControl*> Requests;
    std::vector<std::uintptr_t> WParams;
    TWinControl* FocusAtRequest = nullptr;
};

class F2ButtonTest : public ::testing::Test {
protected:
    F2ButtonTest() : dialogs_(std::make_shared<ScriptedDialogs>()) {
        Application().SetDialogs(dialogs_);
        form_ = Construct<TfrmF2Probe>(nullptr);
        edit_ = MakeEdit(10, 20, 100, 24);
        other_ = MakeEdit(10, 60, 80, 21);
        button_ = MakeButton();
    }
    ~F2ButtonTest() override {
        TObject::Free(form_);
        Application().SetDialogs(std::make_shared<ScriptedDialogs>());
    }
    TEdit* MakeEdit(int left, int top, int width, int height) {
        auto* edit = Construct<TEdit>(form_);
        edit->SetParent(form_);
        edit->SetBounds(left, top, width, height);
        return edit;
    }
    TF2Button* MakeButton() {
        auto* button = Construct<TF2Button>(form_);
        button->SetParent(form_);
        button->SetBounds(300, 300, 23, 23);
        return button;
    }
    static std::vector<int> Bounds(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

    std::shared_ptr<ScriptedDialogs> dialogs_;
    TfrmF2Probe* form_;
    TEdit *edit_, *other_;
    TF2Button* button_;
};

TEST_F(F2ButtonTest, ConstructionGivesAFlatLookupButton) {
    EXPECT_TRUE(button_->Flat);
    EXPECT_EQ(8, button_->GlyphIndex());
    EXPECT_FALSE(button_->Glyph()->Empty());
    EXPECT_EQ("", button_->Caption());
    EXPECT_TRUE(button_->AutoAlign());
    EXPECT_EQ(2, button_->Gap());
    EXPECT_EQ(nullptr, button_->F2Control());
}

TEST_F(F2ButtonTest, BindingPutsTheButtonSquareBesideTheControl) {
    button_->SetF2Control(edit_);
    EXPECT_EQ((std::vector<int>{112, 20, 24, 24}), Bounds(button_));
    button_->SetGap(5);
    EXPECT_EQ((std::vector<int>{115, 20, 24, 24}), Bounds(button_));
    // The same gap again is no change: the button stays where it was put.
    button_->SetBounds(0, 0, 10, 10);
    button_->SetGap(5);
    EXPECT_EQ((std::vector<int>{0, 0, 10, 10}), Bounds(button_));
    // A later move of the control does not move the button.
    edit_->SetBounds(50, 50, 60, 30);
    EXPECT_EQ((std::vector<int>{0, 0, 10, 10}), Bounds(button_));
    button_->AlignToControl();
    EXPECT_EQ((std::vector<int>{115, 50, 30, 30}), Bounds(button_));
}

TEST_F(F2ButtonTest, WithoutAutoAlignTheButtonStaysUntilSwitchedOn) {
    button_->SetAutoAlign(false);
    button_->SetF2Control(edit_);
    EXPECT_EQ((std::vector<int>{300, 300, 23, 23}), Bounds(button_));
    button_->SetGap(4);
    EXPECT_EQ((std::vector<int>{300, 300, 23, 23}), Bounds(button_));
    button_->SetAutoAlign(true);
    EXPECT_EQ((std::vector<int>{114, 20, 24, 24}), Bounds(button_));
}

TEST_F(F2ButtonTest, ASecondButtonForTheSameControlIsRefused) {
    button_->SetF2Control(edit_);
    TF2Button* second = MakeButton();
    second->SetF2Control(other_);
    second->SetF2Control(edit_);
    EXPECT_EQ(std::vector<std::string>{"不能同时有两个 F2Button 指到同一个 Edit."}, dialogs_->BoxTexts());
    EXPECT_EQ(mbOK, dialogs_->Records()[0].Request.Buttons);
    EXPECT_EQ(other_, second->F2Control());
    EXPECT_EQ((std::vector<int>{92, 60, 21, 21}), Bounds(second));
    // The button that already has the control: nothing changes, nothing is said.
    button_->SetBounds(0, 0, 5, 5);
    button_->SetF2Control(edit_);
    EXPECT_EQ(1u, dialogs_->Records().size());
    EXPECT_EQ((std::vector<int>{0, 0, 5, 5}), Bounds(button_));
    // Unbinding frees the control for another button.
    button_->SetF2Control(nullptr);
    EXPECT_EQ(nullptr, button_->F2Control());
    second->SetF2Control(edit_);
    EXPECT_EQ(edit_, second->F2Control());
    EXPECT_EQ(1u, dialogs_->Records().size());
}

TEST_F(F2ButtonTest, AFreedControlUnbindsTheButton) {
    button_->SetF2Control(edit_);
    TObject::Free(edit_);
    EXPECT_EQ(nullptr, button_->F2Control());
}

TEST_F(F2ButtonTest, AClickAsksTheOwningFormForTheLookup) {
    std::vector<std::string> order;
    struct Recorder {
        std::vector<std::string>* order;
        TfrmF2Probe* form;
        void Click(TObject*) { order->push_back("OnClick:" + std::to_string(form->Requests.size())); }
    } recorder{&order, form_};
    button_->OnClick = TNotifyEvent::Bind(&recorder, "Click", &Recorder::Click);
    button_->SetF2Control(edit_);
    form_->Show();
    form_->SetActiveControl(other_);

    button_->Click();
    // OnClick first; the request was handled before Click returned.
    EXPECT_EQ(std::vector<std::string>{"OnClick:0"}, order);
    ASSERT_EQ(1u, form_->Requests.size());
    EXPECT_EQ(edit_, form_->Requests[0]);
    EXPECT_EQ(0u, form_->WParams[0]);
    EXPECT_EQ(edit_, form_->FocusAtRequest);
}

TEST_F(F2ButtonTest, ControlsThatCannotTakeTheFocusGetNoRequest) {
    int clicks = 0;
    struct Counter {
        int* clicks;
        void Click(TObject*) { ++*clicks; }
    } counter{&clicks};
    button_->OnClick = TNotifyEvent::Bind(&counter, "Click", &Counter::Click);
    form_->Show();

    button_->Click();  // no control: only OnClick
    button_->SetF2Control(edit_);
    edit_->SetEnabled(false);
    button_->Click();
    edit_->SetEnabled(true);
    edit_->SetVisible(false);
    button_->Click();
    form_->Hide();
    edit_->SetVisible(true);
    button_->Click();  // the form is not showing

    EXPECT_EQ(4, clicks);
    EXPECT_TRUE(form_->Requests.empty());
}

}  // namespace
