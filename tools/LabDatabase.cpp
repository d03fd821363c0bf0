#include "LabDatabase.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

struct Table {
    QString name;
    QString key;
};

const Table Tables[] = {
    {QStringLiteral("Passwords"), QStringLiteral("fldStudentNumber")},
    {QStringLiteral("Tests"), QStringLiteral("fldTestNumber")},
    {QStringLiteral("Results"), QStringLiteral("fldResultNumber")},
};

QString ErrorOf(const QSqlQuery& query)
{
    const QString engine = query.lastError().databaseText().trimmed();
    return engine.isEmpty() ? query.lastError().text() : engine;
}

QSqlQuery Run(QSqlDatabase db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw DbError(ErrorOf(query));
    return query;
}

void RefuseWhenHoldingData(Connection& target)
{
    for (const Table& table : Tables) {
        QSqlQuery any = Run(target.Database(), QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table.name));
        if (any.next())
            throw DbError(QStringLiteral("The server's database already holds data (the %1 table has rows); "
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
    QSqlQuery rows = Run(source.Database(), QStringLiteral("SELECT * FROM %1").arg(table.name));
    const QSqlQuery targetShape = Run(target.Database(), QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table.name));
    const QStringList columns = SharedColumns(rows.record(), targetShape.record());
    const QStringList marks(columns.size(), QStringLiteral("?"));
    QSqlQuery insert(target.Database());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table.name, columns.join(u','), marks.join(u','))))
        throw DbError(ErrorOf(insert));
    int copied = 0;
    while (rows.next()) {
        for (int c = 0; c < columns.size(); ++c)
            insert.bindValue(c, rows.value(columns[c]));
        if (!insert.exec())
            throw DbError(QStringLiteral("Copying the %1 row with %2 %3: %4")
                              .arg(table.name, table.key, rows.value(table.key).toString(), ErrorOf(insert)));
        ++copied;
    }
    return copied;
}

// New rows are numbered past the highest copied number, never reusing one.
void MoveKeysPastCopiedRows(Connection& target, const Table& table)
{
    Run(target.Database(),
        QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), COALESCE(MAX(%2), 0) + 1, false) FROM %1")
            .arg(table.name.toLower(), table.key.toLower()));
}

}

void LabDatabase::Create(const ServerSettings& server)
{
    Connection target(QStringLiteral("labdb-target"));
    target.Open(server);
    Schema::CreateTables(target);
}

LabDatabase::Versions LabDatabase::Upgrade(const ServerSettings& server)
{
    Connection target(QStringLiteral("labdb-target"));
    target.Open(server);
    const int before = Schema::BringForward(target);
    return {before, Schema::Version(target)};
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
        throw DbError(db.lastError().text());
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
        for (const Table& table : Tables)
            MoveKeysPastCopiedRows(target, table);
        if (!db.commit())
            throw DbError(db.lastError().text());
        return copied;
    } catch (...) {
        db.rollback();
        throw;
    }
}
