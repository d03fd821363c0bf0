#pragma once

#include <QString>
#include <QStringList>

class Connection;

// The database's tables, one schema per engine (resources/schema.sql for the
// SQLite file, resources/schema-postgresql.sql for a lab's server) with the
// same tables and fields, built into the program.
namespace Schema {

QString Text();
QString PostgreSqlText();

// The statements of a schema text, comments left out.
QStringList Statements(const QString& schema);

// Creates a fresh, empty database file at `path`. Refuses (throws DbError)
// when a file is already there, so an existing database is never touched.
void CreateDatabase(const QString& path);

// Creates the tables on the open connection's database with the schema of
// its engine, all or nothing. Refuses (throws DbError) when any of the
// tables is already there.
void CreateTables(Connection& connection);

// Whether the connection's database has the program's tables.
bool HasTables(Connection& connection);

}
