// The student's results list with 1,000 tests (ResultsRows, as the home
// screen's Load_Test_List runs it) beside its floor: the same queries run
// straight through QSqlQuery in one transaction, reading the same fields.
// And one refresh of the teacher's view of the attempts in progress with 60
// workstations running, as it is read every 5 seconds on exam day.
// Runs on the database BenchEnv gives: an SQLite file, or the PostgreSQL
// server that VORNICK_TEST_SERVER names.
#include "BenchEnv.h"
#include "app/Module1.h"
#include "data/Connection.h"
#include "screens/ResultsList.h"
#include "work/AttemptControl.h"
#include "work/RecordsetWork.h"

#include <QDateTime>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <benchmark/benchmark.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int TestCount = 1000;
constexpr qint64 Student = 1;

// One student who took every other one of 1,000 full tests.
std::unique_ptr<BenchEnv> SeededEnv()
{
    auto env = std::make_unique<BenchEnv>();
    env->Batch([](QSqlQuery& query) {
        query.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ann', 'pw')"));
        QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldDescription"), QStringLiteral("fldTime")};
        for (int s = 1; s <= 25; ++s)
            columns << QStringLiteral("fldQ%1").arg(s) << QStringLiteral("fldQ%1Answer").arg(s)
                    << QStringLiteral("fldQ%1Phony1").arg(s) << QStringLiteral("fldQ%1Phony2").arg(s);
        query.prepare(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)")
                          .arg(columns.join(u','), QStringList(columns.size(), QStringLiteral("?")).join(u',')));
        for (int t = 1; t <= TestCount; ++t) {
            query.bindValue(0, QStringLiteral("Test number %1").arg(t));
            query.bindValue(1, QStringLiteral("A description of the test."));
            query.bindValue(2, 30);
            for (int c = 3; c < columns.size(); ++c)
                query.bindValue(c, QStringLiteral("Question or answer text %1").arg(c));
            query.exec();
        }
        query.prepare(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                     "VALUES (?, ?, ?, ?)"));
        for (int t = 1; t <= TestCount; t += 2) {
            query.bindValue(0, Student);
            query.bindValue(1, t);
            query.bindValue(2, 84);
            query.bindValue(3, QStringLiteral("06/12/2026"));
            query.exec();
        }
    });
    return env;
}

void FillResultsListOf1000Tests(benchmark::State& state)
{
    const auto env = SeededEnv();
    Module1::cnDatabase.OpenProgramDatabase(env->fake.programFolder);
    QListWidget list;
    for (auto _ : state) {
        ShowResultRows(list, ResultsRows(Module1::cnDatabase, Student));
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["rows"] = list.count();
}
BENCHMARK(FillResultsListOf1000Tests)->Unit(benchmark::kMillisecond);

void FloorSameQueriesStraight(benchmark::State& state)
{
    const auto env = SeededEnv();
    Connection straight(QStringLiteral("floor"));
    straight.OpenProgramDatabase(env->fake.programFolder);
    QSqlDatabase db = straight.Database();
    QSqlQuery results(db);
    results.setForwardOnly(true);
    results.prepare(QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber =? AND fldTestNumber = ?"));
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        db.transaction();
        // The whole test list first: the server's driver streams a
        // forward-only result, which the next query would cut off.
        std::vector<std::pair<QString, QVariant>> catalogue;
        QSqlQuery tests(db);
        tests.setForwardOnly(true);
        tests.exec(QStringLiteral("SELECT * FROM Tests"));
        const int name = tests.record().indexOf(QStringLiteral("fldTestName"));
        const int number = tests.record().indexOf(QStringLiteral("fldTestNumber"));
        while (tests.next())
            catalogue.emplace_back(tests.value(name).toString(), tests.value(number));
        tests.finish();
        for (const auto& [title, testNumber] : catalogue) {
            if (title.startsWith(u'<'))
                continue;
            results.bindValue(0, Student);
            results.bindValue(1, testNumber);
            results.exec();
            QString row = title;
            if (results.next())
                row += results.value(QStringLiteral("fldGrade")).toString() + results.value(QStringLiteral("fldDate")).toString();
            results.finish();
            benchmark::DoNotOptimize(row);
            ++rows;
        }
        db.commit();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(FloorSameQueriesStraight)->Unit(benchmark::kMillisecond);

constexpr int Workstations = 60;

// 60 students each half way through one of two running tests.
std::unique_ptr<BenchEnv> SeededExamDay()
{
    auto env = std::make_unique<BenchEnv>();
    env->Batch([](QSqlQuery& query) {
        for (int t = 1; t <= 2; ++t)
            query.exec(QStringLiteral("INSERT INTO Tests (fldTestName, fldTime) VALUES ('Exam %1', 60)").arg(t));
        query.prepare(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES (?, 'password1')"));
        for (int s = 1; s <= Workstations; ++s) {
            query.bindValue(0, QStringLiteral("student%1").arg(s));
            query.exec();
        }
        QStringList answered;
        for (int slot = 1; slot <= 12; ++slot)
            answered << QStringLiteral("fldQ%1 = '1231C'").arg(slot);
        const qint64 deadline = QDateTime::currentSecsSinceEpoch() + 1800;
        for (int s = 1; s <= Workstations; ++s) {
            query.exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldDeadline, fldMinutesGiven) "
                                      "VALUES (%1, %2, %3, 60)").arg(s).arg(1 + s % 2).arg(deadline + s));
            query.exec(QStringLiteral("UPDATE Results SET %1 WHERE fldStudentNumber = %2").arg(answered.join(u','), QString::number(s)));
        }
    });
    return env;
}

void RefreshAttemptsInProgressOf60(benchmark::State& state)
{
    const auto env = SeededExamDay();
    Connection connection(QStringLiteral("teacher"));
    connection.OpenProgramDatabase(env->fake.programFolder);
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = AttemptControl::Running(connection).size();
        benchmark::DoNotOptimize(rows);
    }
    if (rows != Workstations)
        state.SkipWithError("not every running attempt was listed");
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(RefreshAttemptsInProgressOf60)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
