// Attached labels (TDBLabel) and labelled edits (TZnEdit, TZnDBEdit, TZnBtnDBEdit): placement,
// the one-label-per-control rule, captions from data fields, and the lookup button.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/DBLabel.h"
#include "controls/ZnEdit.h"
#include "fixture/HostFakes.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

using namespace znp;

namespace {

// A form that records the quick-pick requests it is sent.
class TfrmPickProbe : public TForm {
public:
    using TForm::TForm;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_USER + 10) {
            Requests.push_back(reinterpret_cast<TControl*>(message.LParam));
            message.Result = 1;
            return;
        }
        TForm::WndProc(message);
    }
    std::vector<TControl*> Requests;
};

class Labelled : public ::testing::Test {
protected:
    Labelled() : dialogs_(std::make_shared<ScriptedDialogs>()) {
        Application().SetDialogs(dialogs_);
        form_ = Construct<TfrmPickProbe>(nullptr);
        form_->SetBounds(0, 0, 500, 400);
    }
    ~Labelled() override {
        TObject::Free(form_);
        Application().SetDialogs(std::make_shared<ScriptedDialogs>());
    }
    template <class T>
    T* Add(TWinControl* parent, int left, int top, int width, int height) {
        T* c = Construct<T>(form_);
        c->SetParent(parent);
        c->SetBounds(left, top, width, height);
        return c;
    }
    TDBLabel* Label(int width, int height) {
        auto* label = Construct<TDBLabel>(form_);
        label->SetParent(form_);
        label->SetAutoSize(false);
        label->SetBounds(300, 300, width, height);
        return label;
    }
    static std::vector<int> Place(const TControl* c) { return {c->Left(), c->Top()}; }

    std::shared_ptr<ScriptedDialogs> dialogs_;
    TfrmPickProbe* form_;
};

TEST_F(Labelled, ADBLabelStartsWithItsDefaults) {
    TDBLabel label(nullptr);
    EXPECT_EQ(label.Caption(), "挂靠标签");
    EXPECT_EQ(label.Pos(), TPos::psLeft);
    EXPECT_EQ(label.Gap(), 4);
    EXPECT_TRUE(label.AutoAlign());
    EXPECT_TRUE(label.AutoCaption());
    EXPECT_EQ(label.GetFocusControl(), nullptr);
}

TEST_F(Labelled, ADBLabelSitsBesideItsControlOnEverySide) {
    struct Case {
        const char* what;
        TPos pos;
        int gap;
        int controlLeft, controlTop, controlWidth, controlHeight;
        int labelWidth, labelHeight;
        std::vector<int> expected;
    } cases[] = {
        {"left, centred", TPos::psLeft, 4, 100, 8, 80, 21, 52, 13, {44, 12}},
        {"left, equally high", TPos::psLeft, 4, 100, 8, 80, 13, 52, 13, {44, 8}},
        {"left, no room", TPos::psLeft, 4, 30, 8, 80, 21, 52, 13, {0, 12}},
        {"right, centred", TPos::psRight, 6, 100, 8, 80, 21, 52, 13, {186, 12}},
        {"top", TPos::psTop, 4, 100, 40, 80, 21, 52, 13, {100, 23}},
        {"top near the edge", TPos::psTop, 4, 100, 2, 80, 21, 52, 13, {100, 0}},
        {"bottom", TPos::psBottom, 4, 100, 40, 80, 21, 52, 13, {100, 65}},
        {"centred above the top edge", TPos::psRight, 4, 10, 0, 80, 4, 52, 13, {94, 0}},
        {"odd heights round toward zero", TPos::psLeft, 0, 100, 10, 80, 21, 40, 15, {60, 13}},
    };
    for (const Case& c : cases) {
        auto* control = Add<TEdit>(form_, c.controlLeft, c.controlTop, c.controlWidth, c.controlHeight);
        TDBLabel* label = Label(c.labelWidth, c.labelHeight);
        label->SetPos(c.pos);
        label->SetGap(c.gap);
        label->SetFocusControl(control);
        EXPECT_EQ(Place(label), c.expected) << c.what;
        EXPECT_EQ(label->Width(), c.labelWidth) << c.what;
        TObject::Free(label);
        TObject::Free(control);
    }
}

TEST_F(Labelled, ADBLabelPlacesItselfWhenSetNotWhenItsControlMoves) {
    auto* edit = Add<TEdit>(form_, 100, 8, 80, 21);
    TDBLabel* label = Label(52, 13);
    label->SetFocusControl(edit);
    edit->SetLeft(200);
    EXPECT_EQ(Place(label), (std::vector<int>{44, 12})) << "no following at run time";
    label->SetGap(10);
    EXPECT_EQ(Place(label), (std::vector<int>{138, 12}));
    label->SetAutoAlign(false);
    label->SetPos(TPos::psTop);
    EXPECT_EQ(Place(label), (std::vector<int>{138, 12})) << "without AutoAlign it stays";
    label->SetGap(300);
    EXPECT_EQ(label->Gap(), 255) << "a byte";
}

TEST_F(Labelled, ADBLabelInAnotherParentIsPlacedInTheCommonParent) {
    auto* panel = Add<TPanel>(form_, 50, 100, 300, 60);
    auto* edit = Add<TEdit>(panel, 100, 8, 80, 21);  // at 150, 108 on the form
    TDBLabel* label = Label(52, 13);
    label->SetFocusControl(edit);
    EXPECT_EQ(Place(label), (std::vector<int>{94, 112}));
}

TEST_F(Labelled, OnlyOneDBLabelOfAParentMayNameAControl) {
    auto* edit = Add<TEdit>(form_, 100, 8, 80, 21);
    auto* other = Add<TEdit>(form_, 100, 60, 80, 21);
    TDBLabel* first = Label(52, 13);
    TDBLabel* second = Label(52, 13);
    first->SetFocusControl(edit);
    second->SetFocusControl(other);
    second->SetFocusControl(edit);
    EXPECT_EQ(dialogs_->BoxTexts(), std::vector<std::string>{"不能同时有两个 DBLabel 指到同一个 Control."});
    EXPECT_EQ(second->GetFocusControl(), other) << "refused: the previous control stays";
    first->SetFocusControl(edit);  // the same label again: nothing happens
    EXPECT_EQ(dialogs_->BoxTexts().size(), 1u);
    second->SetFocusControl(nullptr);
    EXPECT_EQ(second->GetFocusControl(), nullptr);
    first->SetFocusControl(nullptr);
    second->SetFocusControl(edit);  // free again
    EXPECT_EQ(second->GetFocusControl(), edit);
    EXPECT_EQ(dialogs_->BoxTexts().size(), 1u);
}

TEST_F(Labelled, ADBLabelForgetsAControlThatIsFreedFirst) {
    auto* edit = Add<TEdit>(form_, 100, 8, 80, 21);
    TDBLabel* label = Label(52, 13);
    label->SetFocusControl(edit);
    TObject::Free(edit);
    EXPECT_EQ(label->GetFocusControl(), nullptr);
    label->SetGap(9);  // refreshing without a control is harmless
    EXPECT_EQ(Place(label), (std::vector<int>{44, 12}));
}

TEST_F(Labelled, ADBLabelTakesTheDisplayLabelOfTheFieldBehindItsControl) {
    test::ScopedHostFakes fakes;
    fakes.ReportServer().Schemes = {{"月报", "U01", "KVTR42", "k", "v", "20240105"}};
    const Variant server = CreateOleObject("ReportCounterS.dmReportCounter");
    OleCall(server, "LoadTable", {Variant::ArrayOf({Variant("U01"), Variant("KVTR42")})});
    auto* connection = Construct<TSocketConnection>(form_);
    connection->SetAppServer(server);
    auto* data = Construct<TClientDataSet>(form_);
    data->RemoteServer = connection;
    data->ProviderName = "pvdConSave";
    data->Open();
    data->FieldByName("NCONDITION").DisplayLabel = "方案名称";
    auto* source = Construct<TDataSource>(form_);
    source->SetDataSet(data);
    auto* edit = Add<TDBEdit>(form_, 100, 8, 80, 21);
    edit->SetDataSource(source);
    edit->DataField = "ncondition";

    TDBLabel* label = Label(52, 13);
    label->SetFocusControl(edit);
    EXPECT_EQ(label->Caption(), "方案名称");

    struct Case {
        const char* what;
        std::string field;
        bool autoCaption;
    } unchanged[] = {{"unknown field", "NOSUCH", true}, {"AutoCaption off", "NCONDITION", false}};
    for (const Case& c : unchanged) {
        auto* other = Add<TDBEdit>(form_, 100, 60, 80, 21);
        other->SetDataSource(source);
        other->DataField = c.field;
        TDBLabel* l = Label(52, 13);
        l->SetCaption("原样");
        l->SetAutoCaption(c.autoCaption);
        l->SetFocusControl(other);
        EXPECT_EQ(l->Caption(), "原样") << c.what;
        TObject::Free(l);
        TObject::Free(other);
    }
    // A plain edit has no data field: the caption stays.
    auto* plain = Add<TEdit>(form_, 100, 90, 80, 21);
    TDBLabel* l = Label(52, 13);
    l->SetCaption("原样");
    l->SetFocusControl(plain);
    EXPECT_EQ(l->Caption(), "原样");
}

TEST_F(Labelled, TheLabelOfALabelledEditSitsOnItsSideWithoutClamping) {
    struct Case {
        const char* what;
        TLabelPosition position;
        int spacing;
        std::vector<int> expected;
    } cases[] = {
        {"left", TLabelPosition::lpLeft, 4, {10 - 30 - 4, 20 + (21 - 13) / 2}},
        {"right", TLabelPosition::lpRight, 4, {64, 24}},
        {"above", TLabelPosition::lpAbove, 4, {10, 3}},
        {"below", TLabelPosition::lpBelow, 2, {10, 43}},
    };
    for (const Case& c : cases) {
        auto* edit = Construct<TZnEdit>(form_);
        edit->SetParent(form_);
        edit->EditLabel()->SetAutoSize(false);
        edit->EditLabel()->SetBounds(0, 0, 30, 13);
        edit->SetLabelPosition(c.position);
        edit->SetLabelSpacing(c.spacing);
        edit->SetBounds(10, 20, 50, 21);
        EXPECT_EQ(Place(edit->EditLabel()), c.expected) << c.what;
        EXPECT_EQ(edit->EditLabel()->Width(), 30) << "the label keeps its size";
        TObject::Free(edit);
    }
}

TEST_F(Labelled, ALabelledEditKeepsItsLabelWithItAndIgnoresANegativeSpacing) {
    auto* edit = Construct<TZnEdit>(form_);
    EXPECT_EQ(edit->EditLabel()->Name(), "EditLabel");
    EXPECT_EQ(edit->EditLabel()->FocusControl, edit);
    EXPECT_EQ(edit->LabelCaption(), "");
    EXPECT_EQ(edit->LabelPosition(), TLabelPosition::lpLeft);
    EXPECT_EQ(edit->LabelSpacing(), 4);
    auto* panel = Add<TPanel>(form_, 0, 0, 300, 100);
    edit->SetParent(panel);
    EXPECT_EQ(edit->EditLabel()->Parent(), panel);
    edit->SetBounds(100, 30, 80, 21);
    edit->SetLabelCaption("单号");  // 4 bytes of a 13-pixel font: 26 wide
    const std::vector<int> before = Place(edit->EditLabel());
    edit->SetLabelSpacing(-1);
    EXPECT_EQ(Place(edit->EditLabel()), before);
    EXPECT_EQ(edit->LabelSpacing(), 4);
    edit->SetEnabled(false);
    edit->SetVisible(false);
    EXPECT_FALSE(edit->EditLabel()->Enabled());
    EXPECT_FALSE(edit->EditLabel()->Visible());
    // The published Caption is the label's text, not the edit's.
    const PropInfo* caption = edit->ClassType().FindProperty("Caption");
    caption->Set(*edit, Variant("客户"));
    EXPECT_EQ(edit->EditLabel()->Caption(), "客户");
    EXPECT_EQ(edit->Text(), "");
    // A label freed first leaves an edit that works without it.
    TObject::Free(edit->EditLabel());
    EXPECT_EQ(edit->EditLabel(), nullptr);
    EXPECT_EQ(edit->LabelCaption(), "");
    edit->SetLabelCaption("x");
    edit->SetBounds(0, 0, 10, 10);
    edit->SetParent(form_);
}

TEST_F(Labelled, TheButtonOfAnEditWithAButtonIsASquareBesideIt) {
    auto* edit = Construct<TZnBtnDBEdit>(form_);
    edit->SetParent(form_);
    edit->SetBounds(20, 30, 80, 21);
    TGSpeedButton* button = edit->Button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), "F2Button");
    EXPECT_TRUE(button->Flat);
    EXPECT_EQ(button->GlyphIndex(), 8);
    EXPECT_EQ(edit->ButtonSpacing(), 2);
    EXPECT_EQ((std::vector<int>{button->Left(), button->Top(), button->Width(), button->Height()}),
              (std::vector<int>{102, 30, 21, 21}));
    edit->SetButtonSpacing(5);
    EXPECT_EQ(button->Left(), 105);
    edit->SetHeight(25);
    EXPECT_EQ(button->Width(), 25);
    edit->SetGlyphIndex(9);
    EXPECT_EQ(edit->GlyphIndex(), 9);
    EXPECT_EQ(button->GlyphIndex(), 9);
    edit->SetButtonHint("查询");
    EXPECT_EQ(button->Hint, "查询");
    edit->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(edit->DisabledImageButtons(), std::vector<TControl*>{button});
}

TEST_F(Labelled, TheButtonCallsOnDialogOrSendsTheQuickPickRequestFromTheFocusedEdit) {
    auto* edit = Construct<TZnBtnDBEdit>(form_);
    edit->SetParent(form_);
    edit->SetBounds(20, 30, 80, 21);
    form_->Show();
    // Without OnDialog: focus, then the request with the edit.
    edit->Button()->Click();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(form_->Requests, std::vector<TControl*>{edit});

    // A disabled edit cannot take the focus and sends nothing.
    edit->SetEnabled(false);
    TMessage down{WM_LBUTTONDOWN, 0, 0, 0}, up{WM_LBUTTONUP, 0, 0, 0};
    edit->Button()->WndProc(down);
    edit->Button()->WndProc(up);
    edit->ButtonClick();
    EXPECT_EQ(form_->Requests.size(), 1u);

    // With OnDialog: only the handler, with the edit.
    edit->SetEnabled(true);
    struct Sink : TObject {
        std::vector<TObject*> senders;
        void Dialog(TObject* sender) { senders.push_back(sender); }
    } sink;
    edit->OnDialog = TNotifyEvent::Bind(&sink, "Dialog", &Sink::Dialog);
    edit->Button()->Click();
    EXPECT_EQ(sink.senders, std::vector<TObject*>{edit});
    EXPECT_EQ(form_->Requests.size(), 1u);
}

}  // namespace
