// The program master rows, the rights record, the scheme records and calls, and the job record.
#include <strings.h>

#include <algorithm>

#include "Kvtr42C/Protocol.h"
#include "platform/ProtocolRead.h"

namespace znp::protocol {

using namespace read;

// --- Program master ----------------------------------------------------------------------------

Variant ProgramRow::ToVariant() const {
    std::vector<Variant> items{Variant(Name),
                               Variant(Id),
                               Variant(System),
                               Variant(Kind),
                               Variant(std::string(WantLog ? "Y" : "N")),
                               Variant(std::string(NoDirectQuery ? "Y" : "N")),
                               Variant(ServerClass)};
    if (HasEnglishName) items.emplace_back(EnglishName);
    return Variant::ArrayOf(std::move(items));
}

ProgramRow ProgramRow::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Program master row";
    // The name and the logging flag are what every reader needs.
    RequireList(value, what, 5);
    const int count = ElementCount(value);
    ProgramRow row;
    row.Name = Text(value, 0, what, codePage);
    row.Id = Text(value, 1, what, codePage);
    row.System = Text(value, 2, what, codePage);
    row.Kind = Text(value, 3, what, codePage);
    row.WantLog = Flag(value, 4, what, codePage);
    if (count > 5) row.NoDirectQuery = Flag(value, 5, what, codePage);
    if (count > 6) row.ServerClass = Text(value, 6, what, codePage);
    if (count > 7) {
        row.EnglishName = Text(value, 7, what, codePage);
        row.HasEnglishName = true;
    }
    return row;
}

Variant ProgramQueryRow::ToVariant() const {
    return Variant::ArrayOf(
        {Variant(Id), Variant(Name), Variant(Kind), Variant(std::string(NoDirectQuery ? "Y" : "N"))});
}

ProgramQueryRow ProgramQueryRow::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Program master query row";
    RequireList(value, what, 4);
    return ProgramQueryRow{Text(value, 0, what, codePage), Text(value, 1, what, codePage),
                           Text(value, 2, what, codePage), Flag(value, 3, what, codePage)};
}

// --- Rights ------------------------------------------------------------------------------------

bool RightsRecord::Right(int n) const { return n >= 1 && n <= static_cast<int>(Rights.size()) && Rights[n - 1] != 'N'; }

std::u16string RightsRecord::LimitsText() const {
    if (!HasLimits) return std::u16string();
    const std::u16string separator(1, u'\x03');
    std::u16string text = LimitKind + separator + Variant(static_cast<int>(LimitValues.size())).AsWide() + separator;
    for (const std::u16string& v : LimitValues) text += v + separator;
    return text;
}

Variant RightsRecord::ToVariant() const {
    std::string fields = Field1 + "," + (Flag2 ? "Y" : "N") + "," + (Flag3 ? "Y" : "N") + "," + Rights + "," + Field5 +
                         "," + Field6;
    Variant limits = Variant::Array(0, static_cast<int>(LimitValues.size()));
    limits[0] = Variant(static_cast<int>(LimitValues.size()));
    for (size_t i = 0; i < LimitValues.size(); ++i) limits[static_cast<int>(i) + 1] = Variant(LimitValues[i]);
    std::vector<Variant> items{Variant(ProgramId), Variant(fields), Variant(Text2), Variant(Text3)};
    if (HasLimits) {
        items.emplace_back(LimitKind);
        items.push_back(limits);
    }
    return Variant::ArrayOf(std::move(items));
}

RightsRecord RightsRecord::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Rights record";
    RequireList(value, what, 2);
    const int count = ElementCount(value);
    RightsRecord r;
    r.ProgramId = Text(value, 0, what, codePage);
    // Six comma-separated fields; neither code page has a trail byte that is a comma.
    std::string fields = Text(value, 1, what, codePage);
    std::string f[6];
    for (std::string& field : f) {
        const size_t comma = fields.find(',');
        field = fields.substr(0, comma);
        fields = comma == std::string::npos ? std::string() : fields.substr(comma + 1);
    }
    r.Field1 = f[0];
    r.Flag2 = f[1] == "Y";
    r.Flag3 = f[2] == "Y";
    r.Rights = f[3];
    r.Field5 = f[4];
    r.Field6 = f[5];
    if (count > 2) r.Text2 = Text(value, 2, what, codePage);
    if (count > 3) r.Text3 = Text(value, 3, what, codePage);
    if (count > 4) r.LimitKind = Wide(ElementAt(value, 4, what), what + " element 4");
    if (count > 5) {
        const std::string limits = what + " limits";
        const Variant& list = ElementAt(value, 5, what);
        RequireList(list, limits, 1);
        const int n = Integer(list, 0, limits);
        if (n < 0 || n > ElementCount(list) - 1)
            throw EProtocolError(limits + ": counts " + std::to_string(n) + " values but holds " +
                                 std::to_string(ElementCount(list) - 1));
        for (int i = 1; i <= n; ++i)
            r.LimitValues.push_back(Wide(ElementAt(list, i, limits), limits + " element " + std::to_string(i)));
        r.HasLimits = true;
    }
    return r;
}

// --- Condition schemes -------------------------------------------------------------------------

bool SchemeRecord::SameKey(const SchemeRecord& other) const {
    return Name == other.Name && Creator == other.Creator && Programme == other.Programme;
}

Variant SchemeRecord::ToVariant() const {
    return Variant::ArrayOf(
        {Variant(Name), Variant(Creator), Variant(Programme), Variant(Keys), Variant(Value), Variant(CreateDate)});
}

SchemeRecord SchemeRecord::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Scheme record";
    RequireList(value, what, 6);
    std::string f[6];
    for (int i = 0; i < 6; ++i) f[i] = Text(value, i, what, codePage);
    return SchemeRecord{f[0], f[1], f[2], f[3], f[4], f[5]};
}

const char* const SchemeTable::kFieldNames[6] = {"NCONDITION", "CREATOR",    "PROGRAMME",
                                                 "SCONDITION", "VCONDITION", "CREATE_DATE"};

Variant SchemeTable::ToVariant() const {
    std::vector<SchemeRecord> rows = Rows;
    std::stable_sort(rows.begin(), rows.end(), [](const SchemeRecord& a, const SchemeRecord& b) { return a.Name < b.Name; });
    Variant table = Variant::Array({{0, static_cast<int>(rows.size())}, {0, 5}});
    for (int c = 0; c < 6; ++c) table.At(0, c) = kFieldNames[c];
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SchemeRecord& s = rows[r];
        const std::string* fields[] = {&s.Name, &s.Creator, &s.Programme, &s.Keys, &s.Value, &s.CreateDate};
        for (int c = 0; c < 6; ++c) table.At(r + 1, c) = *fields[c];
    }
    return table;
}

SchemeTable SchemeTable::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Scheme table";
    if (!value.IsArray() || value.DimCount() != 2) throw EProtocolError(what + ": not a two-dimensional array");
    const int rowLow = value.LowBound(1), rowHigh = value.HighBound(1);
    const int colLow = value.LowBound(2), colHigh = value.HighBound(2);
    if (rowHigh < rowLow) throw EProtocolError(what + ": no row of field names");
    // Columns are found by name, as a data set finds its fields.
    int column[6];
    for (int f = 0; f < 6; ++f) {
        column[f] = -1;
        for (int c = colLow; c <= colHigh && column[f] < 0; ++c) {
            const Variant& head = value.At(rowLow, c);
            if (head.IsText() && strcasecmp(VarToStr(head).c_str(), kFieldNames[f]) == 0) column[f] = c;
        }
        if (column[f] < 0) throw EProtocolError(what + ": no field " + kFieldNames[f]);
    }
    SchemeTable table;
    for (int r = rowLow + 1; r <= rowHigh; ++r) {
        std::string fields[6];
        for (int f = 0; f < 6; ++f)
            fields[f] = TextOf(value.At(r, column[f]),
                               what + " row " + std::to_string(r - rowLow) + " field " + kFieldNames[f], codePage);
        table.Rows.push_back(SchemeRecord{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    }
    return table;
}

Variant SchemeOwner::ToVariant() const { return Variant::ArrayOf({Variant(UserId), Variant(ProgramId)}); }

SchemeOwner SchemeOwner::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Scheme owner [UserId, ProgramId]";
    RequireList(value, what, 2);
    return SchemeOwner{Text(value, 0, what, codePage), Text(value, 1, what, codePage)};
}

Variant SchemeKey::ToVariant() const { return Variant::ArrayOf({Variant(Name), Variant(UserId), Variant(ProgramId)}); }

SchemeKey SchemeKey::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Scheme key [name, UserId, ProgramId]";
    RequireList(value, what, 3);
    return SchemeKey{Text(value, 0, what, codePage), Text(value, 1, what, codePage), Text(value, 2, what, codePage)};
}

Variant SchemeInsert::ToVariant() const {
    return Variant::ArrayOf({Variant(Record.Name), Variant(Record.Creator), Variant(Record.CreateDate),
                             Variant(Record.Programme), Variant(Record.Keys), Variant(Record.Value), Variant(Overwrite)});
}

SchemeInsert SchemeInsert::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Scheme insert [name, UserId, date, ProgramId, keys, values, Overwrite]";
    RequireList(value, what, 6);
    SchemeInsert insert;
    insert.Record.Name = Text(value, 0, what, codePage);
    insert.Record.Creator = Text(value, 1, what, codePage);
    insert.Record.CreateDate = Text(value, 2, what, codePage);
    insert.Record.Programme = Text(value, 3, what, codePage);
    insert.Record.Keys = Text(value, 4, what, codePage);
    insert.Record.Value = Text(value, 5, what, codePage);
    if (ElementCount(value) > 6) {
        const Variant& overwrite = ElementAt(value, 6, what);
        if (overwrite.IsArray() || overwrite.IsObject() || overwrite.IsNull())
            throw EProtocolError(what + " element 6 is not a Boolean");
        try {
            insert.Overwrite = overwrite.AsBoolean();
        } catch (const Exception&) {
            throw EProtocolError(what + " element 6 is not a Boolean");
        }
    }
    return insert;
}

// --- Jobs --------------------------------------------------------------------------------------

Variant JobRecord::ToVariant() const {
    return Variant::ArrayOf({Variant(Number), Variant(Kind), Variant(Machine), Variant(Status), When, Package});
}

JobRecord JobRecord::FromVariant(const Variant& value, const std::string& codePage) {
    const std::string what = "Job record";
    RequireList(value, what, 6);
    JobRecord job;
    job.Number = Text(value, 0, what, codePage);
    job.Kind = Text(value, 1, what, codePage);
    job.Machine = Text(value, 2, what, codePage);
    job.Status = Text(value, 3, what, codePage);
    job.When = ElementAt(value, 4, what);
    job.Package = ElementAt(value, 5, what);
    return job;
}

std::string ReportNumberOf(const std::string& jobNumber) { return jobNumber.substr(0, 8) + "0001"; }

}  // namespace znp::protocol
