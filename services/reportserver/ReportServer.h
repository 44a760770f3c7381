// The report server "ReportCounterS.dmReportCounter": job numbers, the job queue, registered jobs
// and their status, rights, and the condition-scheme table behind the provider "pvdConSave".
//
// Jobs are kept in memory, shared by every server object of the process (one server, many
// connections); condition schemes in the installation's database (SchemeStore); what a connection
// chose with LoadTable is its own. Arguments and answers have the layouts of Kvtr42C/Protocol.h,
// texts read in the database code page.
//
// Calls:
//   Request(Package) -> job number        queue a job; "ERROR" when the package is no request
//                                         (ErrorDescript says what is wrong with it)
//   Request1(Package, Machine) -> number  register a job that the client runs itself
//   ErrorDescript() -> text               why the last call of this connection failed
//   UpdateStatus1(var JobNo, Status, When) record the outcome of a registered job
//   GetPower([DbName, UserId, ProgramId, ""]) -> the rights record
//   LoadTable([UserId, ProgramId])        choose the schemes that GetRecords delivers
//   InsertConTable, DeleteConTable, ChangeConName  scheme changes; "" or the reason of refusal
//   GetRecords(Provider) -> SchemeTable   the provider's records, row 0 the field names
//   GetJob(JobNo) -> JobRecord            Empty for an unknown number
//   property JobCount
// Job numbers are eight digits counting from 00000001.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/DispatchObject.h"

namespace znp::report {

inline constexpr const char* kServerClass = "ReportCounterS.dmReportCounter";

struct ServerStore;

class ReportServer : public DispatchObject {
public:
    ReportServer();

private:
    std::shared_ptr<ServerStore> store_;
    std::string lastError_;
    std::string schemeUser_;
    std::string schemeProgram_;
    bool schemesLoaded_ = false;

    void RegisterJobCalls();
    void RegisterSchemeCalls();
    Variant Queue(const Variant& package, const std::string& kind, const std::string& machine);
    Variant UpdateStatus(Variant& jobNo, const Variant& status, const Variant& when);
    Variant Rights(const Variant& request);
    Variant Records(const std::string& provider);
    Variant Job(const std::string& jobNo);
};

}  // namespace znp::report
