// The report level: output kinds, date layout, footer and sign-off text sets, layout code, its
// entries in the package, and when direct query, design and web report are offered.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ExtPageControl.h"
#include "controls/BitCheckBox.h"
#include "controls/F2Button.h"
#include "fixture/FormFixture.h"
#include "forms/report/BaseRpt.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Mask.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;

namespace {

// The report level as a program's form: it has no conditions of its own.
class TfrmTestRpt : public TfrmBaseRpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseRpt::TfrmBaseRpt;
};

const ClassInfo& TfrmTestRpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmTestRpt", &TfrmBaseRpt::StaticClass());
        c.Creatable<TfrmTestRpt>();
        return c;
    }();
    return info;
}

Variant Row(std::vector<Variant> items) { return Variant::ArrayOf(std::move(items)); }

// The "CMSMT" row of the program: footer 001 that the user may change, sign-off 002 locked.
Variant DefaultTexts() {
    return Row({"001", "Y", "", "脚一", "脚二", "脚三", "002", "N", "", "签一", "签二", "签三"});
}

class BaseRpt : public FormTest {
protected:
    BaseRpt() {
        RegisterClass(TfrmTestRpt::StaticClass());
        RegisterFormResource("TfrmTestRpt", "inherited frmKVTR42Rpt: TfrmTestRpt\nend\n");
        fakes_.Manager().SetMessage("I", "000005", "至少选择一种输出%s");
        fakes_.Manager().SetMessage("W", "000004", "%s不存在");
        fakes_.Manager().SetMessage("R", "100235", "页脚编号");
        fakes_.Manager().SetMessage("R", "100236", "签核编号");
        fakes_.Validator().SetQueryAnswer("CMSMT", "01", true, DefaultTexts());
        // Numbered text sets [kind, number] -> [number, line 1, line 2, line 3].
        fakes_.Validator().SetQuery("CMSMS", "01", [](const Variant& params, Variant& data) {
            const std::string key = VarToStr(params[0]) + "/" + VarToStr(params[1]);
            if (key == "1/007") data = Row({"007", "七一", "七二", "七三"});
            else if (key == "2/008") data = Row({"008", "八一", "八二", "八三"});
            else return false;
            return true;
        });
    }

    TfrmTestRpt* SetUpForm(bool show = false) {
        auto* form = CreateForm<TfrmTestRpt>();
        EXPECT_TRUE(form->Setup(HostParams()));
        if (show) form->Show();
        dialogs_->Clear();
        fakes_.Log().Clear();
        return form;
    }

    // Leaves an edit as the user does: the focus goes elsewhere.
    static void Leave(TfrmTestRpt* form) { form->btnCancel->SetFocus(); }
    static void Enter(TfrmTestRpt* form, TWinControl* control) {
        form->pgOption->SetActivePage(form->tsOption2);
        control->SetFocus();
    }
    static void Type(TfrmTestRpt* form, const std::string& text) {
        for (char c : text) form->TypeChar(c);
    }

    Variant SentPackage() {
        const RecordedCall* sent = fakes_.Log().Last("ReportServer", "Request");
        return sent ? sent->Args[0] : Variant();
    }
};

TEST_F(BaseRpt, ParametersAndDefaults) {
    fakes_.Counter().SetSysParam("Sys001", "3");
    auto* form = CreateForm<TfrmTestRpt>();
    const int designedWidth = 501;
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->EnvCount, 14);
    EXPECT_EQ(form->ReservedCount, 4);
    EXPECT_EQ(form->ConditionCount, 4);
    EXPECT_EQ(form->ProgramKind, "R");
    EXPECT_EQ(form->Output.OutputKinds, 1);
    EXPECT_EQ(form->Output.FormatCode, "");
    EXPECT_TRUE(form->chkView->Checked());
    EXPECT_FALSE(form->chkDirectPrint->Enabled());
    EXPECT_EQ(form->cboDateType->ItemIndex(), 2);
    EXPECT_EQ(form->cboDateType->Items()->Count(), 5);
    EXPECT_EQ(form->edNote1->MaxLength, 255);
    EXPECT_EQ(form->edSignIn3->MaxLength, 255);
    EXPECT_EQ(form->edNoteID->MaxLength, 6);
    EXPECT_EQ(form->Width(), designedWidth + 80);
    EXPECT_EQ(form->btnOk->Caption(), "后台处理");
    EXPECT_EQ(form->btnWebDesign->Left(), form->btnPeriod->Left() + form->btnPeriod->Width() + 15);
}

TEST_F(BaseRpt, DefaultTextsFillAndLockByTheProgramsRow) {
    auto* form = SetUpForm();
    EXPECT_EQ(form->edNoteID->Text(), "001");
    EXPECT_EQ(form->edNote1->Text(), "脚一");
    EXPECT_EQ(form->edNote3->Text(), "脚三");
    EXPECT_EQ(form->edSignInID->Text(), "002");
    EXPECT_EQ(form->edSignIn2->Text(), "签二");
    EXPECT_TRUE(form->btnNote->Enabled());
    EXPECT_FALSE(form->edNoteID->ReadOnly);
    EXPECT_FALSE(form->btnSignIn->Enabled());
    EXPECT_TRUE(form->edSignInID->ReadOnly);
    EXPECT_TRUE(form->edSignIn3->ReadOnly);
}

TEST_F(BaseRpt, WithoutUsableDefaultsEverythingStaysEditable) {
    struct Case {
        const char* name;
        bool found;
        Variant row;
    };
    const Case cases[] = {
        {"not found", false, Variant()},
        {"empty", true, Variant()},
        {"null", true, Variant::Null()},
        {"short row", true, Row({"001", "N", "", "脚一"})},
    };
    for (const Case& c : cases) {
        fakes_.Validator().SetQueryAnswer("CMSMT", "01", c.found, c.row);
        auto* form = SetUpForm();
        EXPECT_EQ(form->edNoteID->Text(), "") << c.name;
        EXPECT_EQ(form->edNote1->Text(), "") << c.name;
        EXPECT_TRUE(form->btnNote->Enabled()) << c.name;
        EXPECT_TRUE(form->btnSignIn->Enabled()) << c.name;
        EXPECT_FALSE(form->edNoteID->ReadOnly) << c.name;
        EXPECT_FALSE(form->edSignIn1->ReadOnly) << c.name;
        EXPECT_TRUE(Boxes().empty()) << c.name;
    }
}

TEST_F(BaseRpt, OutputKindsFollowTheBoxesButNeverBecomeNone) {
    auto* form = SetUpForm();
    form->chkHTML->Click();
    EXPECT_EQ(form->Output.OutputKinds, 3);
    form->chkView->Click();
    EXPECT_EQ(form->Output.OutputKinds, 2);
    form->chkHTML->Click();
    EXPECT_FALSE(form->chkHTML->Checked()) << "the box stays as the user left it";
    EXPECT_EQ(form->Output.OutputKinds, 2);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"至少选择一种输出"});
}

TEST_F(BaseRpt, TheEntriesOfTheLevelTravelWithTheRequest) {
    auto* form = SetUpForm();
    form->chkHTML->Click();
    form->chkNoteEPPrint->Click();
    form->SetFormatCode("  b  ");
    form->btnOk->Click();
    const Variant package = SentPackage();
    ASSERT_TRUE(package.IsArray());
    const Variant& env = package[0];
    EXPECT_EQ(env.HighBound(), 14);
    EXPECT_EQ(env[13], Variant(3));
    EXPECT_EQ(env[14], Variant("B"));
    const Variant& texts = package[1];
    const Variant& values = package[2];
    ASSERT_EQ(texts.HighBound(), 4);
    EXPECT_EQ(texts[1], Row({"签核", "grpSignIn"}));
    EXPECT_EQ(texts[2], Row({"页脚", "grpNote"}));
    EXPECT_EQ(texts[3], Row({"日期类型", "cboDateType"}));
    EXPECT_EQ(texts[4], Row({"制表日期", "edPrintDate"}));
    EXPECT_EQ(values[1], Row({"每页打印签核", false, "002", "签一", "签二", "签三"}));
    EXPECT_EQ(values[2], Row({"每页打印页脚", true, "001", "脚一", "脚二", "脚三"}));
    EXPECT_EQ(values[3], Row({1, "公历 YYYYMMDD"}));
}

TEST_F(BaseRpt, FormatCodesAreUpperCaseTrimmedAndCut) {
    auto* form = SetUpForm();
    const std::pair<const char*, const char*> cases[] = {
        {"abcdefghijkl", "ABCDEFGHIJ"}, {" d ", "D"}, {"", ""}, {"  0123456789X ", "0123456789"}};
    for (const auto& [given, stored] : cases) {
        form->SetFormatCode(given);
        EXPECT_EQ(form->Output.FormatCode, stored) << given;
    }
}

TEST_F(BaseRpt, WithoutTheMinguoCalendarThreeLayoutsRemain) {
    struct Case {
        const char* type;
        int index;
        const char* text;
    };
    const Case cases[] = {{"2", 1, "公历 MMDDYYYY"}, {"4", -1, ""}, {"5", -1, ""}};
    for (const Case& c : cases) {
        fakes_.Counter().SetSysParam("SYS026", "2");
        fakes_.Counter().SetSysParam("Sys001", c.type);
        auto* form = SetUpForm();
        EXPECT_EQ(form->cboDateType->Items()->Count(), 3) << c.type;
        EXPECT_EQ(form->cboDateType->ItemIndex(), c.index) << c.type;
        Variant values = Variant::Array(1, 4);
        ASSERT_TRUE(form->GetConditionValues(values, 0));
        EXPECT_EQ(values[3], Row({c.index + 1, c.text})) << c.type;
    }
}

TEST_F(BaseRpt, LeavingAnUnchangedNumberAsksNothing) {
    auto* form = SetUpForm(true);
    Enter(form, form->edNoteID);
    Leave(form);
    EXPECT_EQ(fakes_.Log().Count("Validator", "CheckValue"), 0);
    EXPECT_EQ(form->edNote1->Text(), "脚一");
}

TEST_F(BaseRpt, ClearingANumberClearsItsLinesWithoutAQuery) {
    auto* form = SetUpForm(true);
    Enter(form, form->edNoteID);
    form->edNoteID->SetText("");
    Leave(form);
    EXPECT_EQ(fakes_.Log().Count("Validator", "CheckValue"), 0);
    for (TEdit* line : {form->edNote1, form->edNote2, form->edNote3}) EXPECT_EQ(line->Text(), "");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BaseRpt, ATypedNumberFillsItsLinesFromTheServer) {
    auto* form = SetUpForm(true);
    Enter(form, form->edNoteID);
    form->edNoteID->SelectAll();
    Type(form, "007");
    Leave(form);
    const RecordedCall* asked = fakes_.Log().Last("Validator", "CheckValue");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->Args[0], Variant("CMSMS"));
    EXPECT_EQ(asked->Args[3], Row({"1", "007"}));
    EXPECT_EQ(form->edNoteID->Text(), "007");
    EXPECT_EQ(form->edNote1->Text(), "七一");
    EXPECT_EQ(form->edNote3->Text(), "七三");
}

TEST_F(BaseRpt, AnUnknownNumberIsRefusedAndTheFocusReturns) {
    struct Case {
        const char* name;
        bool signIn;
        const char* typed;
        const char* box;
    };
    const Case cases[] = {
        {"letters", false, "abc", "页脚编号不存在"},
        {"unknown sign-off", true, "999", "签核编号不存在"},
    };
    for (const Case& c : cases) {
        fakes_.Validator().SetQueryAnswer("CMSMT", "01", true,
                                          Row({"001", "Y", "", "a", "b", "c", "002", "Y", "", "d", "e", "f"}));
        auto* form = SetUpForm(true);
        TEdit* number = c.signIn ? form->edSignInID : form->edNoteID;
        Enter(form, number);
        number->SelectAll();
        Type(form, c.typed);
        Leave(form);
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box}) << c.name;
        EXPECT_EQ(number->Text(), "") << c.name;
        EXPECT_EQ((c.signIn ? form->edSignIn1 : form->edNote1)->Text(), "") << c.name;
        EXPECT_EQ(form->ActiveControl(), number) << c.name;
    }
}

TEST_F(BaseRpt, NumbersLongerThanSixCharactersCannotBeTyped) {
    auto* form = SetUpForm(true);
    Enter(form, form->edNoteID);
    form->edNoteID->SelectAll();
    Type(form, "123456789012");
    EXPECT_EQ(form->edNoteID->Text(), "123456");
}

TEST_F(BaseRpt, F2FillsTheTextSetAndLeavingItAsksNothing) {
    fakes_.F2Window().Lookups[{"CMSMS", "01"}] = Row({"009", "九号", "九一", "九二", "九三"});
    auto* form = SetUpForm(true);
    Enter(form, form->edNoteID);
    form->QuickPick(VK_F2, form->edNoteID);
    const RecordedCall* asked = fakes_.Log().Last("F2Window", "F2GetData");
    ASSERT_NE(asked, nullptr);
    const Variant& request = asked->Args[0];
    EXPECT_EQ(request[2], Row({"1"}));
    EXPECT_EQ(request[3], Variant(false));
    EXPECT_EQ(form->edNoteID->Text(), "009");
    EXPECT_EQ(form->edNote1->Text(), "九一");
    EXPECT_EQ(form->edNote3->Text(), "九三");
    EXPECT_EQ(form->Output.LastTextSetId, "009");
    Leave(form);
    EXPECT_EQ(fakes_.Log().Count("Validator", "CheckValue"), 0);
    EXPECT_EQ(form->edNote1->Text(), "九一");
}

TEST_F(BaseRpt, F2WithoutAnAnswerChangesNothing) {
    auto* form = SetUpForm(true);
    form->QuickPick(VK_F2, form->edSignInID);
    EXPECT_EQ(fakes_.Log().Last("F2Window", "F2GetData")->Args[0][2], Row({"2"}));
    EXPECT_EQ(form->edSignInID->Text(), "002");
    EXPECT_EQ(form->edSignIn1->Text(), "签一");
}

TEST_F(BaseRpt, SchemesKeepFooterAndSignOff) {
    auto* form = SetUpForm();
    EXPECT_EQ(form->SchemeKeys,
              "edNoteID.text;edNote1.text;edNote2.text;edNote3.text;chkNoteEPPrint.checked;"
              "edSignInID.text;edSignIn1.text;edSignIn2.text;edSignIn3.text;chkSignInEPPrint.checked;");
    EXPECT_TRUE(form->pnlCondition->Visible());
}

TEST_F(BaseRpt, ResetOptionsUnchecksDirectPrint) {
    auto* form = SetUpForm();
    form->chkDirectPrint->SetChecked(true);
    form->ResetOptions();
    EXPECT_FALSE(form->chkDirectPrint->Checked());
}

TEST_F(BaseRpt, TheSystemPageIsLaidOutOnFirstShow) {
    auto* form = SetUpForm(true);
    form->pgOption->SetActivePage(form->tsOption2);
    EXPECT_GE(form->Height(), 460);
    EXPECT_GE(form->Width(), 585);
    struct Case {
        TControl* control;
        int left, top;
    };
    const Case cases[] = {{form->edPrintDate, 70, 5},  {form->cboDateType, 280, 5}, {form->grpGenType, 242, 31},
                          {form->chkHTML, 8, 28},      {form->grpNote, 8, 152},     {form->edNote2, 53, 54},
                          {form->grpSignIn, 8, 256},   {form->lblSignIn1, 9, 38},   {form->chkSignInEPPrint, 148, 16}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.control->Left(), c.left) << c.control->Name();
        EXPECT_EQ(c.control->Top(), c.top) << c.control->Name();
    }
    EXPECT_EQ(form->edNote1->Width(), 365);
    EXPECT_EQ(form->grpGenTime->Top(), 31);
    EXPECT_EQ(form->grpGenTime->Width(), 225);
    EXPECT_EQ(form->grpNote->TabOrder(), 5);
}

TEST_F(BaseRpt, QueryAndDesignAreOfferedOnlyForALocalServerWithoutPeriodicMode) {
    struct Case {
        const char* name;
        const char* address;
        bool noDirectQuery;
        bool query, design;
    };
    const Case cases[] = {
        {"local", "127.0.0.1", false, true, true},
        {"local, program without direct query", "127.0.0.1", true, false, true},
    };
    for (const Case& c : cases) {
        installation_.reset();
        installation_ = std::make_unique<TempInstallation>(c.address);
        fakes_.Validator().SetProgram("KVTR42", "叫修单列表", false, c.noDirectQuery);
        auto* form = SetUpForm();
        EXPECT_EQ(form->btnQuery->Enabled(), c.query) << c.name;
        EXPECT_EQ(form->btnDesign->Enabled(), c.design) << c.name;
        form->btnPeriod->Click();
        EXPECT_FALSE(form->btnQuery->Enabled()) << c.name;
        EXPECT_FALSE(form->btnDesign->Enabled()) << c.name;
        EXPECT_FALSE(form->btnWebDesign->Enabled()) << c.name;
        form->btnPeriod->Click();
        EXPECT_EQ(form->btnQuery->Enabled(), c.query) << c.name;
        EXPECT_EQ(form->btnDesign->Enabled(), c.design) << c.name;
        EXPECT_TRUE(form->btnWebDesign->Enabled()) << c.name;
    }
}

TEST_F(BaseRpt, ARemoteServerOffersNoQueryEvenWhenSetUpFails) {
    installation_.reset();
    installation_ = std::make_unique<TempInstallation>("127.0.0.2");
    auto* form = CreateForm<TfrmTestRpt>();
    EXPECT_FALSE(form->Setup(HostParams()));
    EXPECT_FALSE(form->btnQuery->Enabled());
    EXPECT_FALSE(form->btnDesign->Enabled());
}

TEST_F(BaseRpt, TheWebReportButtonFollowsSys181) {
    for (const char* value : {"Y", "N"}) {
        fakes_.Counter().SetSysParam("SYS181", value);
        auto* form = SetUpForm(true);
        EXPECT_EQ(form->btnWebDesign->Visible(), std::string(value) != "N") << value;
    }
}

}  // namespace
