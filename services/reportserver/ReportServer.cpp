#include "ReportServer.h"

#include <cstdio>

#include "Kvtr42C/Exception.h"
#include "ServerStore.h"

namespace znp::report {

using protocol::DbText;

ReportServer::ReportServer() : store_(ServerStore::Instance()) {
    RegisterJobCalls();
    RegisterSchemeCalls();
}

void ReportServer::RegisterJobCalls() {
    Method("Request", 1, [this](std::vector<Variant>& args) { return Queue(args[0], "Q", ""); });
    Method("Request1", 2, [this](std::vector<Variant>& args) { return Queue(args[0], "C", DbText(args[1])); });
    Method("ErrorDescript", 0, [this](std::vector<Variant>&) { return Variant(lastError_); });
    Method("UpdateStatus1", 3, [this](std::vector<Variant>& args) { return UpdateStatus(args[0], args[1], args[2]); });
    Method("GetPower", 1, [this](std::vector<Variant>& args) { return Rights(args[0]); });
    Method("GetJob", 1, [this](std::vector<Variant>& args) { return Job(DbText(args[0])); });
    Property("JobCount", [this] {
        std::lock_guard lock(store_->Mutex);
        return Variant(static_cast<int>(store_->Jobs.size()));
    });
}

Variant ReportServer::Queue(const Variant& package, const std::string& kind, const std::string& machine) {
    try {
        if (protocol::ConditionPackage::FromVariant(package, protocol::kDbCodePage).Env.ProgramId.empty())
            throw EProtocolError("the environment names no program");
    } catch (const EProtocolError& e) {
        lastError_ = std::string("报表请求格式错误: ") + e.what();
        return std::string("ERROR");
    }
    std::lock_guard lock(store_->Mutex);
    char number[24];
    std::snprintf(number, sizeof number, "%08ld", ++store_->LastJob);
    store_->Jobs.push_back(
        protocol::JobRecord{number, kind, machine, kind == "Q" ? "Queued" : "Registered", Variant(), package});
    lastError_.clear();
    return std::string(number);
}

// The job number comes by reference and is written back as the server knows it (trimmed).
Variant ReportServer::UpdateStatus(Variant& jobNo, const Variant& status, const Variant& when) {
    std::string number = DbText(jobNo);
    while (!number.empty() && number.back() == ' ') number.pop_back();
    while (!number.empty() && number.front() == ' ') number.erase(0, 1);
    std::lock_guard lock(store_->Mutex);
    protocol::JobRecord* job = store_->FindJob(number);
    if (!job) {
        lastError_ = "工作编号不存在: " + number;
        throw EOleError(lastError_);
    }
    job->Status = DbText(status);
    job->When = when;
    jobNo = number;
    return Variant();
}

// Every user may run every program with every right, without value limits.
Variant ReportServer::Rights(const Variant& request) {
    if (protocol::ElementCount(request) < 3) throw EOleError("GetPower expects [DbName, UserId, ProgramId, \"\"]");
    protocol::RightsRecord rights;
    rights.ProgramId = DbText(protocol::ElementAt(request, 2, "GetPower"));
    rights.Field1 = DbText(protocol::ElementAt(request, 1, "GetPower"));
    rights.Flag2 = rights.Flag3 = true;
    rights.Rights = "YYYYYYYY";
    rights.HasLimits = true;
    return rights.ToVariant();
}

Variant ReportServer::Job(const std::string& jobNo) {
    std::lock_guard lock(store_->Mutex);
    const protocol::JobRecord* job = store_->FindJob(jobNo);
    return job ? job->ToVariant() : Variant();
}

}  // namespace znp::report
