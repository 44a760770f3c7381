#include "BaseOptScheduleFixture.h"

#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

namespace znp::test {

namespace {

constexpr const char* kDynOptForm = R"(inherited frmKVTR42Dyn: TfrmDynOpt
  inherited pgOption: TExtPageControl
    inherited tsOption1: TTabSheet
      object sp02: TSelectPanel
        Left = 8
        Top = 8
        Width = 300
        Height = 60
        Caption = '单据日期'
        TabOrder = 0
      end
      object edDue: TMaskEdit
        Left = 8
        Top = 80
        Width = 100
        Height = 21
        TabOrder = 1
      end
      object edOwn: TEdit
        Left = 8
        Top = 110
        Width = 100
        Height = 21
        TabOrder = 2
      end
      object edLoose: TMaskEdit
        Left = 8
        Top = 140
        Width = 100
        Height = 21
        TabOrder = 3
      end
    end
  end
end
)";

}  // namespace

const ClassInfo& TfrmDynOpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmDynOpt", &TfrmBaseOpt::StaticClass());
        c.Creatable<TfrmDynOpt>();
        return c;
    }();
    return info;
}

void TfrmDynOpt::InitFormParams() {
    TfrmBaseOpt::InitFormParams();
    SetDateFields("sp02,edDue,edLoose");
    SetConditionCount(3);
}

bool TfrmDynOpt::GetConditionTexts(Variant& texts, int count) {
    if (!TfrmBaseOpt::GetConditionTexts(texts, count)) return false;
    texts[1] = Variant::ArrayOf({Variant("单据日期"), Variant("sp02")});
    texts[2] = Variant::ArrayOf({Variant("到期日"), Variant("edDue")});
    texts[3] = Variant::ArrayOf({Variant("备注"), Variant("edOwn")});
    return true;
}

bool TfrmDynOpt::GetConditionValues(Variant& values, int count) {
    if (!TfrmBaseOpt::GetConditionValues(values, count)) return false;
    auto* panel = dynamic_cast<TSelectPanel*>(FindComponent("sp02"));
    PutDateRange(panel->BeginEdit->Text(), panel->FinalEdit->Text(), 1, values);
    values[2] = Variant(DisplayToDateText(FindComponent("edDue") ? dynamic_cast<TControl*>(FindComponent("edDue"))->Text() : ""));
    values[3] = Variant(dynamic_cast<TControl*>(FindComponent("edOwn"))->Text());
    return true;
}

double DateAt(int year, int month, int day, int hour, int minute) {
    double date = 0;
    TryEncodeDate(year, month, day, date);
    return date + (hour * 60 + minute) / 1440.0;
}

ScheduleTest::ScheduleTest() : clock_(DateAt(2024, 5, 1, 9, 0)) {
    RegisterClass(TfrmDynOpt::StaticClass());
    RegisterFormResource("TfrmDynOpt", kDynOptForm);
    fakes_.Manager().SetMessage("E", "100082", "%s不能早于%s");
    fakes_.Manager().SetMessage("E", "000005", "日期错误%s");
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
}

TfrmDynOpt* ScheduleTest::SetUpForm() {
    auto* form = CreateForm<TfrmDynOpt>();
    EXPECT_TRUE(form->Setup(HostParams()));
    form->Show();
    dialogs_->Clear();
    fakes_.Log().Clear();
    return form;
}

TfrmDynOpt* ScheduleTest::PeriodicForm() {
    auto* form = SetUpForm();
    form->btnPeriod->Click();
    EXPECT_TRUE(form->btnPeriod->Down());
    return form;
}

Variant ScheduleTest::Sent() {
    const RecordedCall* sent = fakes_.Log().Last("ReportServer", "Request");
    return sent ? sent->Args[0] : Variant();
}

void ScheduleTest::Pick(TfrmBaseOpt* form, const char* combo, int index) { Get<TComboBox>(form, combo)->SelectItem(index); }

void ScheduleTest::EnterAndLeave(TfrmBaseOpt* form, const char* control) {
    Get<TWinControl>(form, control)->SetFocus();
    if (form->Panel1->CanFocus()) form->Panel1->SetFocus();
}

}  // namespace znp::test
