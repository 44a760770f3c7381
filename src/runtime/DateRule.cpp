#include "runtime/DateRule.h"

#include <cstdio>
#include <optional>

#include "platform/Calendar.h"
#include "platform/NumberText.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

const std::string kFieldSeparator(1, '\x03');
const std::string kRangeMark(1, '\x04');

// Not through a date value: the rules hold for 30 December 1899 too, whose date value 0 means no
// date to the date utilities.
std::optional<DayNumber> DayOfText(const std::string& dateText) { return DayOfDateText(dateText); }

std::string TextOfCivil(const CivilDate& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.Year, date.Month, date.Day);
    return buffer;
}

std::string TextOfDay(std::optional<DayNumber> day) {
    const auto civil = day ? calendar::CivilDateOf(*day) : std::nullopt;
    return civil ? TextOfCivil(*civil) : std::string();
}

std::optional<DayNumber> Shifted(std::optional<DayNumber> day, std::int64_t days) {
    return day ? calendar::AddDays(*day, days) : std::nullopt;
}

int ReadRuleInteger(const std::string& text) {
    int value = 0;
    if (!TryTextToInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

std::optional<CivilDate> MonthsLater(const std::string& dateText, std::int64_t months) {
    const auto day = DayOfText(dateText);
    const auto civil = day ? calendar::CivilDateOf(*day) : std::nullopt;
    return civil ? calendar::AddMonths(*civil, months) : std::nullopt;
}

std::string Field(const std::string& text, int n) { return GetToken(text, kFieldSeparator, n); }

// The element at Position counted from the array's low bound.
const Variant& Element(const Variant& array, int position) {
    return array[static_cast<int>(static_cast<std::int64_t>(array.LowBound()) + position)];
}

}  // namespace

// ---- Shifting a date ------------------------------------------------------------------------------

std::string AddMonths(const std::string& dateText, int n) {
    const auto moved = MonthsLater(dateText, n);
    return moved ? TextOfCivil(*moved) : std::string();
}

int WeekdayOf(const std::string& dateText) {
    const auto day = DayOfText(dateText);
    return day ? calendar::WeekdayOf(*day) : 0;
}

std::string ShiftDate(const std::string& base, const std::string& n, const std::string& unit, const std::string& m,
                      const std::string& anchor) {
    // A year-month base moves by whole months and stays a year-month.
    if (base.size() <= 6) {
        if (!DayOfText(base + "01")) return "";
        return AddMonths(base + "01", ReadRuleInteger(n)).substr(0, 6);
    }
    if (unit != "0") {
        const auto moved = MonthsLater(base, ReadRuleInteger(n));
        if (!moved) return "";
        if (anchor == "0") return TextOfDay(Shifted(calendar::DayNumberOf(*moved), ReadRuleInteger(m)));
        if (anchor == "1") return TextOfCivil({moved->Year, moved->Month, 1});
        if (anchor == "2") return TextOfCivil({moved->Year, moved->Month, calendar::DaysInMonth(moved->Year, moved->Month)});
        return TextOfCivil(*moved);
    }
    const std::int64_t weeks = ReadRuleInteger(n);
    if (anchor == "0") return TextOfDay(Shifted(DayOfText(base), 7 * weeks + ReadRuleInteger(m)));
    const auto moved = Shifted(DayOfText(base), 7 * weeks);
    if (!moved) return "";
    const int weekday = calendar::WeekdayOf(*moved);
    return TextOfDay(Shifted(moved, anchor == "1" ? 1 - weekday : 7 - weekday));
}

// ---- Dynamic date entries ---------------------------------------------------------------------------

std::string DateShiftRow::Apply(const std::string& base) const {
    if (IsIdentity()) return base;
    return ShiftDate(base, N, Unit, M, Anchor);
}

DynamicDateEntry DynamicDateEntry::Parse(const std::string& text) {
    DynamicDateEntry entry;
    entry.Type = Field(text, 1);
    entry.ControlName = Field(text, 2);
    auto readRow = [&](int first, DateShiftRow& row) {
        row.Moves = Field(text, first);
        row.N = Field(text, first + 1);
        row.Unit = Field(text, first + 2);
        row.Anchor = Field(text, first + 3);
        row.M = Field(text, first + 4);
    };
    readRow(3, entry.Begin);
    int next = 8;
    if (entry.IsRange()) {
        readRow(8, entry.End);
        next = 13;
    } else {
        entry.End = DateShiftRow{};
    }
    entry.KindLetter = Field(text, next);
    entry.ConditionIndex = Field(text, next + 1);
    return entry;
}

std::string DynamicDateEntry::ToText(bool withConditionIndex) const {
    std::string text = Type + kFieldSeparator + ControlName;
    auto addRow = [&](const DateShiftRow& row) {
        for (const std::string* field : {&row.Moves, &row.N, &row.Unit, &row.Anchor, &row.M})
            text += kFieldSeparator + *field;
    };
    addRow(Begin);
    if (IsRange()) addRow(End);
    text += kFieldSeparator + KindLetter;
    if (withConditionIndex) text += kFieldSeparator + ConditionIndex;
    return text;
}

Variant ApplyDynamicDates(const Variant& conditionValues, const Variant& dynamicDates, const std::string& runDate) {
    Variant values = conditionValues;
    const int count = Element(dynamicDates, 0).AsInteger();
    for (int i = 1; i <= count; ++i) {
        const DynamicDateEntry entry = DynamicDateEntry::Parse(Element(dynamicDates, i).AsString());
        const std::string base = entry.KindLetter == "D" ? runDate : runDate.substr(0, 6);
        if (entry.ConditionIndex.empty()) throw EConvertError("Dynamic date entry without condition index");
        Variant& value = values[ReadRuleInteger(entry.ConditionIndex)];
        if (!entry.IsRange()) {
            if (entry.Begin.IsTicked()) value = Variant(entry.Begin.Apply(base));
            continue;
        }
        if (!value.IsArray() || value.DimCount() != 1 || VarToStr(Element(value, 0)) != kRangeMark ||
            static_cast<std::int64_t>(value.HighBound()) - value.LowBound() < 2)
            throw EVariantError("Dynamic date entry " + entry.ControlName + " names a value that is no range");
        if (entry.Begin.IsTicked()) value[value.LowBound() + 1] = Variant(entry.Begin.Apply(base));
        if (entry.End.IsTicked()) value[value.LowBound() + 2] = Variant(entry.End.Apply(base));
    }
    return values;
}

// ---- Periodic schedule ----------------------------------------------------------------------------

ScheduleCycle ScheduleCycle::FromVariant(const Variant& cycleMode) {
    ScheduleCycle cycle;
    const int mode = Element(cycleMode, 0).AsInteger();
    const Variant& params = Element(cycleMode, 1);
    switch (mode) {
        case 0:
            cycle.Kind = Mode::EveryNDays;
            cycle.Every = params.AsInteger();
            break;
        case 1:
            cycle.Kind = Mode::Weekly;
            cycle.Every = Element(params, 0).AsInteger();
            cycle.Weekday = Element(params, 1).AsInteger();
            break;
        case 2:
            cycle.Kind = Mode::Monthly;
            cycle.ByWeekday = Element(params, 0).AsInteger() == 1;
            cycle.Every = Element(params, 1).AsInteger();
            if (cycle.ByWeekday) {
                cycle.Ordinal = Element(params, 2).AsInteger();
                cycle.Weekday = Element(params, 3).AsInteger();
            } else {
                cycle.DayOfMonth = Element(params, 2).AsInteger();
            }
            break;
        case 3:
            cycle.Kind = Mode::Hourly;
            cycle.Hours = params.AsDouble();
            break;
        default: throw EVariantError("Unknown cycle mode " + std::to_string(mode));
    }
    return cycle;
}

namespace {

// Weekday w (0 = Sunday) of ordinal k (0-3 first to fourth, 4 last) in the month of Date.
std::optional<DayNumber> WeekdayOfMonth(const CivilDate& date, int ordinal, int weekday) {
    const auto first = calendar::DayNumberOf(date.Year, date.Month, 1);
    if (!first) return std::nullopt;
    if (ordinal == 4) {
        const auto last = calendar::DayNumberOf(date.Year, date.Month, calendar::DaysInMonth(date.Year, date.Month));
        const int d = calendar::WeekdayOf(*last) - (weekday + 1);
        return *last - (d >= 0 ? d : d + 7);
    }
    const int c = (weekday + 1) - calendar::WeekdayOf(*first);
    return *first + c + 7 * (c >= 0 ? ordinal : ordinal + 1);
}

}  // namespace

std::string FirstRunDateOf(const std::string& start, const ScheduleCycle& cycle) {
    const auto startDay = DayOfText(start);
    if (!startDay) return "";
    const CivilDate startDate = *calendar::CivilDateOf(*startDay);
    switch (cycle.Kind) {
        case ScheduleCycle::Mode::EveryNDays: return TextOfDay(startDay);
        case ScheduleCycle::Mode::Weekly: {
            if (cycle.Weekday < 0 || cycle.Weekday > 6) return "";
            const int b = calendar::WeekdayOf(*startDay);
            const int c = cycle.Weekday + 1;
            const std::int64_t k = c < b ? cycle.Every : static_cast<std::int64_t>(cycle.Every) - 1;
            const auto t = Shifted(startDay, 7 * k);
            return t ? TextOfDay(Shifted(t, c - calendar::WeekdayOf(*t))) : "";
        }
        case ScheduleCycle::Mode::Monthly: {
            if (!cycle.ByWeekday) {
                const std::int64_t k =
                    cycle.DayOfMonth >= startDate.Day ? static_cast<std::int64_t>(cycle.Every) - 1 : cycle.Every;
                const auto m = calendar::AddMonths(startDate, k);
                if (!m) return "";
                const int last = calendar::DaysInMonth(m->Year, m->Month);
                if (cycle.DayOfMonth < 1 || cycle.DayOfMonth > last) return TextOfCivil({m->Year, m->Month, last});
                return TextOfCivil({m->Year, m->Month, cycle.DayOfMonth});
            }
            if (cycle.Ordinal < 0 || cycle.Ordinal > 4 || cycle.Weekday < 0 || cycle.Weekday > 6) return "";
            std::int64_t k = static_cast<std::int64_t>(cycle.Every) - 1;
            std::optional<DayNumber> candidate;
            for (int attempt = 0; attempt < 2; ++attempt) {
                const auto m = calendar::AddMonths(startDate, k);
                if (!m) return "";
                candidate = WeekdayOfMonth(*m, cycle.Ordinal, cycle.Weekday);
                if (!candidate || *candidate >= *startDay) break;
                k = cycle.Every;
            }
            return TextOfDay(candidate);
        }
        case ScheduleCycle::Mode::Hourly: return "";
    }
    return "";
}

std::string FirstRunDateOf(const std::string& start, const Variant& cycleMode) {
    try {
        return FirstRunDateOf(start, ScheduleCycle::FromVariant(cycleMode));
    } catch (const Exception&) {
        return "";
    }
}

}  // namespace znp
