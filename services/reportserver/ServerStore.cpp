#include "ServerStore.h"

namespace znp::report {

std::shared_ptr<ServerStore> ServerStore::Instance() {
    static std::shared_ptr<ServerStore> store = std::make_shared<ServerStore>();
    return store;
}

protocol::JobRecord* ServerStore::FindJob(const std::string& number) {
    for (protocol::JobRecord& job : Jobs)
        if (job.Number == number) return &job;
    return nullptr;
}

}  // namespace znp::report
