#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/ClassInfo.h"
#include "platform/FormReader.h"
#include "platform/Forms.h"
#include "platform/Strings.h"

using namespace znp;

namespace {

std::vector<std::string>* g_log = nullptr;

// A small windowed control that records its focus events.
class TProbe : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    using TWinControl::TWinControl;
    void DoEnter() override {
        if (g_log) g_log->push_back("enter " + Name());
        TWinControl::DoEnter();
    }
    void DoExit() override {
        if (g_log) g_log->push_back("exit " + Name());
        TWinControl::DoExit();
    }
    void Loaded() override {
        TWinControl::Loaded();
        if (g_log) g_log->push_back("loaded " + Name());
    }
    std::string Label;
    TStringList* Items() const { return items_.get(); }
    TProbe* Buddy = nullptr;

private:
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
};

const ClassInfo& TProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TProbe", &TWinControl::StaticClass());
        c.Creatable<TProbe>();
        c.Field("Label", &TProbe::Label);
        c.Object("Items", &TProbe::Items);
        c.Reference("Buddy", &TProbe::Buddy);
        return c;
    }();
    return info;
}

class TfrmProbe : public TForm {
public:
    ZNP_DECLARE_CLASS()
    using TForm::TForm;
    void FormCreate(TObject*) { created = true; }
    void ProbeClick(TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->Name()); }
    bool created = false;
    std::vector<std::string> clicks;
};

const ClassInfo& TfrmProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmProbe", &TForm::StaticClass());
        c.Creatable<TfrmProbe>();
        c.Method("FormCreate", &TfrmProbe::FormCreate);
        c.Method("ProbeClick", &TfrmProbe::ProbeClick);
        return c;
    }();
    return info;
}

class TfrmProbeChild : public TfrmProbe {
public:
    ZNP_DECLARE_CLASS()
    using TfrmProbe::TfrmProbe;
};

const ClassInfo& TfrmProbeChild::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmProbeChild", &TfrmProbe::StaticClass());
        c.Creatable<TfrmProbeChild>();
        return c;
    }();
    return info;
}

class ComponentModel : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClass(TProbe::StaticClass());
        RegisterFormResource("TfrmProbe", R"(object frmProbe: TfrmProbe
  Caption = 'Probe '#39'form'#39
  KeyPreview = True
  OnCreate = FormCreate
  object outer: TProbe
    Label = 'outer'
    object inner1: TProbe
      TabStop = True
      OnClick = ProbeClick
      Buddy = inner2
    end
    object inner2: TProbe
      TabStop = True
      Items.Strings = (
        'a'
        'b')
    end
  end
  object other: TProbe
    TabStop = True
    Font.Name = 'Tahoma'
  end
end)");
        RegisterFormResource("TfrmProbeChild", R"(inherited frmProbeChild: TfrmProbeChild
  Caption = 'Child'
  inherited outer: TProbe
    Label = 'changed'
  end
  object extra: TProbe
  end
end)");
        g_log = &log;
    }
    void TearDown() override {
        g_log = nullptr;
        Application().ClearMessages();
    }
    std::vector<std::string> log;
};

TEST_F(ComponentModel, StoredFormCreatesComponentsInOrderAndBindsEventsByName) {
    auto* form = Construct<TfrmProbe>(nullptr);
    EXPECT_TRUE(form->created);
    EXPECT_EQ(form->Name(), "frmProbe");
    EXPECT_EQ(form->Caption(), "Probe 'form'");
    EXPECT_TRUE(form->KeyPreview);
    ASSERT_EQ(form->ComponentCount(), 4);
    EXPECT_EQ(form->Components(0)->Name(), "outer");
    EXPECT_EQ(form->Components(3)->Name(), "other");
    auto* inner1 = static_cast<TProbe*>(form->FindComponent("INNER1"));
    auto* inner2 = static_cast<TProbe*>(form->FindComponent("inner2"));
    EXPECT_EQ(inner1->Parent(), form->FindComponent("outer"));
    EXPECT_EQ(inner1->Buddy, inner2);  // forward reference resolved after the level was read
    EXPECT_EQ(inner2->Items()->Count(), 2);
    EXPECT_EQ(static_cast<TProbe*>(form->FindComponent("other"))->Font()->Name(), "Tahoma");
    inner1->Click();
    EXPECT_EQ(form->clicks, std::vector<std::string>{"inner1"});
    EXPECT_FALSE(inner1->IsLoading());
    TObject::Free(form);
}

TEST_F(ComponentModel, InheritedLevelModifiesComponentsByName) {
    auto* form = Construct<TfrmProbeChild>(nullptr);
    EXPECT_EQ(form->Caption(), "Child");
    EXPECT_EQ(static_cast<TProbe*>(form->FindComponent("outer"))->Label, "changed");
    ASSERT_NE(form->FindComponent("extra"), nullptr);
    EXPECT_TRUE(form->created);
    TObject::Free(form);
}

TEST_F(ComponentModel, FormFileErrorsNameTheLine) {
    TForm form(nullptr);
    EXPECT_THROW(ReadForm(form, "object f: TForm\n  Nothing = 1\nend"), Exception);
    EXPECT_THROW(ReadForm(form, "object f: TForm\n  object x: TNoSuchClass\n  end\nend"), Exception);
    EXPECT_THROW(ReadForm(form, "object f: TForm\n  OnShow = NoSuchHandler\nend"), Exception);
    EXPECT_THROW(ReadForm(form, "object f: TForm\n  Caption = 'open\nend"), Exception);
    try {
        ReadForm(form, "object f: TForm\n\n  WindowState = wsHuge\nend");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
    }
}

TEST_F(ComponentModel, PublishedPropertiesAreFoundWithoutRegardToCase) {
    TProbe probe(nullptr);
    const PropInfo* prop = probe.ClassType().FindProperty("label");
    ASSERT_NE(prop, nullptr);
    prop->Set(probe, Variant("x"));
    EXPECT_EQ(probe.Label, "x");
    const PropInfo* align = probe.ClassType().FindProperty("ALIGN");
    ASSERT_NE(align, nullptr);
    EXPECT_EQ(align->Kind, TypeKind::Enumeration);
    EXPECT_EQ(align->ValueOrdinal("alClient"), 5);
    EXPECT_EQ(probe.ClassType().FindProperty("Visible")->ValueNames, (std::vector<std::string>{"False", "True"}));
    EXPECT_TRUE(probe.InheritsFrom("twincontrol"));
    EXPECT_FALSE(probe.InheritsFrom("TCustomForm"));
}

TEST_F(ComponentModel, FocusMovesRaiseExitsUpToTheCommonParentThenEnters) {
    auto* form = Construct<TfrmProbe>(nullptr);
    auto* inner1 = static_cast<TWinControl*>(form->FindComponent("inner1"));
    auto* inner2 = static_cast<TWinControl*>(form->FindComponent("inner2"));
    auto* other = static_cast<TWinControl*>(form->FindComponent("other"));
    form->Show();
    log.clear();
    inner1->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"enter outer", "enter inner1"}));
    log.clear();
    inner2->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit inner1", "enter inner2"}));
    log.clear();
    other->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit inner2", "exit outer", "enter other"}));
    EXPECT_TRUE(other->Focused());
    TObject::Free(form);
}

TEST_F(ComponentModel, ExitHandlersSeeWhereTheFocusIsGoing) {
    auto* form = Construct<TfrmProbe>(nullptr);
    auto* inner1 = static_cast<TWinControl*>(form->FindComponent("inner1"));
    auto* other = static_cast<TWinControl*>(form->FindComponent("other"));
    form->Show();
    inner1->SetFocus();
    TWinControl* seen = nullptr;
    inner1->OnExit = TNotifyEvent(nullptr, "look", [&](TObject*) { seen = form->ActiveControl(); });
    other->SetFocus();
    EXPECT_EQ(seen, other);
    TObject::Free(form);
}

TEST_F(ComponentModel, AnExitHandlerThatMovesTheFocusWins) {
    auto* form = Construct<TfrmProbe>(nullptr);
    auto* inner1 = static_cast<TWinControl*>(form->FindComponent("inner1"));
    auto* other = static_cast<TWinControl*>(form->FindComponent("other"));
    form->Show();
    inner1->SetFocus();
    // A failed check sends the focus back to the control being left.
    inner1->OnExit = TNotifyEvent(nullptr, "back", [inner1](TObject*) { inner1->SetFocus(); });
    other->SetFocus();
    EXPECT_EQ(form->ActiveControl(), inner1);
    TObject::Free(form);
}

TEST_F(ComponentModel, HiddenControlsCannotTakeTheFocusAndTabSkipsThem) {
    auto* form = Construct<TfrmProbe>(nullptr);
    auto* inner1 = static_cast<TWinControl*>(form->FindComponent("inner1"));
    auto* inner2 = static_cast<TWinControl*>(form->FindComponent("inner2"));
    EXPECT_THROW(inner1->SetFocus(), Exception);  // the form is not shown yet
    form->Show();
    inner2->SetEnabled(false);
    inner1->SetFocus();
    form->PressKey(VK_TAB);
    EXPECT_EQ(form->ActiveControl()->Name(), "other");
    form->PressKey(VK_TAB, ssShift);
    EXPECT_EQ(form->ActiveControl()->Name(), "inner1");
    TObject::Free(form);
}

TEST_F(ComponentModel, CloseActionFreeReleasesTheFormWhenMessagesAreProcessed) {
    auto* form = Construct<TfrmProbe>(nullptr);
    bool destroyed = false;
    form->OnDestroy = TNotifyEvent(nullptr, "d", [&](TObject*) { destroyed = true; });
    form->OnClose = TCloseEvent(nullptr, "c", [](TObject*, TCloseAction& a) { a = TCloseAction::caFree; });
    HWND handle = form->Handle();
    form->Show();
    form->Close();
    EXPECT_FALSE(destroyed);
    Application().ProcessMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(Application().IsWindow(handle));
}

TEST_F(ComponentModel, ModalShowingReturnsTheScriptedResultAndHides) {
    auto dialogs = std::make_shared<ScriptedDialogs>();
    Application().SetDialogs(dialogs);
    auto* form = Construct<TfrmProbe>(nullptr);
    dialogs->OnNextModal([](TCustomForm& f) {
        EXPECT_TRUE(f.Visible());
        f.ModalResult = mrOk;
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->ShowModal(), mrCancel);  // nothing scripted: the user closes the window
    ASSERT_EQ(dialogs->Records().size(), 2u);
    EXPECT_EQ(dialogs->Records()[0].FormClass, "TfrmProbe");
    TObject::Free(form);
    Application().SetDialogs(nullptr);
}

TEST_F(ComponentModel, FreeingAComponentFreesWhatItOwnsAndLeavesItsOwner) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("a");
    auto* b = new TComponent(a);
    b->SetName("b");
    EXPECT_THROW((new TComponent(&owner))->SetName("A"), Exception);  // names are unique without regard to case
    EXPECT_EQ(owner.ComponentCount(), 2);
    TObject::Free(a);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_THROW(owner.Components(0)->SetName("1x"), Exception);
}

}  // namespace

namespace {

// Counts the removals it is told of.
class TListener : public TComponent {
public:
    using TComponent::TComponent;
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove) removed.push_back(component);
    }
    std::vector<TComponent*> removed;
};

TEST(FreeNotification, TellsTheOtherSideAndIsForgottenOnBothSides) {
    TListener listener(nullptr);
    auto* watched = new TComponent(nullptr);
    listener.FreeNotification(watched);
    TObject::Free(watched);
    EXPECT_EQ(listener.removed, std::vector<TComponent*>{watched});

    auto* other = new TComponent(nullptr);
    listener.FreeNotification(other);
    listener.RemoveFreeNotification(other);
    TObject::Free(other);  // nobody is told any more, and other no longer points at the listener
    EXPECT_EQ(listener.removed.size(), 1u);

    auto* watcher = new TListener(nullptr);
    auto* target = new TComponent(nullptr);
    watcher->FreeNotification(target);
    TObject::Free(watcher);  // the watcher goes first: the target must not tell it later
    TObject::Free(target);
}

}  // namespace
