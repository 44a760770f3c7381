// The colours of the form's controls, recorded once in set-up so that the marking of required
// fields can be taken back.
#include <cstdlib>
#include <functional>

#include "controls/SelectPnl.h"
#include "forms/base/BaseGene.h"
#include "platform/Spin.h"

namespace znp {

namespace {

using ColourVisitor = std::function<void(const std::string& name, TControl& control)>;

// Depth first over the windowed controls: a selection panel counts as its three parts, a
// container is walked into (a spin edit is one control, whatever it is made of), any other
// windowed control counts itself. Unnamed controls cannot be told apart and are left out.
void VisitColoured(const TWinControl& parent, const ColourVisitor& visit) {
    for (TControl* child : parent.ChildControls()) {
        auto* win = dynamic_cast<TWinControl*>(child);
        if (!win) continue;
        if (auto* panel = dynamic_cast<TSelectPanel*>(win)) {
            if (panel->Name().empty()) continue;
            visit(panel->Name() + ".edBegin", *panel->BeginEdit);
            visit(panel->Name() + ".edFinal", *panel->FinalEdit);
            visit(panel->Name() + ".ListBox", *panel->ListView);
        } else if (win->ControlCount() > 0 && !dynamic_cast<TSpinEdit*>(win)) {
            VisitColoured(*win, visit);
        } else if (!win->Name().empty()) {
            visit(win->Name(), *win);
        }
    }
}

}  // namespace

void TfrmBaseGene::SaveColours() {
    if (!SavedColours) SavedColours = std::make_unique<TStringList>();
    SavedColours->Clear();
    VisitColoured(*this, [this](const std::string& name, TControl& control) {
        SavedColours->SetValue(name, std::to_string(control.Color()));
    });
}

void TfrmBaseGene::RestoreColours() {
    if (!SavedColours) return;
    VisitColoured(*this, [this](const std::string& name, TControl& control) {
        if (SavedColours->IndexOfName(name) < 0) return;
        control.SetColor(static_cast<TColor>(std::strtol(SavedColours->Values(name).c_str(), nullptr, 10)));
    });
}

}  // namespace znp
