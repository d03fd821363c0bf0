#include "LabDatabase.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/RolePassword.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"

#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>

namespace {

struct Table {
    QString name;
    QString key;
    QString rows = QStringLiteral("SELECT * FROM %1");  // the source's rows to copy
};

const Table Tables[] = {
    {QStringLiteral("Passwords"), QStringLiteral("fldStudentNumber")},
    {QStringLiteral("Tests"), QStringLiteral("fldTestNumber")},
    {QStringLiteral("Results"), QStringLiteral("fldResultNumber")},
};

// A file of the version before pictures has no Pictures table. A picture
// whose test is gone would never be shown; the server's table refuses it, so
// it stays behind rather than stopping the copy.
const Table PicturesTable{QStringLiteral("Pictures"), QStringLiteral("fldTestNumber"),
                          QStringLiteral("SELECT * FROM %1 WHERE fldTestNumber IN (SELECT fldTestNumber FROM Tests)")};

QSqlQuery Run(QSqlDatabase db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw DbError(EngineMessage(query.lastError()));
    return query;
}

void RefuseWhenHoldingData(Connection& target)
{
    for (const Table& table : Tables) {
        QSqlQuery any = Run(target.Database(), QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table.name));
        if (any.next())
            throw DbError(QCoreApplication::translate("LabDatabase", "The server's database already holds data (the %1 table has rows); "
                                         "nothing was copied.").arg(table.name));
    }
}

// The source's columns that the target table has too, by name in any case.
QStringList SharedColumns(const QSqlRecord& source, const QSqlRecord& target)
{
    QStringList shared;
    for (int c = 0; c < source.count(); ++c) {
        if (target.contains(source.fieldName(c)))
            shared << source.fieldName(c);
    }
    return shared;
}

int CopyTable(Connection& source, Connection& target, const Table& table)
{
    QSqlQuery rows = Run(source.Database(), table.rows.arg(table.name));
    const QSqlQuery targetShape = Run(target.Database(), QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table.name));
    const QStringList columns = SharedColumns(rows.record(), targetShape.record());
    const QStringList marks(columns.size(), QStringLiteral("?"));
    QSqlQuery insert(target.Database());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table.name, columns.join(u','), marks.join(u','))))
        throw DbError(EngineMessage(insert.lastError()));
    int copied = 0;
    while (rows.next()) {
        for (int c = 0; c < columns.size(); ++c)
            insert.bindValue(c, rows.value(columns[c]));
        if (!insert.exec())
            throw DbError(QCoreApplication::translate("LabDatabase", "Copying the %1 row with %2 %3: %4")
                              .arg(table.name, table.key, rows.value(table.key).toString(), EngineMessage(insert.lastError())));
        ++copied;
    }
    return copied;
}

// The highest number the file ever gave a row of the table: its sequence
// table keeps it after the row itself is deleted (a file from before
// AUTOINCREMENT has none, and then the highest number left counts).
qint64 HighestNumberEverUsed(Connection& source, const Table& table)
{
    QSqlQuery highest = Run(source.Database(), QStringLiteral("SELECT MAX(%1) FROM %2").arg(table.key, table.name));
    qint64 number = highest.next() ? highest.value(0).toLongLong() : 0;
    QSqlQuery sequenceTable = Run(source.Database(),
                                  QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'sqlite_sequence'"));
    if (!sequenceTable.next())
        return number;
    QSqlQuery used(source.Database());
    used.prepare(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ? COLLATE NOCASE"));
    used.addBindValue(table.name);
    if (!used.exec())
        throw DbError(EngineMessage(used.lastError()));
    if (used.next())
        number = std::max(number, used.value(0).toLongLong());
    return number;
}

// New rows are numbered past the highest number the file ever used, so a
// number of a row deleted there is never given again.
void MoveKeysPastUsedNumbers(Connection& source, Connection& target, const Table& table)
{
    QSqlQuery move(target.Database());
    move.prepare(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), ?, false)")
                     .arg(table.name.toLower(), table.key.toLower()));
    move.addBindValue(HighestNumberEverUsed(source, table) + 1);
    if (!move.exec())
        throw DbError(EngineMessage(move.lastError()));
}

// The accounts whose password is shorter than a lab's minimum, by number:
// the server is reachable over the network, so the administrator renews them.
std::vector<LabDatabase::Account> ShortPasswords(Connection& target)
{
    QSqlQuery accounts = Run(target.Database(),
                             QStringLiteral("SELECT fldStudentNumber, fldStudentName FROM Passwords "
                                            "WHERE fldStudentName IS NOT NULL AND length(COALESCE(fldPassword, '')) < %1 "
                                            "ORDER BY fldStudentNumber")
                                 .arg(LabDatabase::ShortestPassword));
    std::vector<LabDatabase::Account> found;
    while (accounts.next())
        found.push_back({accounts.value(0).toLongLong(), accounts.value(1).toString()});
    return found;
}

}

void LabDatabase::Create(const ServerSettings& server, const QString& workstationSettings)
{
    Connection target(QStringLiteral("labdb-target"));
    target.Open(server);
    Schema::CreateTables(target);
    if (!workstationSettings.isEmpty())
        WriteWorkstationSettings(server, workstationSettings);
}

void LabDatabase::WriteWorkstationSettings(const ServerSettings& server, const QString& path)
{
    ServerSettings workstation = server;
    workstation.user.clear();
    workstation.password.clear();
    workstation.adminUser = Schema::AdministratorRole(server.database);
    workstation.Write(path);
}

LabDatabase::Versions LabDatabase::Upgrade(const ServerSettings& server)
{
    Connection target(QStringLiteral("labdb-target"));
    target.Open(server);
    const int before = Schema::BringForward(target);
    const int after = Schema::Version(target);
    if (before == after)
        Schema::RenewLabFunctions(target);
    return {before, after};
}

LabDatabase::Copied LabDatabase::CopyFrom(const QString& databaseFile, const ServerSettings& server)
{
    Connection source(QStringLiteral("labdb-source"));
    source.Open(databaseFile);
    Connection target(QStringLiteral("labdb-target"));
    target.Open(server);
    if (!Schema::HasTables(target))
        Schema::CreateTables(target);
    Schema::BringForward(target);
    RefuseWhenHoldingData(target);

    QSqlDatabase db = target.Database();
    if (!db.transaction())
        throw DbError(EngineMessage(db.lastError()));
    try {
        Copied copied;
        copied.students = CopyTable(source, target, Tables[0]);
        copied.tests = CopyTable(source, target, Tables[1]);
        // A file may hold two attempts of one student at one test, from
        // before the database refused them; they are copied as they are, so
        // the administrator sees and deletes them there.
        Run(db, QStringLiteral("ALTER TABLE Results DISABLE TRIGGER OneAttemptPerStudentAndTest"));
        copied.results = CopyTable(source, target, Tables[2]);
        Run(db, QStringLiteral("ALTER TABLE Results ENABLE TRIGGER OneAttemptPerStudentAndTest"));
        if (source.Database().tables().contains(PicturesTable.name, Qt::CaseInsensitive))
            copied.pictures = CopyTable(source, target, PicturesTable);
        for (const Table& table : Tables)
            MoveKeysPastUsedNumbers(source, target, table);
        copied.shortPasswords = ShortPasswords(target);
        if (!db.commit())
            throw DbError(EngineMessage(db.lastError()));
        return copied;
    } catch (...) {
        db.rollback();
        throw;
    }
}

// Every database gets these functions from PostgreSQL's own catalogue with
// EXECUTE for everyone. None is needed by a student, each lets one harm
// others or the grading (a seeded random source, a held lock, a session
// asleep with its locks, large objects filling the disk, signals to other
// sessions), and only the superuser can take them away, database by database.
// The database's owner, who is no student, keeps them.
void LabDatabase::Harden(const ServerSettings& superuser)
{
    Connection target(QStringLiteral("labdb-harden"));
    target.Open(superuser);
    Run(target.Database(), QStringLiteral(
        "DO $$ DECLARE f regprocedure; BEGIN "
        "FOR f IN SELECT p.oid::regprocedure FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace "
        "WHERE n.nspname = 'pg_catalog' AND (p.proname IN ('setseed', 'pg_sleep', 'pg_sleep_for', 'pg_sleep_until', "
        "'pg_terminate_backend', 'pg_cancel_backend') "
        "OR p.proname LIKE 'pg\\_advisory\\_%' OR p.proname LIKE 'pg\\_try\\_advisory\\_%' "
        "OR p.proname LIKE 'lo\\_%' OR p.proname IN ('loread', 'lowrite')) LOOP "
        "EXECUTE format('REVOKE EXECUTE ON FUNCTION %s FROM PUBLIC', f); "
        "EXECUTE format('GRANT EXECUTE ON FUNCTION %s TO %I', f, "
        "(SELECT pg_get_userbyid(datdba) FROM pg_database WHERE datname = current_database())); END LOOP; END $$"));
    // Temporary files no larger than the program's own largest sorts need,
    // which no student's session may lift; and no student's role reaches the
    // server's other databases, where the revocations above do not hold.
    Run(target.Database(), QStringLiteral(
        "DO $$ BEGIN EXECUTE format('ALTER DATABASE %I SET temp_file_limit = %L', current_database(), '%1'); END $$")
                               .arg(QLatin1String(TempFileLimit)));
    Run(target.Database(), QStringLiteral("REVOKE CONNECT, TEMPORARY ON DATABASE postgres, template1 FROM PUBLIC"));
}

void LabDatabase::SetAdministratorPassword(const ServerSettings& owner, const QString& password)
{
    if (password.size() < ShortestPassword)
        throw DbError(QCoreApplication::translate("LabDatabase", "Lab passwords must be at least 8 characters long."));
    Connection target(QStringLiteral("labdb-admin-password"));
    target.Open(owner);
    RolePassword::SetFor(target, Schema::AdministratorRole(owner.database), password);
}

void LabDatabase::Join(const QString& host, int port, const QString& database, const QString& caFile,
                       const QString& workstationSettings)
{
    ServerSettings::RequireFolderFor(workstationSettings);
    ServerSettings workstation;
    workstation.host = host;
    workstation.port = port;
    workstation.database = database;
    workstation.adminUser = Schema::AdministratorRole(database);
    workstation.sslmode = QStringLiteral("require");
    if (!caFile.isEmpty()) {
        const QString copied = QFileInfo(workstationSettings).dir().filePath(QStringLiteral("lab-ca.crt"));
        QFile::remove(copied);
        if (!QFile::copy(caFile, copied))
            throw DbError(QCoreApplication::translate("LabDatabase", "The certificate %1 cannot be read.").arg(caFile));
        QFile::setPermissions(copied, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        workstation.sslmode = QStringLiteral("verify-full");
        // Named from the settings file's folder, as the file is read back.
        workstation.sslrootcert = QFileInfo(copied).fileName();
    }
    workstation.Write(workstationSettings);
    // Signing in as the administrator without a password: a server that
    // answers over TLS and lets this computer in asks for one. (Opened as a
    // workstation, the settings would only ask whether the server runs.)
    ServerSettings probe = ServerSettings::Read(workstationSettings);
    probe.user = probe.adminUser;
    probe.adminUser.clear();
    Connection check(QStringLiteral("labdb-join"));
    try {
        check.Open(probe);
    } catch (const DbError& error) {
        if (!error.message().contains(QLatin1String("no password supplied")))
            throw;
    }
}
