// The form's date layout: the date format type and separator from the system parameters, the
// edit mask and blank text of date fields, the reading of a typed date into a date text, and the
// shift of a date by a date-environment rule.
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "forms/base/BaseGene.h"
#include "runtime/LibStrs.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

// A decimal integer with optional surrounding blanks and sign; false for anything else
// (also for numbers beyond the range of int).
bool TryReadInt(const std::string& text, int& value) {
    const std::string t = Trim(text);
    if (t.empty()) return false;
    size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size()) return false;
    for (size_t j = i; j < t.size(); ++j)
        if (t[j] < '0' || t[j] > '9') return false;
    errno = 0;
    const long long v = std::strtoll(t.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

int ReadIntOrFail(const std::string& text) {
    int value = 0;
    if (!TryReadInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return n >= 0 && s.size() < 2 ? "0" + s : s;
}

// Sunday 1 ... Saturday 7; date value 1 (31 December 1899) was a Sunday.
int DayOfWeek(double date) {
    const long long day = static_cast<long long>(date);
    return static_cast<int>(((day - 1) % 7 + 7) % 7) + 1;
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
    return TryReadInt(LayoutParam("Sys001"), type) ? type : 1;
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
        int parts[3];
        for (int i = 0; i < 3; ++i)
            if (!TryReadInt(GetToken(t, separator, i + 1), parts[i]) || parts[i] == -1) return t;
        int year = 0, month = 0, day = 0;
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

std::string ShiftDate(const std::string& base, const std::string& n, const std::string& unit, const std::string& m,
                      const std::string& anchor) {
    // A year-month base moves by whole months and stays a year-month.
    if (base.size() <= 6) {
        if (ParseYYYYMMDD(base + "01") == 0) return "";
        return AddToDate(Variant(base + "01"), "M", ReadIntOrFail(n)).substr(0, 6);
    }
    if (unit != "0") {
        const std::string moved = AddToDate(Variant(base), "M", ReadIntOrFail(n));
        if (moved.empty()) return "";
        if (anchor == "0") return AddToDate(Variant(moved), "D", ReadIntOrFail(m));
        if (anchor == "1") return moved.substr(0, 6) + "01";
        if (anchor == "2") {
            const int year = std::atoi(moved.substr(0, 4).c_str());
            const int month = std::atoi(moved.substr(4, 2).c_str());
            return moved.substr(0, 6) + TwoDigits(DaysInMonth(year, month));
        }
        return moved;
    }
    if (anchor == "0") return AddToDate(Variant(base), "D", 7 * ReadIntOrFail(n) + ReadIntOrFail(m));
    const std::string moved = AddToDate(Variant(base), "D", 7 * ReadIntOrFail(n));
    const double date = ParseYYYYMMDD(moved);
    if (date == 0) return "";
    const int weekday = DayOfWeek(date);
    return AddToDate(Variant(moved), "D", anchor == "1" ? 1 - weekday : 7 - weekday);
}

}  // namespace znp
