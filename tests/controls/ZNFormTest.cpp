// The base form: its converter and language controller, the preparation of its controls at
// creation, the one conversion, the packs on every show and the directions of its texts.
#include <gtest/gtest.h>

#include "Kvtr42C/Exception.h"
#include "controls/F2Button.h"
#include "controls/KitClasses.h"
#include "controls/ZNForm.h"
#include "controls/ZNFormDisabledImage.h"
#include "controls/ZNFormLangController.h"
#include "controls/Qelres.h"
#include "platform/Application.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/StandardClasses.h"
#include "runtime/CodeConverter.h"
#include "runtime/TranslatorTestSupport.h"
#include "runtime/TrovaneIniTestSupport.h"

using namespace znp;
using namespace znp::test;

namespace {

// An edit with an input-method name, as the platform's edits of an Asian system have.
class TImeEditProbe : public TEdit {
public:
    ZNP_DECLARE_CLASS()
    using TEdit::TEdit;
    std::string ImeName = "Chinese (Simplified) - Microsoft Pinyin";
};

const ClassInfo& TImeEditProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TImeEditProbe", &TEdit::StaticClass());
        c.Creatable<TImeEditProbe>();
        c.Field("ImeName", &TImeEditProbe::ImeName);
        return c;
    }();
    return info;
}

// A panel with a picture button of its own inside.
class TButtonPanelProbe : public TPanel, public IDisabledImageButtons {
public:
    ZNP_DECLARE_CLASS()
    explicit TButtonPanelProbe(TComponent* owner) : TPanel(owner) {
        Inner = Construct<TSpeedButton>(this);
        Inner->SetParent(this);
        LoadBmp(*Inner->Glyph(), 8);
    }
    std::vector<TControl*> DisabledImageButtons() const override { return {Inner}; }
    TSpeedButton* Inner;
};

const ClassInfo& TButtonPanelProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TButtonPanelProbe", &TPanel::StaticClass());
        c.Creatable<TButtonPanelProbe>();
        return c;
    }();
    return info;
}

class TfrmZNProbe : public TZNForm {
public:
    ZNP_DECLARE_CLASS()
    using TZNForm::TZNForm;
    void ApplyLangPacks(TComponent* target) override {
        TZNForm::ApplyLangPacks(target);
        ++PacksApplied;
    }
    template <class T>
    T* Get(const char* name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }
    int PacksApplied = 0;
};

const ClassInfo& TfrmZNProbe::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmZNProbe", &TZNForm::StaticClass());
        c.Creatable<TfrmZNProbe>();
        return c;
    }();
    return info;
}

constexpr const char* kProbeForm = R"(inherited frmZNProbe: TfrmZNProbe
  Caption = '叫修单'
  object lblDate: TLabel
    Caption = '制表日期'
  end
  object edIme: TImeEditProbe
    Left = 10
  end
  object btnOne: TGSpeedButton
    GlyphIndex = 47
  end
  object btnTwo: TGSpeedButton
    GlyphIndex = 4
  end
  object btnLookup: TF2Button
  end
  object btnBit: TBitBtn
    Caption = '确定'
  end
  object pnlInner: TButtonPanelProbe
  end
end
)";

class ZNFormTest : public znp::testing::InstallationTest {
protected:
    static void SetUpTestSuite() {
        RegisterStandardClasses();
        RegisterKitClasses();
        RegisterClass(TImeEditProbe::StaticClass());
        RegisterClass(TButtonPanelProbe::StaticClass());
        RegisterClass(TfrmZNProbe::StaticClass());
        RegisterFormResource("TfrmZNProbe", kProbeForm);
    }
    ZNFormTest() : dialogs_(std::make_shared<ScriptedDialogs>()) { Application().SetDialogs(dialogs_); }
    ~ZNFormTest() override {
        TObject::Free(form_);
        Application().SetDialogs(std::make_shared<ScriptedDialogs>());
    }

    TfrmZNProbe* Create(const std::string& machine, const std::string& ui, const std::string& db = "936") {
        SetAnsiCodePage(machine);
        SetTrovane("ClientPath", Mid());
        znp::testing::WriteTextFile(Mid() + "/TrovaneC.ini", "[Server Information]\nComputerName=127.0.0.1\n[CodePage]\n"
                                                             "UICodePage=" + ui + "\nDBCodePage=" + db + "\n");
        TObject::Free(form_);
        form_ = nullptr;
        form_ = Construct<TfrmZNProbe>(nullptr);
        return form_;
    }

    static TBitmap Picture(int number) {
        TBitmap b;
        LoadBmp(b, number);
        return b;
    }

    ScopedTranslatorPath path_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    TfrmZNProbe* form_ = nullptr;
};

TEST_F(ZNFormTest, CreationGivesTheFormItsConverterAndController) {
    TfrmZNProbe* f = Create("936", "936");
    ASSERT_NE(nullptr, f->ZnConverter);
    ASSERT_NE(nullptr, f->LangController);
    EXPECT_EQ(f, f->ZnConverter->Owner());
    EXPECT_EQ(TDesignType::dtClient, f->ZnConverter->DesignType);
    EXPECT_EQ(TDesignType::dtClient, f->LangController->DesignType);
    EXPECT_FALSE(f->LangController->Active());
    EXPECT_FALSE(f->Converted);
    EXPECT_TRUE(f->ApplyPacksOnShow);
    EXPECT_EQ("", f->Get<TImeEditProbe>("edIme")->ImeName);
    // Not an English system: the label shows the form's own font through ParentFont.
    EXPECT_EQ("宋体", f->Get<TLabel>("lblDate")->Font()->Name());
    EXPECT_EQ(-13, f->Get<TLabel>("lblDate")->Font()->Height());
    EXPECT_EQ(400, f->Width());
    EXPECT_TRUE(f->KeyPreview);
}

TEST_F(ZNFormTest, SingleImageButtonsGetTheirDisabledImage) {
    TfrmZNProbe* f = Create("936", "936");
    TBitmap expected = Picture(47);
    ASSERT_TRUE(AddDisabledImage(expected));

    auto* one = f->Get<TGSpeedButton>("btnOne");
    EXPECT_EQ(2, one->NumGlyphs());
    EXPECT_TRUE(expected.SamePixels(*one->Glyph()));

    // A picture that already holds two images is left as it is.
    auto* two = f->Get<TGSpeedButton>("btnTwo");
    EXPECT_EQ(2, two->NumGlyphs());
    EXPECT_TRUE(Picture(4).SamePixels(*two->Glyph()));

    EXPECT_EQ(2, f->Get<TF2Button>("btnLookup")->NumGlyphs());
    EXPECT_EQ(32, f->Get<TF2Button>("btnLookup")->Glyph()->Width());
    auto* inner = f->Get<TButtonPanelProbe>("pnlInner")->Inner;
    EXPECT_EQ(2, inner->NumGlyphs());
    EXPECT_EQ(32, inner->Glyph()->Width());
    // A button without picture has nothing to disable.
    auto* bit = f->Get<TBitBtn>("btnBit");
    EXPECT_EQ(1, bit->NumGlyphs());
    EXPECT_TRUE(bit->Glyph()->Empty());
}

TEST_F(ZNFormTest, AnEnglishInterfaceTakesTahomaEverywhere) {
    TfrmZNProbe* f = Create("437", "437");
    int fonts = 0;
    for (TComponent* c : f->OwnedComponents()) {
        auto* control = dynamic_cast<TControl*>(c);
        if (!control) continue;
        ++fonts;
        EXPECT_EQ("Tahoma", control->Font()->Name()) << c->Name();
        EXPECT_EQ(134, control->Font()->Charset()) << c->Name();
    }
    EXPECT_EQ(7, fonts);
    // Controls inside others that the form does not own follow their parent's font.
    EXPECT_EQ("Tahoma", f->Get<TButtonPanelProbe>("pnlInner")->Inner->Font()->Name());
}

TEST_F(ZNFormTest, ConvertUIConvertsTheFormOnce) {
    TfrmZNProbe* f = Create("936", "950");
    f->ConvertUI();
    EXPECT_TRUE(f->Converted);
    EXPECT_EQ(Big5(u"制表日期"), f->Get<TLabel>("lblDate")->Caption());
    EXPECT_EQ(Big5(u"確定"), f->Get<TBitBtn>("btnBit")->Caption());
    EXPECT_EQ(136, f->Get<TLabel>("lblDate")->Font()->Charset());
    f->ConvertUI();
    EXPECT_EQ(Big5(u"制表日期"), f->Get<TLabel>("lblDate")->Caption());
    EXPECT_EQ("叫修单", f->Caption());  // the caption follows the machine, a GB one here
}

TEST_F(ZNFormTest, APlainInterfaceIsMarkedConvertedWithoutChange) {
    TfrmZNProbe* f = Create("936", "936");
    f->ConvertUI();
    EXPECT_TRUE(f->Converted);
    EXPECT_EQ("制表日期", f->Get<TLabel>("lblDate")->Caption());
}

TEST_F(ZNFormTest, EveryShowAppliesThePacks) {
    TfrmZNProbe* f = Create("936", "936");
    f->Show();
    f->Hide();
    f->Show();
    EXPECT_EQ(2, f->PacksApplied);
}

TEST_F(ZNFormTest, DirectionsAndCodePagesComeFromTheConverter) {
    TfrmZNProbe* f = Create("936", "950", "936");
    EXPECT_EQ("936", f->SystemCodePage());
    EXPECT_EQ("950", f->UICodePage());
    EXPECT_EQ(2, f->UIConvertKind());
    EXPECT_EQ(2, f->DBConvertKind());
    const std::string gb = "接单人员", big5 = Big5(u"接單人員");
    EXPECT_EQ(big5, f->ToUI(gb));
    EXPECT_EQ(gb, f->FromUI(big5));
    EXPECT_EQ(big5, f->DBToUI(gb));
    EXPECT_EQ(gb, f->UIToDB(big5));
    EXPECT_EQ(Variant::ArrayOf({gb, "1"}), f->UIToDB(Variant::ArrayOf({big5, 1})));
    EXPECT_EQ(Variant(big5), f->DBToUI(Variant(gb)));
    EXPECT_EQ(big5, f->GBToBig5Text(gb));

    std::string text;
    f->GetLangText("TfrmBaseGene", "sPublicVer", text, true, "(公开版)");
    EXPECT_EQ(Big5(u"(公開版)"), text);
    f->GetLangText("TfrmBaseGene", "sPublicVer", text, false, "(公开版)");
    EXPECT_EQ("(公开版)", text);
}

TEST_F(ZNFormTest, MessageBoxesGoThroughTheConverter) {
    TfrmZNProbe* f = Create("936", "936");
    dialogs_->AnswerNextBox(mrYes);
    EXPECT_EQ(mrYes, f->ShowMessageBox("删除吗?", TMsgDlgType::mtConfirmation, mbYesNo));
    ASSERT_EQ(1u, dialogs_->Records().size());
    EXPECT_EQ("删除吗?      ", dialogs_->Records()[0].Request.Text);
    EXPECT_EQ("叫修单", dialogs_->Records()[0].Request.Caption);
    EXPECT_EQ(134, dialogs_->Records()[0].Request.FontCharset);
}

TEST_F(ZNFormTest, ABig5InterfaceWithoutTranslatorCannotBeCreated) {
    ScopedTranslatorPath nothing(false);
    try {
        Create("936", "950");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ("Load Library Rirodozada.dll Error!", e.what());
    }
}

}  // namespace
