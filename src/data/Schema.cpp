#include "Schema.h"

#include "Connection.h"
#include "DbError.h"

#include <QFile>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSet>
#include <QStringList>
#include <QUuid>
#include <functional>
#include <QCoreApplication>

namespace {

// Whether a statement cut at a ';' is still open: inside a quoted text, a
// dollar-quoted body, or an SQLite trigger's BEGIN ... END.
bool StillOpen(const QString& statement)
{
    if (statement.count(u'\'') % 2 != 0 || statement.count(QStringLiteral("$$")) % 2 != 0)
        return true;
    static const QRegularExpression triggerBody(QStringLiteral("^CREATE\\s+TRIGGER\\b.*\\bBEGIN\\b"),
                                                QRegularExpression::CaseInsensitiveOption
                                                    | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression endsWithEnd(QStringLiteral("\\bEND\\s*$"), QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = statement.trimmed();
    return triggerBody.match(trimmed).hasMatch() && !endsWithEnd.match(trimmed).hasMatch();
}

}

QStringList Schema::Statements(const QString& schema)
{
    QStringList kept;
    for (const QString& line : schema.split(u'\n')) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            kept << line;
    }
    QStringList statements;
    QString pending;
    for (const QString& piece : kept.join(u'\n').split(u';')) {
        pending += pending.isEmpty() ? piece : QStringLiteral(";") + piece;
        if (StillOpen(pending))
            continue;
        if (!pending.trimmed().isEmpty())
            statements << pending.trimmed();
        pending.clear();
    }
    if (!pending.trimmed().isEmpty())
        statements << pending.trimmed();
    return statements;
}

namespace {

const QStringList TableNames{QStringLiteral("Passwords"), QStringLiteral("Tests"), QStringLiteral("Results")};

bool IsServer(const Connection& connection) { return connection.Engine() == DbEngine::PostgreSQL; }

QString SchemaTextOf(const Connection& connection)
{
    return IsServer(connection) ? Schema::PostgreSqlText() : Schema::Text();
}

void Run(QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw DbError(EngineMessage(query.lastError()));
}

int CurrentVersion(bool server) { return server ? Schema::ServerVersion : Schema::FileVersion; }

QStringList VersionStamp(bool server)
{
    const QString version = QString::number(CurrentVersion(server));
    if (!server)
        return {QStringLiteral("PRAGMA user_version = ") + version};
    return {QStringLiteral("DELETE FROM SchemaVersion"),
            QStringLiteral("INSERT INTO SchemaVersion (fldVersion) VALUES (") + version + u')'};
}

// Runs the statements in one transaction: all of them or none. The SQLite
// file is locked for writing from the start, so two programs opening one old
// file never both bring it forward; `statements` is asked for them inside the
// transaction and may find there is nothing to do.
void RunAllOrNone(QSqlDatabase& db, bool server, const std::function<QStringList()>& statements)
{
    Run(db, server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    try {
        for (const QString& statement : statements())
            Run(db, statement);
        Run(db, QStringLiteral("COMMIT"));
    } catch (const DbError&) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

void Apply(QSqlDatabase& db, const QString& path)
{
    db.setDatabaseName(path);
    if (!db.open())
        throw DbError(EngineMessage(db.lastError()));
    RunAllOrNone(db, false, [] { return Schema::Statements(Schema::Text()) + VersionStamp(false); });
}

bool HasAllTables(Connection& connection)
{
    const QStringList present = connection.Database().tables();
    for (const QString& table : TableNames) {
        if (!present.contains(table, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

QVariant FirstValue(QSqlDatabase db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw DbError(EngineMessage(query.lastError()));
    return query.next() ? query.value(0) : QVariant();
}

// The objects the database really has, as "kind name" in lower case (kinds:
// table, index, trigger, function).
QSet<QString> PresentObjects(Connection& connection)
{
    const QString sql = IsServer(connection)
        ? QStringLiteral("SELECT CASE c.relkind WHEN 'i' THEN 'index ' ELSE 'table ' END || c.relname FROM pg_class c "
                         "WHERE c.relnamespace = current_schema()::regnamespace AND c.relkind IN ('r', 'p', 'i') "
                         "UNION ALL SELECT 'function ' || p.proname FROM pg_proc p "
                         "WHERE p.pronamespace = current_schema()::regnamespace "
                         "UNION ALL SELECT 'trigger ' || lower(t.tgname) FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
                         "WHERE c.relnamespace = current_schema()::regnamespace AND NOT t.tgisinternal")
        : QStringLiteral("SELECT type || ' ' || lower(name) FROM sqlite_master");
    QSqlQuery query(connection.Database());
    if (!query.exec(sql))
        throw DbError(EngineMessage(query.lastError()));
    QSet<QString> present;
    while (query.next())
        present.insert(query.value(0).toString());
    return present;
}

// The column definitions of a CREATE TABLE statement ("fldDeadline INTEGER"),
// table constraints left out.
QStringList ColumnDefinitions(const QString& createTable)
{
    static const QRegularExpression constraint(QStringLiteral("^(PRIMARY|UNIQUE|CHECK|FOREIGN|CONSTRAINT)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    const qsizetype open = createTable.indexOf(u'(');
    const QString body = createTable.mid(open + 1, createTable.lastIndexOf(u')') - open - 1);
    QStringList columns;
    QString pending;
    int depth = 0;
    for (const QChar c : body + u',') {
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (c != u',' || depth > 0) {
            pending += c;
            continue;
        }
        const QString column = pending.simplified();
        if (!column.isEmpty() && !constraint.match(column).hasMatch())
            columns << column;
        pending.clear();
    }
    return columns;
}

// What the database lacks of its engine's schema text, found by looking
// rather than trusted to its version (a file made from the schema text by
// hand records whatever the text says): each missing table, index, trigger
// or function, and each missing field of a table that is there. A function
// that replaces itself is applied again in its place, so that an older
// database gets its current body before anything that calls it, and so are
// the removal of an object the schema no longer has (DROP ... IF EXISTS) and
// a table's storage settings (ALTER TABLE ... SET (...)).
QStringList MissingSteps(Connection& connection)
{
    static const QRegularExpression appliedAgain(
        QStringLiteral("^(CREATE\\s+OR\\s+REPLACE\\s+FUNCTION\\b|DROP\\s+\\w+\\s+IF\\s+EXISTS\\b|ALTER\\s+TABLE\\s+\\w+\\s+SET\\s*\\()"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression created(
        QStringLiteral("^CREATE\\s+(?:UNIQUE\\s+)?(TABLE|INDEX|TRIGGER|FUNCTION)\\s+(\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QSet<QString> present = PresentObjects(connection);
    QStringList steps;
    for (const QString& statement : Schema::Statements(SchemaTextOf(connection))) {
        if (appliedAgain.match(statement).hasMatch()) {
            steps << statement;
            continue;
        }
        const QRegularExpressionMatch object = created.match(statement);
        if (!object.hasMatch())
            continue;
        const QString kind = object.captured(1).toLower();
        const QString name = object.captured(2);
        if (!present.contains(kind + u' ' + name.toLower())) {
            steps << statement;
            continue;
        }
        if (kind != QLatin1String("table"))
            continue;
        // In lower case, as the server keeps unquoted names (SQLite ignores case).
        const QSqlRecord fields = connection.Database().record(name.toLower());
        for (const QString& column : ColumnDefinitions(statement)) {
            if (!fields.contains(column.section(u' ', 0, 0)))
                steps << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(name, column);
        }
    }
    return steps;
}

// The steps from an older version to the current one, the new version's
// stamp last. A server's roles and functions can be applied again, so they
// come after any older version.
QStringList StepsForward(Connection& connection)
{
    const bool server = IsServer(connection);
    QStringList steps = MissingSteps(connection);
    if (server)
        steps << Schema::Statements(Schema::LabRolesText());
    return steps + VersionStamp(server);
}

DbError UnknownVersion(int version, int current)
{
    return DbError(QCoreApplication::translate("Schema", "The database has schema version %1, which this copy of VornickTest does not know "
                                  "(it knows versions up to %2). It was left untouched: use the VornickTest that last "
                                  "opened it, or a newer one.")
                       .arg(version)
                       .arg(current));
}

}

void Schema::CreateDatabase(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DbError(QCoreApplication::translate("Schema", "A database already exists at %1; it is left untouched.").arg(path));
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
        throw DbError(QCoreApplication::translate("Schema", "Operation is not allowed when the object is closed."));
    if (HasTables(connection))
        throw DbError(QCoreApplication::translate("Schema", "The database already has the program's tables; it is left untouched."));
    QSqlDatabase db = connection.Database();
    const bool server = IsServer(connection);
    RunAllOrNone(db, server, [&] {
        QStringList statements = Statements(SchemaTextOf(connection));
        if (server)
            statements << Statements(LabRolesText());
        return statements + VersionStamp(server);
    });
}

int Schema::Version(Connection& connection)
{
    QSqlDatabase db = connection.Database();
    if (!IsServer(connection))
        return FirstValue(db, QStringLiteral("PRAGMA user_version")).toInt();
    if (FirstValue(db, QStringLiteral("SELECT to_regclass('schemaversion') IS NULL")).toBool())
        return 0;
    return FirstValue(db, QStringLiteral("SELECT MAX(fldVersion) FROM SchemaVersion")).toInt();
}

int Schema::BringForward(Connection& connection)
{
    const int found = Version(connection);
    const int current = CurrentVersion(IsServer(connection));
    if (found == current)
        return found;
    if (found < 0 || found > current)
        throw UnknownVersion(found, current);
    if (!HasAllTables(connection))
        return found;
    QSqlDatabase db = connection.Database();
    try {
        RunAllOrNone(db, IsServer(connection), [&]() -> QStringList {
            // Another workstation may have done it while this one waited.
            if (IsServer(connection))
                Run(db, QStringLiteral("LOCK TABLE Results IN ACCESS EXCLUSIVE MODE"));
            const int now = Version(connection);
            return now == current ? QStringList() : StepsForward(connection);
        });
    } catch (const DbError& error) {
        throw DbError(QCoreApplication::translate("Schema", "The database is of an older version and could not be brought up to date: %1\n"
                                     "It was left untouched.")
                          .arg(error.message()));
    }
    return found;
}

void Schema::RenewLabFunctions(Connection& connection)
{
    QSqlDatabase db = connection.Database();
    RunAllOrNone(db, true, [] { return Statements(LabRolesText()); });
}

QString Schema::StudentRole(const QString& database, const QString& studentName)
{
    const QByteArray digest =
        QCryptographicHash::hash((database + u'\n' + studentName).toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("vt_") + QString::fromLatin1(digest.left(40));
}

QString Schema::StudentsRole(const QString& database) { return database + QStringLiteral("_student"); }

QString Schema::AdministratorRole(const QString& database) { return database + QStringLiteral("_admin"); }
