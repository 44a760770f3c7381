#include <gtest/gtest.h>

#include "StdCtrlsTestForm.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Grids.h"
#include "platform/Mask.h"
#include "platform/Spin.h"
#include "platform/StandardClasses.h"

using namespace znp;

namespace {

class TfrmStandard : public TForm {
public:
    ZNP_DECLARE_CLASS()
    using TForm::TForm;
    void Log(TObject* sender) { events.push_back(static_cast<TComponent*>(sender)->Name()); }
    void PageChanging(TObject*, bool& allow) { allow = allowPageChange; }
    std::vector<std::string> events;
    bool allowPageChange = true;
    template <class T>
    T* Get(const char* name) const {
        auto* c = dynamic_cast<T*>(FindComponent(name));
        if (!c) throw Exception(std::string("missing ") + name);
        return c;
    }
};

const ClassInfo& TfrmStandard::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmStandard", &TForm::StaticClass());
        c.Creatable<TfrmStandard>();
        c.Method("Log", &TfrmStandard::Log);
        c.Method("PageChanging", &TfrmStandard::PageChanging);
        return c;
    }();
    return info;
}

const char* const kForm = R"(object frmStandard: TfrmStandard
  Caption = 'Standard'
  object ImageList1: TImageList
    Width = 18
    Height = 18
  end
  object muList: TPopupMenu
    Images = ImageList1
    object N1: TMenuItem
      Caption = '&Open'
      ImageIndex = 2
      OnClick = Log
      object N11: TMenuItem
        Caption = 'Sub'
      end
    end
    object N2: TMenuItem
      Caption = 'Large'
      RadioItem = True
      Checked = True
    end
  end
  object ToolBar1: TToolBar
    Flat = True
    Images = ImageList1
    ButtonWidth = 25
    object btnView: TToolButton
      Style = tbsDropDown
      ImageIndex = 4
      DropdownMenu = muList
    end
  end
  object pg: TPageControl
    ActivePage = ts2
    OnChanging = PageChanging
    OnChange = Log
    object ts1: TTabSheet
      Caption = 'One'
      object lblName: TLabel
        Caption = 'Name'
        FocusControl = edName
      end
      object edName: TEdit
        OnChange = Log
        Text = 'abc'
        MaxLength = 10
        CharCase = ecUpperCase
      end
      object meDate: TMaskEdit
        EditMask = '9999/99/99;1;_'
        Text = '2024/01/02'
      end
      object cboKind: TComboBox
        Style = csDropDownList
        ItemIndex = 1
        Items.Strings = (
          'first'
          'second')
      end
    end
    object ts2: TTabSheet
      Caption = 'Two'
      object chkDetail: TCheckBox
        Caption = 'Detail'
        OnClick = Log
        Checked = True
      end
      object rdoA: TRadioButton
        Checked = True
      end
      object rdoB: TRadioButton
        Checked = True
      end
      object rg: TRadioGroup
        ItemIndex = 1
        Columns = 2
        Items.Strings = (
          'x'
          'y')
      end
      object seDay: TSpinEdit
        MinValue = 1
        MaxValue = 31
        Value = 40
      end
      object memo: TMemo
        Lines.Strings = (
          'line 1'
          'line 2')
        ScrollBars = ssVertical
      end
    end
  end
  object lst: TListView
    ViewStyle = vsReport
    SortType = stText
    LargeImages = ImageList1
    IconOptions.AutoArrange = True
    OnDblClick = Log
  end
  object grid: TStringGrid
    ColCount = 3
    RowCount = 2
    Options = [goFixedVertLine, goEditing]
  end
  object pnlButtons: TPanel
    Align = alBottom
    BevelOuter = bvNone
    Caption = ' '
    object btnOk: TBitBtn
      Kind = bkOK
      Caption = 'OK!'
      OnClick = Log
    end
    object sbA: TSpeedButton
      GroupIndex = 1
      Down = True
      Flat = True
    end
    object Splitter1: TSplitter
      Width = 3
    end
    object aniWait: TAnimate
      CommonAVI = aviCopyFiles
      Active = True
    end
  end
end)";

TEST(StandardClasses, AFormFileBuildsEveryStandardControl) {
    RegisterStandardClasses();
    RegisterStandardClasses();
    RegisterFormResource("TfrmStandard", kForm);
    auto* form = Construct<TfrmStandard>(nullptr);
    struct Free {
        TObject* o;
        ~Free() { TObject::Free(o); }
    } guard{form};

    // Nothing was raised while the form was read.
    EXPECT_TRUE(form->events.empty());

    auto* menu = form->Get<TPopupMenu>("muList");
    ASSERT_EQ(menu->Items()->Count(), 2);
    EXPECT_EQ(menu->Items()->Items(0)->Items(0), form->Get<TMenuItem>("N11"));
    EXPECT_EQ(menu->Images, form->Get<TImageList>("ImageList1"));
    EXPECT_TRUE(form->Get<TMenuItem>("N2")->Checked());
    EXPECT_EQ(form->Get<TToolButton>("btnView")->DropdownMenu, menu);
    EXPECT_EQ(form->Get<TToolButton>("btnView")->ToolBar(), form->Get<TToolBar>("ToolBar1"));
    EXPECT_EQ(form->Get<TImageList>("ImageList1")->Width(), 18);

    auto* pg = form->Get<TPageControl>("pg");
    EXPECT_EQ(pg->PageCount(), 2);
    EXPECT_EQ(pg->ActivePage(), form->Get<TTabSheet>("ts2"));
    EXPECT_FALSE(form->Get<TTabSheet>("ts1")->Visible());
    EXPECT_EQ(form->Get<TEdit>("edName")->Parent(), form->Get<TTabSheet>("ts1"));

    EXPECT_EQ(form->Get<TLabel>("lblName")->FocusControl, form->Get<TEdit>("edName"));
    EXPECT_EQ(form->Get<TEdit>("edName")->Text(), "ABC");
    EXPECT_EQ(form->Get<TMaskEdit>("meDate")->EditText(), "2024/01/02");
    EXPECT_EQ(form->Get<TComboBox>("cboKind")->Text(), "second");  // ItemIndex came before the items
    EXPECT_TRUE(form->Get<TCheckBox>("chkDetail")->Checked());
    EXPECT_FALSE(form->Get<TRadioButton>("rdoA")->Checked());
    EXPECT_TRUE(form->Get<TRadioButton>("rdoB")->Checked());
    EXPECT_EQ(form->Get<TRadioGroup>("rg")->ItemIndex(), 1);
    EXPECT_EQ(form->Get<TSpinEdit>("seDay")->Text(), "31");
    EXPECT_EQ(form->Get<TMemo>("memo")->Lines()->Count(), 2);
    EXPECT_EQ(form->Get<TMemo>("memo")->Text(), "line 1\r\nline 2\r\n");
    EXPECT_EQ(form->Get<TListView>("lst")->ViewStyle, TViewStyle::vsReport);
    EXPECT_TRUE(form->Get<TListView>("lst")->IconOptions()->AutoArrange);
    EXPECT_EQ(form->Get<TStringGrid>("grid")->Options, goFixedVertLine | goEditing);
    EXPECT_EQ(form->Get<TBitBtn>("btnOk")->Caption(), "OK!");
    EXPECT_EQ(form->Get<TBitBtn>("btnOk")->ModalResult, mrOk);
    EXPECT_TRUE(form->Get<TSpeedButton>("sbA")->Down());
    EXPECT_TRUE(form->Get<TAnimate>("aniWait")->Active());

    // The handlers are bound by name.
    form->Get<TBitBtn>("btnOk")->Click();
    form->Get<TMenuItem>("N1")->Click();
    form->Get<TEdit>("edName")->SetText("x");
    form->allowPageChange = false;
    pg->SelectNextPage(true);
    form->allowPageChange = true;
    pg->SelectNextPage(true);
    EXPECT_EQ(form->events, (std::vector<std::string>{"btnOk", "N1", "edName", "pg"}));
    EXPECT_EQ(pg->ActivePage(), form->Get<TTabSheet>("ts1"));
}

TEST(StandardClasses, EnumerationsAreReadAndWrittenByTheirNames) {
    RegisterStandardClasses();
    struct Case {
        const char* className;
        const char* property;
        const char* value;
    };
    const Case cases[] = {
        {"TComboBox", "Style", "csDropDownList"}, {"TListView", "ViewStyle", "vsSmallIcon"},
        {"TListView", "SortType", "stBoth"},      {"TToolButton", "Style", "tbsCheck"},
        {"TBitBtn", "Kind", "bkCancel"},          {"TBitBtn", "Layout", "blGlyphTop"},
        {"TCheckBox", "State", "cbGrayed"},       {"TPanel", "BevelOuter", "bvLowered"},
        {"TAnimate", "CommonAVI", "aviFindFile"}, {"TMemo", "ScrollBars", "ssBoth"},
        {"TLabel", "Layout", "tlCenter"},         {"TEdit", "CharCase", "ecLowerCase"},
    };
    TForm* owner = Construct<TForm>(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + "." + c.property);
        const ClassInfo* cls = FindClass(c.className);
        ASSERT_NE(cls, nullptr);
        TComponent* instance = cls->Create(owner);
        const PropInfo* prop = cls->FindProperty(c.property);
        ASSERT_NE(prop, nullptr);
        ASSERT_EQ(prop->Kind, TypeKind::Enumeration);
        prop->Set(*instance, Variant(prop->ValueOrdinal(c.value)));
        EXPECT_EQ(prop->ValueName(prop->Get(*instance).AsInteger()), c.value);
    }
    TObject::Free(owner);
}

}  // namespace
