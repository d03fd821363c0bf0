// Filling the home screen's results list for a student with 1,000 tests, half
// of them taken, beside its floor: the same 1,001 queries prepared once and
// run straight through Qt's SQLite driver in one read transaction, reading
// the fields the fill uses.
#include "BenchDrivers.h"
#include "BenchEnv.h"
#include "screens/frmMain.h"

#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <benchmark/benchmark.h>

namespace {

constexpr int TestCount = 1000;

// One student; 1,000 tests with all 25 slots written; a result for every
// second test.
void Seed(BenchEnv& env)
{
    env.Batch([](QSqlQuery& query) {
        query.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ann', 'pw')"));
        QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldDescription"), QStringLiteral("fldTime")};
        for (int s = 1; s <= 25; ++s)
            columns << QStringLiteral("fldQ%1").arg(s) << QStringLiteral("fldQ%1Answer").arg(s)
                    << QStringLiteral("fldQ%1Phony1").arg(s) << QStringLiteral("fldQ%1Phony2").arg(s);
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        query.prepare(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)").arg(columns.join(u','), marks.join(u',')));
        for (int t = 1; t <= TestCount; ++t) {
            query.bindValue(0, QStringLiteral("Test number %1").arg(t));
            query.bindValue(1, QStringLiteral("A test of everything in chapter %1.").arg(t));
            query.bindValue(2, 30);
            for (int c = 3; c < columns.size(); ++c)
                query.bindValue(c, QStringLiteral("Question text or answer %1 of test %2").arg(c).arg(t));
            query.exec();
        }
        query.prepare(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate, fldQ1) "
                                     "VALUES (1, ?, ?, '12/6/2026', '1232C')"));
        for (int t = 2; t <= TestCount; t += 2) {
            query.bindValue(0, t);
            query.bindValue(1, t % 101);
            query.exec();
        }
    });
}

}

static void LoadTestList(benchmark::State& state)
{
    BenchEnv env;
    Seed(env);
    frmMain& home = BenchDrivers::SignedInStudent(QStringLiteral("Ann"));
    for (auto _ : state) {
        home.Load_Test_List();
        benchmark::DoNotOptimize(home.lstResults->count());
    }
    if (home.lstResults->count() != TestCount)
        state.SkipWithError("the list does not hold every test");
}
BENCHMARK(LoadTestList)->Unit(benchmark::kMillisecond);

static void LoadTestListFloor(benchmark::State& state)
{
    BenchEnv env;
    Seed(env);
    int taken = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
        db.setDatabaseName(env.DatabasePath());
        db.open();
        QSqlQuery tests(db);
        tests.setForwardOnly(true);
        tests.prepare(QStringLiteral("SELECT * FROM Tests"));
        QSqlQuery results(db);
        results.setForwardOnly(true);
        results.prepare(QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ?"));
        // Columns found by name once, as a hand-written loop would.
        tests.exec();
        const int name = tests.record().indexOf(QStringLiteral("fldTestName"));
        const int number = tests.record().indexOf(QStringLiteral("fldTestNumber"));
        tests.finish();
        results.bindValue(0, 1);
        results.bindValue(1, 0);
        results.exec();
        const int grade = results.record().indexOf(QStringLiteral("fldGrade"));
        const int date = results.record().indexOf(QStringLiteral("fldDate"));
        results.finish();
        for (auto _ : state) {
            taken = 0;
            db.transaction();
            tests.exec();
            while (tests.next()) {
                benchmark::DoNotOptimize(tests.value(name).toString());
                results.bindValue(0, 1);
                results.bindValue(1, tests.value(number));
                results.exec();
                if (results.next()) {
                    benchmark::DoNotOptimize(results.value(grade).toString());
                    benchmark::DoNotOptimize(results.value(date).toString());
                    ++taken;
                }
                results.finish();
            }
            tests.finish();
            db.commit();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("floor"));
    if (taken != TestCount / 2)
        state.SkipWithError("the floor did not find every result");
}
BENCHMARK(LoadTestListFloor)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
