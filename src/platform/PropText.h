// A published property's value as text and back, by the property's kind: the one conversion that
// stored forms, property access by name and saved scheme values share.
//
//   kind                  text
//   integer               decimal, 32-bit, blanks around allowed
//   enumeration, Boolean  the value's name, compared without regard to case ("alClient", "True")
//   set                   "[a,b]" element names (Names) or the bits in decimal (Numbers)
//   character             the character itself (Names) or its code 0-255 in decimal (Numbers)
//   floating point        decimal with "." whatever the locale; no infinities, no NaN
//   string                the text unchanged
//
// Objects, component references and events have no text: they read as "" and are not set.
#pragma once

#include <string>
#include <string_view>

#include "platform/ClassInfo.h"

namespace znp {

// How sets and characters are written; the other kinds are written the same in both.
enum class TOrdinalText { Names, Numbers };

// The property's value as text; "" for kinds without a text and for write-only properties.
std::string PropValueToText(const TObject& object, const PropInfo& prop, TOrdinalText style);

// Sets the property from Text. False when the property has no text form or cannot be written.
// A text that is no value of the property raises EConvertError ("Invalid property value ...")
// and leaves the property as it was; so does a value the property's own setter refuses.
bool SetPropFromText(TObject& object, const PropInfo& prop, std::string_view text, TOrdinalText style);

// Reads a whole decimal integer of 32 bits (blanks around allowed); false for anything else.
bool TextToInt(std::string_view text, int& value);

}  // namespace znp
