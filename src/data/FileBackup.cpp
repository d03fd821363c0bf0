#include "FileBackup.h"

#include "ClientLibraries.h"
#include "Connection.h"
#include "DbError.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

using ClientLibraries::Lite;

// A database connection of SQLite's own, closed with its owner.
class Handle {
public:
    Handle(const QString& path, int flags)
    {
        const int opened = Lite().sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr);
        if (opened != SQLITE_OK)
            Fail(path);
        // A writer of the program may hold the file for a moment.
        Lite().sqlite3_busy_timeout(db_, 15000);
    }
    ~Handle() { Lite().sqlite3_close_v2(db_); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    sqlite3* get() const { return db_; }

    [[noreturn]] void Fail(const QString& path) const
    {
        throw DbError(QCoreApplication::translate("FileBackup", "%1: %2")
                          .arg(path, QString::fromUtf8(db_ ? Lite().sqlite3_errmsg(db_) : "out of memory")));
    }

    // The first column of the first row of `sql`, or -1 when it fails.
    qint64 Number(const char* sql) const
    {
        sqlite3_stmt* statement = nullptr;
        qint64 number = -1;
        if (Lite().sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) == SQLITE_OK
            && Lite().sqlite3_step(statement) == SQLITE_ROW)
            number = Lite().sqlite3_column_int64(statement, 0);
        Lite().sqlite3_finalize(statement);
        return number;
    }

private:
    sqlite3* db_ = nullptr;
};

// Copies every page of `from` into `to` in one step, under one read lock of
// the source and one write lock of the target.
void CopyPages(const Handle& from, const Handle& to, const QString& target)
{
    sqlite3_backup* backup = Lite().sqlite3_backup_init(to.get(), "main", from.get(), "main");
    if (!backup)
        to.Fail(target);
    int stepped = SQLITE_OK;
    do
        stepped = Lite().sqlite3_backup_step(backup, -1);
    while (stepped == SQLITE_BUSY || stepped == SQLITE_LOCKED);
    const int finished = Lite().sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        to.Fail(target);
}

bool SameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

constexpr const char* ProgramTables =
    "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ('Passwords', 'Tests', 'Results')";
constexpr const char* StoredRows =
    "SELECT (SELECT COUNT(*) FROM Passwords) + (SELECT COUNT(*) FROM Tests) + (SELECT COUNT(*) FROM Results)";

}

void FileBackup::Write(const QString& database, const QString& target)
{
    if (SameFile(database, target))
        throw DbError(QCoreApplication::translate("FileBackup", "The backup %1 would be written over the database it copies; "
                                                                "give another file.").arg(target));
    if (!QFileInfo::exists(database))
        throw DbError(QCoreApplication::translate("FileBackup", "The database %1 does not exist.").arg(database));
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    {
        // The copy holds every password: readable by its owner alone from the start.
        QFile created(partial);
        if (!created.open(QIODevice::WriteOnly) || !created.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
            throw DbError(QCoreApplication::translate("FileBackup", "The backup %1 cannot be written: %2.")
                              .arg(target, created.errorString()));
    }
    try {
        const Handle from(database, SQLITE_OPEN_READONLY);
        const Handle to(partial, SQLITE_OPEN_READWRITE);
        CopyPages(from, to, target);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        throw DbError(QCoreApplication::translate("FileBackup", "The backup %1 cannot be written.").arg(target));
    }
}

void FileBackup::Restore(const QString& backup, const QString& database, bool replace)
{
    if (SameFile(database, backup))
        throw DbError(QCoreApplication::translate("FileBackup", "The backup %1 is the database itself.").arg(backup));
    const Handle from(backup, SQLITE_OPEN_READONLY);
    if (from.Number(ProgramTables) != 3)
        throw DbError(QCoreApplication::translate("FileBackup", "%1 is not a database of VornickTest; nothing was restored.")
                          .arg(backup));
    {
        const Handle to(database, SQLITE_OPEN_READWRITE);
        const qint64 rows = to.Number(ProgramTables) == 3 ? to.Number(StoredRows) : 0;
        const int counted = static_cast<int>(std::min(rows, qint64(INT_MAX)));
        if (rows > 0 && !replace)
            throw DbError(QCoreApplication::translate("FileBackup", "The database %1 holds %n students, tests and results; "
                                                                    "nothing was restored (give --replace to write over them).",
                                                      nullptr, counted)
                              .arg(database));
        CopyPages(from, to, database);
    }
    Connection restored(QStringLiteral("restored"));
    restored.Open(database);
    Schema::BringForward(restored);
}
