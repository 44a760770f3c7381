// Stored forms: each form level is declared in a form file, a text of nested objects with class
// names and properties in stored order, e.g.
//
//   object frmBaseGene: TfrmBaseGene
//     Caption = 'Title'
//     Font.Name = 'Tahoma'
//     OnCreate = FormCreate
//     object Panel1: TPanel
//       Align = alBottom
//       Items.Strings = (
//         'first'
//         'second')
//     end
//   end
//
// A derived level's file begins with "inherited" and modifies inherited components by name
// ("inherited Panel1: TPanel ... end") and adds its own ("object ..."). Values are integers,
// floats, 'texts' (with '' for a quote, #nnn for a character code, + to join lines),
// identifiers (enumeration values, True/False, colour names, event handlers, component names),
// sets [a, b] and text lists ( ... ).
//
// The reader creates components by registered class name, owned by the form and parented to
// the enclosing windowed control, applies the properties in stored order while the components
// are loading, binds every event property to the form's published method of that name, resolves
// component references once the whole level is read, then calls Loaded on everything it read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A form level's stored form is the file "<Unit>.form" beside its unit; the build compiles it
// into the library (cmake/EmbedForm.cmake) as znp::storedforms::<Unit>(). The unit declares it
// at global scope with KV_STORED_FORM(<Unit>) and registers it:
//   KV_STORED_FORM(BaseGene)
//   ... RegisterFormResource("TfrmBaseGene", std::string(znp::storedforms::BaseGene()));
#define KV_STORED_FORM(Unit) \
    namespace znp::storedforms { std::string_view Unit(); }

namespace znp {

class TComponent;

// Registers the form file of a class (its text in the UI code page).
void RegisterFormResource(const std::string& className, std::string text);
const std::string* FindFormResource(std::string_view className);
// The classes that have a registered form file (names in lower case).
std::vector<std::string> RegisteredFormClasses();

// Reads Text into Root (a form or any component that is the root of a form file).
void ReadForm(TComponent& root, std::string_view text);
// Reads the form files of Root's class chain, the base class's first.
void ReadFormResources(TComponent& root);

// Colour names the form files use (clBtnFace ...), or false when Name is not one.
bool IdentToColor(std::string_view name, int& color);

}  // namespace znp
