#include "Schema.h"

#include "Connection.h"
#include "DbError.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

QStringList Schema::Statements(const QString& schema)
{
    QStringList kept;
    for (const QString& line : schema.split(u'\n')) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            kept << line;
    }
    QStringList statements;
    for (const QString& statement : kept.join(u'\n').split(u';')) {
        if (!statement.trimmed().isEmpty())
            statements << statement.trimmed();
    }
    return statements;
}

namespace {

const QStringList TableNames{QStringLiteral("Passwords"), QStringLiteral("Tests"), QStringLiteral("Results")};

// Runs the schema's statements in one transaction: all of them or none.
void ApplySchema(QSqlDatabase& db, const QString& schema)
{
    QSqlQuery query(db);
    if (!db.transaction())
        throw DbError(db.lastError().text());
    for (const QString& statement : Schema::Statements(schema)) {
        if (!query.exec(statement)) {
            const QString message = query.lastError().databaseText();
            db.rollback();
            throw DbError(message);
        }
    }
    if (!db.commit())
        throw DbError(db.lastError().text());
}

void Apply(QSqlDatabase& db, const QString& path)
{
    db.setDatabaseName(path);
    if (!db.open())
        throw DbError(db.lastError().text());
    ApplySchema(db, Schema::Text());
}

}

void Schema::CreateDatabase(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("A database already exists at %1; it is left untouched.").arg(path));
    const QString name = QStringLiteral("schema-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        Apply(db, path);
        db.close();
    } catch (...) {
        QSqlDatabase::removeDatabase(name);
        QFile::remove(path);  // never leave a half-made database behind
        throw;
    }
    QSqlDatabase::removeDatabase(name);
}

bool Schema::HasTables(Connection& connection)
{
    const QStringList present = connection.Database().tables();
    for (const QString& table : TableNames) {
        if (present.contains(table, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void Schema::CreateTables(Connection& connection)
{
    if (!connection.IsOpen())
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed."));
    if (HasTables(connection))
        throw DbError(QStringLiteral("The database already has the program's tables; it is left untouched."));
    QSqlDatabase db = connection.Database();
    ApplySchema(db, connection.Engine() == DbEngine::PostgreSQL ? PostgreSqlText() : Text());
}
