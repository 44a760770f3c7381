// What a selection panel needs from the form that owns it to save and restore a date range.
//
// A range panel whose name is in the form's date-field list keeps its dates in the saved value
// as date texts (yyyymmdd) and shows them in the form's own date layout, so that a scheme saved
// under one date layout restores correctly under another. The layout, the date mask and the
// reading of a typed date belong to the form (its system parameters); the panel only asks.
#pragma once

#include <string>

namespace znp {

class IDateLayoutOwner {
public:
    virtual ~IDateLayoutOwner() = default;
    // Whether the component of that name is one of the form's date fields.
    virtual bool IsDateField(const std::string& componentName) const = 0;
    // The form's date layout: the date type 1-5 and the separator.
    virtual int DateFormatType() const = 0;
    virtual std::string DateSeparator() const = 0;
    // The edit mask of the form's date fields.
    virtual std::string DateMask() const = 0;
    // A date as typed in the form's layout, as a date text (empty for a blank date).
    virtual std::string DisplayToDateText(const std::string& text) const = 0;
    // The dates of a saved date range, given as date texts (empty when blank), moved by the
    // scheme's date environment where it names the panel. False when the range part is not saved
    // at all (the environment has entries, none of them for this panel).
    virtual bool SavedRangeDates(const std::string& panelName, std::string& beginDate, std::string& finalDate) const = 0;
};

}  // namespace znp
