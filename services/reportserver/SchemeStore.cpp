#include "SchemeStore.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>

#include "Kvtr42C/Exception.h"

namespace znp::report {

namespace {

// One prepared statement, finalised with its scope; texts are bound as blobs so that their bytes
// are kept and compared exactly, whatever the code page.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) Fail();
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(const std::string& text) {
        if (sqlite3_bind_blob(stmt_, ++bound_, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
            Fail();
        return *this;
    }
    // True while there is a row.
    bool Step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) Fail();
        return false;
    }
    std::string Column(int i) const {
        const void* data = sqlite3_column_blob(stmt_, i);
        return data ? std::string(static_cast<const char*>(data), sqlite3_column_bytes(stmt_, i)) : std::string();
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    int bound_ = 0;

    [[noreturn]] void Fail() { throw EOleError(std::string("Scheme table: ") + sqlite3_errmsg(db_)); }
};

bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

std::string InstalledPath() {
    const char* install = std::getenv("ZNP_INSTALL");
    if (!install || !*install) return ":memory:";
    return (std::filesystem::path(install) / "ReportServer" / "schemes.db").string();
}

}  // namespace

std::shared_ptr<SchemeStore> SchemeStore::Instance() {
    static std::mutex mutex;
    static std::shared_ptr<SchemeStore> store;
    std::lock_guard lock(mutex);
    const std::string path = InstalledPath();
    if (!store || store->Path() != path) store = std::make_shared<SchemeStore>(path);
    return store;
}

SchemeStore::SchemeStore(const std::string& path) : path_(path) {
    if (path != ":memory:") {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    }
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw EOleError("Scheme table " + path + ": " + reason);
    }
    // Several connections of one installation may write; wait for each other rather than fail.
    sqlite3_busy_timeout(db_, 5000);
    char* error = nullptr;
    const char* schema =
        "CREATE TABLE IF NOT EXISTS CONSAVE (NCONDITION BLOB NOT NULL, CREATOR BLOB NOT NULL, "
        "PROGRAMME BLOB NOT NULL, SCONDITION BLOB, VCONDITION BLOB, CREATE_DATE BLOB, "
        "PRIMARY KEY (NCONDITION, CREATOR, PROGRAMME))";
    if (sqlite3_exec(db_, schema, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string reason = error ? error : "unknown error";
        sqlite3_free(error);
        sqlite3_close(db_);
        db_ = nullptr;
        throw EOleError("Scheme table " + path + ": " + reason);
    }
}

SchemeStore::~SchemeStore() { sqlite3_close(db_); }

std::vector<protocol::SchemeRecord> SchemeStore::List(const std::string& user, const std::string& program) {
    std::lock_guard lock(mutex_);
    Statement s(db_,
                "SELECT NCONDITION, CREATOR, PROGRAMME, SCONDITION, VCONDITION, CREATE_DATE FROM CONSAVE "
                "WHERE CREATOR = ? AND PROGRAMME = ? ORDER BY NCONDITION");
    s.Bind(user).Bind(program);
    std::vector<protocol::SchemeRecord> rows;
    while (s.Step()) rows.push_back({s.Column(0), s.Column(1), s.Column(2), s.Column(3), s.Column(4), s.Column(5)});
    return rows;
}

bool SchemeStore::Exists(const protocol::SchemeKey& key) {
    Statement s(db_, "SELECT 1 FROM CONSAVE WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?");
    s.Bind(key.Name).Bind(key.UserId).Bind(key.ProgramId);
    return s.Step();
}

std::string SchemeStore::Insert(const protocol::SchemeInsert& insert) {
    const protocol::SchemeRecord& r = insert.Record;
    if (Blank(r.Name)) return kSchemeNameEmpty;
    std::lock_guard lock(mutex_);
    if (!insert.Overwrite && Exists({r.Name, r.Creator, r.Programme})) return kSchemeExists;
    Statement s(db_,
                "INSERT OR REPLACE INTO CONSAVE (NCONDITION, CREATOR, PROGRAMME, SCONDITION, VCONDITION, CREATE_DATE) "
                "VALUES (?, ?, ?, ?, ?, ?)");
    s.Bind(r.Name).Bind(r.Creator).Bind(r.Programme).Bind(r.Keys).Bind(r.Value).Bind(r.CreateDate);
    s.Step();
    return std::string();
}

std::string SchemeStore::Delete(const protocol::SchemeKey& key) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "DELETE FROM CONSAVE WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?");
    s.Bind(key.Name).Bind(key.UserId).Bind(key.ProgramId);
    s.Step();
    return sqlite3_changes(db_) > 0 ? std::string() : std::string(kSchemeNotFound);
}

std::string SchemeStore::Rename(const protocol::SchemeKey& from, const protocol::SchemeKey& to) {
    if (Blank(to.Name)) return kSchemeNameEmpty;
    std::lock_guard lock(mutex_);
    if (!Exists(from)) return kSchemeNotFound;
    if (from.Name == to.Name && from.UserId == to.UserId && from.ProgramId == to.ProgramId) return std::string();
    if (Exists(to)) return kSchemeExists;
    Statement s(db_,
                "UPDATE CONSAVE SET NCONDITION = ?, CREATOR = ?, PROGRAMME = ? "
                "WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?");
    s.Bind(to.Name).Bind(to.UserId).Bind(to.ProgramId).Bind(from.Name).Bind(from.UserId).Bind(from.ProgramId);
    s.Step();
    return std::string();
}

}  // namespace znp::report
