#pragma once

#include "FakePlatform.h"
#include "data/Connection.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

// One test's world: a fresh database built from the schema in a temporary
// folder that stands in for the program's folder, the fake platform
// installed, and the shared globals and screens reset. When the tests run
// against a PostgreSQL server (see TestServer.h) the folder holds a
// VornickTest.ini naming a freshly emptied database there instead, and the
// SQL helpers below go to that database.
class QSqlQuery;

class TestEnv {
public:
    TestEnv();
    ~TestEnv();

    // The database file's path (on a server run no file is there).
    QString DatabasePath() const;
    // Whether this run's database is on a PostgreSQL server; tests of what
    // only a database file can show (a missing or damaged file) skip then.
    static bool OnServer();
    // Opens the connection and the two start-up recordsets, as sign-in does.
    void OpenDatabase();

    // Direct SQL on the test database through its own connection, for
    // seeding rows and checking what the program stored. Insert returns the
    // new row's key on both engines.
    qint64 Insert(const QString& sql, const QVariantList& values = {});
    QVariant Scalar(const QString& sql, const QVariantList& values = {});
    void Exec(const QString& sql, const QVariantList& values = {});
    // Every row the query returns, its values joined by '|' (Null as "NULL"),
    // for comparing a whole table with the rows expected.
    QStringList Rows(const QString& sql, const QVariantList& values = {});

    // A student account; returns its number.
    qint64 AddStudent(const QString& name, const QString& password);
    // A test with every slot written as "Q{s}", "A{s}", "P{s}a", "P{s}b"; returns its number.
    qint64 AddTest(const QString& name, int minutes = 30, const QString& description = QString());

    FakePlatform fake;

private:
    QSqlQuery Run(const QString& sql, const QVariantList& values);

    QTemporaryDir dir_;
    std::unique_ptr<Connection> direct_;
};

// Processes posted events, including deferred deletes of unloaded screens.
void ProcessEvents();
