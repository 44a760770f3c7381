#include "ReportServer.h"

#include <cstdio>

#include "Kvtr42C/Exception.h"
#include "ServerStore.h"

namespace znp::report {

namespace {

// The element Index (from the low bound) of a one-dimensional array, or Empty.
Variant ElementOf(const Variant& array, int index) {
    if (!array.IsArray() || array.DimCount() != 1) return Variant();
    int at = array.LowBound() + index;
    return at <= array.HighBound() ? array[at] : Variant();
}

int ElementCount(const Variant& array) {
    return array.IsArray() && array.DimCount() == 1 ? array.HighBound() - array.LowBound() + 1 : 0;
}

// A request is [environment, texts, values, ...] whose environment names the program (index 1).
bool IsRequest(const Variant& package) {
    if (ElementCount(package) < 3) return false;
    const Variant env = ElementOf(package, 0);
    if (!env.IsArray() || env.DimCount() != 1 || env.LowBound() > 1 || env.HighBound() < 1) return false;
    return !DbText(env[1]).empty();
}

}  // namespace

std::string DbText(const Variant& value) {
    if (value.Type() == VarType::OleStr) return WideToBytes(value.AsWide(), "936");
    return VarToStr(value);
}

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
    if (!IsRequest(package)) {
        lastError_ = "报表请求格式错误: 缺少环境、条件说明或条件值";
        return std::string("ERROR");
    }
    std::lock_guard lock(store_->Mutex);
    char number[24];
    std::snprintf(number, sizeof number, "%08ld", ++store_->LastJob);
    store_->Jobs.push_back(report::Job{number, kind, machine, kind == "Q" ? "Queued" : "Registered", Variant(), package});
    lastError_.clear();
    return std::string(number);
}

// The job number comes by reference and is written back as the server knows it (trimmed).
Variant ReportServer::UpdateStatus(Variant& jobNo, const Variant& status, const Variant& when) {
    std::string number = DbText(jobNo);
    while (!number.empty() && number.back() == ' ') number.pop_back();
    while (!number.empty() && number.front() == ' ') number.erase(0, 1);
    std::lock_guard lock(store_->Mutex);
    report::Job* job = store_->FindJob(number);
    if (!job) {
        lastError_ = "工作编号不存在: " + number;
        throw EOleError(lastError_);
    }
    job->Status = DbText(status);
    job->When = when;
    jobNo = number;
    return Variant();
}

// Every user may run every program with every right: [ProgramId, "user,Y,Y,rights,,", "", "",
// limit kind "", [0]] (no value limits). Element 1 is what the client reads: field 4 the rights
// string, one "Y" per right.
Variant ReportServer::Rights(const Variant& request) {
    if (ElementCount(request) < 3) throw EOleError("GetPower expects [DbName, UserId, ProgramId, \"\"]");
    std::string user = DbText(ElementOf(request, 1));
    std::string program = DbText(ElementOf(request, 2));
    return Variant::ArrayOf({program, user + ",Y,Y,YYYYYYYY,,", std::string(), std::string(), std::string(),
                             Variant::ArrayOf({0})});
}

Variant ReportServer::Job(const std::string& jobNo) {
    std::lock_guard lock(store_->Mutex);
    const report::Job* job = store_->FindJob(jobNo);
    if (!job) return Variant();
    return Variant::ArrayOf({job->Number, job->Kind, job->Machine, job->Status, job->When, job->Package});
}

}  // namespace znp::report
