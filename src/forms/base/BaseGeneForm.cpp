// The stored form of the base condition form and the publication of its class.
#include "forms/base/BaseGene.h"

#include "platform/FormReader.h"
#include "platform/ListView.h"

namespace znp {

namespace {

constexpr const char* kBaseGeneForm = R"(inherited frmBaseGene: TfrmBaseGene
  Left = 200
  Top = 120
  Width = 501
  Height = 321
  BorderIcons = [biMaximize]
  Caption = 'frmBaseGene'
  Font.Charset = 1
  Font.Height = -13
  Font.Name = '宋体'
  KeyPreview = True
  Position = poScreenCenter
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnKeyDown = FormKeyDown
  OnKeyPress = FormKeyPress
  OnShow = FormShow
  object pnlCondition: TPanel
    Left = 0
    Top = 0
    Width = 151
    Height = 278
    Align = alLeft
    object lblCondition: TLabel
      Left = 1
      Top = 1
      Width = 149
      Height = 21
      Align = alTop
      AutoSize = False
      Caption = ' 条件方案'
    end
    object ToolBar1: TToolBar
      Left = 1
      Top = 22
      Width = 149
      Height = 26
      ButtonHeight = 24
      ButtonWidth = 25
      Flat = True
      Images = ImageList1
      object btnInsert: TToolButton
        Left = 0
        Top = 0
        Caption = '保存(&S)'
        Hint = '保存'
        ImageIndex = 1
        OnClick = btnInsertClick
      end
      object btnOpen: TToolButton
        Left = 25
        Top = 0
        Caption = '开启(&O)'
        Hint = '开启'
        ImageIndex = 2
        OnClick = btnOpenClick
      end
      object btnDelete: TToolButton
        Left = 50
        Top = 0
        Caption = '删除(&D)'
        Hint = '删除'
        ImageIndex = 3
        OnClick = btnDeleteClick
      end
      object ToolButton1: TToolButton
        Left = 75
        Top = 0
        Caption = 'ViewIcon'
        DropdownMenu = mnList
        ImageIndex = 4
        Style = tbsDropDown
        OnClick = ToolButton1Click
      end
    end
    object lstCondition: TListView
      Left = 1
      Top = 48
      Width = 149
      Height = 229
      Align = alClient
      ColumnClick = False
      IconOptions.AutoArrange = True
      LargeImages = ImageList2
      SmallImages = ImageList1
      SortType = stText
      OnDblClick = btnOpenClick
      OnEdited = lstConditionEdited
      OnKeyDown = lstConditionKeyDown
    end
  end
  object Splitter1: TSplitter
    Left = 151
    Top = 0
    Width = 3
    Height = 278
  end
  object pgOption: TExtPageControl
    Left = 154
    Top = 0
    Width = 347
    Height = 278
    Align = alClient
    Hint = '请输入选项条件'
    OnChange = pgOptionChange
    OnChanging = pgOptionChanging
    object tsOption1: TTabSheet
      Caption = '基本选项'
    end
    object tsOption2: TTabSheet
      Caption = '系统选项'
      OnShow = tsOption2Show
      object lblToday: TDBLabel
        Left = 8
        Top = 12
        Caption = '制表日期'
        FocusControl = edPrintDate
        Gap = 4
        Pos = psLeft
        AutoAlign = True
        AutoCaption = True
      end
      object edPrintDate: TMaskEdit
        Left = 60
        Top = 8
        Width = 85
        Height = 21
        Hint = '[F2]日期快手'
        TabOrder = 0
      end
      object btnPrintDate: TF2Button
        Left = 147
        Top = 8
        Width = 21
        Height = 21
        Hint = '日期快手'
        Flat = True
        GlyphIndex = 9
        Gap = 2
        AutoAlign = True
        F2Control = edPrintDate
      end
    end
  end
  object Panel1: TPanel
    Left = 0
    Top = 278
    Width = 501
    Height = 43
    Align = alBottom
    Caption = ' '
    object btnOk: TBitBtn
      Left = 300
      Top = 10
      Width = 90
      Height = 25
      Caption = '确定'
      Hint = '确定'
      TabOrder = 0
      OnClick = btnOkClick
    end
    object btnCancel: TBitBtn
      Left = 400
      Top = 10
      Width = 90
      Height = 25
      Cancel = True
      Caption = '取消'
      Hint = '取消'
      ModalResult = 2
      TabOrder = 1
      OnClick = btnCancelClick
    end
  end
  object muOperation: TPopupMenu
    Images = ImageList1
    object N2: TMenuItem
      Caption = '开启(&O)'
      ImageIndex = 2
      OnClick = btnOpenClick
    end
    object N3: TMenuItem
      Caption = '删除(&D)'
      ImageIndex = 3
      OnClick = btnDeleteClick
    end
  end
  object mnList: TPopupMenu
    object N7: TMenuItem
      Caption = '大型图标(&G)'
      Checked = True
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewIconExecute
    end
    object N8: TMenuItem
      Caption = '小型图标(&M)'
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewSmallIconExecute
    end
    object N9: TMenuItem
      Caption = '清单(&L)'
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewListExecute
    end
    object N10: TMenuItem
      Caption = '详细信息(&D)'
      GroupIndex = 1
      RadioItem = True
      OnClick = ViewReportExecute
    end
  end
  object ImageList1: TImageList
    Height = 18
    Width = 18
  end
  object ImageList2: TImageList
    Height = 24
    Width = 24
  end
  object MainMidas: TSocketConnection
    SupportCallbacks = False
  end
  object ObjBroker: TSimpleObjectBroker
  end
  object ClientDataSet1: TwwClientDataSet
    IndexName = 'Index1'
    IndexFieldNames = 'NCONDITION;CREATOR;PROGRAMME'
    ProviderName = 'pvdConSave'
    RemoteServer = MainMidas
  end
end
)";

}  // namespace

const ClassInfo& TfrmBaseGene::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseGene", &TZNForm::StaticClass());
        c.Creatable<TfrmBaseGene>();
        c.EventReadOnly("OnDateFieldEnter", &TfrmBaseGene::OnDateFieldEnter);
        c.EventReadOnly("OnDateFieldExit", &TfrmBaseGene::OnDateFieldExit);
        c.EventReadOnly("OnRequiredExit", &TfrmBaseGene::OnRequiredExit);
        c.Field("WantLog", &TfrmBaseGene::WantLog);
        c.Method("FormCreate", &TfrmBaseGene::FormCreate);
        c.Method("FormShow", &TfrmBaseGene::FormShow);
        c.Method("FormClose", &TfrmBaseGene::FormClose);
        c.Method("FormDestroy", &TfrmBaseGene::FormDestroy);
        c.Method("FormKeyDown", &TfrmBaseGene::FormKeyDown);
        c.Method("FormKeyPress", &TfrmBaseGene::FormKeyPress);
        c.Method("FormResize", &TfrmBaseGene::FormResize);
        c.Method("btnOkClick", &TfrmBaseGene::btnOkClick);
        c.Method("btnCancelClick", &TfrmBaseGene::btnCancelClick);
        c.Method("btnInsertClick", &TfrmBaseGene::btnInsertClick);
        c.Method("btnOpenClick", &TfrmBaseGene::btnOpenClick);
        c.Method("btnDeleteClick", &TfrmBaseGene::btnDeleteClick);
        c.Method("ToolButton1Click", &TfrmBaseGene::ToolButton1Click);
        c.Method("lstConditionEdited", &TfrmBaseGene::lstConditionEdited);
        c.Method("lstConditionKeyDown", &TfrmBaseGene::lstConditionKeyDown);
        c.Method("pgOptionChange", &TfrmBaseGene::pgOptionChange);
        c.Method("pgOptionChanging", &TfrmBaseGene::pgOptionChanging);
        c.Method("tsOption2Show", &TfrmBaseGene::tsOption2Show);
        c.Method("ViewIconExecute", &TfrmBaseGene::ViewIconExecute);
        c.Method("ViewSmallIconExecute", &TfrmBaseGene::ViewSmallIconExecute);
        c.Method("ViewListExecute", &TfrmBaseGene::ViewListExecute);
        c.Method("ViewReportExecute", &TfrmBaseGene::ViewReportExecute);
        return c;
    }();
    return info;
}

void RegisterBaseGeneClasses() {
    RegisterClass(TfrmBaseGene::StaticClass());
    RegisterFormResource("TfrmBaseGene", kBaseGeneForm);
}

}  // namespace znp
