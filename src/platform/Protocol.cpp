// The host array, the environment and the condition package with its periodic parts.
#include "Kvtr42C/Protocol.h"

#include <algorithm>
#include <utility>

#include "platform/ProtocolRead.h"

namespace znp::protocol {

// --- Reading helpers ---------------------------------------------------------------------------

std::string TextOf(const Variant& value, const std::string& what, const std::string& codePage) {
    if (value.IsArray() || value.IsObject()) throw EProtocolError(what + " is not a text");
    if (value.Type() == VarType::OleStr)
        return WideToBytes(value.AsWide(), codePage.empty() ? VariantCodePage() : codePage);
    return VarToStr(value);
}

std::string DbText(const Variant& value) {
    if (value.Type() == VarType::OleStr) return WideToBytes(value.AsWide(), kDbCodePage);
    return VarToStr(value);
}

int ElementCount(const Variant& value) {
    if (!value.IsArray() || value.DimCount() != 1) return -1;
    return value.HighBound() - value.LowBound() + 1;
}

const Variant& ElementAt(const Variant& value, int i, const std::string& what) {
    const int count = ElementCount(value);
    if (count < 0) throw EProtocolError(what + ": not a one-dimensional array");
    if (i < 0 || i >= count) throw EProtocolError(what + ": element " + std::to_string(i) + " missing");
    return value[value.LowBound() + i];
}

namespace read {

void RequireList(const Variant& value, const std::string& what, int minCount) {
    const int count = ElementCount(value);
    if (count < 0) throw EProtocolError(what + ": not a one-dimensional array");
    if (count < minCount)
        throw EProtocolError(what + ": " + std::to_string(count) + " elements, at least " + std::to_string(minCount) +
                             " expected");
}

void RequireLowBound(const Variant& value, const std::string& what, int low) {
    if (value.LowBound() != low)
        throw EProtocolError(what + ": indexed from " + std::to_string(value.LowBound()) + ", expected from " +
                             std::to_string(low));
}

std::string Text(const Variant& list, int i, const std::string& what, const std::string& codePage) {
    return TextOf(ElementAt(list, i, what), what + " element " + std::to_string(i), codePage);
}

std::u16string Wide(const Variant& value, const std::string& what) {
    if (value.IsArray() || value.IsObject()) throw EProtocolError(what + " is not a text");
    if (value.IsEmpty() || value.IsNull()) return std::u16string();
    return value.AsWide();
}

int Integer(const Variant& value, const std::string& what) {
    if (value.IsArray() || value.IsObject() || value.IsNull()) throw EProtocolError(what + " is not a number");
    try {
        return value.AsInteger();
    } catch (const Exception&) {
        throw EProtocolError(what + " is not a number");
    }
}

int Integer(const Variant& list, int i, const std::string& what) {
    return Integer(ElementAt(list, i, what), what + " element " + std::to_string(i));
}

double Number(const Variant& value, const std::string& what) {
    if (value.IsArray() || value.IsObject() || value.IsNull()) throw EProtocolError(what + " is not a number");
    try {
        return value.AsDouble();
    } catch (const Exception&) {
        throw EProtocolError(what + " is not a number");
    }
}

double Date(const Variant& value, const std::string& what) {
    if (value.IsArray() || value.IsObject() || value.IsNull()) throw EProtocolError(what + " is not a date");
    try {
        return value.AsDate();
    } catch (const Exception&) {
        throw EProtocolError(what + " is not a date");
    }
}

bool Flag(const Variant& list, int i, const std::string& what, const std::string& codePage) {
    return Text(list, i, what, codePage) == "Y";
}

int InRange(int value, int low, int high, const std::string& what) {
    if (value < low || value > high)
        throw EProtocolError(what + " is " + std::to_string(value) + ", outside " + std::to_string(low) + ".." +
                             std::to_string(high));
    return value;
}

}  // namespace read

using namespace read;

// --- Host parameters ---------------------------------------------------------------------------

Variant HostParams::ToVariant() const {
    std::vector<Variant> items{Variant(UserId), Variant(CompanyId), Variant(DbName)};
    if (HasHostWindow || HasHostContext) items.emplace_back(static_cast<std::int64_t>(HostWindow));
    if (HasHostContext) items.push_back(HostContext);
    return Variant::ArrayOf(std::move(items));
}

HostParams HostParams::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Host parameters";
    RequireList(value, what, 3);
    // The three identities must be there: a Null is a missing one.
    for (int i = 0; i < 3; ++i)
        if (ElementAt(value, i, what).IsNull()) throw EProtocolError(what + " element " + std::to_string(i) + " is Null");
    HostParams p;
    p.UserId = Text(value, 0, what, codePage);
    p.CompanyId = Text(value, 1, what, codePage);
    p.DbName = Text(value, 2, what, codePage);
    const int count = ElementCount(value);
    if (count > 3) {
        const Variant& window = ElementAt(value, 3, what);
        if (window.IsArray() || window.IsObject() || window.IsNull())
            throw EProtocolError(what + " element 3 (host window) is not a number");
        try {
            // A handle is never wrapped: a negative or too large number is refused.
            p.HostWindow = static_cast<std::intptr_t>(VarToHandle(window));
        } catch (const Exception&) {
            throw EProtocolError(what + " element 3 (host window) is no window handle");
        }
        p.HasHostWindow = true;
    }
    if (count > 4) {
        p.HostContext = ElementAt(value, 4, what);
        p.HasHostContext = true;
    }
    return p;
}

// --- Environment -------------------------------------------------------------------------------

bool Environment::IsPeriodic() const {
    return !ProgramKind.empty() && ProgramKind[0] >= 'a' && ProgramKind[0] <= 'z';
}

void Environment::WriteTo(Variant& env, int first, int last) const {
    const std::string what = "Environment";
    if (first < 1 || last > kReportCount || first > last)
        throw EProtocolError(what + ": entries " + std::to_string(first) + ".." + std::to_string(last) +
                             " do not exist");
    if (ElementCount(env) < 0 || env.LowBound() > first || env.HighBound() < last)
        throw EProtocolError(what + ": the array does not hold entries " + std::to_string(first) + ".." +
                             std::to_string(last));
    for (int i = first; i <= last; ++i) {
        switch (i) {
            case kProgramId: env[i] = Variant(ProgramId); break;
            case kEnvCount: env[i] = Variant(EnvCount); break;
            case kConditionCount: env[i] = Variant(ConditionCount); break;
            case kCompanyId: env[i] = Variant(CompanyId); break;
            case kUserId: env[i] = Variant(UserId); break;
            case kDbName: env[i] = Variant(DbName); break;
            case kBuilt: env[i] = Variant::FromDate(Built); break;
            case kServerClass: env[i] = Variant(ServerClass); break;
            case kProgramKind: env[i] = Variant(ProgramKind); break;
            case kGenerationMode: env[i] = Variant(GenerationMode); break;
            case kStartAt: env[i] = Variant::FromDate(StartAt); break;
            case kRecipients: env[i] = Variant(Recipients); break;
            case kOutputKinds: env[i] = Variant(OutputKinds); break;
            case kFormatCode: env[i] = Variant(FormatCode); break;
        }
    }
}

Variant Environment::ToVariant() const {
    if (EnvCount < kBaseCount)
        throw EProtocolError("Environment: " + std::to_string(EnvCount) + " entries, at least 9 expected");
    Variant env = Variant::Array(1, EnvCount);
    for (int i = 1; i <= EnvCount; ++i) env[i] = Variant::Null();
    WriteTo(env, 1, std::min(EnvCount, static_cast<int>(kReportCount)));
    return env;
}

Environment Environment::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Environment";
    RequireList(value, what, kBaseCount);
    RequireLowBound(value, what, 1);
    auto entry = [&](int i) -> const Variant& { return value[i]; };
    auto name = [&](int i, const char* field) { return what + " entry " + std::to_string(i) + " (" + field + ")"; };
    Environment e;
    const int high = value.HighBound();
    e.ProgramId = TextOf(entry(kProgramId), name(kProgramId, "program"), codePage);
    e.EnvCount = Integer(entry(kEnvCount), name(kEnvCount, "entry count"));
    if (e.EnvCount != high)
        throw EProtocolError(what + ": counts " + std::to_string(e.EnvCount) + " entries but holds " +
                             std::to_string(high));
    e.ConditionCount = Integer(entry(kConditionCount), name(kConditionCount, "condition count"));
    e.CompanyId = TextOf(entry(kCompanyId), name(kCompanyId, "company"), codePage);
    e.UserId = TextOf(entry(kUserId), name(kUserId, "user"), codePage);
    e.DbName = TextOf(entry(kDbName), name(kDbName, "database"), codePage);
    e.Built = Date(entry(kBuilt), name(kBuilt, "time"));
    e.ServerClass = TextOf(entry(kServerClass), name(kServerClass, "server class"), codePage);
    e.ProgramKind = TextOf(entry(kProgramKind), name(kProgramKind, "program kind"), codePage);
    if (high >= kGenerationMode)
        e.GenerationMode = Integer(entry(kGenerationMode), name(kGenerationMode, "generation mode"));
    if (high >= kStartAt) e.StartAt = Date(entry(kStartAt), name(kStartAt, "start"));
    if (high >= kRecipients) e.Recipients = TextOf(entry(kRecipients), name(kRecipients, "recipients"), codePage);
    if (high >= kOutputKinds) e.OutputKinds = Integer(entry(kOutputKinds), name(kOutputKinds, "output kinds"));
    if (high >= kFormatCode) e.FormatCode = TextOf(entry(kFormatCode), name(kFormatCode, "format code"), codePage);
    return e;
}

// --- Condition texts and values ----------------------------------------------------------------

Variant ConditionText::ToVariant() const { return Variant::ArrayOf({Variant(Caption), Variant(ControlName)}); }

ConditionText ConditionText::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Condition text";
    RequireList(value, what, 2);
    return ConditionText{Text(value, 0, what, codePage), Text(value, 1, what, codePage)};
}

namespace {

bool HasMark(const Variant& value, char mark, int minCount) {
    if (ElementCount(value) < minCount) return false;
    const Variant& first = value[value.LowBound()];
    return first.IsText() && VarToStr(first) == std::string(1, mark);
}

}  // namespace

Variant RangeValue::ToVariant() const {
    return Variant::ArrayOf({Variant(std::string(1, kRangeMark)), Variant(Begin), Variant(End)});
}

bool RangeValue::Is(const Variant& value) { return HasMark(value, kRangeMark, 3); }

RangeValue RangeValue::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Range value";
    if (!Is(value)) throw EProtocolError(what + ": not [0x04, begin, end]");
    return RangeValue{Text(value, 1, what, codePage), Text(value, 2, what, codePage)};
}

Variant ListValue::ToVariant() const {
    Variant value = Variant::Array(0, static_cast<int>(Rows.size()));
    value[0] = Variant(std::string(1, kListMark));
    for (size_t r = 0; r < Rows.size(); ++r) {
        std::vector<Variant> row(Rows[r].begin(), Rows[r].end());
        value[static_cast<int>(r) + 1] = Variant::ArrayOf(std::move(row));
    }
    return value;
}

bool ListValue::Is(const Variant& value) { return HasMark(value, kListMark, 1); }

ListValue ListValue::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "List value";
    if (!Is(value)) throw EProtocolError(what + ": not [0x05, row 1, ...]");
    ListValue list;
    for (int r = 1; r < ElementCount(value); ++r) {
        const std::string rowName = what + " row " + std::to_string(r);
        const Variant& row = value[value.LowBound() + r];
        RequireList(row, rowName, 1);
        std::vector<std::string> texts;
        for (int c = 0; c < ElementCount(row); ++c) texts.push_back(Text(row, c, rowName, codePage));
        list.Rows.push_back(std::move(texts));
    }
    return list;
}

// --- Schedule ----------------------------------------------------------------------------------

Variant CycleMode::ToVariant() const {
    switch (Kind) {
        case kDays: return Variant::ArrayOf({Variant(Kind), Variant(Every)});
        case kWeeks: return Variant::ArrayOf({Variant(Kind), Variant::ArrayOf({Variant(Every), Variant(Weekday)})});
        case kMonths:
            if (MonthKind == 0)
                return Variant::ArrayOf({Variant(Kind), Variant::ArrayOf({Variant(0), Variant(Every), Variant(Day)})});
            return Variant::ArrayOf(
                {Variant(Kind), Variant::ArrayOf({Variant(1), Variant(Every), Variant(Ordinal), Variant(Weekday)})});
        case kHours: return Variant::ArrayOf({Variant(Kind), Variant(Hours)});
    }
    throw EProtocolError("Cycle mode " + std::to_string(Kind) + " does not exist");
}

CycleMode CycleMode::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Cycle mode";
    RequireList(value, what, 2);
    CycleMode c;
    c.Kind = InRange(Integer(value, 0, what), kDays, kHours, what);
    const Variant& params = ElementAt(value, 1, what);
    const std::string p = what + " parameters";
    switch (c.Kind) {
        case kDays: c.Every = TextOf(params, p, codePage); break;
        case kWeeks:
            RequireList(params, p, 2);
            c.Every = Text(params, 0, p, codePage);
            c.Weekday = InRange(Integer(params, 1, p), 0, 6, p + " weekday");
            break;
        case kMonths:
            RequireList(params, p, 3);
            c.MonthKind = InRange(Integer(params, 0, p), 0, 1, p + " kind");
            c.Every = Text(params, 1, p, codePage);
            if (c.MonthKind == 0) {
                c.Day = Text(params, 2, p, codePage);
            } else {
                RequireList(params, p, 4);
                c.Ordinal = InRange(Integer(params, 2, p), 0, 4, p + " ordinal");
                c.Weekday = InRange(Integer(params, 3, p), 0, 6, p + " weekday");
            }
            break;
        case kHours: c.Hours = Number(params, p); break;
    }
    return c;
}

Variant CycleRange::ToVariant() const {
    switch (Kind) {
        case kNoEnd: return Variant::ArrayOf({Variant(Start), Variant(Kind)});
        case kRepeats: return Variant::ArrayOf({Variant(Start), Variant(Kind), Variant(Repeats)});
        case kEndDate: return Variant::ArrayOf({Variant(Start), Variant(Kind), Variant(End)});
    }
    throw EProtocolError("Cycle range kind " + std::to_string(Kind) + " does not exist");
}

CycleRange CycleRange::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Cycle range";
    RequireList(value, what, 2);
    CycleRange r;
    r.Start = Text(value, 0, what, codePage);
    r.Kind = InRange(Integer(value, 1, what), kNoEnd, kEndDate, what + " kind");
    if (r.Kind == kRepeats) r.Repeats = Text(value, 2, what, codePage);
    if (r.Kind == kEndDate) r.End = Text(value, 2, what, codePage);
    return r;
}

Variant Schedule::ToVariant() const {
    return Variant::ArrayOf({Variant("Y"), Variant(RunTime), Cycle.ToVariant(), Range.ToVariant()});
}

Schedule Schedule::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Schedule";
    RequireList(value, what, 4);
    if (Text(value, 0, what, codePage) != "Y") throw EProtocolError(what + ": element 0 is not \"Y\"");
    Schedule s;
    s.RunTime = Text(value, 1, what, codePage);
    s.Cycle = CycleMode::FromVariant(ElementAt(value, 2, what), codePage);
    s.Range = CycleRange::FromVariant(ElementAt(value, 3, what), codePage);
    return s;
}

Variant DynamicFieldList::ToVariant() const {
    const int n = static_cast<int>(Entries.size());
    Variant list = Variant::Array(0, n);
    list[0] = Variant(n);
    for (int i = 0; i < n; ++i) list[i + 1] = Variant(Entries[i]);
    return list;
}

DynamicFieldList DynamicFieldList::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Dynamic date fields";
    RequireList(value, what, 1);
    RequireLowBound(value, what, 0);
    const int n = Integer(value, 0, what);
    if (n != value.HighBound())
        throw EProtocolError(what + ": counts " + std::to_string(n) + " entries but holds " +
                             std::to_string(value.HighBound()));
    DynamicFieldList list;
    for (int i = 1; i <= n; ++i) list.Entries.push_back(Text(value, i, what, codePage));
    return list;
}

// --- Condition package -------------------------------------------------------------------------

Variant ConditionPackage::ToVariant() const {
    if (Texts.size() != Values.size())
        throw EProtocolError("Condition package: " + std::to_string(Texts.size()) + " texts but " +
                             std::to_string(Values.size()) + " values");
    if (Periodic.has_value() != DynamicFields.has_value())
        throw EProtocolError("Condition package: the schedule and the dynamic date fields go together");
    const int count = static_cast<int>(Texts.size());
    Variant texts = Variant::Array(1, count);
    Variant values = Variant::Array(1, count);
    for (int i = 0; i < count; ++i) {
        texts[i + 1] = Texts[i].ToVariant();
        values[i + 1] = Values[i];
    }
    std::vector<Variant> items{Env.ToVariant(), texts, values};
    if (Periodic) {
        items.push_back(Periodic->ToVariant());
        items.push_back(DynamicFields->ToVariant());
    }
    return Variant::ArrayOf(std::move(items));
}

ConditionPackage ConditionPackage::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Condition package";
    RequireList(value, what, 3);
    RequireLowBound(value, what, 0);
    const int count = ElementCount(value);
    if (count != 3 && count != 5)
        throw EProtocolError(what + ": " + std::to_string(count) + " elements, 3 or 5 expected");
    ConditionPackage package;
    package.Env = Environment::FromVariant(value[0], codePage);
    const Variant& texts = value[1];
    const Variant& values = value[2];
    for (const auto& [part, name] : {std::pair{&texts, "texts"}, std::pair{&values, "values"}}) {
        const std::string partName = what + " " + name;
        RequireList(*part, partName, 0);
        if (ElementCount(*part) > 0) RequireLowBound(*part, partName, 1);
    }
    if (ElementCount(texts) != ElementCount(values))
        throw EProtocolError(what + ": " + std::to_string(ElementCount(texts)) + " texts but " +
                             std::to_string(ElementCount(values)) + " values");
    if (package.Env.ConditionCount != ElementCount(texts))
        throw EProtocolError(what + ": the environment counts " + std::to_string(package.Env.ConditionCount) +
                             " conditions but the package holds " + std::to_string(ElementCount(texts)));
    for (int i = 0; i < ElementCount(texts); ++i) {
        package.Texts.push_back(ConditionText::FromVariant(texts[texts.LowBound() + i], codePage));
        package.Values.push_back(values[values.LowBound() + i]);
    }
    if (count == 5) {
        package.Periodic = Schedule::FromVariant(value[3], codePage);
        package.DynamicFields = DynamicFieldList::FromVariant(value[4], codePage);
    }
    return package;
}

}  // namespace znp::protocol
