// The records that cross the library's boundary, each with its variant layout written once.
//
// Host, library and report server exchange nested variant arrays. Every such array has a typed
// record here with ToVariant (the layout as sent) and FromVariant (the layout as received).
// FromVariant refuses a variant of the wrong shape with EProtocolError naming the record and the
// element; it never indexes outside an array.
//
// Texts: a record keeps texts as byte strings. Reading takes byte text as it comes and narrows wide
// text to the code page given (empty: the process's variant code page, as VarToStr does); the
// report server, which keeps everything in the database code page, reads with kDbCodePage.
// Numbers and dates read as text are written out in decimal (VarToStr).
//
//   HostParams           [user, company, database, host window?, host context?]      from 0
//   Environment          [1..EnvCount] program, counts, identities, time, kinds, ...
//   ConditionText        [caption, control name]
//   RangeValue           [0x04, begin, end]
//   ListValue            [0x05, row 1, ..., row n], a row [caption, sub-item 1, ...]
//   CycleMode            [mode, parameters]
//   CycleRange           [start, 0] | [start, 1, repeats] | [start, 2, end]
//   Schedule             ["Y", "hh:mm", CycleMode, CycleRange]
//   DynamicFieldList     [n, entry 1, ..., entry n]
//   ConditionPackage     [Environment, texts [1..C], values [1..C] (, Schedule, DynamicFieldList)]
//   ProgramRow           program master "ADMMB"/"01"
//   ProgramQueryRow      program master "ADMMB"/"11"
//   RightsRecord         the answer of GetPower
//   SchemeRecord         a row of the provider "pvdConSave"; SchemeTable the whole answer
//   SchemeOwner, SchemeKey, SchemeInsert   the arguments of the scheme calls
//   JobRecord            a job as the report server keeps it
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Kvtr42C/Exception.h"
#include "Kvtr42C/Variant.h"

namespace znp {

// A variant does not have the layout of the record it is read as.
class EProtocolError : public Exception {
public:
    using Exception::Exception;
};

namespace protocol {

// The code page of the database: what the report server keeps and compares.
inline constexpr const char* kDbCodePage = "936";

// The text of a single element: byte text as it comes, wide text narrowed to CodePage (empty:
// the variant code page), Empty and Null "", numbers, dates and Booleans as VarToStr writes them.
// An array or an object is no text: EProtocolError naming What.
std::string TextOf(const Variant& value, const std::string& what, const std::string& codePage = std::string());
// The same in the database code page; the report server's reading of every text argument.
std::string DbText(const Variant& value);

// The number of elements of a one-dimensional array, or -1 when Value is none.
int ElementCount(const Variant& value);
// Element I counted from the low bound of a one-dimensional array; EProtocolError naming What
// when Value is no such array or has no element I.
const Variant& ElementAt(const Variant& value, int i, const std::string& what);

// --- Host ------------------------------------------------------------------------------------

// The array the host hands to Open, indexed from 0: the three identities are required (not Null),
// the host window and the host context are not (a missing context is reported by the form).
struct HostParams {
    std::string UserId;
    std::string CompanyId;
    std::string DbName;
    std::intptr_t HostWindow = 0;
    bool HasHostWindow = false;
    Variant HostContext;
    bool HasHostContext = false;

    // 3, 4 or 5 elements, as far as the optional ones are present (a context implies a window).
    Variant ToVariant() const;
    static HostParams FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// --- Condition package -----------------------------------------------------------------------

// The environment block: entries 1-9 from the base form, 10-12 from the generation level, 13-14
// from the report level. EnvCount (entry 2) says how many entries the array has.
struct Environment {
    enum Index : int {
        kProgramId = 1,
        kEnvCount = 2,
        kConditionCount = 3,
        kCompanyId = 4,
        kUserId = 5,
        kDbName = 6,
        kBuilt = 7,
        kServerClass = 8,
        kProgramKind = 9,
        kGenerationMode = 10,
        kStartAt = 11,
        kRecipients = 12,
        kOutputKinds = 13,
        kFormatCode = 14,
    };
    // The sizes of the three levels.
    static constexpr int kBaseCount = 9;
    static constexpr int kOptionCount = 12;
    static constexpr int kReportCount = 14;

    std::string ProgramId;
    int EnvCount = kBaseCount;
    int ConditionCount = 0;
    std::string CompanyId;
    std::string UserId;
    std::string DbName;
    double Built = 0;  // date value
    std::string ServerClass;
    std::string ProgramKind;
    // Generation level.
    int GenerationMode = 0;  // 0 job queue, 1 at once, 2 at a set time
    double StartAt = 0;      // date value
    std::string Recipients;
    // Report level.
    int OutputKinds = 0;  // bits: 1 report file, 2 web page, 4 direct print
    std::string FormatCode;

    // A lower-case program kind marks a periodic request.
    bool IsPeriodic() const;

    // Writes entries First..Last (within 1..14) into Env, an array whose bounds hold them; how a
    // level fills its own part of the array the form collects.
    void WriteTo(Variant& env, int first, int last) const;
    // [1..EnvCount]; EnvCount must be at least 9, entries past 14 are Null.
    Variant ToVariant() const;
    // An array [1..n], n >= 9; entries past n keep their defaults.
    static Environment FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// A condition text [caption, control name].
struct ConditionText {
    std::string Caption;
    std::string ControlName;

    Variant ToVariant() const;
    static ConditionText FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The marks of the two value kinds.
inline constexpr char kRangeMark = '\x04';
inline constexpr char kListMark = '\x05';

// A range condition value [0x04, begin, end].
struct RangeValue {
    std::string Begin;
    std::string End;

    Variant ToVariant() const;
    static bool Is(const Variant& value);
    static RangeValue FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// A list condition value [0x05, row 1, ..., row n]; every row [caption, sub-item 1, ...].
struct ListValue {
    std::vector<std::vector<std::string>> Rows;

    Variant ToVariant() const;
    static bool Is(const Variant& value);
    static ListValue FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The cycle of a periodic schedule [mode, parameters]. Numbers typed into edits travel as the
// texts typed; indexes and sub-modes as integers; the hours as a floating-point number.
struct CycleMode {
    enum : int { kDays = 0, kWeeks = 1, kMonths = 2, kHours = 3 };
    int Kind = kDays;
    std::string Every;   // N of days, weeks or months (text)
    int Weekday = 0;     // weeks; months by weekday: 0 Sunday .. 6 Saturday
    int MonthKind = 0;   // months: 0 day of month, 1 k-th weekday
    std::string Day;     // months by day: D (text)
    int Ordinal = 0;     // months by weekday: 0-3 first to fourth, 4 last
    double Hours = 0;    // hours

    // kDays: [0, N]; kWeeks: [1, [N, weekday]]; kMonths: [2, [0, N, D]] or [2, [1, N, k, weekday]];
    // kHours: [3, hours].
    Variant ToVariant() const;
    static CycleMode FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The range of a periodic schedule: [start, 0] without end, [start, 1, repeats] after a number of
// runs, [start, 2, end] until a date; dates as yyyymmdd.
struct CycleRange {
    enum : int { kNoEnd = 0, kRepeats = 1, kEndDate = 2 };
    std::string Start;
    int Kind = kNoEnd;
    std::string Repeats;  // text, as typed
    std::string End;

    Variant ToVariant() const;
    static CycleRange FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The schedule of a periodic request ["Y", "hh:mm", cycle, range] (package element 3).
struct Schedule {
    std::string RunTime;  // "hh:mm"
    CycleMode Cycle;
    CycleRange Range;

    Variant ToVariant() const;
    static Schedule FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The dynamic date fields of a periodic request [n, entry 1, ..., entry n] (package element 4);
// the entries are 0x03-separated texts, each ending in the index of its condition.
struct DynamicFieldList {
    std::vector<std::string> Entries;

    Variant ToVariant() const;
    static DynamicFieldList FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The request: [environment, texts [1..C], values [1..C]] and, for a periodic request, the
// schedule and the dynamic date fields. Values are kept as variants: a concrete form decides what
// a value of its own is (RangeValue and ListValue read the common kinds).
struct ConditionPackage {
    Environment Env;
    std::vector<ConditionText> Texts;  // conditions 1..C in order
    std::vector<Variant> Values;       // conditions 1..C in order
    std::optional<Schedule> Periodic;
    std::optional<DynamicFieldList> DynamicFields;

    // Texts and values must have the same count; the schedule and the list come together.
    Variant ToVariant() const;
    // Refuses a package whose texts and values differ in count, whose environment counts
    // another number of conditions, or that carries only one of the two periodic elements.
    static ConditionPackage FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// --- Program master and rights -----------------------------------------------------------------

// The program master row of "ADMMB"/"01": [name, id, system, kind, log Y/N, no direct query Y/N,
// server class, English name]. The first five elements are required.
struct ProgramRow {
    std::string Name;
    std::string Id;
    std::string System;
    std::string Kind;
    bool WantLog = false;
    bool NoDirectQuery = false;
    std::string ServerClass;
    std::string EnglishName;
    bool HasEnglishName = false;  // the row has more than seven elements

    Variant ToVariant() const;
    static ProgramRow FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The program master row of "ADMMB"/"11": [id, name, kind, no direct query Y/N].
struct ProgramQueryRow {
    std::string Id;
    std::string Name;
    std::string Kind;
    bool NoDirectQuery = false;

    Variant ToVariant() const;
    static ProgramQueryRow FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The answer of GetPower: [program, "f1,f2,f3,f4,f5,f6", text 2, text 3, limit kind, [count,
// value 1, ..., value count]]. Field f4 is the rights string, one letter per right.
struct RightsRecord {
    std::string ProgramId;
    std::string Field1;
    bool Flag2 = false;
    bool Flag3 = false;
    std::string Rights;
    std::string Field5;
    std::string Field6;
    std::string Text2;
    std::string Text3;
    std::u16string LimitKind;
    bool HasLimits = false;  // element 5 was there
    std::vector<std::u16string> LimitValues;

    // Right N (from 1) is granted unless its letter is "N"; a missing letter counts as "N".
    bool Right(int n) const;
    // The limits as the validator and the lookups take them: kind 0x03 count 0x03 value 0x03 ...;
    // empty without limits.
    std::u16string LimitsText() const;

    Variant ToVariant() const;
    static RightsRecord FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// --- Condition schemes -------------------------------------------------------------------------

// A scheme as the provider "pvdConSave" delivers it; identified by (Name, Creator, Programme).
struct SchemeRecord {
    std::string Name;        // NCONDITION
    std::string Creator;     // CREATOR
    std::string Programme;   // PROGRAMME
    std::string Keys;        // SCONDITION
    std::string Value;       // VCONDITION
    std::string CreateDate;  // CREATE_DATE, yyyymmdd

    bool SameKey(const SchemeRecord& other) const;
    // One row [NCONDITION, CREATOR, PROGRAMME, SCONDITION, VCONDITION, CREATE_DATE], as the
    // validator's scheme query "GENES"/"01" answers it.
    Variant ToVariant() const;
    static SchemeRecord FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The provider's answer: a two-dimensional array [0..n, 0..5], row 0 the field names NCONDITION,
// CREATOR, PROGRAMME, SCONDITION, VCONDITION, CREATE_DATE, then one row per scheme.
struct SchemeTable {
    static const char* const kFieldNames[6];
    std::vector<SchemeRecord> Rows;

    // Rows in name order (stable), as the provider's index delivers them.
    Variant ToVariant() const;
    // Refuses anything but two dimensions of six columns headed by the six field names (in any
    // letter case).
    static SchemeTable FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// LoadTable's argument [UserId, ProgramId].
struct SchemeOwner {
    std::string UserId;
    std::string ProgramId;

    Variant ToVariant() const;
    static SchemeOwner FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The key of a scheme as DeleteConTable and ChangeConName take it: [name, UserId, ProgramId].
struct SchemeKey {
    std::string Name;
    std::string UserId;
    std::string ProgramId;

    Variant ToVariant() const;
    static SchemeKey FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// InsertConTable's argument [name, UserId, date yyyymmdd, ProgramId, key list, value text,
// Overwrite]; a missing Overwrite counts as false.
struct SchemeInsert {
    SchemeRecord Record;
    bool Overwrite = false;

    Variant ToVariant() const;
    static SchemeInsert FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// --- Jobs --------------------------------------------------------------------------------------

// A job as the report server keeps it and GetJob answers it: [number, kind, machine, status,
// when, package]. Request queues a job ("Q"), Request1 registers one the client runs ("C"); both
// answer the number.
struct JobRecord {
    std::string Number;
    std::string Kind;     // "Q" queued for the server, "C" registered for a run by the client
    std::string Machine;  // the client's computer for "C"
    std::string Status;
    Variant When;         // Empty until a status was recorded
    Variant Package;      // the request as received

    Variant ToVariant() const;
    static JobRecord FromVariant(const Variant& value, const std::string& codePage = std::string());
};

// The report number of a job: its first eight characters followed by "0001".
std::string ReportNumberOf(const std::string& jobNumber);

}  // namespace protocol
}  // namespace znp
