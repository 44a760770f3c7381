// The code converter: creation from the client settings, the conversion kinds and directions,
// fonts, message boxes and the conversion of a whole form.
#include <gtest/gtest.h>

#include "Kvtr42C/Automation.h"
#include "Kvtr42C/Exception.h"
#include "platform/Application.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "runtime/CodeConverter.h"
#include "runtime/TranslatorTestSupport.h"
#include "runtime/TrovaneIniTestSupport.h"

using namespace znp;
using namespace znp::test;

namespace {

// An installation whose client settings name the code pages; the converter is owned by a form.
class CodeConverterTest : public znp::testing::InstallationTest {
protected:
    CodeConverterTest() : dialogs_(std::make_shared<ScriptedDialogs>()) { Application().SetDialogs(dialogs_); }
    ~CodeConverterTest() override {
        TObject::Free(form_);
        Application().SetDialogs(std::make_shared<ScriptedDialogs>());
    }

    TCodeConverter* Create(const std::string& machine, const std::string& ui, const std::string& db) {
        SetAnsiCodePage(machine);
        SetTrovane("ClientPath", Mid());
        znp::testing::WriteTextFile(Mid() + "/TrovaneC.ini", "[Server Information]\nComputerName=127.0.0.1\n[CodePage]\n"
                                                             "UICodePage=" + ui + "\nDBCodePage=" + db + "\n");
        if (!form_) form_ = Construct<TForm>(nullptr);
        return new TCodeConverter(form_);
    }

    ScopedTranslatorPath path_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    TForm* form_ = nullptr;
};

TEST_F(CodeConverterTest, CreationTakesTheClientSettings) {
    struct Case {
        const char *machine, *ui, *db;
        int uiKind, dbKind;
        bool translator;
    } cases[] = {
        {"936", "936", "936", 0, 0, false},
        {"936", "950", "936", 2, 2, true},
        {"950", "936", "936", 4, 0, true},
        {"936", "950", "950", 2, 0, true},
        // A GB interface over a Big5 database still needs the translator for its database texts.
        {"936", "936", "950", 0, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.machine) + "/" + c.ui + "/" + c.db);
        TCodeConverter* converter = Create(c.machine, c.ui, c.db);
        EXPECT_EQ(c.machine, converter->SystemCodePage());
        EXPECT_EQ(c.ui, converter->UICodePage());
        EXPECT_EQ(c.db, converter->DBCodePage());
        EXPECT_EQ(c.uiKind, converter->UIConvertKind());
        EXPECT_EQ(c.dbKind, converter->DBConvertKind());
        EXPECT_EQ(c.translator, converter->HasTranslator());
        EXPECT_EQ(TDesignType::dtClient, converter->DesignType);
    }
}

TEST_F(CodeConverterTest, ABig5InterfaceWithoutTheLibraryCannotBeCreated) {
    ScopedTranslatorPath nothing(false);
    try {
        Create("936", "950", "936");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ("Load Library Rirodozada.dll Error!", e.what());
    }
    EXPECT_EQ(0, form_->ComponentCount());
    // Nothing to convert: the library is not needed.
    EXPECT_FALSE(Create("936", "936", "936")->HasTranslator());
}

TEST_F(CodeConverterTest, KindsConvertTextsBothWays) {
    TCodeConverter* c = Create("936", "950", "936");
    const std::string gb = "制表日期 叫修单列表", big5 = Big5(u"制表日期 叫修單列表");
    EXPECT_EQ(Variant(big5), c->ConvertText(2, Variant(gb)));
    EXPECT_EQ(Variant(gb), c->ConvertText(1, Variant(big5)));
    for (int kind : {0, 3, 4, 7}) EXPECT_EQ(Variant(gb), c->ConvertText(kind, Variant(gb))) << kind;
    // Wide texts come back as byte texts.
    EXPECT_EQ(Variant(big5), c->ConvertText(2, Variant(std::u16string(u"制表日期 叫修单列表"))));
    EXPECT_EQ(big5, c->GBToBig5(gb));
    EXPECT_EQ(gb, c->Big5ToGB(big5));
    EXPECT_EQ("", c->GBToBig5(""));
    EXPECT_TRUE(c->ConvertText(2, Variant()).IsEmpty());
    EXPECT_TRUE(c->ConvertText(2, Variant::Null()).IsNull());
}

TEST_F(CodeConverterTest, ArraysAreConvertedElementByElement) {
    TCodeConverter* c = Create("936", "950", "936");
    // One dimension: scalars become texts, nested arrays are converted too, empty stays empty.
    Variant one = Variant::ArrayOf({1, "单", Variant::ArrayOf({"号", 2.5}), Variant(), true});
    Variant converted = c->ConvertText(2, one);
    EXPECT_EQ(Variant::ArrayOf({"1", Big5(u"單"), Variant::ArrayOf({Big5(u"號"), "2.5"}), Variant(), "True"}),
              converted);
    EXPECT_EQ(Variant("单"), one[1]);  // the argument is left alone

    // Two dimensions with bounds that do not start at 0.
    Variant two = Variant::Array({{1, 2}, {3, 4}});
    two.At(1, 3) = "客户";
    two.At(1, 4) = 7;
    two.At(2, 3) = "人员";
    Variant two2 = c->ConvertText(2, two);
    EXPECT_EQ(Variant(Big5(u"客戶")), two2.At(1, 3));
    EXPECT_EQ(Variant("7"), two2.At(1, 4));
    EXPECT_EQ(Variant(Big5(u"人員")), two2.At(2, 3));
    EXPECT_TRUE(two2.At(2, 4).IsEmpty());

    // Kinds without text conversion leave arrays exactly as they were, numbers included.
    EXPECT_EQ(one, c->ConvertText(4, one));
}

TEST_F(CodeConverterTest, ReverseDirectionsSwapTheKinds) {
    TCodeConverter* c = Create("936", "950", "936");
    const std::string gb = "接单人员", big5 = Big5(u"接單人員");
    c->Configure("936", "950", "936", 2, 2);
    EXPECT_EQ(Variant(big5), c->ToUI(Variant(gb)));
    EXPECT_EQ(Variant(gb), c->FromUI(Variant(big5)));
    EXPECT_EQ(Variant(big5), c->DBToUI(Variant(gb)));
    EXPECT_EQ(Variant(gb), c->UIToDB(Variant(big5)));  // kind 2: Big5 -> GB on the way to the database

    c->Configure("936", "936", "950", 0, 1);
    EXPECT_EQ(Variant(gb), c->ToUI(Variant(gb)));
    EXPECT_EQ(Variant(gb), c->DBToUI(Variant(big5)));
    EXPECT_EQ(Variant(big5), c->UIToDB(Variant(gb)));  // kind 1: GB -> Big5

    c->Configure("950", "936", "936", 4, 0);
    EXPECT_EQ(Variant(gb), c->ToUI(Variant(gb)));
    EXPECT_EQ(Variant(gb), c->FromUI(Variant(gb)));
    EXPECT_EQ(Variant(gb), c->UIToDB(Variant(gb)));

    c->Configure("936", "936", "936", 0, 0);
    EXPECT_FALSE(c->HasTranslator());
    EXPECT_EQ(Variant(big5), c->UIToDB(Variant(big5)));
    EXPECT_EQ(Variant(gb), c->ToUI(Variant(gb)));
}

TEST_F(CodeConverterTest, AnErrorOnTheWayOutGivesTheValueUnchanged) {
    TCodeConverter* c = Create("936", "950", "936");
    class Thing : public AutomationObject {
    public:
        Variant Invoke(const std::string&, std::vector<Variant>&) override { return {}; }
        Variant GetProperty(const std::string&) override { return {}; }
        void SetProperty(const std::string&, const Variant&) override {}
    };
    // An object has no text form.
    const Variant object(AutomationRef(std::make_shared<Thing>()));
    EXPECT_EQ(object, c->UIToDB(object));
    EXPECT_EQ(object, c->FromUI(object));
    EXPECT_THROW(c->ToUI(object), Exception);
}

TEST_F(CodeConverterTest, FontsByKind) {
    struct Case {
        int kind;
        const char* name;
        int charset;
    } cases[] = {{0, "SimSun", 134}, {1, "SimSun", 134}, {4, "SimSun", 134},
                 {2, "SimSun", 136}, {3, "SimSun", 136}, {5, "Arial", 0}};
    for (const Case& c : cases) {
        TFont font;
        font.SetName("Arial");
        font.SetCharset(0);
        TCodeConverter::SetFontForKind(c.kind, font);
        EXPECT_EQ(c.name, font.Name()) << c.kind;
        EXPECT_EQ(c.charset, font.Charset()) << c.kind;
    }
}

TEST_F(CodeConverterTest, CaptionIsConvertedOnABig5MachineOnly) {
    TCodeConverter* c = Create("936", "950", "936");
    form_->SetCaption("叫修单列表");
    c->ConvertCaption(*form_);
    EXPECT_EQ("叫修单列表", form_->Caption());
    c->Configure("950", "950", "936", 2, 2);
    c->ConvertCaption(*form_);
    EXPECT_EQ(Big5(u"叫修單列表"), form_->Caption());
}

TEST_F(CodeConverterTest, MessageBoxTakesTheFormAndTheInterfaceFont) {
    TCodeConverter* c = Create("936", "950", "936");
    form_->SetCaption("frm");
    form_->WindowState = TWindowState::wsMinimized;
    dialogs_->AnswerNextBox(mrNo);
    EXPECT_EQ(mrNo, c->ShowMessageBox("abc", TMsgDlgType::mtConfirmation, mbYesNo));
    EXPECT_EQ(TWindowState::wsNormal, form_->WindowState);
    EXPECT_EQ(mrNone, c->ShowMessageBox("", TMsgDlgType::mtError, mbOK));
    c->Configure("950", "950", "936", 2, 2);
    c->ShowMessageBox("abc", TMsgDlgType::mtError, mbOK);

    ASSERT_EQ(2u, dialogs_->Records().size());
    const MessageBoxRequest& first = dialogs_->Records()[0].Request;
    EXPECT_EQ("abc      ", first.Text);  // six blanks on a GB system
    EXPECT_EQ("frm", first.Caption);
    EXPECT_EQ(TMsgDlgType::mtConfirmation, first.Type);
    EXPECT_EQ(mbYesNo, first.Buttons);
    EXPECT_EQ("SimSun", first.FontName);
    EXPECT_EQ(136, first.FontCharset);
    EXPECT_EQ("abc", dialogs_->Records()[1].Request.Text);
}

// A component with texts of its own that only it can reach.
class TContentsProbe : public TComponent, public ICodePageContents {
public:
    using TComponent::TComponent;
    void ConvertContents(const std::function<std::string(const std::string&)>& convert, bool withContents) override {
        Words = convert(Words);
        WithContents = withContents;
    }
    std::string Words = "起止";
    bool WithContents = false;
};

// A form with one component of every kind the conversion knows.
struct SampleForm {
    explicit SampleForm(TForm* form) {
        form->SetCaption("叫修单");
        form->Hint = "提示";
        label = Construct<TLabel>(form);
        label->SetParent(form);
        label->SetCaption("制表日期");
        label->Hint = "日期";
        edit = Construct<TEdit>(form);
        edit->SetText("单号");
        combo = Construct<TComboBox>(form);
        combo->Items()->SetText("选项一\r\n选项二\r\n");
        combo->Style = TComboBoxStyle::csDropDownList;
        combo->SetItemIndex(1);
        free = Construct<TComboBox>(form);
        free->Items()->SetText("甲\r\n");
        free->SetText("自由");
        memo = Construct<TMemo>(form);
        memo->Lines()->SetText("第一行\r\n第二行\r\n");
        list = Construct<TListView>(form);
        list->AddColumn("单号");
        TListItem* item = list->AddItem();
        item->SetCaption("方案");
        item->SubItems()->Add("说明");
        grid = Construct<TStringGrid>(form);
        grid->SetColCount(2);
        grid->SetRowCount(2);
        grid->SetCells(0, 0, "标题");
        grid->SetCells(1, 1, "内容");
        menu = Construct<TPopupMenu>(form);
        menuItem = Construct<TMenuItem>(form);
        menuItem->Caption = "开启";
        menu->Items()->Add(menuItem);
        probe = Construct<TContentsProbe>(form);
    }
    TLabel* label;
    TEdit* edit;
    TComboBox *combo, *free;
    TMemo* memo;
    TListView* list;
    TStringGrid* grid;
    TPopupMenu* menu;
    TMenuItem* menuItem;
    TContentsProbe* probe;
};

TEST_F(CodeConverterTest, ABig5InterfaceConvertsEveryTextOfTheFormOnce) {
    TCodeConverter* c = Create("950", "950", "936");
    SampleForm s(form_);
    c->ConvertForm(*form_, true);

    EXPECT_EQ(Big5(u"叫修單"), form_->Caption());
    EXPECT_EQ(Big5(u"提示"), form_->Hint);
    EXPECT_EQ(Big5(u"制表日期"), s.label->Caption());
    EXPECT_EQ(Big5(u"日期"), s.label->Hint);
    EXPECT_EQ("SimSun", s.label->Font()->Name());
    EXPECT_EQ(136, s.label->Font()->Charset());
    EXPECT_EQ(Big5(u"單號"), s.edit->Text());
    // The chosen item stays chosen; the drop-down list becomes owner-drawn.
    EXPECT_EQ(Big5(u"選項一\r\n選項二\r\n"), s.combo->Items()->Text());
    EXPECT_EQ(1, s.combo->ItemIndex());
    EXPECT_EQ(Big5(u"選項二"), s.combo->Text());
    EXPECT_EQ(TComboBoxStyle::csOwnerDrawFixed, s.combo->Style);
    // A combo box without a chosen item gets the first one.
    EXPECT_EQ(TComboBoxStyle::csOwnerDrawFixed, s.free->Style);
    EXPECT_EQ(0, s.free->ItemIndex());
    // The memo's text is its lines: converted once, not twice.
    EXPECT_EQ(Big5(u"第一行\r\n第二行\r\n"), s.memo->Lines()->Text());
    EXPECT_EQ(Big5(u"單號"), s.list->Columns(0)->Caption);
    EXPECT_EQ(Big5(u"方案"), s.list->Items(0)->Caption());
    EXPECT_EQ(Big5(u"說明"), (*s.list->Items(0)->SubItems())[0]);
    EXPECT_EQ(Big5(u"標題"), s.grid->Cells(0, 0));
    EXPECT_EQ(Big5(u"內容"), s.grid->Cells(1, 1));
    EXPECT_EQ(Big5(u"開啟"), s.menuItem->Caption);
    EXPECT_TRUE(s.menu->OwnerDraw) << "menus draw their items in the interface's font";
    EXPECT_EQ(Big5(u"起止"), s.probe->Words);
    EXPECT_TRUE(s.probe->WithContents);
}

TEST_F(CodeConverterTest, GridsKeepTheirCellsWithoutContents) {
    TCodeConverter* c = Create("936", "950", "936");
    SampleForm s(form_);
    c->ConvertForm(*form_, false);
    EXPECT_EQ("标题", s.grid->Cells(0, 0));
    EXPECT_EQ(Big5(u"方案"), s.list->Items(0)->Caption());
    EXPECT_FALSE(s.probe->WithContents);
    EXPECT_EQ("叫修单", form_->Caption());  // a GB machine keeps its caption
}

TEST_F(CodeConverterTest, AGBInterfaceOnABig5MachineChangesFontsAndStylesOnly) {
    TCodeConverter* c = Create("950", "936", "936");
    ASSERT_EQ(4, c->UIConvertKind());
    SampleForm s(form_);
    s.combo->Style = TComboBoxStyle::csDropDown;
    c->ConvertForm(*form_, true);
    EXPECT_EQ(Big5(u"叫修單"), form_->Caption());  // the caption follows the machine
    EXPECT_EQ("制表日期", s.label->Caption());
    EXPECT_EQ("SimSun", s.label->Font()->Name());
    EXPECT_EQ(134, s.label->Font()->Charset());
    EXPECT_EQ(TComboBoxStyle::csOwnerDrawVariable, s.combo->Style);
    EXPECT_EQ(1, s.combo->ItemIndex());
    EXPECT_EQ(TComboBoxStyle::csOwnerDrawVariable, s.free->Style);
    EXPECT_EQ(-1, s.free->ItemIndex());
    EXPECT_EQ("自由", s.free->Text());
    EXPECT_EQ("标题", s.grid->Cells(0, 0));
    EXPECT_EQ("起止", s.probe->Words);
    EXPECT_TRUE(s.menu->OwnerDraw);
}

TEST_F(CodeConverterTest, WithoutAnInterfaceKindTheFormStaysAsItIs) {
    for (const char* db : {"936", "950"}) {
        TCodeConverter* c = Create("936", "936", db);
        SampleForm s(form_);
        const std::string fontName = s.label->Font()->Name();
        c->ConvertForm(*form_, true);
        EXPECT_EQ("制表日期", s.label->Caption());
        EXPECT_EQ(fontName, s.label->Font()->Name());
        EXPECT_EQ(TComboBoxStyle::csDropDownList, s.combo->Style);
        EXPECT_FALSE(s.menu->OwnerDraw);
    }
}

}  // namespace
