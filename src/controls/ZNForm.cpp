#include "controls/ZNForm.h"

#include "platform/Application.h"
#include "platform/FormReader.h"
#include "platform/SystemInfo.h"

namespace znp {

const ClassInfo& TZNForm::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TZNForm", &TForm::StaticClass());
        c.Creatable<TZNForm>();
        c.Method("FormCreate", &TZNForm::FormCreate);
        c.Method("FormShow", &TZNForm::FormShow);
        return c;
    }();
    return info;
}

TZNForm::TZNForm(TComponent* owner) : TForm(owner) {}

void RegisterZNFormResource() {
    RegisterFormResource("TZNForm", R"(object ZNForm: TZNForm
  Left = 323
  Top = 219
  Width = 400
  Height = 191
  Caption = 'ZNForm'
  Color = clBtnFace
  Font.Charset = 1
  Font.Height = -13
  Font.Name = '宋体'
  KeyPreview = True
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  OnShow = FormShow
end
)");
}

void TZNForm::FormCreate(TObject*) {
    Converted = false;
    ApplyPacksOnShow = true;
    for (TComponent* component : OwnedComponents()) {
        if (const PropInfo* ime = component->ClassType().FindProperty("ImeName"); ime && ime->Set)
            ime->Set(*component, Variant(std::string()));
    }
}

void TZNForm::FormShow(TObject*) {
    if (ApplyPacksOnShow) ApplyLangPacks(this);
}

void TZNForm::ConvertUI() {
    if (Converted) return;
    Converted = true;
}

TModalResult TZNForm::ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    MessageBoxRequest request;
    request.Text = text;
    request.Caption = Caption();
    request.Type = type;
    request.Buttons = buttons;
    return Application().Dialogs().ShowMessageBox(request);
}

std::string TZNForm::SystemCodePage() const { return AnsiCodePage(); }
std::string TZNForm::UICodePage() const { return AnsiCodePage(); }
int TZNForm::UIConvertKind() const { return 0; }
int TZNForm::DBConvertKind() const { return 0; }

// The installation's code pages are those of the machine until the code converter takes over the
// directions; with equal code pages every direction leaves texts as they are.
std::string TZNForm::ToUI(const std::string& text) const { return text; }
std::string TZNForm::FromUI(const std::string& text) const { return text; }
std::string TZNForm::DBToUI(const std::string& text) const { return text; }
std::string TZNForm::UIToDB(const std::string& text) const { return text; }
Variant TZNForm::DBToUI(const Variant& value) const { return value; }
Variant TZNForm::UIToDB(const Variant& value) const { return value; }
std::string TZNForm::GBToBig5Text(const std::string& text) const { return text; }

void TZNForm::ApplyLangPacks(TComponent*) {}

void TZNForm::GetLangText(const std::string&, const std::string&, std::string& text, bool, const std::string& defaultText) {
    text = defaultText;
}

}  // namespace znp
