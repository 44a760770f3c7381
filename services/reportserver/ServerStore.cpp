#include "ServerStore.h"

namespace znp::report {

std::shared_ptr<ServerStore> ServerStore::Instance() {
    static std::shared_ptr<ServerStore> store = std::make_shared<ServerStore>();
    return store;
}

Job* ServerStore::FindJob(const std::string& number) {
    for (Job& job : Jobs)
        if (job.Number == number) return &job;
    return nullptr;
}

Scheme* ServerStore::FindScheme(const std::string& name, const std::string& creator, const std::string& programme) {
    for (Scheme& scheme : Schemes)
        if (scheme.Name == name && scheme.Creator == creator && scheme.Programme == programme) return &scheme;
    return nullptr;
}

}  // namespace znp::report
