#pragma once

#include "FakePlatform.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>

class QApplication;

// A benchmark's world: an offscreen QApplication, a fresh database in a
// temporary folder that stands in for the program's folder, and the fake
// platform installed. With VORNICK_TEST_SERVER set (see TestServer.h) the
// database is a freshly emptied one on that PostgreSQL server instead.
class BenchEnv {
public:
    BenchEnv();
    ~BenchEnv();

    QString DatabasePath() const;
    // Direct SQL for seeding, in one transaction per call of `batch`.
    void Batch(const std::function<void(class QSqlQuery&)>& fill);
    // Every one of `students` has taken every one of `tests`, every slot
    // answered, made by the engine itself from one statement a table. The
    // students' names run in another order than their numbers.
    void SeedAttempts(int students, int tests);

    FakePlatform fake;

private:
    QTemporaryDir dir_;
};

// The QApplication shared by every benchmark of a program (offscreen).
QApplication& BenchApplication();
