#include "TestServer.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "LabDatabase.h"

#include <QDir>
#include <QFileInfo>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

void Run(Connection& connection, const QString& statement)
{
    QSqlQuery query(connection.Database());
    if (!query.exec(statement))
        throw DbError(query.lastError().text());
}

ServerSettings& OwnDatabase()
{
    static ServerSettings own;
    return own;
}

void DropOwnDatabase()
{
    Connection maintenance(QStringLiteral("test-server-drop"));
    try {
        maintenance.Open(*TestServer::Settings());
        Run(maintenance, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(OwnDatabase().database));
    } catch (const DbError&) {
        // A database left behind goes with the throwaway server.
    }
}

// The settings of the database `name` on the server, made (and hardened as
// labdb harden does, where the server names its superuser) unless
// `onlyIfMissing` finds it there already.
ServerSettings CreateDatabase(const QString& name, bool onlyIfMissing)
{
    ServerSettings made = *TestServer::Settings();
    made.database = name;
    Connection maintenance(QStringLiteral("test-server-create"));
    maintenance.Open(*TestServer::Settings());
    if (onlyIfMissing) {
        QSqlQuery found(maintenance.Database());
        found.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"));
        found.addBindValue(name);
        if (!found.exec())
            throw DbError(found.lastError().text());
        if (found.next())
            return made;
    }
    Run(maintenance, QStringLiteral("CREATE DATABASE %1").arg(name));
    if (const std::optional<ServerSettings> superuser = TestServer::Superuser()) {
        ServerSettings hardened = *superuser;
        hardened.database = name;
        LabDatabase::Harden(hardened);
    }
    return made;
}

// One per process, so test programs running side by side never share tables.
const ServerSettings& CreateOwnDatabase()
{
    ServerSettings& own = OwnDatabase();
    if (!own.database.isEmpty())
        return own;
    own = CreateDatabase(QStringLiteral("vt_") + QUuid::createUuid().toString(QUuid::Id128), false);
    qAddPostRoutine(DropOwnDatabase);
    return own;
}

}

const std::optional<ServerSettings>& TestServer::Settings()
{
    static const std::optional<ServerSettings> settings = []() -> std::optional<ServerSettings> {
        const QString path = qEnvironmentVariable("VORNICK_TEST_SERVER");
        if (path.isEmpty())
            return std::nullopt;
        return ServerSettings::Read(path);
    }();
    return settings;
}

ServerSettings TestServer::FreshDatabase(bool withTables)
{
    const ServerSettings& own = CreateOwnDatabase();
    Empty(own, withTables);
    return own;
}

ServerSettings TestServer::KeptDatabase(const QString& name)
{
    return CreateDatabase(QStringLiteral("vt_kept_") + name.toLower(), true);
}

void TestServer::Empty(const ServerSettings& database, bool withTables)
{
    Connection connection(QStringLiteral("test-server-reset"));
    connection.Open(database);
    // A test that left a transaction open would make the reset wait forever.
    Run(connection, QStringLiteral("SET lock_timeout = '10s'"));
    Run(connection, QStringLiteral("SET client_min_messages = warning"));
    Run(connection, QStringLiteral("DROP SCHEMA public CASCADE"));
    Run(connection, QStringLiteral("CREATE SCHEMA public"));
    if (withTables)
        Schema::CreateTables(connection);
}

// The server's superuser, when scripts/test-server wrote its settings beside
// the owner's: every test database is then hardened as labdb harden does.
std::optional<ServerSettings> TestServer::Superuser()
{
    const QString path = QFileInfo(qEnvironmentVariable("VORNICK_TEST_SERVER")).dir().filePath(QStringLiteral("superuser.ini"));
    if (!Settings() || !QFileInfo::exists(path))
        return std::nullopt;
    return ServerSettings::Read(path);
}
