#pragma once

#include "FakePlatform.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

// One test's world: a fresh database built from the schema in a temporary
// folder that stands in for the program's folder, the fake platform
// installed, and the shared globals and screens reset.
class TestEnv {
public:
    TestEnv();
    ~TestEnv();

    QString DatabasePath() const;
    // Opens the connection and the two start-up recordsets, as sign-in does.
    void OpenDatabase();

    // Direct SQL on the test database through its own connection, for
    // seeding rows and checking what the program stored.
    qint64 Insert(const QString& sql, const QVariantList& values = {});
    QVariant Scalar(const QString& sql, const QVariantList& values = {});
    void Exec(const QString& sql, const QVariantList& values = {});

    // A student account; returns its number.
    qint64 AddStudent(const QString& name, const QString& password);
    // A test with every slot written as "Q{s}", "A{s}", "P{s}a", "P{s}b"; returns its number.
    qint64 AddTest(const QString& name, int minutes = 30, const QString& description = QString());

    FakePlatform fake;

private:
    QTemporaryDir dir_;
    QString connectionName_;
};

// Processes posted events, including deferred deletes of unloaded screens.
void ProcessEvents();
