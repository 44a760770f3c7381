// What the report server keeps: jobs and condition schemes, in memory for the life of the process.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"

namespace znp::report {

struct Job {
    std::string Number;
    std::string Kind;  // "Q" queued for the server, "C" registered for a run by the client
    std::string Machine;
    std::string Status;
    Variant When;
    Variant Package;
};

struct Scheme {
    std::string Name;       // NCONDITION
    std::string Creator;    // CREATOR
    std::string Programme;  // PROGRAMME
    std::string Keys;       // SCONDITION
    std::string Value;      // VCONDITION
    std::string CreateDate; // CREATE_DATE, yyyymmdd
};

struct ServerStore {
    std::mutex Mutex;
    long LastJob = 0;
    std::vector<Job> Jobs;
    std::vector<Scheme> Schemes;

    // The one store of the process.
    static std::shared_ptr<ServerStore> Instance();

    Job* FindJob(const std::string& number);
    Scheme* FindScheme(const std::string& name, const std::string& creator, const std::string& programme);
};

}  // namespace znp::report
