// The condition-scheme table of the report server, kept in an SQLite database of the installation
// so that schemes outlive the process: "<ZNP_INSTALL>/ReportServer/schemes.db". Without an
// installation folder the table lives in memory for the life of the process.
//
// Texts are stored as the bytes they arrive in (the database code page) and compared byte for
// byte, so a name that differs only in letter case is another scheme. Every operation answers ""
// on success or the reason of refusal, as the scheme calls do; a database that cannot be opened or
// written raises EOleError with SQLite's reason.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Kvtr42C/Protocol.h"

struct sqlite3;

namespace znp::report {

class SchemeStore {
public:
    // The store of the process's installation; a change of ZNP_INSTALL opens the new folder's.
    static std::shared_ptr<SchemeStore> Instance();
    // A store on this database file (":memory:" for a private one in memory).
    explicit SchemeStore(const std::string& path);
    ~SchemeStore();
    SchemeStore(const SchemeStore&) = delete;
    SchemeStore& operator=(const SchemeStore&) = delete;

    const std::string& Path() const { return path_; }

    // The schemes of a user and program, in name order.
    std::vector<protocol::SchemeRecord> List(const std::string& user, const std::string& program);
    // Adds the scheme, or replaces one of the same key when Overwrite is set.
    std::string Insert(const protocol::SchemeInsert& insert);
    std::string Delete(const protocol::SchemeKey& key);
    std::string Rename(const protocol::SchemeKey& from, const protocol::SchemeKey& to);

private:
    std::mutex mutex_;
    std::string path_;
    sqlite3* db_ = nullptr;

    bool Exists(const protocol::SchemeKey& key);
};

// The reasons of refusal the scheme calls answer.
inline constexpr const char* kSchemeNotFound = "方案不存在!";
inline constexpr const char* kSchemeExists = "此方案名称已经存在!";
inline constexpr const char* kSchemeNameEmpty = "方案名称不可空白!";

}  // namespace znp::report
