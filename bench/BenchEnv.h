#pragma once

#include "FakePlatform.h"
#include "data/ServerSettings.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <optional>

class QApplication;

// A benchmark's world: an offscreen QApplication, a fresh database in a
// temporary folder that stands in for the program's folder, and the fake
// platform installed. With VORNICK_TEST_SERVER set (see TestServer.h) the
// database is a freshly emptied one on that PostgreSQL server instead.
class BenchEnv {
public:
    BenchEnv();
    // A database kept between runs under `name` (letters, digits and
    // underscores) and the schema version, so that a large seed is made
    // once: a file in the temporary folder, or a database of that name on the
    // server. Kept() tells whether an earlier run left it; Renew() empties it.
    explicit BenchEnv(const QString& name);
    ~BenchEnv();

    bool Kept() const { return kept_; }
    void Renew();

    QString DatabasePath() const;
    // Direct SQL for seeding, in one transaction per call of `batch`.
    void Batch(const std::function<void(class QSqlQuery&)>& fill);
    // Every one of `students` has taken every one of `tests`, every slot
    // answered, made by the engine itself from one statement a table. The
    // students' names run in another order than their numbers. `skipped`,
    // an SQL condition on s (a student's number) and t (a test's), leaves
    // out the attempts for which it holds.
    void SeedAttempts(int students, int tests, const QString& skipped = {});

    FakePlatform fake;

private:
    QTemporaryDir dir_;
    bool kept_ = false;
    std::optional<ServerSettings> server_;
};

// The QApplication shared by every benchmark of a program (offscreen).
QApplication& BenchApplication();
