// The base form of every window of the library: the form's code converter and language
// controller, the preparation of its controls when it is created, the one conversion to the
// user-interface code page and the language packs applied on every show.
#pragma once

#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

namespace znp {

class TCodeConverter;
class TZnLangController;

// A component whose inner picture buttons take part in the base form's disabled images (the
// selection panel's list buttons, the button of an edit with a button ...).
class IDisabledImageButtons {
public:
    virtual ~IDisabledImageButtons() = default;
    virtual std::vector<TControl*> DisabledImageButtons() const = 0;
};

class TZNForm : public TForm {
public:
    ZNP_DECLARE_CLASS()
    explicit TZNForm(TComponent* owner);

    // Owned components of the stored form.
    TCodeConverter* ZnConverter = nullptr;
    TZnLangController* LangController = nullptr;

    // The form has been converted to the user-interface code page (once only).
    bool Converted = false;
    // The language packs are applied on every show; set at creation.
    bool ApplyPacksOnShow = false;

    // Converts the form to the user-interface code page, once.
    void ConvertUI();
    // The converter's message box: in the interface's font, captioned by this form.
    TModalResult ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

    // The converter's code pages and kinds (the machine's code page and no conversion when the
    // form has no converter).
    std::string SystemCodePage() const;
    std::string UICodePage() const;
    int UIConvertKind() const;
    int DBConvertKind() const;

    // The directions of the code-page conversion: program texts to the user interface and back,
    // database texts to the user interface and back; and GB to Big5.
    std::string ToUI(const std::string& text) const;
    std::string FromUI(const std::string& text) const;
    std::string DBToUI(const std::string& text) const;
    std::string UIToDB(const std::string& text) const;
    Variant ToUI(const Variant& value) const;
    Variant FromUI(const Variant& value) const;
    Variant DBToUI(const Variant& value) const;
    Variant UIToDB(const Variant& value) const;
    std::string GBToBig5Text(const std::string& text) const;
    // Literals are texts, not variants.
    std::string ToUI(const char* text) const { return ToUI(std::string(text)); }
    std::string FromUI(const char* text) const { return FromUI(std::string(text)); }
    std::string DBToUI(const char* text) const { return DBToUI(std::string(text)); }
    std::string UIToDB(const char* text) const { return UIToDB(std::string(text)); }

    // Applies the language packs of the form's class chain to Target (filled in with the
    // language packs; nothing until then).
    virtual void ApplyLangPacks(TComponent* target);
    // A text of the language packs by section and key; Default (converted to the interface's
    // code page when ConvertDefault) when none is found.
    void GetLangText(const std::string& section, const std::string& key, std::string& text, bool convertDefault,
                     const std::string& defaultText);

    // Bound to OnCreate and OnShow by the stored form; derived levels' handlers of the same
    // names call these first.
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);


private:
    // Gives a picture button whose glyph holds one image its disabled image.
    static void AddDisabledImage(TControl* button);
};

// Registers the stored form of TZNForm (done by the kit's class registration).
void RegisterZNFormResource();

}  // namespace znp
