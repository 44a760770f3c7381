#include "forms/BaseGeneChecksFixture.h"

#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/FormReader.h"

namespace znp::test {

namespace {

constexpr const char* kCheckForm = R"(inherited frmKVTR42Check: TfrmCheckTest
  inherited pgOption: TExtPageControl
    inherited tsOption1: TTabSheet
      object sp05: TSelectPanel
        Left = 8
        Top = 8
        Width = 300
        Height = 45
        Caption = '单据日期'
        Style = sp_Range
        TabOrder = 0
        OnExit = sp05Exit
      end
      object edDate: TMaskEdit
        Left = 8
        Top = 60
        Width = 85
        Height = 21
        TabOrder = 1
        OnExit = edDateExit
      end
      object edPlain: TEdit
        Left = 100
        Top = 60
        TabOrder = 2
      end
      object meNote: TMemo
        Left = 8
        Top = 90
        TabOrder = 3
      end
      object edName: TEdit
        Left = 100
        Top = 90
        TabOrder = 4
      end
      object sp06: TSelectPanel
        Left = 8
        Top = 130
        Width = 300
        Height = 105
        Style = sp_UserChoice
        UserChoice = False
        TabOrder = 5
      end
      object grdList: TStringGrid
        Left = 8
        Top = 240
        ColCount = 3
        RowCount = 2
        TabOrder = 6
      end
      object rgKind: TRadioGroup
        Left = 200
        Top = 240
        TabOrder = 7
        Items.Strings = (
          'A'
          'B')
      end
      object lblNote: TLabel
        Left = 200
        Top = 60
        Caption = 'Note'
      end
    end
    object tsPeriodOption: TTabSheet
      Caption = '周期性设置'
      object edHour: TEdit
        Left = 8
        Top = 8
        TabOrder = 0
      end
    end
  end
  inherited Panel1: TPanel
    object btnPeriod: TSpeedButton
      Left = 8
      Top = 10
      GroupIndex = 1
      AllowAllUp = True
      OnClick = btnPeriodClick
    end
  end
end
)";

}  // namespace

bool TfrmCheckTest::WantF2Window = false;

const ClassInfo& TfrmCheckTest::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmCheckTest", &TfrmTestGene::StaticClass());
        c.Creatable<TfrmCheckTest>();
        c.Method("edDateExit", &TfrmCheckTest::edDateExit);
        c.Method("sp05Exit", &TfrmCheckTest::sp05Exit);
        c.Method("btnPeriodClick", &TfrmCheckTest::btnPeriodClick);
        return c;
    }();
    return info;
}

void TfrmCheckTest::InitFormParams() {
    TfrmTestGene::InitFormParams();
    SetDateFields("sp05,edDate,edPlain");
    if (WantF2Window) F2Flags = 4;
}

void TfrmCheckTest::edDateExit(TObject*) { ++DateExits; }
void TfrmCheckTest::sp05Exit(TObject*) { ++PanelExits; }
void TfrmCheckTest::btnPeriodClick(TObject*) { ++PeriodClicks; }

CheckForm::CheckForm() {
    RegisterClass(TfrmCheckTest::StaticClass());
    RegisterFormResource("TfrmCheckTest", kCheckForm);
    TfrmCheckTest::WantF2Window = false;
}

CheckForm::~CheckForm() = default;

TfrmCheckTest* CheckForm::Shown() {
    auto* form = CreateForm<TfrmCheckTest>();
    EXPECT_TRUE(form->Setup(HostParams()));
    form->Show();
    dialogs_->Clear();
    return form;
}

void CheckForm::Type(TfrmCheckTest* form, const std::string& text) {
    for (char c : text) form->TypeChar(c);
}

}  // namespace znp::test
