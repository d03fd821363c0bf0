// Starting and finishing a test with a long history of results: Take (to
// slot 1 of the test screen, the introduction begun) and Done (graded,
// stored, the home list refilled) on a database holding 1,000,000 Results
// rows of other attempts, beside the same on an empty Results table, as
// ratios of their medians; and how much the program's memory grows over the
// attempts on the large history.
#include "BenchDrivers.h"
#include "BenchEnv.h"
#include "app/Platform.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"

#include <QFile>
#include <QRadioButton>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <vector>

namespace {

constexpr int HistoryRows = 1000000;
constexpr int Tests = 25;
constexpr int Attempts = 30;

// One student who takes the tests, 25 complete tests, and `history` results
// of other students, each with every slot answered.
void Seed(BenchEnv& env, int history)
{
    env.Batch([history](QSqlQuery& query) {
        query.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ada', 'pw')"));
        QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldTime")};
        QStringList marks{QStringLiteral("?"), QStringLiteral("30")};
        for (int s = 1; s <= 25; ++s) {
            columns << QStringLiteral("fldQ%1").arg(s) << QStringLiteral("fldQ%1Answer").arg(s)
                    << QStringLiteral("fldQ%1Phony1").arg(s) << QStringLiteral("fldQ%1Phony2").arg(s);
            marks << QStringLiteral("'Question %1'").arg(s) << QStringLiteral("'Right'") << QStringLiteral("'Wrong'")
                  << QStringLiteral("'Also wrong'");
        }
        query.prepare(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)").arg(columns.join(u','), marks.join(u',')));
        for (int t = 1; t <= Tests; ++t) {
            query.bindValue(0, QStringLiteral("Test %1").arg(t));
            query.exec();
        }
        QStringList resultColumns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"),
                                  QStringLiteral("fldGrade"), QStringLiteral("fldDate")};
        QStringList records;
        for (int s = 1; s <= 25; ++s) {
            resultColumns << QStringLiteral("fldQ%1").arg(s);
            records << (s % 4 ? QStringLiteral("'2131C'") : QStringLiteral("'3122X'"));
        }
        query.prepare(QStringLiteral("INSERT INTO Results (%1) VALUES (?, ?, 76, '05/01/2026', %2)")
                          .arg(resultColumns.join(u','), records.join(u',')));
        for (int r = 0; r < history; ++r) {
            query.bindValue(0, 2 + r / Tests);  // students after Ada
            query.bindValue(1, 1 + r % Tests);
            query.exec();
        }
    });
}

// The process's resident memory now (VmRSS) or at its highest (VmHWM), in kB.
long MemoryKilobytes(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

struct Times {
    std::vector<double> start, finish;
};

// Takes test `row + 1` and finishes it with one answer, timing both; the
// result is then deleted so the test can be taken again.
void TimeOneAttempt(BenchEnv& env, int row, Times& times)
{
    SetPlatform(&env.fake);
    frmMain& home = BenchDrivers::SignedInStudent(QStringLiteral("Ada"));
    BenchDrivers::PickToTake(env, home, row);
    times.start.push_back(BenchDrivers::MillisecondsOf([&] { home.cmdTakeTest_Click(); }));
    frmQuestions& screen = BenchDrivers::ShownTestScreen();
    screen.optAnswer[0]->setChecked(true);
    times.finish.push_back(BenchDrivers::MillisecondsOf([&] { screen.cmdDone_Click(); }));
    env.Batch([](QSqlQuery& query) { query.exec(QStringLiteral("DELETE FROM Results WHERE fldStudentNumber = 1")); });
}

}

static void StartAndFinishBesideEmptyHistory(benchmark::State& state)
{
    BenchEnv empty;
    Seed(empty, 0);
    BenchEnv large;
    Seed(large, HistoryRows);
    Times onEmpty, onLarge;
    long growth = 0;
    for (auto _ : state) {
        TimeOneAttempt(large, 0, onLarge);  // warms the caches of both files alike
        TimeOneAttempt(empty, 0, onEmpty);
        const long before = MemoryKilobytes("VmRSS");
        for (int i = 0; i < Attempts; ++i) {
            TimeOneAttempt(large, i % Tests, onLarge);
            TimeOneAttempt(empty, i % Tests, onEmpty);
        }
        growth = MemoryKilobytes("VmRSS") - before;
    }
    const double startRatio = BenchDrivers::Median(onLarge.start) / BenchDrivers::Median(onEmpty.start);
    const double finishRatio = BenchDrivers::Median(onLarge.finish) / BenchDrivers::Median(onEmpty.finish);
    state.counters["start_empty_ms"] = BenchDrivers::Median(onEmpty.start);
    state.counters["start_1M_ms"] = BenchDrivers::Median(onLarge.start);
    state.counters["finish_empty_ms"] = BenchDrivers::Median(onEmpty.finish);
    state.counters["finish_1M_ms"] = BenchDrivers::Median(onLarge.finish);
    state.counters["start_ratio"] = startRatio;
    state.counters["finish_ratio"] = finishRatio;
    state.counters["ratio"] = std::max(startRatio, finishRatio);
    state.counters["rss_growth_kB"] = static_cast<double>(growth);
    state.counters["peak_rss_MB"] = static_cast<double>(MemoryKilobytes("VmHWM")) / 1024.0;
    BenchDrivers::SignOutAll();
}
BENCHMARK(StartAndFinishBesideEmptyHistory)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
