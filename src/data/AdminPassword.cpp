#include "AdminPassword.h"

#include "ClientLibraries.h"
#include "Connection.h"
#include "DbError.h"
#include "RolePassword.h"
#include "Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <optional>
#include <stdexcept>
#include <QCoreApplication>

namespace {

const QString Table = QStringLiteral("Administrator");
const QString SelectHash =
    QStringLiteral("SELECT fldPasswordHash FROM Administrator WHERE fldAdministratorNumber = 1");
// One statement that works on both engines: the row is added or replaced.
const QString StoreHash = QStringLiteral(
    "INSERT INTO Administrator (fldAdministratorNumber, fldPasswordHash) VALUES (1, ?) "
    "ON CONFLICT (fldAdministratorNumber) DO UPDATE SET fldPasswordHash = excluded.fldPasswordHash");
const QString DeleteHash = QStringLiteral("DELETE FROM Administrator");

AdminPassword::HashCost hashCost = AdminPassword::HashCost::Interactive;

const ClientLibraries::Sodium& Sodium()
{
    const ClientLibraries::Sodium& sodium = ClientLibraries::PasswordHash();
    if (sodium.sodium_init() < 0)
        throw DbError(QCoreApplication::translate("AdminPassword", "The password library could not be started."));
    return sodium;
}

void Run(QSqlQuery& query)
{
    if (!query.exec())
        throw DbError(EngineMessage(query.lastError()));
}

bool HasTable(Connection& connection)
{
    return connection.Database().tables().contains(Table, Qt::CaseInsensitive);
}

// The table's statement from the engine's own schema, so that a database
// made before the table existed gets exactly the table a new one has.
QString CreateTableStatement(Connection& connection)
{
    const QString schema = connection.Engine() == DbEngine::PostgreSQL ? Schema::PostgreSqlText() : Schema::Text();
    for (const QString& statement : Schema::Statements(schema)) {
        if (statement.startsWith(QStringLiteral("CREATE TABLE ") + Table + u' '))
            return statement;
    }
    throw std::logic_error("the schema has no Administrator table");
}

// The stored hash; none while the password is the default.
std::optional<QByteArray> StoredHash(Connection& connection)
{
    if (!HasTable(connection))
        return std::nullopt;
    QSqlQuery& query = connection.Prepared(SelectHash);
    Run(query);
    std::optional<QByteArray> hash;
    if (query.next())
        hash = query.value(0).toString().toUtf8();
    query.finish();  // a statement left open would keep the file's read lock
    return hash;
}

QByteArray Hash(const QString& password)
{
    const ClientLibraries::Sodium& sodium = Sodium();
    const QByteArray utf8 = password.toUtf8();
    const bool interactive = hashCost == AdminPassword::HashCost::Interactive;
    char hash[crypto_pwhash_STRBYTES];
    if (sodium.crypto_pwhash_str(hash, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                          interactive ? crypto_pwhash_OPSLIMIT_INTERACTIVE : crypto_pwhash_OPSLIMIT_MIN,
                          interactive ? crypto_pwhash_MEMLIMIT_INTERACTIVE : crypto_pwhash_MEMLIMIT_MIN)
        != 0)
        throw DbError(QCoreApplication::translate("AdminPassword", "There is not enough memory to store the new password."));
    return QByteArray(hash);
}

bool Verifies(const QByteArray& hash, const QString& typed)
{
    // A stored text that cannot be a hash string is damaged and never matches;
    // only the reset brings the default back.
    if (hash.isEmpty() || hash.size() >= static_cast<qsizetype>(crypto_pwhash_STRBYTES))
        return false;
    const QByteArray utf8 = typed.toUtf8();
    return Sodium().crypto_pwhash_str_verify(hash.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size()))
           == 0;
}

// Creates the table when the database has none yet, and stores the hash.
void CreateTableAndStore(Connection& connection, const QByteArray& hash)
{
    QSqlQuery query(connection.Database());
    if (!HasTable(connection) && !query.exec(CreateTableStatement(connection)))
        throw DbError(EngineMessage(query.lastError()));
    if (!query.prepare(StoreHash))
        throw DbError(EngineMessage(query.lastError()));
    query.addBindValue(QString::fromLatin1(hash));
    Run(query);
}

}

bool AdminPassword::Matches(Connection& connection, const QString& typed)
{
    if (connection.SignedInAsAdministrator())
        return connection.AcceptsPassword(typed);
    const std::optional<QByteArray> hash = StoredHash(connection);
    return hash ? Verifies(*hash, typed) : typed == Default;
}

// One transaction: the table and the hash are stored together or not at all.
void AdminPassword::Change(Connection& connection, const QString& newPassword)
{
    if (connection.SignedInAsAdministrator())
        return RolePassword::ChangeOwn(connection, newPassword);
    const QByteArray hash = Hash(newPassword);
    Connection::Transaction transaction(connection);
    CreateTableAndStore(connection, hash);
    transaction.Commit();
}

bool AdminPassword::Reset(Connection& connection)
{
    if (!HasTable(connection))
        return false;
    QSqlQuery query(connection.Database());
    if (!query.exec(DeleteHash))
        throw DbError(EngineMessage(query.lastError()));
    return query.numRowsAffected() > 0;
}

void AdminPassword::SetHashCost(HashCost cost) { hashCost = cost; }
