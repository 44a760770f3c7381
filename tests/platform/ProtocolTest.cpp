// The protocol records: each layout survives a round trip, and a variant of the wrong shape is
// refused with EProtocolError naming what is wrong, never read out of bounds.
#include <gtest/gtest.h>

#include <functional>

#include "Kvtr42C/Protocol.h"

namespace znp::protocol {
namespace {

const std::string kRange(1, '\x04');
const std::string kList(1, '\x05');

Environment ReportEnvironment() {
    Environment e;
    e.ProgramId = "KVTR42";
    e.EnvCount = Environment::kReportCount;
    e.ConditionCount = 2;
    e.CompanyId = "C01";
    e.UserId = "U01";
    e.DbName = "DEMO";
    e.Built = 45413.5;
    e.ServerClass = "KVTR42S.Class1";
    e.ProgramKind = "r";
    e.GenerationMode = 2;
    e.StartAt = 45414.25;
    e.Recipients = "U02";
    e.OutputKinds = 3;
    e.FormatCode = "A01";
    return e;
}

ConditionPackage PeriodicPackage() {
    ConditionPackage p;
    p.Env = ReportEnvironment();
    p.Texts = {{"单号", "sp01"}, {"制表日期", "edPrintDate"}};
    p.Values = {RangeValue{"A", "B"}.ToVariant(), Variant("20240501")};
    Schedule s;
    s.RunTime = "07:05";
    s.Cycle.Kind = CycleMode::kMonths;
    s.Cycle.MonthKind = 1;
    s.Cycle.Every = "3";
    s.Cycle.Ordinal = 4;
    s.Cycle.Weekday = 5;
    s.Range = CycleRange{"20240110", CycleRange::kEndDate, "", "20241231"};
    p.Periodic = s;
    p.DynamicFields = DynamicFieldList{{"0\x03sp02\x03Y\x03-1\x03" "1\x03" "1\x03" "0\x03N\x03" "0\x03" "0\x03" "0\x03" "0\x03" "D\x03" "1"}};
    return p;
}

TEST(ProtocolTest, PeriodicPackageKeepsEveryPartThroughARoundTrip) {
    const Variant v = PeriodicPackage().ToVariant();
    // The layout as the report server receives it.
    ASSERT_EQ(v.HighBound(), 4);
    EXPECT_EQ(v[0].LowBound(), 1);
    EXPECT_EQ(v[0].HighBound(), 14);
    EXPECT_EQ(v[0][9], Variant("r"));
    EXPECT_EQ(v[1][1], Variant::ArrayOf({Variant("单号"), Variant("sp01")}));
    EXPECT_EQ(v[3][2], Variant::ArrayOf({Variant(2), Variant::ArrayOf({Variant(1), Variant("3"), Variant(4), Variant(5)})}));
    EXPECT_EQ(v[3][3], Variant::ArrayOf({Variant("20240110"), Variant(2), Variant("20241231")}));
    EXPECT_EQ(v[4][0], Variant(1));

    const ConditionPackage back = ConditionPackage::FromVariant(v);
    EXPECT_EQ(back.Env.FormatCode, "A01");
    EXPECT_EQ(back.Env.StartAt, 45414.25);
    EXPECT_TRUE(back.Env.IsPeriodic());
    ASSERT_EQ(back.Texts.size(), 2u);
    EXPECT_EQ(back.Texts[1].ControlName, "edPrintDate");
    EXPECT_EQ(RangeValue::FromVariant(back.Values[0]).End, "B");
    ASSERT_TRUE(back.Periodic);
    EXPECT_EQ(back.Periodic->Cycle.Ordinal, 4);
    EXPECT_EQ(back.Periodic->Range.End, "20241231");
    EXPECT_EQ(back.DynamicFields->Entries, PeriodicPackage().DynamicFields->Entries);
    EXPECT_EQ(back.ToVariant(), v);
}

TEST(ProtocolTest, BaseEnvironmentHasNineEntriesAndLeavesTheLaterOnesAtTheirDefaults) {
    Environment e = ReportEnvironment();
    e.EnvCount = Environment::kBaseCount;
    const Variant v = e.ToVariant();
    EXPECT_EQ(v.HighBound(), 9);
    const Environment back = Environment::FromVariant(v);
    EXPECT_EQ(back.GenerationMode, 0);
    EXPECT_EQ(back.FormatCode, "");
    EXPECT_EQ(back.UserId, "U01");
}

TEST(ProtocolTest, WriteToFillsOnlyTheLevelsEntries) {
    Variant env = Variant::Array(1, 12);
    for (int i = 1; i <= 12; ++i) env[i] = Variant::Null();
    ReportEnvironment().WriteTo(env, 10, 12);
    EXPECT_TRUE(env[9].IsNull());
    EXPECT_EQ(env[10], Variant(2));
    EXPECT_EQ(env[12], Variant("U02"));
    EXPECT_THROW(ReportEnvironment().WriteTo(env, 13, 14), EProtocolError);  // the array is too short
}

TEST(ProtocolTest, CycleModesRoundTrip) {
    CycleMode days;
    days.Every = "2";
    CycleMode weeks;
    weeks.Kind = CycleMode::kWeeks, weeks.Every = "1", weeks.Weekday = 3;
    CycleMode monthDay;
    monthDay.Kind = CycleMode::kMonths, monthDay.Every = "3", monthDay.Day = "15";
    CycleMode hours;
    hours.Kind = CycleMode::kHours, hours.Hours = 0.5;
    for (const CycleMode& c : {days, weeks, monthDay, hours}) {
        SCOPED_TRACE(c.Kind);
        const Variant v = c.ToVariant();
        EXPECT_EQ(CycleMode::FromVariant(v).ToVariant(), v);
    }
    EXPECT_EQ(days.ToVariant(), Variant::ArrayOf({Variant(0), Variant("2")}));
    EXPECT_EQ(hours.ToVariant(), Variant::ArrayOf({Variant(3), Variant(0.5)}));
}

TEST(ProtocolTest, HostParamsReadTheOptionalElementsOnlyWhenPresent) {
    const HostParams three = HostParams::FromVariant(Variant::ArrayOf({Variant("U"), Variant("C"), Variant("D")}));
    EXPECT_FALSE(three.HasHostWindow);
    EXPECT_FALSE(three.HasHostContext);
    EXPECT_EQ(three.HostWindow, 0);

    const Variant five = Variant::ArrayOf({Variant(u"用户"), Variant("C"), Variant("D"), Variant(77), Variant("ctx")});
    const HostParams all = HostParams::FromVariant(five, "936");
    EXPECT_EQ(all.UserId, "用户");
    EXPECT_EQ(all.HostWindow, 77);
    EXPECT_EQ(all.HostContext, Variant("ctx"));
    EXPECT_EQ(HostParams::FromVariant(all.ToVariant()).HostContext, Variant("ctx"));
}

TEST(ProtocolTest, DbTextNarrowsWideTextToTheDatabaseCodePage) {
    EXPECT_EQ(DbText(Variant(u"方案")), "方案");
    EXPECT_EQ(DbText(Variant("bytes")), "bytes");
    EXPECT_EQ(DbText(Variant::Null()), "");
    EXPECT_EQ(DbText(Variant(12)), "12");
}

TEST(ProtocolTest, ProgramRowNeedsTheLoggingFlagAndReadsTheEnglishNameOnlyWhenThere) {
    const ProgramRow seven = ProgramRow::FromVariant(Variant::ArrayOf(
        {Variant("叫修单"), Variant("KVTR42"), Variant("KV"), Variant("R"), Variant("Y"), Variant("N"), Variant("X")}));
    EXPECT_TRUE(seven.WantLog);
    EXPECT_FALSE(seven.HasEnglishName);
    ProgramRow eight = seven;
    eight.HasEnglishName = true;
    eight.EnglishName = "Repair calls";
    EXPECT_EQ(ProgramRow::FromVariant(eight.ToVariant()).EnglishName, "Repair calls");
    // A row that ends before the logging flag is no program master row.
    EXPECT_THROW(ProgramRow::FromVariant(Variant::ArrayOf({Variant("叫修单")})), EProtocolError);
}

TEST(ProtocolTest, RightsRecordReadsFlagsRightsAndLimits) {
    const Variant v = Variant::ArrayOf({Variant("KVTR42"), Variant("u1,Y,N,YYYYYYNY,f5,f6"), Variant("t2"), Variant("t3"),
                                        Variant(u"K"), Variant::ArrayOf({Variant(2), Variant(u"a"), Variant(7)})});
    const RightsRecord r = RightsRecord::FromVariant(v);
    EXPECT_EQ(r.Field1, "u1");
    EXPECT_TRUE(r.Flag2);
    EXPECT_FALSE(r.Flag3);
    EXPECT_FALSE(r.Right(7));
    EXPECT_TRUE(r.Right(8));
    EXPECT_FALSE(r.Right(9));  // a missing letter counts as "N"
    EXPECT_EQ(r.LimitsText(), u"K\x03" u"2\x03" u"a\x03" u"7\x03");
    EXPECT_EQ(RightsRecord::FromVariant(r.ToVariant()).LimitsText(), r.LimitsText());
    // Without element 5 there are no limits at all.
    EXPECT_EQ(RightsRecord::FromVariant(Variant::ArrayOf({Variant("P"), Variant("u,Y,Y,YY,,")})).LimitsText(), u"");
}

TEST(ProtocolTest, SchemeTableIsSortedByNameAndFindsItsColumnsByName) {
    SchemeTable t;
    t.Rows = {{"b", "U", "P", "k", "v", "20240101"}, {"a", "U", "P", "k2", "v2", "20240102"}};
    const Variant v = t.ToVariant();
    EXPECT_EQ(v.At(0, 0), Variant("NCONDITION"));
    EXPECT_EQ(v.At(1, 0), Variant("a"));

    // Another column order and lower-case names read the same records.
    Variant swapped = Variant::Array({{0, 1}, {0, 5}});
    const char* names[] = {"create_date", "vcondition", "scondition", "programme", "creator", "ncondition"};
    const char* row[] = {"20240103", "V", "K", "P", "U", "N"};
    for (int c = 0; c < 6; ++c) swapped.At(0, c) = names[c], swapped.At(1, c) = row[c];
    const SchemeTable read = SchemeTable::FromVariant(swapped);
    ASSERT_EQ(read.Rows.size(), 1u);
    EXPECT_EQ(read.Rows[0].Name, "N");
    EXPECT_EQ(read.Rows[0].CreateDate, "20240103");
}

TEST(ProtocolTest, SchemeCallArgumentsRoundTrip) {
    SchemeInsert insert{{"方案", "U", "P", "a.text;", "x\r\n", "20240501"}, true};
    const Variant v = insert.ToVariant();
    EXPECT_EQ(v[2], Variant("20240501"));  // the date stands before the program
    const SchemeInsert back = SchemeInsert::FromVariant(v);
    EXPECT_TRUE(back.Record.SameKey(insert.Record));
    EXPECT_EQ(back.Record.Value, "x\r\n");
    EXPECT_TRUE(back.Overwrite);
    Variant six = Variant::Array(0, 5);
    for (int i = 0; i <= 5; ++i) six[i] = v[i];
    EXPECT_FALSE(SchemeInsert::FromVariant(six).Overwrite);  // missing Overwrite counts as false
    EXPECT_EQ(SchemeKey::FromVariant(SchemeKey{"n", "u", "p"}.ToVariant()).ProgramId, "p");
}

TEST(ProtocolTest, JobRecordAndReportNumber) {
    JobRecord job{"00000012", "C", "PC1", "Registered", Variant(), Variant::ArrayOf({Variant(1)})};
    EXPECT_EQ(JobRecord::FromVariant(job.ToVariant()).Package, job.Package);
    EXPECT_EQ(ReportNumberOf("202405010012"), "202405010001");
    EXPECT_EQ(ReportNumberOf("12"), "120001");
    EXPECT_EQ(ReportNumberOf(""), "0001");
}

// Every reader refuses what does not have its layout, with an error that says which record.
TEST(ProtocolTest, WrongShapesAreRefusedWithTheRecordNamed) {
    const Variant good = PeriodicPackage().ToVariant();
    auto with = [&](int i, Variant part) {
        Variant v = good;
        v[i] = std::move(part);
        return v;
    };
    auto envWith = [&](int i, Variant entry) {
        Variant env = good[0];
        env[i] = std::move(entry);
        return with(0, env);
    };
    Variant fourParts = Variant::Array(0, 3);
    for (int i = 0; i <= 3; ++i) fourParts[i] = good[i];
    Variant shortValues = good[2];
    shortValues.Redim(1);
    Variant zeroBasedEnv = Variant::Array(0, 13);
    Variant twoDims = Variant::Array({{0, 1}, {0, 1}});
    Variant wrongHeader = SchemeTable{}.ToVariant();
    wrongHeader.At(0, 3) = "KEYS";

    struct Case {
        const char* name;
        std::function<void()> read;
        const char* mentions;
    };
    const Case cases[] = {
        {"no array", [] { ConditionPackage::FromVariant(Variant("x")); }, "Condition package"},
        {"two dimensions", [&] { ConditionPackage::FromVariant(twoDims); }, "Condition package"},
        {"schedule without list", [&] { ConditionPackage::FromVariant(fourParts); }, "3 or 5"},
        {"values shorter than texts", [&] { ConditionPackage::FromVariant(with(2, shortValues)); }, "values"},
        {"environment of 8", [&] {
             Variant env = good[0];
             env.Redim(8);
             ConditionPackage::FromVariant(with(0, env));
         }, "Environment"},
        {"environment from 0", [&] { Environment::FromVariant(zeroBasedEnv); }, "indexed from 0"},
        {"count disagrees", [&] { ConditionPackage::FromVariant(envWith(2, Variant(12))); }, "counts 12"},
        {"conditions disagree", [&] { ConditionPackage::FromVariant(envWith(3, Variant(5))); }, "counts 5 conditions"},
        {"time no date", [&] { ConditionPackage::FromVariant(envWith(7, Variant("soon"))); }, "entry 7"},
        {"text is array", [&] { ConditionPackage::FromVariant(envWith(4, good[1])); }, "entry 4"},
        {"condition text of one", [&] {
             Variant texts = good[1];
             texts[1] = Variant::ArrayOf({Variant("x")});
             ConditionPackage::FromVariant(with(1, texts));
         }, "Condition text"},
        {"schedule not Y", [&] {
             Variant s = good[3];
             s[0] = "N";
             ConditionPackage::FromVariant(with(3, s));
         }, "Schedule"},
        {"cycle mode 4", [] { CycleMode::FromVariant(Variant::ArrayOf({Variant(4), Variant("1")})); }, "Cycle mode"},
        {"weekday 7", [] {
             CycleMode::FromVariant(Variant::ArrayOf({Variant(1), Variant::ArrayOf({Variant("1"), Variant(7)})}));
         }, "weekday"},
        {"month row short", [] {
             CycleMode::FromVariant(Variant::ArrayOf({Variant(2), Variant::ArrayOf({Variant(1), Variant("1"), Variant(0)})}));
         }, "at least 4"},
        {"range kind 3", [] { CycleRange::FromVariant(Variant::ArrayOf({Variant("20240101"), Variant(3)})); }, "kind"},
        {"range end missing", [] { CycleRange::FromVariant(Variant::ArrayOf({Variant("20240101"), Variant(2)})); }, "element 2"},
        {"list count too high", [] { DynamicFieldList::FromVariant(Variant::ArrayOf({Variant(2), Variant("e")})); }, "counts 2"},
        {"list value without mark", [] { ListValue::FromVariant(Variant::ArrayOf({Variant("x")})); }, "0x05"},
        {"list row no array", [] { ListValue::FromVariant(Variant::ArrayOf({Variant(kList), Variant("r")})); }, "row 1"},
        {"range value of two", [] { RangeValue::FromVariant(Variant::ArrayOf({Variant(kRange), Variant("a")})); }, "0x04"},
        {"host of two", [] { HostParams::FromVariant(Variant::ArrayOf({Variant("U"), Variant("C")})); }, "Host"},
        {"host company Null", [] {
             HostParams::FromVariant(Variant::ArrayOf({Variant("U"), Variant::Null(), Variant("D")}));
         }, "element 1 is Null"},
        {"host window text", [] {
             HostParams::FromVariant(Variant::ArrayOf({Variant("U"), Variant("C"), Variant("D"), Variant("w")}));
         }, "host window"},
        {"rights of one", [] { RightsRecord::FromVariant(Variant::ArrayOf({Variant("P")})); }, "Rights"},
        {"limits overcounted", [] {
             RightsRecord::FromVariant(Variant::ArrayOf({Variant("P"), Variant("u,Y,Y,Y,,"), Variant(""), Variant(""),
                                                         Variant(""), Variant::ArrayOf({Variant(3), Variant("a")})}));
         }, "counts 3"},
        {"scheme table one dimension", [] { SchemeTable::FromVariant(Variant::ArrayOf({Variant("x")})); }, "two-dimensional"},
        {"scheme table field missing", [&] { SchemeTable::FromVariant(wrongHeader); }, "SCONDITION"},
        {"scheme key of two", [] { SchemeKey::FromVariant(Variant::ArrayOf({Variant("n"), Variant("u")})); }, "Scheme key"},
        {"insert overwrite text", [] {
             Variant v = SchemeInsert{}.ToVariant();
             v[6] = "maybe";
             SchemeInsert::FromVariant(v);
         }, "Boolean"},
        {"job of five", [] { JobRecord::FromVariant(Variant::Array(0, 4)); }, "Job record"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.read();
            ADD_FAILURE() << "accepted";
        } catch (const EProtocolError& e) {
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace znp::protocol
