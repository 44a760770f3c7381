// The code converter of every form: texts between the program's own code page (936, GB), the
// code page of the user interface and the code page of the database.
//
// Kinds, as the settings reader derives them (TrovaneINI.h):
//   1  Big5 -> GB          2  GB -> Big5          0, 3, 4  no text conversion
// UIConvertKind says how program texts reach the screen (0, 2 or 4: a GB interface on a Big5
// machine converts no text but takes GB fonts); DBConvertKind how database texts do (0, 1, 2).
// The reverse directions swap kinds 1 and 2.
//
// The characters themselves are translated by the run-time library of TTranslator. It is loaded
// when the converter is created and some direction has texts to convert: UIConvertKind is not 0,
// or DBConvertKind is not 0 (a GB interface over a Big5 database must still convert what goes to
// and comes from the database, or it would store GB bytes in a Big5 database). Without the
// translator every conversion returns its input.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Kvtr42C/Variant.h"
#include "platform/Component.h"
#include "platform/Dialogs.h"
#include "platform/Graphics.h"

namespace znp {

class TCustomForm;
class TTranslator;

ZNP_ENUM(TDesignType, dtClient, dtServer);

// A component that holds texts the form loop cannot reach by its published properties (the
// selection panel's inner lists, ...). ConvertForm hands it the GB -> Big5 conversion when the
// user interface is Big5.
class ICodePageContents {
public:
    virtual ~ICodePageContents() = default;
    virtual void ConvertContents(const std::function<std::string(const std::string&)>& convert,
                                 bool withContents) = 0;
};

class TCodeConverter : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    // Reads the code pages and kinds from the client settings (TTrovaneIniC) and loads the
    // translator when a direction needs it; raises the translator's load errors.
    explicit TCodeConverter(TComponent* owner);
    ~TCodeConverter() override;

    // Stored as dtClient on every form; applied after creation, so it changes nothing read.
    TDesignType DesignType = TDesignType::dtClient;

    const std::string& SystemCodePage() const { return systemCodePage_; }
    const std::string& UICodePage() const { return uiCodePage_; }
    const std::string& DBCodePage() const { return dbCodePage_; }
    int UIConvertKind() const { return uiConvertKind_; }
    int DBConvertKind() const { return dbConvertKind_; }
    bool HasTranslator() const { return translator_ != nullptr; }

    // Value converted by Kind: a text as a whole; a one- or two-dimensional array element by
    // element (nested arrays too), arrays of more dimensions unchanged. Kinds 1 and 2 turn
    // numbers, dates and Booleans into their text on the way; empty and null stay as they are.
    Variant ConvertText(int kind, const Variant& value) const;
    // Program text for display / typed text back to program text.
    Variant ToUI(const Variant& value) const { return ConvertText(uiConvertKind_, value); }
    Variant FromUI(const Variant& value) const;
    // Database text for display / display text for the database.
    Variant DBToUI(const Variant& value) const { return ConvertText(dbConvertKind_, value); }
    Variant UIToDB(const Variant& value) const;
    std::string Big5ToGB(const std::string& text) const;
    std::string GBToBig5(const std::string& text) const;

    // Kinds 0, 1, 4: "SimSun" with character set 134 (GB2312); 2, 3: "SimSun" with 136 (Big5);
    // other kinds leave the font alone.
    static void SetFontForKind(int kind, TFont& font);
    // On a Big5 machine the form's caption is turned into Big5.
    void ConvertCaption(TCustomForm& form) const;
    // Converts the whole form to the user-interface code page (see CodeConverterForm.cpp).
    // Converting a form twice converts its texts twice: the form keeps a flag.
    void ConvertForm(TCustomForm& form, bool withContents) const;

    // A message box in the converter's font, captioned by the owning form; nothing (mrNone) for
    // an empty text.
    TModalResult ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) const;

    // The settings are normally read at creation; this sets them directly (a converter made for
    // another installation, tests) and loads or drops the translator as at creation.
    void Configure(const std::string& systemCodePage, const std::string& uiCodePage, const std::string& dbCodePage,
                   int uiConvertKind, int dbConvertKind);

private:
    static int Reverse(int kind) { return kind == 1 ? 2 : kind == 2 ? 1 : kind; }
    std::string ConvertString(int kind, const std::string& text) const;
    void ConvertComponent(TComponent& component, bool withContents) const;

    std::string systemCodePage_ = "936";
    std::string uiCodePage_ = "936";
    std::string dbCodePage_ = "936";
    int uiConvertKind_ = 0;
    int dbConvertKind_ = 0;
    std::unique_ptr<TTranslator> translator_;
};

}  // namespace znp
