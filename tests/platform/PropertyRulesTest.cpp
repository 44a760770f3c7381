// The property rules the platform owns: enumerations with their value names, setters that refuse
// values an enumeration or set does not name, the one text conversion by kind, the stored-form
// reader's own errors for bad values, and published component fields bound with a type check.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ClassInfo.h"
#include "platform/FormReader.h"
#include "platform/Forms.h"
#include "platform/PropText.h"
#include "platform/StandardClasses.h"
#include "platform/StdCtrls.h"

using namespace znp;

namespace {

ZNP_ENUM(TProbeMood, pm_Calm, pm_Busy, pm_Gone);

// One published property of every scalar kind.
class TKindProbe : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    using TComponent::TComponent;
    int Count = 7;
    char Letter = 'A';
    double Ratio = 0.5;
    int Flags = 0;
    TProbeMood Mood = TProbeMood::pm_Calm;
    bool Flag = false;
    std::string Note = "n";
};

const ClassInfo& TKindProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TKindProbe", &TComponent::StaticClass());
        c.Creatable<TKindProbe>();
        c.Field("Count", &TKindProbe::Count);
        c.Field("Letter", &TKindProbe::Letter);
        c.Field("Ratio", &TKindProbe::Ratio);
        c.SetField("Flags", &TKindProbe::Flags, {"fa", "fb", "fc"});
        c.Field("Mood", &TKindProbe::Mood);
        c.Field("Flag", &TKindProbe::Flag);
        c.Field("Note", &TKindProbe::Note);
        return c;
    }();
    return info;
}

TEST(EnumNames, AreDeclaredWithTheEnumerationInOrdinalOrder) {
    EXPECT_EQ(EnumNames<TProbeMood>::Names(), (std::vector<std::string>{"pm_Calm", "pm_Busy", "pm_Gone"}));
    EXPECT_EQ(EnumName(TProbeMood::pm_Gone), "pm_Gone");
    EXPECT_EQ(EnumName(static_cast<TProbeMood>(3)), "");
    EXPECT_EQ(EnumName(TAlign::alClient), "alClient");
    // The published property takes the names from the enumeration.
    EXPECT_EQ(TKindProbe::StaticClass().FindProperty("Mood")->ValueNames, EnumNames<TProbeMood>::Names());
    EXPECT_EQ(TEdit::StaticClass().FindProperty("Align")->ValueNames, EnumNames<TAlign>::Names());
}

TEST(PropertySetters, RefuseValuesTheEnumerationOrSetDoesNotName) {
    TKindProbe probe(nullptr);
    const PropInfo& mood = *probe.ClassType().FindProperty("Mood");
    const PropInfo& flags = *probe.ClassType().FindProperty("Flags");
    for (const Variant& bad : {Variant(3), Variant(-1), Variant(42), Variant("pm_Asleep"), Variant(), Variant::Null()}) {
        EXPECT_THROW(mood.Set(probe, bad), EConvertError) << VarToStr(bad);
        EXPECT_EQ(probe.Mood, TProbeMood::pm_Calm);
    }
    mood.Set(probe, Variant("PM_BUSY"));
    EXPECT_EQ(probe.Mood, TProbeMood::pm_Busy);
    mood.Set(probe, Variant(2));
    EXPECT_EQ(probe.Mood, TProbeMood::pm_Gone);

    EXPECT_THROW(flags.Set(probe, Variant(8)), EConvertError) << "three elements: bits 0-2";
    EXPECT_THROW(flags.Set(probe, Variant(-1)), EConvertError);
    flags.Set(probe, Variant(7));
    EXPECT_EQ(probe.Flags, 7);

    TEdit edit(nullptr);
    const PropInfo& align = *edit.ClassType().FindProperty("Align");
    EXPECT_THROW(align.Set(edit, Variant(42)), EConvertError);
    EXPECT_EQ(edit.Align, TAlign::alNone);
}

struct TextCase {
    const char* prop;
    const char* text;
    TOrdinalText style;
    std::optional<std::string> readBack;  // nullopt: refused
};

TEST(PropText, ConvertsEveryKindBothWaysAndRefusesWhatIsNoValue) {
    const auto Names = TOrdinalText::Names;
    const auto Numbers = TOrdinalText::Numbers;
    const TextCase cases[] = {
        {"Count", "42", Numbers, "42"},
        {"Count", " -5 ", Names, "-5"},
        {"Count", "+12", Numbers, "12"},
        {"Count", "2147483647", Numbers, "2147483647"},
        {"Count", "2147483648", Numbers, std::nullopt},
        {"Count", "-", Numbers, std::nullopt},
        {"Count", "", Numbers, std::nullopt},
        {"Count", "1.5", Numbers, std::nullopt},
        {"Count", "0x10", Numbers, std::nullopt},
        {"Count", "12abc", Numbers, std::nullopt},
        {"Mood", "pm_gone", Numbers, "pm_Gone"},
        {"Mood", " pm_Busy ", Names, "pm_Busy"},
        {"Mood", "1", Numbers, std::nullopt},
        {"Mood", "pm_Asleep", Names, std::nullopt},
        {"Flag", "TRUE", Numbers, "True"},
        {"Flag", "1", Numbers, std::nullopt},
        {"Flags", "[fa, fc]", Names, "[fa,fc]"},
        {"Flags", "[]", Names, "[]"},
        {"Flags", "[fa,fz]", Names, std::nullopt},
        {"Flags", "5", Numbers, "5"},
        {"Flags", "8", Numbers, std::nullopt},
        {"Letter", "Z", Names, "Z"},
        {"Letter", "ZZ", Names, std::nullopt},
        {"Letter", "66", Numbers, "66"},
        {"Letter", "256", Numbers, std::nullopt},
        {"Ratio", "2.25", Numbers, "2.25"},
        {"Ratio", "-1e3", Names, "-1000"},
        {"Ratio", "1,5", Numbers, std::nullopt},
        {"Ratio", "inf", Numbers, std::nullopt},
        {"Ratio", "nan", Numbers, std::nullopt},
        {"Ratio", "1e999", Numbers, std::nullopt},
        {"Note", " any text ", Names, " any text "},
    };
    for (const TextCase& c : cases) {
        TKindProbe probe(nullptr);
        const PropInfo& prop = *probe.ClassType().FindProperty(c.prop);
        const std::string before = PropValueToText(probe, prop, c.style);
        SCOPED_TRACE(std::string(c.prop) + " <- '" + c.text + "'");
        if (c.readBack) {
            EXPECT_TRUE(SetPropFromText(probe, prop, c.text, c.style));
            EXPECT_EQ(PropValueToText(probe, prop, c.style), *c.readBack);
        } else {
            EXPECT_THROW(SetPropFromText(probe, prop, c.text, c.style), EConvertError);
            EXPECT_EQ(PropValueToText(probe, prop, c.style), before) << "a refused text changes nothing";
        }
    }
}

TEST(PropText, PropertiesWithoutATextAreNeitherReadNorWritten) {
    TEdit edit(nullptr);
    const PropInfo& font = *edit.ClassType().FindProperty("Font");
    const PropInfo& onExit = *edit.ClassType().FindProperty("OnExit");
    EXPECT_EQ(PropValueToText(edit, font, TOrdinalText::Names), "");
    EXPECT_FALSE(SetPropFromText(edit, font, "Tahoma", TOrdinalText::Names));
    EXPECT_FALSE(SetPropFromText(edit, onExit, "Handler", TOrdinalText::Names));
}

// The reader's own error, naming the line, for every value it cannot apply; never an exception of
// the standard library's number readers.
TEST(StoredFormValues, BadValuesGiveTheReadersErrorWithTheLine) {
    struct Case {
        const char* line;
        const char* why;
    } const cases[] = {
        {"Align = 42", "an enumeration is stored by name"},
        {"Align = alSideways", "no such value"},
        {"Left = -", "a sign without digits"},
        {"Left = +", "a sign without digits"},
        {"Left = 99999999999", "beyond 32 bits"},
        {"Left = 12abc", "letters after the digits"},
        {"Left = 1.5", "a float for an integer"},
        {"Left = 'ten'", "a text for an integer"},
        {"Left = $1FFFFFFFF", "hexadecimal beyond 32 bits"},
        {"Left = $", "hexadecimal without digits"},
        {"Caption = #99999999999", "a character code beyond any range"},
        {"Caption = #256", "a character code beyond a byte"},
        {"Caption = 12", "a number for a text"},
        {"Visible = 1", "a Boolean is stored by name"},
        {"BorderIcons = [biSystemMenu, biNowhere]", "no such set element"},
        {"BorderIcons = biSystemMenu", "a set needs brackets"},
        {"Font.Height = -", "a sign without digits in a nested property"},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        const std::string text = std::string("object f: TForm\n  Caption = 'x'\n  ") + c.line + "\nend";
        SCOPED_TRACE(std::string(c.line) + " (" + c.why + ")");
        try {
            ReadForm(form, text);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Form file error at line 3", 0), 0u) << e.what();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "escaped as a foreign exception: " << e.what();
        }
    }
}

TEST(StoredFormValues, GoodValuesOfEveryKindAreApplied) {
    RegisterStandardClasses();
    TForm form(nullptr);
    ReadForm(form, R"(object f: TForm
  Left = -12
  Top = $10
  Caption = 'a'#13#10'b'
  Color = clBtnFace
  Visible = false
  BorderIcons = [biSystemMenu, BIHELP]
  Position = poScreenCenter
  object e: TEdit
    Align = alClient
    PasswordChar = '*'
    Font.Style = [fsBold]
  end
end)");
    EXPECT_EQ(form.Left(), -12);
    EXPECT_EQ(form.Top(), 16);
    EXPECT_EQ(form.Caption(), "a\r\nb");
    EXPECT_EQ(form.Color(), clBtnFace);
    EXPECT_EQ(form.BorderIcons, biSystemMenu | biHelp);
    EXPECT_EQ(form.Position, TPosition::poScreenCenter);
    auto* edit = dynamic_cast<TEdit*>(form.FindComponent("e"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Align, TAlign::alClient);
    EXPECT_EQ(edit->Font()->Style(), fsBold);
}

// A form level whose components are reached through published fields.
class TfrmFieldProbe : public TForm {
public:
    ZNP_DECLARE_CLASS()
    using TForm::TForm;
    TEdit* edName = nullptr;
    TLabel* lblName = nullptr;
};

const ClassInfo& TfrmFieldProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmFieldProbe", &TForm::StaticClass());
        c.Creatable<TfrmFieldProbe>();
        c.ComponentField("edName", &TfrmFieldProbe::edName);
        c.ComponentField("lblName", &TfrmFieldProbe::lblName);
        return c;
    }();
    return info;
}

TEST(StoredFormFields, AreBoundByNameWithATypeCheck) {
    RegisterStandardClasses();
    TfrmFieldProbe form(nullptr);
    ReadForm(form, "object f: TfrmFieldProbe\n  object EDNAME: TEdit\n  end\nend");
    EXPECT_EQ(form.edName, form.FindComponent("edName"));
    EXPECT_NE(form.edName, nullptr);
    EXPECT_EQ(form.lblName, nullptr) << "no component of that name: the field stays empty";

    const auto fields = TfrmFieldProbe::StaticClass().Fields();
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0]->ClassName, "TEdit");

    TfrmFieldProbe wrong(nullptr);
    try {
        ReadForm(wrong, "object f: TfrmFieldProbe\n  object x: TEdit\n  end\n  object lblName: TEdit\n  end\nend");
        ADD_FAILURE() << "a TEdit was put into a TLabel field";
    } catch (const Exception& e) {
        const std::string what = e.what();
        EXPECT_EQ(what.rfind("Form file error at line 4", 0), 0u) << what;
        EXPECT_NE(what.find("TLabel"), std::string::npos) << what;
    }
    EXPECT_EQ(wrong.lblName, nullptr);
}

}  // namespace
