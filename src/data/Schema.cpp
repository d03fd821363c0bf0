#include "Schema.h"

#include "DbError.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

namespace {

QStringList Statements(const QString& schema)
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

void Apply(QSqlDatabase& db, const QString& path)
{
    db.setDatabaseName(path);
    if (!db.open())
        throw DbError(db.lastError().text());
    QSqlQuery query(db);
    if (!db.transaction())
        throw DbError(db.lastError().text());
    for (const QString& statement : Statements(Schema::Text())) {
        if (!query.exec(statement)) {
            const QString message = query.lastError().databaseText();
            db.rollback();
            throw DbError(message);
        }
    }
    if (!db.commit())
        throw DbError(db.lastError().text());
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
