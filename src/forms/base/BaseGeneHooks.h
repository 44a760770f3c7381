// Saving and putting back the event handlers that the field checks wrap (the date fields' enter
// and exit handlers, the submitting buttons' click handlers), and the walk over comma lists of
// control names. Internal to the base form's sources.
#pragma once

#include <functional>
#include <string>

#include "forms/base/BaseGene.h"

namespace znp::hooks {

// The names of a comma-separated list, each trimmed; empty names are left out.
void ForEachName(const std::string& list, const std::function<void(const std::string&)>& fn);

// The handler of Component's event property Event (OnEnter, OnExit, OnClick); empty when it has
// none or the property holds something that is no notify event.
TNotifyEvent CurrentHandler(const TComponent& component, const std::string& event);

// Records Component's present handler of Event under "<name>.<Event>" in Record (its two halves:
// ".Code" the method, ".Data" the object) and in the form's table, then installs Wrapper. A
// handler that already is Wrapper is not recorded: the wrapper must never call itself. The first
// record of a key stays the one that counts, so wrapping again keeps the control's own handler.
void Wrap(TfrmBaseGene& form, TStringList& record, TComponent& component, const std::string& event,
          const TNotifyEvent& wrapper);

// The handler recorded first for "<name>.<Event>"; empty when none was.
TNotifyEvent SavedHandler(const TfrmBaseGene& form, const std::string& name, const std::string& event);

}  // namespace znp::hooks
