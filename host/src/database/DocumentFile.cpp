#include "host/database/DocumentFile.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "SaveLeftovers.h"

namespace {
constexpr const char* kFormatName = "pagehost-document";
constexpr int kFormatVersion = 1;

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;
using StmtHandle = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

StmtHandle Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        return nullptr;
    return StmtHandle(stmt);
}

std::string Name(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

DocumentFile::Result Failure(DocumentFile::Status status, std::string message) {
    return {status, std::move(message)};
}

// Classifies an SQLite error met while reading: a foreign file or a damaged document.
DocumentFile::Result ReadError(sqlite3* db, const std::string& path) {
    const int code = sqlite3_errcode(db) & 0xFF;
    if (code == SQLITE_NOTADB)
        return Failure(DocumentFile::kNotADocument,
                       "The file " + Name(path) + " is not a pagehost document.");
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) // read, but not what a document holds
        return DocumentFile::Damaged(path, "its object table is inconsistent");
    return Failure(DocumentFile::kDamaged, "The document " + Name(path) +
                                               " is damaged and cannot be opened (" + sqlite3_errmsg(db) +
                                               ").");
}

std::string Text(sqlite3_stmt* stmt, int column) {
    const unsigned char* text = sqlite3_column_text(stmt, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

bool ReadMeta(sqlite3* db, std::map<std::string, std::string>* meta) {
    StmtHandle stmt = Prepare(db, "SELECT key, value FROM document");
    if (!stmt)
        return false;
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
        (*meta)[Text(stmt.get(), 0)] = Text(stmt.get(), 1);
    return rc == SQLITE_DONE;
}

bool ReadObjects(sqlite3* db, DocumentFileContents* contents) {
    StmtHandle stmt = Prepare(db, "SELECT uid, class, data FROM objects ORDER BY uid");
    if (!stmt)
        return false;
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const sqlite3_int64 uid = sqlite3_column_int64(stmt.get(), 0);
        StoredObject object;
        object.classID = static_cast<ClassID>(sqlite3_column_int64(stmt.get(), 1));
        const auto* blob = static_cast<const uint8*>(sqlite3_column_blob(stmt.get(), 2));
        const int size = sqlite3_column_bytes(stmt.get(), 2);
        if (blob && size > 0)
            object.data.assign(blob, blob + size);
        if (uid <= 0 || uid > 0xFFFFFFFFLL)
            return false;
        contents->objects[static_cast<UID>(uid)] = std::move(object);
    }
    return rc == SQLITE_DONE;
}

bool ReadPlugIns(sqlite3* db, DocumentFileContents* contents) {
    StmtHandle stmt = Prepare(db, "SELECT id, name, vendor, notice FROM plugins ORDER BY id");
    if (!stmt)
        return false;
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
        contents->plugIns.push_back(
            PlugInDependency{static_cast<PluginID>(sqlite3_column_int64(stmt.get(), 0)), Text(stmt.get(), 1),
                             Text(stmt.get(), 2), Text(stmt.get(), 3)});
    return rc == SQLITE_DONE;
}

// Whether the contents would open again: the root is present, no object has UID 0 and every UID
// lies below the next-UID counter.
bool Consistent(const DocumentFileContents& contents) {
    if (contents.objects.empty())
        return false;
    return contents.objects.count(contents.rootUID) > 0 && contents.objects.begin()->first != kInvalidUID &&
           contents.objects.rbegin()->first < contents.nextUID;
}

// A document the user may not write; the superuser may write anything, so for it a file without
// any write permission counts as protected, as it does in a file manager.
bool IsWriteProtected(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    if (::geteuid() == 0)
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return ::access(path.c_str(), W_OK) != 0;
}

// Gives the new file the mode and owner of the document it replaces; a new document keeps the
// mode that the umask gives.
void KeepModeAndOwner(const std::string& replaced, const std::string& replacement) {
    struct stat info {};
    if (::stat(replaced.c_str(), &info) != 0)
        return;
    ::chmod(replacement.c_str(), info.st_mode & 07777);
    if (::chown(replacement.c_str(), info.st_uid, info.st_gid) != 0) {
        // Only the superuser may give a file away; the document then belongs to whoever saved it.
    }
}

// Why a document cannot be written in its folder: the folder is missing or may not be written.
std::string FolderProblem(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(folder, error))
        return "the folder " + folder.string() + " does not exist";
    return "its folder cannot be written";
}

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool WriteContents(sqlite3* db, const DocumentFileContents& contents) {
    if (!Exec(db,
              "CREATE TABLE document (key TEXT PRIMARY KEY, value TEXT NOT NULL);"
              "CREATE TABLE objects (uid INTEGER PRIMARY KEY, class INTEGER NOT NULL, data BLOB NOT NULL);"
              "CREATE TABLE plugins (id INTEGER PRIMARY KEY, name TEXT, vendor TEXT, notice TEXT);"))
        return false;
    StmtHandle meta = Prepare(db, "INSERT INTO document (key, value) VALUES (?, ?)");
    const std::pair<std::string, std::string> entries[] = {{"format", kFormatName},
                                                           {"version", std::to_string(kFormatVersion)},
                                                           {"root", std::to_string(contents.rootUID)},
                                                           {"next-uid", std::to_string(contents.nextUID)}};
    for (const auto& [key, value] : entries) {
        sqlite3_reset(meta.get());
        sqlite3_bind_text(meta.get(), 1, key.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(meta.get(), 2, value.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(meta.get()) != SQLITE_DONE)
            return false;
    }
    StmtHandle object = Prepare(db, "INSERT INTO objects (uid, class, data) VALUES (?, ?, ?)");
    for (const auto& [uid, stored] : contents.objects) {
        sqlite3_reset(object.get());
        sqlite3_bind_int64(object.get(), 1, uid);
        sqlite3_bind_int64(object.get(), 2, stored.classID);
        sqlite3_bind_blob(object.get(), 3, stored.data.data(), static_cast<int>(stored.data.size()),
                          SQLITE_STATIC);
        if (sqlite3_step(object.get()) != SQLITE_DONE)
            return false;
    }
    StmtHandle plugIn = Prepare(db, "INSERT INTO plugins (id, name, vendor, notice) VALUES (?, ?, ?, ?)");
    for (const PlugInDependency& dependency : contents.plugIns) {
        sqlite3_reset(plugIn.get());
        sqlite3_bind_int64(plugIn.get(), 1, dependency.id);
        sqlite3_bind_text(plugIn.get(), 2, dependency.name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(plugIn.get(), 3, dependency.vendor.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(plugIn.get(), 4, dependency.notice.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(plugIn.get()) != SQLITE_DONE)
            return false;
    }
    return true;
}
} // namespace

DocumentFile::Result DocumentFile::Read(const std::string& path, DocumentFileContents* contents) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return Failure(kNotADocument, "The path " + path + " is a folder, not a document.");
    if (!std::filesystem::is_regular_file(path, error))
        return Failure(kNotFound, "The document " + path + " does not exist.");
    SaveLeftovers::RemoveStale(path);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    DbHandle db(raw);
    if (rc != SQLITE_OK)
        return Failure(kNotADocument, "The file " + Name(path) + " cannot be opened as a pagehost document.");
    std::map<std::string, std::string> meta;
    if (!ReadMeta(db.get(), &meta)) {
        if ((sqlite3_errcode(db.get()) & 0xFF) == SQLITE_ERROR) // a database, but not one of ours
            return Failure(kNotADocument, "The file " + Name(path) + " is not a pagehost document.");
        return ReadError(db.get(), path);
    }
    if (meta["format"] != kFormatName)
        return Failure(kNotADocument, "The file " + Name(path) + " is not a pagehost document.");
    if (std::atoi(meta["version"].c_str()) > kFormatVersion)
        return Failure(kNewerVersion,
                       "The document " + Name(path) + " was written by a newer version of pagehost.");
    contents->rootUID = static_cast<UID>(std::strtoul(meta["root"].c_str(), nullptr, 10));
    contents->nextUID = static_cast<UID>(std::strtoul(meta["next-uid"].c_str(), nullptr, 10));
    if (!ReadObjects(db.get(), contents) || !ReadPlugIns(db.get(), contents))
        return ReadError(db.get(), path);
    if (!Consistent(*contents))
        return Damaged(path, "its object table is inconsistent");
    return {};
}

DocumentFile::Result DocumentFile::Damaged(const std::string& path, const std::string& problem) {
    return Failure(kDamaged, "The document " + Name(path) + " is damaged: " + problem + ".");
}

DocumentFile::Result DocumentFile::Write(const std::string& path, const DocumentFileContents& contents) {
    // The new contents go to a fresh file beside the target, written in one transaction and then
    // renamed over it, so a failure or a crash leaves the previous file as it was.
    SaveLeftovers::RemoveStale(path);
    const std::string temporary = SaveLeftovers::TemporaryName(path);
    const auto fail = [&](const std::string& why) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Failure(kWriteFailed, "The document " + Name(path) + " could not be saved: " + why + ".");
    };
    if (IsWriteProtected(path))
        return Failure(kWriteFailed,
                       "The document " + Name(path) + " is write-protected, so it cannot be saved.");
    if (!Consistent(contents))
        return Failure(kWriteFailed,
                       "The document " + Name(path) +
                           " was not saved: its object table is inconsistent and would not open again.");
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(temporary.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(raw);
        return fail(FolderProblem(path));
    }
    DbHandle db(raw);
    if (!Exec(db.get(), "BEGIN IMMEDIATE") || !WriteContents(db.get(), contents) ||
        !Exec(db.get(), "COMMIT")) {
        const std::string why = sqlite3_errmsg(db.get());
        db.reset();
        return fail(why);
    }
    db.reset();
    KeepModeAndOwner(path, temporary);
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
        return fail(error.message());
    return {};
}
