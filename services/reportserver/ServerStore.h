// The jobs the report server keeps, in memory for the life of the process.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Kvtr42C/Protocol.h"

namespace znp::report {

struct ServerStore {
    std::mutex Mutex;
    long LastJob = 0;
    std::vector<protocol::JobRecord> Jobs;

    // The one store of the process.
    static std::shared_ptr<ServerStore> Instance();

    protocol::JobRecord* FindJob(const std::string& number);
};

}  // namespace znp::report
