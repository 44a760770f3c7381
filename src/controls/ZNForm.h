// The base form of every window of the library: the form's code converter and language
// controller, the preparation of its controls when it is created, the one conversion to the
// user-interface code page and the language packs applied on every show.
#pragma once

#include <string>

#include "platform/Dialogs.h"
#include "platform/Forms.h"

namespace znp {

class TZNForm : public TForm {
public:
    ZNP_DECLARE_CLASS()
    explicit TZNForm(TComponent* owner);

    bool Converted = false;
    bool ApplyPacksOnShow = false;

    // Converts the form to the user-interface code page, once.
    void ConvertUI();
    // The message box of the form, shown through the dialog service.
    TModalResult ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

    // The code pages of the installation: the machine's ANSI code page, the one the user
    // interface is shown in.
    std::string SystemCodePage() const;
    std::string UICodePage() const;
    int UIConvertKind() const;
    int DBConvertKind() const;

    // The four directions of the code-page conversion: database texts to the user interface and
    // back, and texts the user typed to the form's own code page and back; and GB to Big5.
    std::string ToUI(const std::string& text) const;
    std::string FromUI(const std::string& text) const;
    std::string DBToUI(const std::string& text) const;
    std::string UIToDB(const std::string& text) const;
    Variant DBToUI(const Variant& value) const;
    Variant UIToDB(const Variant& value) const;
    std::string GBToBig5Text(const std::string& text) const;

    virtual void ApplyLangPacks(TComponent* target);
    // A text of the language packs by section and key; Default when none is found.
    void GetLangText(const std::string& section, const std::string& key, std::string& text, bool convertDefault,
                     const std::string& defaultText);

    // Bound to OnCreate and OnShow by the stored form; derived levels' handlers of the same
    // names call these first.
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
};

// Registers the stored form of TZNForm (done by the kit's class registration).
void RegisterZNFormResource();

}  // namespace znp
