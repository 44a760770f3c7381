// The condition package, the date texts, the condition encoders and the scheme value text of the
// base condition form.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls/SelectPnl.h"
#include "fixture/FormFixture.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/FormReader.h"
#include "platform/Mask.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"
#include "runtime/TranslatorTestSupport.h"

using namespace znp;
using namespace znp::test;

namespace {

const std::string R(1, '\x04');   // range marker
const std::string L(1, '\x05');   // list marker
const std::string F(1, '\x03');   // field separator
const std::string C(1, '\x01');   // column separator
const std::string E(1, '\x04');   // end of a list row

// A level whose parts of the package and restore hooks a test can change.
class TfrmCondGene : public TfrmTestGene {
public:
    ZNP_DECLARE_CLASS()
    using TfrmTestGene::TfrmTestGene;
    std::function<void(Variant&)> EnvExtra, TextsExtra, ValuesExtra;
    std::vector<std::string> Hooks;

    bool GetEnvironment(Variant& env, int count) override {
        if (!TfrmTestGene::GetEnvironment(env, count)) return false;
        if (EnvExtra) EnvExtra(env);
        return true;
    }
    bool GetConditionTexts(Variant& texts, int count) override {
        if (!TfrmTestGene::GetConditionTexts(texts, count)) return false;
        if (TextsExtra) TextsExtra(texts);
        return true;
    }
    bool GetConditionValues(Variant& values, int count) override {
        if (!TfrmTestGene::GetConditionValues(values, count)) return false;
        if (ValuesExtra) ValuesExtra(values);
        return true;
    }
    void BeforeRestoreValue(TObject* instance, const std::string& value) override {
        Hooks.push_back("before " + dynamic_cast<TComponent*>(instance)->Name() + "=" + value);
    }
    void AfterRestoreValue(TObject* instance, const std::string& value) override {
        Hooks.push_back("after " + dynamic_cast<TComponent*>(instance)->Name() + "=" + value);
    }
};

const ClassInfo& TfrmCondGene::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmCondGene", &TfrmTestGene::StaticClass());
        c.Creatable<TfrmCondGene>();
        return c;
    }();
    return info;
}

// A component with a published property of every scalar kind.
ZNP_ENUM(TProbeKind, pk_One, pk_Two);

class TKindsProbe : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    explicit TKindsProbe(TComponent* owner) : TComponent(owner) {}
    int Count = 0;
    char Letter = 'A';
    double Ratio = 0;
    int Flags = 0;
    TProbeKind Kind = TProbeKind::pk_One;
    bool Flag = false;
    std::string Note;
};

const ClassInfo& TKindsProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TKindsProbe", &TComponent::StaticClass());
        c.Creatable<TKindsProbe>();
        c.Field("Count", &TKindsProbe::Count);
        c.Field("Letter", &TKindsProbe::Letter);
        c.Field("Ratio", &TKindsProbe::Ratio);
        c.SetField("Flags", &TKindsProbe::Flags, {"fa", "fb", "fc"});
        c.Field("Kind", &TKindsProbe::Kind);
        c.Field("Flag", &TKindsProbe::Flag);
        c.Field("Note", &TKindsProbe::Note);
        return c;
    }();
    return info;
}

Variant Texts(std::initializer_list<const char*> items) {
    std::vector<Variant> v;
    for (const char* item : items) v.emplace_back(item);
    return Variant::ArrayOf(v);
}

class Conditions : public FormTest {
protected:
    Conditions() {
        RegisterClass(TfrmCondGene::StaticClass());
        RegisterFormResource("TfrmCondGene", "inherited frmKVTR42Cond: TfrmCondGene\nend\n");
        fakes_.Manager().SetMessage("W", "000002", "W2 %s %s %s");
        fakes_.Manager().SetMessage("W", "000003", "W3 %s %s %s");
        fakes_.Manager().SetMessage("I", "000003", "I3 [%s]");
    }
    // A set-up form of the test level with the date layout Type and Separator.
    TfrmCondGene* Open(const std::string& dateType = "1", const std::string& separator = "/") {
        auto* form = CreateForm<TfrmCondGene>();
        EXPECT_TRUE(form->Setup(HostParams()));
        Layout(form, dateType, separator);
        dialogs_->Clear();
        return form;
    }
    static void Layout(TfrmBaseGene* form, const std::string& dateType, const std::string& separator) {
        form->SysParamCache->SetValue("Sys001", dateType);
        form->SysParamCache->SetValue("Sys002", separator);
    }
    template <class T>
    static T* Add(TfrmBaseGene* form, const std::string& name) {
        T* control = Construct<T>(form);
        control->SetName(name);
        if (auto* c = dynamic_cast<TControl*>(static_cast<TComponent*>(control))) c->SetParent(form->tsOption1);
        return control;
    }
};

// --- The condition package -------------------------------------------------------------------

TEST_F(Conditions, TheBaseLevelCollectsTheEnvironmentAndAnEmptyPrintDate) {
    auto* form = Open();
    FixedClock clock(45413.5);  // 2024-05-01 12:00
    ASSERT_TRUE(form->CollectConditions());
    EXPECT_TRUE(Boxes().empty());
    const Variant& package = form->ConditionPackage;
    ASSERT_EQ(package.HighBound(), 2);
    const Variant expectedEnv = [&] {
        Variant env = Variant::Array(1, 9);
        env[1] = Variant("KVTR42");
        env[2] = Variant(9);
        env[3] = Variant(1);
        env[4] = Variant("C01");
        env[5] = Variant("U01");
        env[6] = Variant("DEMO");
        env[7] = Variant::FromDate(45413.5);
        env[8] = Variant("KVTR42S.Class1");
        env[9] = Variant("R");
        return env;
    }();
    EXPECT_EQ(package[0], expectedEnv);
    Variant texts = Variant::Array(1, 1);
    texts[1] = Texts({"制表日期", "edPrintDate"});
    EXPECT_EQ(package[1], texts);
    Variant values = Variant::Array(1, 1);
    values[1] = Variant("");
    EXPECT_EQ(package[2], values);
    EXPECT_TRUE(form->TextsCollected);
}

TEST_F(Conditions, TextsAndValuesGoOutInTheDatabaseCodePageTheEnvironmentAsItIs) {
    ScopedTranslatorPath translator;
    std::ofstream(installation_->Folder() + "/TrovaneC.ini", std::ios::app) << "[CodePage]\nUICodePage=936\nDBCodePage=950\n";
    auto* form = Open();
    ASSERT_EQ(form->DBConvertKind(), 1) << "a GB interface over a Big5 database";
    form->UserId = "张三";
    form->ValuesExtra = [](Variant& values) { values[1] = Texts({"\x04", "叫修单", ""}); };
    ASSERT_TRUE(form->CollectConditions());
    const Variant& package = form->ConditionPackage;
    EXPECT_EQ(package[0][5], Variant("张三"));
    EXPECT_EQ(VarToStr(package[1][1][0]), Big5(u"制表日期"));
    EXPECT_EQ(VarToStr(package[1][1][1]), "edPrintDate");
    EXPECT_EQ(package[2][1], Variant::ArrayOf({Variant("\x04"), Variant(Big5(u"叫修單")), Variant("")}));
}

TEST_F(Conditions, ALevelThatLeavesAnEntryOutStopsWithTheFirstMissingIndex) {
    struct Case {
        const char* what;
        std::function<void(TfrmCondGene&)> arrange;
        const char* box;
    };
    const Case cases[] = {
        {"environment of 12 with entry 10 left empty",
         [](TfrmCondGene& f) {
             f.EnvCount = 12;
             f.EnvExtra = [](Variant& env) { env[11] = Variant("x"), env[12] = Variant("y"); };
         },
         "W3 环境设置 12 10"},
        {"a value entry left Null",
         [](TfrmCondGene& f) { f.ValuesExtra = [](Variant& v) { v[1] = Variant::Null(); }; },
         "W3 选择条件信息 1 1"},
        {"a text array grown by a level",
         [](TfrmCondGene& f) { f.TextsExtra = [](Variant& t) { t.Redim(3); }; },
         "W2 选择条件文字 1 3"},
        {"a value array replaced by a text",
         [](TfrmCondGene& f) { f.ValuesExtra = [](Variant& v) { v = Variant("flat"); }; },
         "W2 选择条件信息 1 -1"},
        {"no environment entries", [](TfrmCondGene& f) { f.EnvCount = 0; }, "I3 []"},
        {"no conditions", [](TfrmCondGene& f) { f.ConditionCount = 0; }, "I3 []"},
    };
    for (const Case& c : cases) {
        auto* form = Open();
        c.arrange(*form);
        form->ConditionPackage = Variant("untouched");
        EXPECT_FALSE(form->CollectConditions()) << c.what;
        EXPECT_EQ(form->ConditionPackage, Variant("untouched")) << c.what;
        ASSERT_EQ(Boxes().size(), 1u) << c.what;
        // Boxes may carry a margin of blanks on some systems; the text is what counts.
        std::string box = Boxes()[0];
        box.erase(box.find_last_not_of(' ') + 1);
        EXPECT_EQ(box, c.box) << c.what;
    }
}

TEST_F(Conditions, TheWarningsOfAnIncompletePackageOfferOkAndCancel) {
    auto* form = Open();
    form->EnvCount = 10;
    EXPECT_FALSE(form->CollectConditions());
    ASSERT_EQ(dialogs_->Records().size(), 1u);
    EXPECT_EQ(dialogs_->Records()[0].Request.Buttons, mbOKCancel);
    EXPECT_EQ(dialogs_->Records()[0].Request.Type, TMsgDlgType::mtWarning);
}

TEST_F(Conditions, APrintDateTextThatCannotBeWrittenReportsE000030) {
    auto* form = Open();
    fakes_.Manager().SetMessage("I", "000011", "制表日期");
    Variant tooShort = Variant::Array(1, 0);
    EXPECT_FALSE(form->GetConditionTexts(tooShort, 0));
    EXPECT_EQ(form->MessageIdLog, "E;000030;制表日期; ");
    EXPECT_FALSE(form->GetConditionValues(tooShort, 0));
    EXPECT_NE(form->MessageIdLog.find("E;000030; "), std::string::npos);
}

// --- Date texts ----------------------------------------------------------------------------------

TEST_F(Conditions, TypedDatesBecomeDateTextsInEveryLayout) {
    auto* form = Open();
    struct Case {
        const char* type;
        const char* separator;
        const char* typed;
        const char* text;       // DisplayToDateText
        const char* printDate;  // the print date's condition value
    };
    const Case cases[] = {
        {"1", "/", "2024/05/01", "20240501", "20240501"},
        {"2", "/", "05/01/2024", "20240501", "20240501"},
        {"3", "-", " 01-05-2024 ", "20240501", "20240501"},
        {"4", "/", "113/05/01", "20240501", "20240501"},
        {"5", "/", "099/12/31", "20101231", "20101231"},
        {"1", "/", "2024/5/1", "20240501", "20240501"},
        {"1", "/", "2024/05/", "2024/05/", ""},  // left half typed
        {"1", "/", "/05/01", "/05/01", ""},
        {"1", "/", "2024/ab/01", "2024/ab/01", "2024/ab/01"},
        {"1", "/", "", "", ""},
        {"1", "/", "    /  /  ", "", ""},
        {"9", "/", "2024/05/01", "", ""},  // no such layout
        {"x", "", "2024/05/01", "20240501", "20240501"},  // defaults: type 1, "/"
        {"1", ".", "2024.05.01", "20240501", "20240501"},
    };
    for (const Case& c : cases) {
        Layout(form, c.type, c.separator);
        EXPECT_EQ(form->DisplayToDateText(c.typed), c.text) << c.type << " " << c.typed;
        form->edPrintDate->SetEditMask("");
        form->edPrintDate->SetText(c.typed);
        Variant values = Variant::Array(1, 1);
        ASSERT_TRUE(form->GetConditionValues(values, 0));
        EXPECT_EQ(values[1], Variant(c.printDate)) << c.type << " " << c.typed;
    }
}

TEST_F(Conditions, AHalfTypedPrintDateUnderTheDateMaskIsNoDate) {
    auto* form = Open();
    form->edPrintDate->SetEditMask(form->DateMask());
    form->edPrintDate->SetText("2024/05/");
    Variant values = Variant::Array(1, 1);
    ASSERT_TRUE(form->GetConditionValues(values, 0));
    EXPECT_EQ(values[1], Variant(""));
    form->edPrintDate->SetText("2024/05/01");
    ASSERT_TRUE(form->GetConditionValues(values, 0));
    EXPECT_EQ(values[1], Variant("20240501"));
}

TEST_F(Conditions, TheDateMaskAndBlankTextFollowTheLayout) {
    auto* form = Open();
    struct Case {
        const char* type;
        const char* separator;
        const char* mask;
        const char* blank;
    };
    const Case cases[] = {
        {"1", "/", "9999/99/99;1; ", "    /  /  "},
        {"2", "/", "99/99/9999;1; ", "  /  /    "},
        {"3", "-", "99-99-9999;1; ", "  -  -    "},
        {"4", "/", "99/99/99;1; ", "  /  /  "},
        {"5", ".", "999.99.99;1; ", "   .  .  "},
        {"7", "/", "9999/99/99;1; ", "    /  /  "},
    };
    for (const Case& c : cases) {
        Layout(form, c.type, c.separator);
        EXPECT_EQ(form->DateMask(), c.mask) << c.type;
        EXPECT_EQ(form->BlankDateText(), c.blank) << c.type;
    }
}

// --- Encoders ------------------------------------------------------------------------------------

TEST_F(Conditions, ADateRangeIsStoredInAscendingOrder) {
    auto* form = Open();
    struct Case {
        const char* begin;
        const char* end;
        const char* storedBegin;
        const char* storedEnd;
    };
    const Case cases[] = {
        {"2024/05/01", "2024/04/01", "20240401", "20240501"},
        {"2024/04/01", "2024/05/01", "20240401", "20240501"},
        {"", "2024/04/01", "", "20240401"},  // an open begin stays open
        {"2024/05/01", "", "20240501", ""},
    };
    for (const Case& c : cases) {
        Variant values = Variant::Array(1, 2);
        form->PutDateRange(c.begin, c.end, 2, values);
        EXPECT_EQ(values[2], Texts({"\x04", c.storedBegin, c.storedEnd})) << c.begin << " " << c.end;
        EXPECT_TRUE(values[1].IsEmpty());
    }
}

TEST_F(Conditions, APanelGivesItsRangeOrItsRows) {
    auto* form = Open();
    auto* panel = Add<TSelectPanel>(form, "sp01");
    panel->BeginEdit->SetText("A01");
    panel->FinalEdit->SetText("B02");
    Variant values = Variant::Array(1, 2);
    form->PutPanelValue(panel, values, 1);
    EXPECT_EQ(values[1], Texts({"\x04", "A01", "B02"}));

    panel->SetStyle(TSelectStyle::sp_Discrete);
    panel->AddRow({"A01", "Alpha"});
    panel->AddRow({"B02"});
    form->PutPanelValue(panel, values, 2);
    EXPECT_EQ(values[2], Variant::ArrayOf({Variant(L), Texts({"A01", "Alpha"}), Texts({"B02", ""})}));

    panel->ClearRows();
    form->PutPanelValue(panel, values, -1);
    EXPECT_EQ(values, Variant::ArrayOf({Variant(L)})) << "a negative index replaces the whole array";
}

TEST_F(Conditions, AStrippedPanelValueLosesMaskLiteralsOrTheSeparator) {
    auto* form = Open();
    auto* masked = Add<TSelectPanel>(form, "sp01");
    masked->SetEditMask("9999/99/99;1;_");
    masked->BeginEdit->SetText("2024/05/01");
    masked->FinalEdit->SetText("2024/06/30");
    auto* plain = Add<TSelectPanel>(form, "sp02");
    plain->BeginEdit->SetText(" A-01 ");
    plain->FinalEdit->SetText("B-0-2");
    Variant values = Variant::Array(1, 4);
    form->PutStrippedPanelValue(masked, values, "-", 1);
    EXPECT_EQ(values[1], Texts({"\x04", "20240501", "20240630"}));
    form->PutStrippedPanelValue(plain, values, "-", 2);
    EXPECT_EQ(values[2], Texts({"\x04", "A01", "B02"}));

    masked->SetStyle(TSelectStyle::sp_Discrete);
    masked->AddRow({"2024/05/01", "May"});
    form->PutStrippedPanelValue(masked, values, "-", 3);
    EXPECT_EQ(values[3], Variant::ArrayOf({Variant(L), Texts({"20240501", "May"})}));
    plain->SetStyle(TSelectStyle::sp_Discrete);
    plain->AddRow({"C-03", "Gamma-3"});
    form->PutStrippedPanelValue(plain, values, "-", 4);
    EXPECT_EQ(values[4], Variant::ArrayOf({Variant(L), Texts({"C03", "Gamma-3"})})) << "only captions are stripped";
    EXPECT_EQ(masked->ListView->Items(0)->Caption(), "2024/05/01") << "the panel keeps its rows";
}

// --- Scheme value text -----------------------------------------------------------------------------

class SchemeText : public Conditions {
protected:
    void SetUp() override {
        form = Open();
        cbo07 = Add<TComboBox>(form, "cbo07");
        for (const char* item : {"a", "b", "c"}) cbo07->Items()->Add(item);
        cbo07->SetItemIndex(2);
        chk10 = Add<TCheckBox>(form, "chk10");
        chk10->SetChecked(true);
        sp05 = Add<TSelectPanel>(form, "sp05");
        sp05->SetStyle(TSelectStyle::sp_Discrete);
        sp05->AddRow({"A", "B"});
    }
    std::string Build(const std::string& keys) {
        std::string values = "unchanged";
        EXPECT_TRUE(form->BuildSchemeValues(keys, values)) << keys;
        return values;
    }
    TfrmCondGene* form = nullptr;
    TComboBox* cbo07 = nullptr;
    TCheckBox* chk10 = nullptr;
    TSelectPanel* sp05 = nullptr;
};

TEST_F(SchemeText, ComboCheckAndPanelRoundTrip) {
    const std::string keys = "cbo07.itemindex;chk10.checked;sp05.style;";
    const std::string text = Build(keys);
    EXPECT_EQ(text, "2\r\nTrue\r\nsp_Discrete" + F + "A" + C + "B" + E + "\r\n");

    cbo07->SetItemIndex(0);
    chk10->SetChecked(false);
    sp05->ClearRows();
    ASSERT_TRUE(form->RestoreScheme(keys, text));
    EXPECT_EQ(cbo07->ItemIndex(), 2);
    EXPECT_TRUE(chk10->Checked());
    ASSERT_EQ(sp05->ListView->ItemCount(), 1);
    EXPECT_EQ(sp05->ListView->Items(0)->Caption(), "A");
    EXPECT_EQ((*sp05->ListView->Items(0)->SubItems())[0], "B");
    const std::vector<std::string> hooks{"before cbo07=2", "after cbo07=2", "before chk10=True", "after chk10=True",
                                         "before sp05=sp_Discrete" + F + "A" + C + "B" + E};
    EXPECT_EQ(form->Hooks, hooks) << "a panel has no after-hook";
}

TEST_F(SchemeText, AValueHoldingALineBreakIsRefusedWithItsKeyNamed) {
    for (const char* row : {"A\r\nB", "A\nB", "A\rB"}) {
        sp05->ClearRows();
        sp05->AddRow({row, "x"});
        std::string values = "unchanged";
        EXPECT_FALSE(form->BuildSchemeValues("cbo07.itemindex;sp05.style;chk10.checked", values)) << row;
        EXPECT_EQ(values, "") << "nothing to save";
        EXPECT_NE(form->MessageTextLog.find("sp05.style"), std::string::npos) << form->MessageTextLog;
        EXPECT_NE(form->MessageTextLog.find("line break"), std::string::npos) << form->MessageTextLog;
    }
}

TEST_F(SchemeText, KeysThatNameNothingKeepTheirLineAndLaterKeysStayInStep) {
    const std::string keys = "cbo07.itemindex; nosuch.text ;chk10;cbo07.;.checked;cbo07.Bogus; CHK10 . Checked ";
    EXPECT_EQ(Build(keys), "2\r\n\r\n\r\n\r\n\r\n2\r\nTrue\r\n") << "a combo box without the property gives its index";
    ASSERT_TRUE(form->RestoreScheme(keys, "1\r\nx\r\nx\r\nx\r\nx\r\n0\r\nFalse\r\n"));
    EXPECT_EQ(cbo07->ItemIndex(), 0);
    EXPECT_FALSE(chk10->Checked());
}

TEST_F(SchemeText, EveryPropertyKindIsWrittenAndReadBack) {
    auto* probe = Add<TKindsProbe>(form, "probe");
    probe->Count = -42;
    probe->Letter = 'Z';
    probe->Ratio = 2.5;
    probe->Flags = 5;
    probe->Kind = TProbeKind::pk_Two;
    probe->Flag = true;
    probe->Note = "备注 text";
    const std::string keys =
        "probe.count;probe.letter;probe.ratio;probe.flags;probe.kind;probe.flag;probe.note;cbo07.font;cbo07.onchange";
    const std::string text = Build(keys);
    EXPECT_EQ(text, "-42\r\n90\r\n2.5\r\n5\r\npk_Two\r\nTrue\r\n备注 text\r\n\r\n\r\n")
        << "objects and events give empty lines";
    auto* copy = Add<TKindsProbe>(form, "copy");
    std::string copyKeys = keys;
    for (size_t at = copyKeys.find("probe."); at != std::string::npos; at = copyKeys.find("probe.", at))
        copyKeys.replace(at, 5, "copy");
    ASSERT_TRUE(form->RestoreScheme(copyKeys, text));
    EXPECT_EQ(copy->Count, -42);
    EXPECT_EQ(copy->Letter, 'Z');
    EXPECT_EQ(copy->Ratio, 2.5);
    EXPECT_EQ(copy->Flags, 5);
    EXPECT_EQ(copy->Kind, TProbeKind::pk_Two);
    EXPECT_TRUE(copy->Flag);
    EXPECT_EQ(copy->Note, "备注 text");
}

TEST_F(SchemeText, MalformedTextsStopTheRestoreAndKeepWhatWasRestored) {
    struct Case {
        const char* what;
        std::string keys, values;
        bool result;
        int itemIndex;  // of cbo07 afterwards (starts at 2)
        bool checked;   // of chk10 afterwards (starts ticked)
    };
    const Case cases[] = {
        {"a number that is no number", "chk10.checked;cbo07.itemindex;", "False\r\nabc\r\n", false, 2, false},
        {"a number with a fraction", "cbo07.itemindex;", "1.5\r\n", false, 2, true},
        {"a number beyond the integers", "cbo07.itemindex;", "99999999999\r\n", false, 2, true},
        {"the first failure ends the restore", "cbo07.itemindex;chk10.checked;", "x\r\nFalse\r\n", false, 2, true},
        {"an unknown enumeration name", "cbo07.itemindex;chk10.checked;", "0\r\nMaybe\r\n", false, 0, true},
        {"missing lines read as empty", "cbo07.itemindex;chk10.checked;", "1\r\n", false, 1, true},
        {"a missing empty last line", "cbo07.itemindex;nosuch.text;", "1\r\n", true, 1, true},
        {"no value text at all", "cbo07.itemindex;", "", false, 2, true},
        {"extra lines restore nothing", "cbo07.itemindex;", "1\r\n2\r\n3\r\n", false, 2, true},
        {"a value that held a line break", "cbo07.itemindex;chk10.checked;", "1\r\nA\r\nB\r\nFalse\r\n", false,
         2, true},
        {"a line without CR LF", "cbo07.itemindex", "0", true, 0, true},
        {"keys without a dot are skipped", "cbo07;chk10.checked", "1\r\nFalse\r\n", true, 2, false},
        {"a missing component is skipped", "nosuch.text;cbo07.itemindex", "zz\r\n0\r\n", true, 0, true},
        {"an unknown panel style leaves the panel", "sp05.style;cbo07.itemindex", "sp_Other" + F + "x\r\n1\r\n",
         true, 1, true},
        {"no keys and no values", "", "", true, 2, true},
        {"no keys but a value", "", "1\r\n", false, 2, true},
    };
    for (const Case& c : cases) {
        cbo07->SetItemIndex(2);
        chk10->SetChecked(true);
        EXPECT_EQ(form->RestoreScheme(c.keys, c.values), c.result) << c.what;
        EXPECT_EQ(cbo07->ItemIndex(), c.itemIndex) << c.what;
        EXPECT_EQ(chk10->Checked(), c.checked) << c.what;
        EXPECT_EQ(sp05->ListView->ItemCount(), 1) << c.what;
    }
}

// --- Date fields in schemes ---------------------------------------------------------------------

class SchemeDates : public SchemeText {
protected:
    void SetUp() override {
        SchemeText::SetUp();
        edFrom = Add<TMaskEdit>(form, "edFrom");
        edFrom->SetText("2024/03/15");
        sp02 = Add<TSelectPanel>(form, "sp02");
        sp02->BeginEdit->SetText("2024/03/15");
        sp02->FinalEdit->SetText("2024/03/20");
        form->DateFields = "sp02,edFrom,edPrintDate";
    }
    static std::string Entry(std::vector<std::string> fields) {
        std::string entry;
        for (size_t i = 0; i < fields.size(); ++i) entry += (i ? F : "") + fields[i];
        return entry;
    }
    TMaskEdit* edFrom = nullptr;
    TSelectPanel* sp02 = nullptr;
};

TEST_F(SchemeDates, WithoutADateEnvironmentDatesAreKeptAsShown) {
    EXPECT_EQ(Build("edFrom.text;sp02.style;"), "20240315\r\nsp_Range" + F + "20240315" + F + "20240320\r\n");
}

TEST_F(SchemeDates, TheDateEnvironmentMovesTheSavedDates) {
    // Single: first day of the previous month. Range: first and last day of the previous month.
    form->DateEnvironment->Add(Entry({"1", "edFrom", "Y", "-1", "1", "1", "0", "D"}));
    form->DateEnvironment->Add(Entry({"0", "sp02", "Y", "-1", "1", "1", "0", "Y", "-1", "1", "2", "0", "D"}));
    EXPECT_EQ(Build("edFrom.text;sp02.style;"), "20240201\r\nsp_Range" + F + "20240201" + F + "20240229\r\n");

    form->DateEnvironment->Clear();
    form->DateEnvironment->Add(Entry({"1", "edFrom", "N", "-1", "1", "1", "0", "D"}));
    form->DateEnvironment->Add(Entry({"0", "sp02", "Y", "0", "0", "0", "0", "N", "5", "1", "1", "0", "D"}));
    EXPECT_EQ(Build("edFrom.text;sp02.style;"), "20240315\r\nsp_Range" + F + "20240315" + F + "20240320\r\n")
        << "unticked rows and all-zero rules keep the date";
}

TEST_F(SchemeDates, AnEnvironmentWithoutAnEntryForAFieldSavesNoDate) {
    form->DateEnvironment->Add(Entry({"1", "edOther", "Y", "1", "0", "0", "0", "D"}));
    EXPECT_EQ(Build("edFrom.text;sp02.style;chk10.checked"), "\r\nsp_Range" + F + "\r\nTrue\r\n");
}

TEST_F(SchemeDates, AnEnvironmentThatDoesNotFitMakesTheSaveFail) {
    const std::string cases[] = {
        Entry({"0", "edFrom", "Y", "-1", "1", "1", "0", "Y", "-1", "1", "2", "0", "D"}),  // a range rule
        Entry({"1", "edFrom", "Y", "x", "1", "0", "0", "D"}),                             // N is no number
    };
    for (const std::string& entry : cases) {
        form->DateEnvironment->Clear();
        form->DateEnvironment->Add(entry);
        std::string values = "unchanged";
        EXPECT_FALSE(form->BuildSchemeValues("chk10.checked;edFrom.text", values)) << entry;
        EXPECT_EQ(values, "") << entry;
    }
}

TEST_F(SchemeDates, RestoredDatesAreShownInTheLayoutOfThisMachine) {
    Layout(form, "2", "-");
    ASSERT_TRUE(form->RestoreScheme("edFrom.text;sp02.style",
                                    "20240201\r\nsp_Range" + F + "20240101" + F + "20240229\r\n"));
    EXPECT_EQ(edFrom->EditMask(), "99-99-9999;1; ");
    EXPECT_EQ(edFrom->Text(), "02-01-2024");
    EXPECT_EQ(sp02->EditMask(), "99-99-9999;1; ");
    EXPECT_EQ(sp02->BeginEdit->Text(), "01-01-2024");
    EXPECT_EQ(sp02->FinalEdit->Text(), "02-29-2024");

    ASSERT_TRUE(form->RestoreScheme("edFrom.text", "20240230\r\n"));
    EXPECT_EQ(edFrom->Text(), "  -  -    ") << "no valid date shows empty";
}

TEST(ShiftDate, MovesByWeeksAndMonths) {
    struct Case {
        const char *base, *n, *unit, *m, *anchor, *result;
    };
    const Case cases[] = {
        {"20240315", "-1", "1", "0", "1", "20240201"},  // month before, first day
        {"20240315", "-1", "1", "0", "2", "20240229"},  // month before, last day
        {"20240315", "0", "0", "0", "1", "20240310"},   // this week's Sunday
        {"20240315", "0", "0", "0", "2", "20240316"},   // this week's Saturday
        {"20240315", "0", "0", "-1", "0", "20240314"},
        {"20240315", "1", "0", "2", "0", "20240324"},
        {"20240315", "1", "1", "-1", "0", "20240414"},
        {"20240315", "-2", "0", "0", "1", "20240225"},
        {"20240131", "1", "1", "0", "0", "20240229"},
        {"20240310", "0", "0", "0", "1", "20240310"},   // a Sunday is its own first day
        {"20240316", "0", "0", "0", "2", "20240316"},   // a Saturday its own last day
        {"202403", "-3", "1", "9", "2", "202312"},      // a year-month moves by months only
        {"", "1", "1", "0", "0", ""},
        {"2024ab15", "1", "1", "0", "0", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShiftDate(c.base, c.n, c.unit, c.m, c.anchor), c.result)
            << c.base << " " << c.n << " " << c.unit << " " << c.m << " " << c.anchor;
    EXPECT_THROW(ShiftDate("20240315", "x", "1", "0", "0"), EConvertError);
    EXPECT_THROW(ShiftDate("20240315", "1", "0", "", "0"), EConvertError);
}

}  // namespace
