// The language controller of every form: the component that applies a form's language packs
// (one pack file per form class, "<class>.Lng" in the installation's language folder).
//
// The controller keeps its settings and finds its pack file; reading a pack into the form's
// components comes with the language packs themselves. Until then an active controller applies
// nothing, and every text lookup gives its default.
#pragma once

#include <memory>
#include <string>

#include "platform/Component.h"
#include "platform/Strings.h"
#include "runtime/CodeConverter.h"

namespace znp {

// An element of a loaded pack (opaque here).
class TLangNode;
using TLoadComponentEvent = TEvent<TObject*, TComponent*, TLangNode*>;

// The language folder of an installation side: InstallPath + "MultiLanguage/" + the code of the
// user-interface code page ("936" CHS, "950" CHT, "437" ENG) + "/"; empty when the code page has
// no code or the folder does not exist.
std::string LanguageDir(TDesignType designType);

class TLanguageController : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    explicit TLanguageController(TComponent* owner);

    const std::string& LangFile() const { return langFile_; }
    bool Active() const { return active_; }
    // While the stored form is read the value is only remembered; Loaded applies it.
    virtual void SetActive(bool value);
    TStringList* ExcludeControls() const { return excludeControls_.get(); }

    TNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TLoadComponentEvent BeforeLoadComponent, AfterLoadComponent;

    void Loaded() override;

protected:
    void SetLangFile(const std::string& file);

private:
    std::string langFile_;
    bool active_ = false;
    bool activeWanted_ = false;
    std::unique_ptr<TStringList> excludeControls_ = std::make_unique<TStringList>();
};

class TZnLangController : public TLanguageController {
public:
    ZNP_DECLARE_CLASS()
    explicit TZnLangController(TComponent* owner) : TLanguageController(owner) {}

    TDesignType DesignType = TDesignType::dtClient;
    const std::string& LangPackageName() const { return langPackageName_; }
    // A different name points the controller at that pack's file; a changed file deactivates it.
    void SetLangPackageName(const std::string& value);

private:
    std::string langPackageName_;
};

}  // namespace znp
