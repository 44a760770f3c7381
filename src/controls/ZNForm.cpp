#include "controls/ZNForm.h"

#include "controls/ZNFormDisabledImage.h"
#include "controls/ZNFormLangController.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/FormReader.h"
#include "platform/SystemInfo.h"
#include "runtime/CodeConverter.h"
#include "runtime/LibStrs.h"

KV_STORED_FORM(ZNForm)

namespace znp {

const ClassInfo& TZNForm::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZNForm", &TForm::StaticClass());
        c.Creatable<TZNForm>();
        c.ComponentField("ZnConverter", &TZNForm::ZnConverter);
        c.ComponentField("LangController", &TZNForm::LangController);
        c.Method("FormCreate", &TZNForm::FormCreate);
        c.Method("FormShow", &TZNForm::FormShow);
        return c;
    }();
    return info;
}

TZNForm::TZNForm(TComponent* owner) : TForm(owner) {}

void RegisterZNFormResource() {
    RegisterFormResource("TZNForm", std::string(storedforms::ZNForm()));
}

void TZNForm::FormCreate(TObject*) {
    Converted = false;
    ApplyPacksOnShow = true;
    const bool english = UICodePage() == "437";
    for (TComponent* component : std::vector<TComponent*>(OwnedComponents())) {
        if (HasPropByName(component, "ImeName")) SetStrPropByName(component, "ImeName", "");
        if (english) {
            if (const PropInfo* font = component->ClassType().FindProperty("Font"); font && font->GetObject)
                if (auto* f = dynamic_cast<TFont*>(font->GetObject(*component))) {
                    f->SetCharset(134);
                    f->SetName("Tahoma");
                }
        }
        AddDisabledImage(dynamic_cast<TControl*>(component));
        if (auto* inner = dynamic_cast<IDisabledImageButtons*>(component))
            for (TControl* button : inner->DisabledImageButtons()) AddDisabledImage(button);
    }
}

void TZNForm::AddDisabledImage(TControl* button) {
    if (auto* speed = dynamic_cast<TSpeedButton*>(button); speed && speed->NumGlyphs() == 1) {
        if (::znp::AddDisabledImage(*speed->Glyph())) speed->SetNumGlyphs(2);
    } else if (auto* bit = dynamic_cast<TBitBtn*>(button); bit && bit->NumGlyphs() == 1) {
        if (::znp::AddDisabledImage(*bit->Glyph())) bit->SetNumGlyphs(2);
    }
}

void TZNForm::FormShow(TObject*) {
    if (ApplyPacksOnShow) ApplyLangPacks(this);
}

void TZNForm::ConvertUI() {
    if (Converted) return;
    if (ZnConverter) ZnConverter->ConvertForm(*this, true);
    Converted = true;
}

TModalResult TZNForm::ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (ZnConverter) return ZnConverter->ShowMessageBox(text, type, buttons);
    MessageBoxRequest request;
    request.Text = text;
    request.Caption = Caption();
    request.Type = type;
    request.Buttons = buttons;
    return Application().Dialogs().ShowMessageBox(request);
}

std::string TZNForm::SystemCodePage() const { return ZnConverter ? ZnConverter->SystemCodePage() : AnsiCodePage(); }
std::string TZNForm::UICodePage() const { return ZnConverter ? ZnConverter->UICodePage() : AnsiCodePage(); }
int TZNForm::UIConvertKind() const { return ZnConverter ? ZnConverter->UIConvertKind() : 0; }
int TZNForm::DBConvertKind() const { return ZnConverter ? ZnConverter->DBConvertKind() : 0; }

Variant TZNForm::ToUI(const Variant& value) const { return ZnConverter ? ZnConverter->ToUI(value) : value; }
Variant TZNForm::FromUI(const Variant& value) const { return ZnConverter ? ZnConverter->FromUI(value) : value; }
Variant TZNForm::DBToUI(const Variant& value) const { return ZnConverter ? ZnConverter->DBToUI(value) : value; }
Variant TZNForm::UIToDB(const Variant& value) const { return ZnConverter ? ZnConverter->UIToDB(value) : value; }

std::string TZNForm::ToUI(const std::string& text) const { return VarToStr(ToUI(Variant(text))); }
std::string TZNForm::FromUI(const std::string& text) const { return VarToStr(FromUI(Variant(text))); }
std::string TZNForm::DBToUI(const std::string& text) const { return VarToStr(DBToUI(Variant(text))); }
std::string TZNForm::UIToDB(const std::string& text) const { return VarToStr(UIToDB(Variant(text))); }
std::string TZNForm::GBToBig5Text(const std::string& text) const {
    return ZnConverter ? ZnConverter->GBToBig5(text) : text;
}

void TZNForm::ApplyLangPacks(TComponent*) {}

void TZNForm::GetLangText(const std::string&, const std::string&, std::string& text, bool convertDefault,
                          const std::string& defaultText) {
    text = convertDefault ? ToUI(defaultText) : defaultText;
}

}  // namespace znp
