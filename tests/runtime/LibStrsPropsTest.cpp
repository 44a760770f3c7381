#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

using namespace znp;

namespace {

class PropsByName : public ::testing::Test {
protected:
    PropsByName() : form(nullptr), edit(new TEdit(&form)), check(new TCheckBox(&form)) {
        edit->SetParent(&form);
        check->SetParent(&form);
    }
    TForm form;
    TEdit* edit;
    TCheckBox* check;
};

TEST_F(PropsByName, MissingComponentsNamesAndPropertiesAnswerEmptyValues) {
    EXPECT_FALSE(HasPropByName(nullptr, "Text"));
    EXPECT_FALSE(HasPropByName(edit, ""));
    EXPECT_FALSE(HasPropByName(edit, "NoSuchProperty"));
    EXPECT_EQ(GetStrPropByName(nullptr, "Text"), "");
    EXPECT_EQ(GetStrPropByName(edit, "NoSuchProperty"), "");
    EXPECT_EQ(GetOrdPropByName(edit, "NoSuchProperty"), 0);
    EXPECT_FALSE(GetMethodPropByName(edit, "OnNothing").has_value());
    SetStrPropByName(nullptr, "Text", "x");
    SetStrPropByName(edit, "NoSuchProperty", "x");
    SetOrdPropByName(edit, "NoSuchProperty", 1);
    SetMethodPropByName(edit, "NoSuchEvent", std::any());
    EXPECT_EQ(GetOrdPropByName(edit, "Text"), 0) << "a text is no ordinal";
}

TEST_F(PropsByName, ValuesGoInAndOutByTheirNamesWithoutRegardToCase) {
    EXPECT_TRUE(HasPropByName(edit, "text"));
    SetStrPropByName(edit, "TEXT", "abc");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(GetStrPropByName(edit, "Text"), "abc");

    SetStrPropByName(check, "Checked", "True");
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(GetStrPropByName(check, "checked"), "True");
    EXPECT_EQ(GetOrdPropByName(check, "Checked"), 1);
    SetOrdPropByName(check, "Checked", 0);
    EXPECT_FALSE(check->Checked());

    SetStrPropByName(edit, "Align", "alClient");
    EXPECT_EQ(edit->Align, TAlign::alClient);
    EXPECT_EQ(GetOrdPropByName(edit, "Align"), 5);
    SetStrPropByName(edit, "Width", "85");
    EXPECT_EQ(edit->Width(), 85);
    SetStrPropByName(&form, "BorderIcons", "[biSystemMenu, biMaximize]");
    EXPECT_EQ(GetStrPropByName(&form, "BorderIcons"), "[biSystemMenu,biMaximize]");
}

TEST_F(PropsByName, AValueThePropertyRefusesIsItsOwnError) {
    EXPECT_THROW(SetStrPropByName(edit, "Align", "alNowhere"), Exception);
    EXPECT_THROW(SetStrPropByName(edit, "Width", "wide"), Exception);
    EXPECT_THROW(SetStrPropByName(&form, "BorderIcons", "[biNone]"), Exception);
    EXPECT_THROW(SetOrdPropByName(edit, "Align", 17), Exception);
    EXPECT_EQ(edit->Align, TAlign::alNone);
}

TEST_F(PropsByName, EventHandlersAreSavedAndPutBack) {
    int exits = 0;
    edit->OnExit = TNotifyEvent(nullptr, "count", [&](TObject*) { ++exits; });
    std::any saved = GetMethodPropByName(edit, "OnExit");
    ASSERT_TRUE(saved.has_value());
    SetMethodPropByName(edit, "onexit", std::any());
    edit->OnExit(edit);
    EXPECT_EQ(exits, 0);
    SetMethodPropByName(edit, "OnExit", saved);
    edit->OnExit(edit);
    EXPECT_EQ(exits, 1);
    EXPECT_THROW(SetMethodPropByName(edit, "OnKeyDown", saved), Exception) << "a handler of another kind";
}

TEST_F(PropsByName, SimulateClickIsAPressAndARelease) {
    TButton* button = new TButton(&form);
    button->SetParent(&form);
    int clicks = 0;
    button->OnClick = TNotifyEvent(nullptr, "c", [&](TObject*) { ++clicks; });
    SimulateClick(button, 0, 0);
    EXPECT_EQ(clicks, 1);
    // A release alone, as posted after a message box, is no click.
    Application().SendMessage(button->Handle(), WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    SimulateClick(nullptr, 0, 0);
}

}  // namespace
