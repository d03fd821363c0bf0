// Storing one answer: a slot departure with a choice on the test screen
// (build the record, write it into the attempt's row, store it, show the next
// slot), beside the floor of a bare single-row UPDATE of the same file through
// QSqlQuery with the same synchronous setting, reported as their ratio.
#include "BenchDrivers.h"
#include "BenchEnv.h"
#include "screens/Screens.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

// A student and a 25-slot test.
void Seed(BenchEnv& env)
{
    env.Batch([](QSqlQuery& query) {
        query.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ada', 'pw')"));
        QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldTime")};
        QStringList values{QStringLiteral("'Fractions'"), QStringLiteral("30")};
        for (int s = 1; s <= 25; ++s) {
            columns << QStringLiteral("fldQ%1").arg(s) << QStringLiteral("fldQ%1Answer").arg(s)
                    << QStringLiteral("fldQ%1Phony1").arg(s) << QStringLiteral("fldQ%1Phony2").arg(s);
            values << QStringLiteral("'What is %1/100 as a decimal?'").arg(s) << QStringLiteral("'0.%1'").arg(s)
                   << QStringLiteral("'%1.0'").arg(s) << QStringLiteral("'0.0%1'").arg(s);
        }
        query.exec(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)").arg(columns.join(u','), values.join(u',')));
    });
}

// The test screen on slot 1 of a begun attempt whose row is already stored.
frmQuestions& BegunAttempt(BenchEnv& env)
{
    frmMain& home = BenchDrivers::SignedInStudent(QStringLiteral("Ada"));
    BenchDrivers::PickToTake(env, home, 0);
    home.cmdTakeTest_Click();
    frmQuestions& screen = BenchDrivers::ShownTestScreen();
    // The first departure inserts the attempt's row; every later one updates it.
    BenchDrivers::StoreAnswer(screen, 0);
    return screen;
}

double MicrosecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

}

// Each iteration stores one answer both ways, one right after the other, so
// that the disk's varying flush times weigh on both alike; the figures are
// the medians of each.
static void StoreAnswerBesideBareUpdate(benchmark::State& state)
{
    BenchEnv env;
    Seed(env);
    frmQuestions& screen = BegunAttempt(env);
    const QString name = QStringLiteral("bench-floor");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(env.DatabasePath());
        db.open();
        QSqlQuery(QStringLiteral("PRAGMA synchronous=FULL"), db);
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE Results SET fldQ2 = ? WHERE fldResultNumber = ?"));
        const QStringList records{QStringLiteral("3122C"), QStringLiteral("3123X"), QStringLiteral("3121X")};
        std::vector<double> departures;
        std::vector<double> bareUpdates;
        std::size_t i = 0;
        for (auto _ : state) {
            auto start = std::chrono::steady_clock::now();
            BenchDrivers::StoreAnswer(screen, static_cast<int>(i % 3));
            departures.push_back(MicrosecondsSince(start));

            start = std::chrono::steady_clock::now();
            update.bindValue(0, records[static_cast<int>(i % 3)]);
            update.bindValue(1, 1);
            if (!update.exec())
                state.SkipWithError("update failed");
            bareUpdates.push_back(MicrosecondsSince(start));
            ++i;
        }
        update.finish();
        db.close();
        const double departure = BenchDrivers::Median(departures);
        const double bare = BenchDrivers::Median(bareUpdates);
        state.counters["departure_us"] = departure;
        state.counters["bare_update_us"] = bare;
        state.counters["ratio"] = bare > 0 ? departure / bare : 0;
    }
    QSqlDatabase::removeDatabase(name);
    Screens::DiscardAll();
}
BENCHMARK(StoreAnswerBesideBareUpdate)->Unit(benchmark::kMicrosecond)->Iterations(1000);

BENCHMARK_MAIN();
