// Putting the range in order when the focus leaves the panel: begin not after final, compared
// as the panel's value type says.
#include <cmath>

#include "controls/SelectPnl.h"
#include "platform/NumberText.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// Occurrences of Sign in Text, keeping double-byte characters whole.
int CountSigns(const std::string& text, const std::string& sign) {
    int count = 0;
    for (size_t pos = FindText(text, sign); pos != std::string::npos; pos = FindText(text, sign, pos + sign.size()))
        ++count;
    return count;
}

}  // namespace

std::optional<DayNumber> ReadRangeDate(const std::string& text, const std::string& sign, int dateType,
                                       const std::string& blankText) {
    std::string t = Trim(text);
    if (t.empty() || t == Trim(blankText) || sign.empty() || dateType < 1 || dateType > 5) return std::nullopt;
    const int signs = CountSigns(t, sign);
    if (signs == 1) {
        switch (dateType) {
            case 2: t = t.substr(0, 2) + sign + "01" + (t.size() > 2 ? t.substr(2) : std::string()); break;
            case 3: t = "01" + sign + t; break;
            default: t += sign + "01"; break;
        }
    } else if (signs != 2) {
        return std::nullopt;
    }
    std::int64_t parts[3];
    // No field of a date of the calendar comes near a million; a larger one (or a Minguo year that
    // would overflow when 1911 is added) is no date.
    for (int i = 0; i < 3; ++i)
        if (!TryTextToInt64(GetToken(t, sign, i + 1), parts[i]) || parts[i] > 1000000 || parts[i] < -1000000)
            return std::nullopt;
    std::int64_t year = 0, month = 0, day = 0;
    switch (dateType) {
        case 1: year = parts[0], month = parts[1], day = parts[2]; break;
        case 2: year = parts[2], month = parts[0], day = parts[1]; break;
        case 3: year = parts[2], month = parts[1], day = parts[0]; break;
        default: year = parts[0] + 1911, month = parts[1], day = parts[2]; break;
    }
    return calendar::DayNumberOf(year, month, day);
}

void TSelectPanel::OrderRange() {
    if (editMask_.empty() || editMask_[0] != '!') {
        // A blank masked edit stays blank: its trimmed text laid into the mask again would put
        // the literals in the wrong places.
        for (TSelectMaskEdit* edit : {BeginEdit, FinalEdit}) {
            const std::string text = edit->Text();
            const std::string trimmed = Trim(text);
            if (trimmed != text && !(edit->IsMasked() && text == blankMaskText_)) edit->SetText(trimmed);
        }
    }
    const std::string begin = BeginEdit->Text(), final = FinalEdit->Text();
    if (begin.empty() || final.empty()) return;
    auto blankOrDiscard = [&] {
        if (begin == blankMaskText_ || final == blankMaskText_) return true;
        return UseDiscard && (Trim(begin) == Discard || Trim(final) == Discard);
    };
    bool swap = false;
    switch (ValueType) {
        case TValueType::vt_String:
        case TValueType::vt_Time: swap = !blankOrDiscard() && begin > final; break;
        case TValueType::vt_Number: {
            std::int64_t b = 0, f = 0;
            if (!TryTextToInt64(begin, b)) b = 0;
            if (!TryTextToInt64(final, f)) f = 0;
            swap = b > f;
            break;
        }
        case TValueType::vt_Date:
            if (!AutoChangeDateSite || blankOrDiscard()) break;
            if (DateType == TDateType::dt_NoneCare) swap = begin > final;
            else
                // No date sorts before every real date (std::optional orders an empty one first).
                swap = ReadRangeDate(begin, DateSign, static_cast<int>(DateType), blankMaskText_) >
                       ReadRangeDate(final, DateSign, static_cast<int>(DateType), blankMaskText_);
            break;
        case TValueType::vt_Float: {
            // Compared as numbers; a text that is no number leaves the range as typed.
            const double b = StrToFloatDef(begin, NAN), f = StrToFloatDef(final, NAN);
            swap = !std::isnan(b) && !std::isnan(f) && b > f;
            break;
        }
        case TValueType::vt_OtherMask: break;
    }
    if (!swap) return;
    BeginEdit->SetText(final);
    FinalEdit->SetText(begin);
}

}  // namespace znp
