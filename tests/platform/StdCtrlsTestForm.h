// A shown form to put controls on, and an event log, for the tests of the standard controls.
#pragma once

#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/SystemInfo.h"

namespace znp::testing {

struct ShownForm {
    TForm* form;
    ShownForm() : form(Construct<TForm>(nullptr)) { form->Show(); }
    ~ShownForm() { TObject::Free(form); }
    ShownForm(const ShownForm&) = delete;
    ShownForm& operator=(const ShownForm&) = delete;

    template <class T>
    T* Add(const std::string& name, TWinControl* parent = nullptr) {
        T* control = Construct<T>(form);
        control->SetName(name);
        control->SetParent(parent ? parent : form);
        return control;
    }
};

// Records "what sender" lines from event handlers.
struct EventLog {
    std::vector<std::string> lines;
    TNotifyEvent Notify(const std::string& what) {
        return TNotifyEvent(this, what, [this, what](TObject* sender) {
            auto* c = dynamic_cast<TComponent*>(sender);
            lines.push_back(what + " " + (c ? c->Name() : std::string("?")));
        });
    }
};

// Sets the ANSI code page for one test.
struct CodePageScope {
    std::string saved = AnsiCodePage();
    explicit CodePageScope(const std::string& codePage) { SetAnsiCodePage(codePage); }
    ~CodePageScope() { SetAnsiCodePage(saved); }
};

}  // namespace znp::testing
