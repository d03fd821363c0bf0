// The results file of 1,000,000 attempts (1,000 students by 1,000 tests,
// every slot answered, all made in one statement), as vornick-admin results and Save Results write it:
// one query read row by row into the file. Reports rows per second and the
// peak memory the export added, beside the floor of the same query's rows
// read straight through QSqlQuery (every column, no file). Runs on the
// database BenchEnv gives: an SQLite file, or the PostgreSQL server that
// VORNICK_TEST_SERVER names.
#include "BenchEnv.h"
#include "TestServer.h"
#include "app/Module1.h"
#include "work/ResultsExport.h"
#include "data/Connection.h"
#include "data/SqlText.h"

#include <QFile>
#include <QSaveFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>

using namespace Module1;

namespace {

constexpr int Students = 1000;
constexpr int Tests = 1000;
constexpr qint64 Attempts = qint64{Students} * Tests;

// The process's resident memory now, and at its peak since the peak was
// last reset, in kB.
qint64 StatusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<int>(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

struct Seeded {
    BenchEnv env;
    Seeded()
    {
        const auto start = std::chrono::steady_clock::now();
        env.SeedAttempts(Students, Tests);
        seedSeconds = Seconds(std::chrono::steady_clock::now() - start);
    }
    double seedSeconds = 0;
};

Seeded& World()
{
    static Seeded world;
    return world;
}

}

static void ExportResults1M(benchmark::State& state)
{
    Seeded& world = World();
    cnDatabase.OpenProgramDatabase(world.env.fake.programFolder);
    const QString path = world.env.fake.programFolder + QStringLiteral("/all.csv");
    std::optional<qint64> rows;
    qint64 peakKb = 0;
    qint64 bytes = 0;
    double seconds = 0;
    for (auto _ : state) {
        ResetPeak();
        const qint64 before = StatusKb("VmRSS:");
        const auto start = std::chrono::steady_clock::now();
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        rows = ResultsExport::Write(cnDatabase, std::nullopt, std::nullopt, file, [](qint64) { return true; });
        file.commit();
        const double took = Seconds(std::chrono::steady_clock::now() - start);
        peakKb = std::max(peakKb, StatusKb("VmHWM:") - before);
        seconds += took;
        bytes = QFile(path).size();
        state.SetIterationTime(took);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["rows_per_second"] = static_cast<double>(rows.value_or(0)) * n / seconds;
    state.counters["peak_added_MB"] = static_cast<double>(peakKb) / 1024.0;
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["seed_s"] = world.seedSeconds;
    if (rows != Attempts)
        state.SkipWithError("not every attempt was written");
    cnDatabase.Close();
}
BENCHMARK(ExportResults1M)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

// The floor: the export's own query, every column of every row read
// straight through a forward-only QSqlQuery, nothing written.
static void FloorSameRowsStraight(benchmark::State& state)
{
    Seeded& world = World();
    Connection straight(QStringLiteral("floor"));
    straight.OpenProgramDatabase(world.env.fake.programFolder);
    const SqlText sql = Sql::ResultsInFileOrder(straight.Engine(), std::nullopt, std::nullopt);
    qint64 rows = 0;
    qint64 peakKb = 0;
    for (auto _ : state) {
        ResetPeak();
        const qint64 before = StatusKb("VmRSS:");
        QSqlQuery query(straight.Database());
        query.setForwardOnly(true);
        query.exec(sql.text);
        const int columns = query.record().count();
        rows = 0;
        while (query.next()) {
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(query.value(c));
            ++rows;
        }
        peakKb = std::max(peakKb, StatusKb("VmHWM:") - before);
    }
    state.counters["rows_per_second"] = benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                                                           benchmark::Counter::kIsRate);
    state.counters["peak_added_MB"] = static_cast<double>(peakKb) / 1024.0;
    if (rows != Attempts)
        state.SkipWithError("not every row was read");
}
BENCHMARK(FloorSameRowsStraight)->Iterations(3)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
