// The form's date layout: the date format type and separator from the system parameters, the
// edit mask and blank text of date fields, and the reading of a typed date into a date text.
#include <cstdint>

#include "forms/base/BaseGene.h"
#include "platform/NumberText.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

std::string TwoDigits(std::int64_t n) {
    std::string s = std::to_string(n);
    return n >= 0 && s.size() < 2 ? "0" + s : s;
}

// Year layouts: the number of year digits the mask reserves (types 4 and 5 count Minguo years).
int YearDigits(int dateType) { return dateType == 4 ? 2 : dateType == 5 ? 3 : 4; }

bool YearLast(int dateType) { return dateType == 2 || dateType == 3; }

}  // namespace

// Reading a named parameter only consults the cache; the layout is asked from const contexts
// (the selection panels ask their owner).
std::string TfrmBaseGene::LayoutParam(const char* name) const { return const_cast<TfrmBaseGene*>(this)->GetSysParam(name); }

int TfrmBaseGene::DateFormatType() const {
    int type = 1;
    return TryTextToInt(LayoutParam("Sys001"), type) ? type : 1;
}

std::string TfrmBaseGene::DateSeparator() const {
    std::string separator = LayoutParam("Sys002");
    return separator.empty() ? "/" : separator;
}

// An unknown date type is laid out year first with four year digits, like type 1.
std::string TfrmBaseGene::DateMask() const {
    const int type = DateFormatType();
    const std::string s = DateSeparator();
    const std::string year(static_cast<size_t>(YearDigits(type)), '9');
    return (YearLast(type) ? "99" + s + "99" + s + year : year + s + "99" + s + "99") + ";1; ";
}

std::string TfrmBaseGene::BlankDateText() const {
    const int type = DateFormatType();
    const std::string s = DateSeparator();
    const std::string year(static_cast<size_t>(YearDigits(type)), ' ');
    return YearLast(type) ? "  " + s + "  " + s + year : year + s + "  " + s + "  ";
}

std::string TfrmBaseGene::DisplayToDateText(const std::string& text) const {
    const std::string t = Trim(text);
    try {
        if (t.empty() || t == Trim(BlankDateText())) return "";
        const std::string separator = DateSeparator();
        // Kept in 64 bits: a Minguo year near the end of the int range must not overflow when
        // 1911 is added.
        std::int64_t parts[3];
        for (int i = 0; i < 3; ++i) {
            int part = 0;
            if (!TryTextToInt(GetToken(t, separator, i + 1), part) || part == -1) return t;
            parts[i] = part;
        }
        std::int64_t year = 0, month = 0, day = 0;
        switch (DateFormatType()) {
            case 1: year = parts[0], month = parts[1], day = parts[2]; break;
            case 2: year = parts[2], month = parts[0], day = parts[1]; break;
            case 3: year = parts[2], month = parts[1], day = parts[0]; break;
            case 4:
            case 5: year = parts[0] + 1911, month = parts[1], day = parts[2]; break;
            default: return "";
        }
        return std::to_string(year) + TwoDigits(month) + TwoDigits(day);
    } catch (const std::exception&) {
        return t;
    }
}

bool TfrmBaseGene::IsDateField(const std::string& componentName) const {
    return FindText(DateFields, componentName) != std::string::npos;
}

}  // namespace znp
