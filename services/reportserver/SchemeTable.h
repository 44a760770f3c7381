// The records of the provider "pvdConSave" as GetRecords hands them out: a two-dimensional array
// [0..n, 0..5], row 0 the field names, then the schemes sorted by name. Shared by the report
// server and its test fake, so both answer in the one layout the scheme store reads.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"

namespace znp::report {

// Record: any type with the text fields Name, Creator, Programme, Keys, Value and CreateDate.
template <class Record>
Variant SchemeTable(std::vector<Record> rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const Record& a, const Record& b) { return a.Name < b.Name; });
    Variant table = Variant::Array({{0, static_cast<int>(rows.size())}, {0, 5}});
    const char* names[] = {"NCONDITION", "CREATOR", "PROGRAMME", "SCONDITION", "VCONDITION", "CREATE_DATE"};
    for (int c = 0; c < 6; ++c) table.At(0, c) = names[c];
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const Record& s = rows[r];
        const std::string* fields[] = {&s.Name, &s.Creator, &s.Programme, &s.Keys, &s.Value, &s.CreateDate};
        for (int c = 0; c < 6; ++c) table.At(r + 1, c) = *fields[c];
    }
    return table;
}

}  // namespace znp::report
