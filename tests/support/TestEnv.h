#pragma once

#include "FakePlatform.h"
#include "data/Connection.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <memory>

// One test's world: a fresh database in a temporary folder standing in for the
// program's folder (on a server run, a VornickTest.ini there naming a freshly
// emptied server database), the fake platform installed, globals and screens reset.
// On a lab run (VORNICK_TEST_LAB=1 beside a server) the settings file is a
// lab workstation's, as labdb writes it: the program connects as the
// workstation role, and the administrator role's password is "plum"; a test
// on a server may ask for such a workstation itself. The test's own
// connection is always the database owner's.
class QSqlQuery;

class TestEnv {
public:
    enum class Workstation { AsTheRunSays, Lab };
    explicit TestEnv(Workstation workstation = Workstation::AsTheRunSays);
    ~TestEnv();

    QString DatabasePath() const;  // no file there on a server run
    static bool OnServer();
    bool OnLab() const { return lab_; }
    // The lab pass: every TestEnv of the run is a lab workstation's.
    static bool LabRun();
    // On a server, the database owner's settings.
    const ServerSettings& Owner() const { return owner_; }
    // Opens the connection and, off a lab, the two start-up recordsets, as
    // the sign-in screen does.
    void OpenDatabase();
    // On a lab run, signs the student in through the program's student
    // work, as the sign-in screen does, and returns true; elsewhere false.
    bool SignInOnLab(qint64 studentNumber);
    // Signs the student with that number in, as the sign-in screen would.
    void SignInStudent(qint64 studentNumber);

    // Direct SQL on the test database through its own connection. Insert
    // returns the new row's key; Rows joins each row's values with '|' (Null as "NULL").
    qint64 Insert(const QString& sql, const QVariantList& values = {});
    QVariant Scalar(const QString& sql, const QVariantList& values = {});
    void Exec(const QString& sql, const QVariantList& values = {});
    QStringList Rows(const QString& sql, const QVariantList& values = {});

    // Drops the database's one-attempt rule, as in a file from before it.
    void AllowTwinAttempts();

    qint64 AddStudent(const QString& name, const QString& password);
    // A test with every slot written as "Q{s}", "A{s}", "P{s}a", "P{s}b"; returns its number.
    qint64 AddTest(const QString& name, int minutes = 30, const QString& description = QString());

    FakePlatform fake;

private:
    QSqlQuery Run(const QString& sql, const QVariantList& values);
    void MakeLabWorkstation(const ServerSettings& owner);

    QTemporaryDir dir_;
    bool lab_ = false;
    ServerSettings owner_;
    std::unique_ptr<Connection> direct_;
};

// Processes posted events, including deferred deletes of unloaded screens.
void ProcessEvents();

// Writes `bytes` to the file `name` in `dir`; its path, or "" when it could not be written.
QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes);
// The whole file, or nothing when it cannot be read.
QByteArray ReadFile(const QString& path);
// The number of tests in the database.
qint64 TestCount(TestEnv& env);
// The message a call fails with, or "" when it succeeds.
QString FailureOf(const std::function<void()>& call);
