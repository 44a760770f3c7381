// The host's manager "OstrelWorkCenter.Manager" and the three service objects it hands out.
//
// All four answer from one HostData (the installation's data), shared by the manager and every
// object it made. Texts are byte texts in code page 936, as the host's database holds them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "HostData.h"
#include "Kvtr42C/Protocol.h"
#include "platform/DispatchObject.h"

namespace znp::host {

inline constexpr const char* kManagerClass = "OstrelWorkCenter.Manager";

// VersionType, ProductID, GetMessage, CallHelp, GetFileList, Com_Counter, Com_Validator,
// Com_F2Window; property DataPath (the installation folder) and LastHelp (the last help request,
// "module|topic", for a shell that wants to show it).
class Manager : public DispatchObject {
public:
    explicit Manager(std::shared_ptr<HostData> data);

private:
    std::shared_ptr<HostData> data_;
    std::string lastHelp_;

    Variant FileList(const Variant& name);
};

// GetSysInfo(CompanyId by reference) and GetCounter(Name, Params by reference, [CompanyId, DbName]).
class Counter : public DispatchObject {
public:
    explicit Counter(std::shared_ptr<HostData> data);

private:
    std::shared_ptr<HostData> data_;
};

// QueryData and CheckValue (TableId, QueryNo, DbName, Params, var Data) -> Boolean;
// properties ProductID and BaseLimited.
class Validator : public DispatchObject {
public:
    explicit Validator(std::shared_ptr<HostData> data);

    // The answer of a query: true with Data set, or false with Data Empty.
    bool Query(const std::string& table, const std::string& query, const Variant& params, Variant& data);

private:
    std::shared_ptr<HostData> data_;
    int productId_ = 0;
    std::string baseLimited_;
};

// F2GetData (the lookup array), ShowInputDay ([Boolean, start date, DbName]) and
// GetPhrase (UserId, DbName by reference, window handle).
class F2Window : public DispatchObject {
public:
    explicit F2Window(std::shared_ptr<HostData> data);

private:
    std::shared_ptr<HostData> data_;

    Variant Lookup(const Variant& request);
};

// A numbered footer (kind "1") or sign-off block (kind "2"): section "TextSet.<kind>", entries
// "number=name|line 1|line 2|line 3".
struct TextSet {
    std::string Number, Name;
    std::string Lines[3];
};
std::vector<TextSet> TextSets(const DataFile& data, const std::string& kind);
// The row of "CMSMS"/"01" for [kind, number]: [number, line 1, line 2, line 3].
bool TextSetRow(const DataFile& data, const std::string& kind, const std::string& number, Variant& row);
// The row of "CMSMT"/"01" for a program (section "PrintTexts.<ProgramId>").
bool PrintTexts(const DataFile& data, const std::string& programId, Variant& row);

// The rows of a lookup section "Lookup.<Table>.<Query>": each entry "key=col1|col2|..." is the row
// [key, col1, col2, ...].
std::vector<std::vector<std::string>> LookupRows(const DataFile& data, const std::string& table, const std::string& query);
// The text of an argument in the database's code page (Kvtr42C/Protocol.h).
using protocol::DbText;
// A row as a zero-based variant array of texts.
Variant RowVariant(const std::vector<std::string>& row);

}  // namespace znp::host
