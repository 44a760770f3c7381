#include "HostObjects.h"

namespace znp::host {

Counter::Counter(std::shared_ptr<HostData> data) : data_(std::move(data)) {
    // CompanyId is passed by reference; it is read, never changed.
    Method("GetSysInfo", 1, [this](std::vector<Variant>& args) -> Variant {
        DataFile::Entries params = data_->SysParams(DbText(args[0]));
        Variant answer = Variant::Array({{0, 1}, {0, static_cast<int>(params.size()) - 1}});
        for (int i = 0; i < static_cast<int>(params.size()); ++i) {
            answer.At(0, i) = params[i].first;
            answer.At(1, i) = params[i].second;
        }
        return answer;
    });
    // GetCounter(Name, Params by reference, [CompanyId, DbName]) -> the next value as text.
    Method("GetCounter", 3, [this](std::vector<Variant>& args) -> Variant {
        std::string company;
        const Variant& env = args[2];
        if (env.IsArray() && env.DimCount() == 1 && env.HighBound() >= env.LowBound()) company = DbText(env[env.LowBound()]);
        return std::to_string(data_->NextCounter(DbText(args[0]), company));
    });
}

}  // namespace znp::host
