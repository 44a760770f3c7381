#include "runtime/CodeConverter.h"

#include "platform/Application.h"
#include "platform/Forms.h"
#include "runtime/TranslatorU.h"
#include "runtime/TrovaneINI.h"

namespace znp {

const ClassInfo& TCodeConverter::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TCodeConverter", &TComponent::StaticClass());
        c.Creatable<TCodeConverter>();
        c.Field("DesignType", &TCodeConverter::DesignType);
        return c;
    }();
    return info;
}

TCodeConverter::TCodeConverter(TComponent* owner) : TComponent(owner) {
    // The stored DesignType is applied only after creation: a form's converter always reads the
    // client side.
    TTrovaneIniC settings;
    Configure(settings.SystemCodePage(), settings.UICodePage(), settings.DBCodePage(), settings.UIConvertKind(),
              settings.DBConvertKind());
}

TCodeConverter::~TCodeConverter() = default;

void TCodeConverter::Configure(const std::string& systemCodePage, const std::string& uiCodePage,
                               const std::string& dbCodePage, int uiConvertKind, int dbConvertKind) {
    systemCodePage_ = systemCodePage;
    uiCodePage_ = uiCodePage;
    dbCodePage_ = dbCodePage;
    uiConvertKind_ = uiConvertKind;
    dbConvertKind_ = dbConvertKind;
    if (uiConvertKind_ != 0 || dbConvertKind_ != 0) {
        if (!translator_) translator_ = std::make_unique<TTranslator>();
    } else {
        translator_.reset();
    }
}

std::string TCodeConverter::ConvertString(int kind, const std::string& text) const {
    if (!translator_ || text.empty()) return text;
    if (kind == 1) return translator_->Big5ToGBText(text);
    if (kind == 2) return translator_->GBToBig5Text(text);
    return text;
}

Variant TCodeConverter::ConvertText(int kind, const Variant& value) const {
    Variant result = value;
    if (kind == 0 || !translator_ || value.IsEmpty() || value.IsNull()) return result;
    if (value.IsArray()) {
        const int dims = value.DimCount();
        if (dims == 1) {
            for (int i = value.LowBound(1); i <= value.HighBound(1); ++i) result[i] = ConvertText(kind, value[i]);
        } else if (dims == 2) {
            for (int i = value.LowBound(1); i <= value.HighBound(1); ++i)
                for (int j = value.LowBound(2); j <= value.HighBound(2); ++j)
                    result.At(i, j) = ConvertText(kind, value.At(i, j));
        }
        return result;
    }
    if (kind == 1 || kind == 2) return Variant(ConvertString(kind, VarToStr(value)));
    return result;
}

Variant TCodeConverter::FromUI(const Variant& value) const {
    try {
        return ConvertText(Reverse(uiConvertKind_), value);
    } catch (const std::exception&) {
        return value;
    }
}

Variant TCodeConverter::UIToDB(const Variant& value) const {
    try {
        return ConvertText(Reverse(dbConvertKind_), value);
    } catch (const std::exception&) {
        return value;
    }
}

std::string TCodeConverter::Big5ToGB(const std::string& text) const { return ConvertString(1, text); }
std::string TCodeConverter::GBToBig5(const std::string& text) const { return ConvertString(2, text); }

void TCodeConverter::SetFontForKind(int kind, TFont& font) {
    switch (kind) {
    case 0:
    case 1:
    case 4:
        font.SetName("SimSun");
        font.SetCharset(134);  // GB2312_CHARSET
        break;
    case 2:
    case 3:
        font.SetName("SimSun");
        font.SetCharset(136);  // CHINESEBIG5_CHARSET
        break;
    default:
        break;
    }
}

void TCodeConverter::ConvertCaption(TCustomForm& form) const {
    if (systemCodePage_ == "950") form.SetCaption(GBToBig5(form.Caption()));
}

TModalResult TCodeConverter::ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) const {
    if (text.empty()) return mrNone;
    MessageBoxRequest request;
    request.Text = text;
    // Boxes of a GB system cut the last characters of a text without this margin.
    if (uiCodePage_ == "936" || systemCodePage_ == "936") request.Text += "      ";
    request.Type = type;
    request.Buttons = buttons;
    if (auto* form = dynamic_cast<TCustomForm*>(Owner())) {
        if (form->WindowState == TWindowState::wsMinimized) form->WindowState = TWindowState::wsNormal;
        request.Caption = form->Caption();
    }
    TFont font;
    SetFontForKind(uiConvertKind_, font);
    request.FontName = font.Name();
    request.FontCharset = font.Charset();
    return Application().Dialogs().ShowMessageBox(request);
}

}  // namespace znp
