#pragma once

#include <QString>
#include <QStringList>

class Connection;

// The database's tables, one schema per engine (resources/schema.sql for the
// SQLite file, resources/schema-postgresql.sql for a lab's server) with the
// same tables and fields, built into the program, and the version they carry
// (the file's user_version; the SchemaVersion row on a server).
namespace Schema {

// Version 1 added each attempt's deadline, the one-attempt rule and the
// administrator's password table. The schema before it recorded no version;
// it counts as version 0. Version 2, on a server only, added the workstation
// and administrator roles and the functions the workstation role works
// through (resources/lab-roles.sql); a file has no such version. Version 3,
// on a server, has the server date finished attempts and refuse answers
// stored long past an attempt's deadline. Version 4, on a server, has every
// student sign in as a role of their own (the workstation role can no longer
// sign in), keys and grades leave only a committed finish, and the answer
// orders come from a source no session can seed. File version 2 and server
// version 5 keep each student's extra time and each attempt's minutes given.
// File version 3 and server version 6 add the Pictures table, a question's
// picture beside its slot. File version 4 and server version 7 keep the
// moment each attempt was graded. File version 5 and server version 8 index
// each attempt's grade and date beside its student and test, for the lists;
// on a server, the answer store reads its attempt once and Results keeps
// room on its pages for an attempt's answers. resources/schema.sql ends by
// setting the file's version, which must equal FileVersion.
constexpr int FileVersion = 5;
constexpr int ServerVersion = 8;

QString Text();
QString PostgreSqlText();
QString LabRolesText();

// The server's roles for a database: a student's own login role (named as
// vt_student_role of resources/lab-roles.sql names it), the group every
// student's role belongs to, and the administrator's.
QString StudentRole(const QString& database, const QString& studentName);
QString StudentsRole(const QString& database);
QString AdministratorRole(const QString& database);

// Applies a server's functions, grants and students' roles again, all or
// none, on a database of the current version, so that the rules of this
// copy of the program hold there without a version of their own.
void RenewLabFunctions(Connection& connection);

// The statements of a schema text, comments left out. A trigger's body
// (BEGIN ... END) and a dollar-quoted function body stay whole.
QStringList Statements(const QString& schema);

// Creates a fresh, empty database file at `path`, of the current version.
// Refuses (throws DbError) when a file is already there, so an existing
// database is never touched.
void CreateDatabase(const QString& path);

// Creates the tables on the open connection's database with the schema of
// its engine, of the current version, all or nothing. Refuses (throws
// DbError) when any of the tables is already there.
void CreateTables(Connection& connection);

// Whether the connection's database has the program's tables.
bool HasTables(Connection& connection);

// The version of the connection's database; 0 for one that records none.
int Version(Connection& connection);

// Brings a database of an older version up to the current one, in one
// transaction, keeping every row; returns the version it had. A database
// without the program's three tables is left alone (its queries report
// what is missing). A newer or unknown version, or an upgrade that fails,
// throws DbError with a message saying so, and the database is untouched.
int BringForward(Connection& connection);

}
