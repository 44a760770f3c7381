#include <iostream>

#include "ClientObjects.h"
#include "platform/SysUtils.h"

namespace znp::clientobjects {

QueueManager::QueueManager() {
    Method("OpenReport", 1, [this](std::vector<Variant>& args) -> Variant {
        const Variant& request = args[0];
        // [[job number, report number, user, product], user, design]
        if (!request.IsArray() || request.DimCount() != 1 || request.HighBound() - request.LowBound() < 2)
            return Variant(1);
        const Variant& report = request[request.LowBound()];
        if (!report.IsArray() || report.DimCount() != 1 || report.HighBound() - report.LowBound() < 3) return Variant(1);
        const std::string job = VarToStr(report[report.LowBound()]);
        if (Trim(job).empty() || UpperCase(job) == "ERROR") return Variant(1);
        lastRequest_ = job + " " + VarToStr(report[report.LowBound() + 1]) + " " + VarToStr(report[report.LowBound() + 2]);
        std::cout << "[queue manager] OpenReport " << lastRequest_ << std::endl;
        return Variant(0);
    });
    Property("LastRequest", [this] { return Variant(lastRequest_); });
}

}  // namespace znp::clientobjects
