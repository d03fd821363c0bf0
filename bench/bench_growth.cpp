// What a school's history costs: the same six steps on databases that
// differ only in how many attempts they store (1,000, 100,000 and 1,000,000:
// 10, 1,000 and 10,000 students, each of whom took each of 100 tests), each
// step's median printed with its ratio to the smallest database's. The steps:
// a student's home list, Take (to slot 1 of the test screen), one answer
// stored (a slot departure), the administrator's test list (on the screen,
// beside its student list), the results list of a student, and the item
// analysis of a test. The test analysed holds the attempts of its first ten
// students only, so its own attempts stay 10 while the others grow; the
// student who takes the test has left it untaken.
// A fourth database, 10,000 students of whom only the first ten took tests,
// tells what grows with the students rather than with the attempts.
// Runs on the database BenchEnv gives: an SQLite file, or the PostgreSQL
// server that VORNICK_TEST_SERVER names. The seeded databases are kept
// between runs (see BenchEnv(name)); a run that seeds says how long it took.
#include "BenchDrivers.h"
#include "BenchEnv.h"
#include "TestServer.h"
#include "analysis/ItemAnalysis.h"
#include "app/Platform.h"
#include "screens/ResultsList.h"
#include "screens/frmAdmin.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "work/AdminWork.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QLocale>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using BenchDrivers::Median;
using BenchDrivers::MillisecondsOf;

namespace {

constexpr int Tests = 100;
constexpr qint64 AnalysedTest = 1;
constexpr int AnalysedAttempts = 10;
constexpr qint64 Taker = 1;
constexpr qint64 TakenTest = Tests;

// A database: its students, and how many of them took the tests.
struct Scale {
    int students;
    int takers;
    const char* name;
};
constexpr std::array<Scale, 4> Scales{{{10, 10, "1k"}, {1000, 1000, "100k"}, {10000, 10000, "1M"},
                                       {10000, 10, "1k_among_10k_students"}}};
// Only the first three are the school growing.
constexpr std::size_t GrowingScales = 3;

// Rounds of every step on every database, taken in turn; the first round
// only warms the caches.
constexpr int Rounds = 16;
constexpr int StoresPerTake = 5;

enum Step { StudentList, Take, StoreOne, AdminTestList, ResultsList, ItemAnalysisOfTest, StepCount };
constexpr std::array<const char*, StepCount> StepNames{"student_list", "take", "store_answer", "admin_test_list",
                                                       "results_list", "item_analysis"};
constexpr std::array<const char*, StepCount> StepTitles{"Student's list, 100 tests", "Take (to slot 1)",
                                                        "Storing one answer", "Administrator's test list",
                                                        "Results list of a student", "Item analysis, 10 attempts"};

qint64 StoredAttempts(const Scale& scale) { return qint64{scale.takers} * Tests - (scale.takers - AnalysedAttempts) - 1; }

// The first value of the first row of `sql` on the database.
QVariant Ask(BenchEnv& env, const QString& sql)
{
    QVariant value;
    env.Batch([&](QSqlQuery& query) {
        if (query.exec(sql) && query.next())
            value = query.value(0);
    });
    return value;
}

struct School {
    explicit School(const Scale& size)
        : scale(size), env(std::make_unique<BenchEnv>(QStringLiteral("growth_%1").arg(QString::fromLatin1(size.name))))
    {
        if (Ask(*env, QStringLiteral("SELECT COUNT(*) FROM Results")).toLongLong() != StoredAttempts(scale)) {
            const auto start = std::chrono::steady_clock::now();
            if (env->Kept())
                env->Renew();
            Seed();
            seedSeconds = BenchDrivers::Milliseconds(std::chrono::steady_clock::now() - start) / 1000.0;
        }
        takerName = Ask(*env, QStringLiteral("SELECT fldStudentName FROM Passwords WHERE fldStudentNumber = %1").arg(Taker)).toString();
    }

    // Every taker took every test, but for the test analysed and the one
    // left to take; every test has all 25 slots written.
    void Seed()
    {
        env->SeedAttempts(scale.students, Tests,
                          QStringLiteral("(t = %1 AND s > %2) OR (s = %3 AND t = %4) OR s > %5")
                              .arg(AnalysedTest).arg(AnalysedAttempts).arg(Taker).arg(TakenTest).arg(scale.takers));
        QStringList texts;
        for (int s = 1; s <= 25; ++s)
            texts << QStringLiteral("fldQ%1 = 'Question %1', fldQ%1Answer = 'Right', fldQ%1Phony1 = 'Wrong', "
                                    "fldQ%1Phony2 = 'Also wrong'").arg(s);
        env->Batch([&](QSqlQuery& query) {
            query.exec(QStringLiteral("UPDATE Tests SET ") + texts.join(u','));
            // A server's autovacuum gathers the planner's statistics soon
            // after a bulk load; a file's stay as the program leaves them.
            if (TestServer::Settings())
                query.exec(QStringLiteral("ANALYZE"));
        });
    }

    Scale scale;
    std::unique_ptr<BenchEnv> env;
    QString takerName;
    double seedSeconds = 0;
    std::array<std::vector<double>, StepCount> times;
};

int RowOfTest(const QListWidget& list, qint64 test)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toLongLong() == test)
            return row;
    }
    return -1;
}

// One round of the six steps on the school's database; false, with `error`
// set, when a step did not do its work. The attempt begun is deleted again,
// so every round takes the same test.
bool OneRound(School& school, bool timed, QString& error)
{
    std::array<double, StepCount> ms{};
    std::vector<double> stores;
    SetPlatform(&school.env->fake);

    frmMain& home = BenchDrivers::SignedInStudent(school.takerName);
    ms[StudentList] = MillisecondsOf([&] { home.Load_Test_List(); });
    const int row = RowOfTest(*home.lstResults, TakenTest);
    if (home.lstResults->count() != Tests || row < 0) {
        error = QStringLiteral("the student's list does not hold every test");
        return false;
    }
    BenchDrivers::PickToTake(*school.env, home, row);
    ms[Take] = MillisecondsOf([&] { home.cmdTakeTest_Click(); });
    frmQuestions& screen = BenchDrivers::ShownTestScreen();
    BenchDrivers::StoreAnswer(screen, 0);  // the first departure inserts the attempt's row
    for (int i = 1; i <= StoresPerTake; ++i)
        stores.push_back(MillisecondsOf([&] { BenchDrivers::StoreAnswer(screen, i % 3); }));
    ms[StoreOne] = Median(stores);
    BenchDrivers::SignOutAll();
    const qint64 begun = Ask(*school.env, QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = %1 AND fldTestNumber = %2")
                                              .arg(Taker).arg(TakenTest)).toLongLong();
    school.env->Batch([](QSqlQuery& query) {
        query.exec(QStringLiteral("DELETE FROM Results WHERE fldStudentNumber = %1 AND fldTestNumber = %2").arg(Taker).arg(TakenTest));
    });
    if (begun != 1) {
        error = QStringLiteral("Take stored no attempt");
        return false;
    }

    frmAdmin& admin = BenchDrivers::SignedInAdmin();
    // The screen as the administrator finds it, its lists laid out: the
    // student list's first layout, pending since the sign-in filled it, is
    // no part of the test list's refill.
    QCoreApplication::processEvents();
    ms[AdminTestList] = MillisecondsOf([&] {
        admin.Fill_Test_List();
        QCoreApplication::processEvents();
    });
    QListWidget results;
    ms[ResultsList] = MillisecondsOf([&] { ShowResultRows(results, Administrator().Results(Taker)); });
    int analysed = 0;
    ms[ItemAnalysisOfTest] = MillisecondsOf([&] {
        analysed = ItemAnalysis::Analyse(FinishedChoices(Administrator().Attempts(AnalysedTest, std::nullopt))).attempts;
    });
    const bool complete = admin.lstTests->count() == Tests && results.count() == Tests && analysed == AnalysedAttempts;
    BenchDrivers::SignOutAll();
    if (!complete) {
        error = QStringLiteral("a list or the analysis is not complete");
        return false;
    }
    if (timed) {
        for (int step = 0; step < StepCount; ++step)
            school.times[static_cast<std::size_t>(step)].push_back(ms[static_cast<std::size_t>(step)]);
    }
    return true;
}

QString Thousands(qint64 n) { return QLocale(QLocale::English).toString(n); }

}

static void GrowthOfHistory(benchmark::State& state)
{
    std::vector<std::unique_ptr<School>> schools;
    for (const Scale& scale : Scales)
        schools.push_back(std::make_unique<School>(scale));
    QString error;
    for (auto _ : state) {
        // Each round visits the databases in turn, in the other order every
        // second round, so that a busy moment weighs on all alike.
        for (int round = 0; round < Rounds && error.isEmpty(); ++round) {
            for (std::size_t i = 0; i < schools.size() && error.isEmpty(); ++i)
                OneRound(*schools[round % 2 ? schools.size() - 1 - i : i], round > 0, error);
        }
    }
    if (!error.isEmpty()) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    std::printf("\n%s, medians of %d rounds in ms, each with its ratio to the first column\n%-28s",
                TestServer::Settings() ? "PostgreSQL" : "SQLite file", Rounds - 1, "Attempts stored");
    for (const auto& school : schools)
        std::printf("  %17s", Thousands(StoredAttempts(school->scale)).toUtf8().constData());
    std::printf("\n%-28s", "Students");
    for (const auto& school : schools)
        std::printf("  %17s", Thousands(school->scale.students).toUtf8().constData());
    std::printf("\n");
    double worst = 0;
    for (std::size_t step = 0; step < StepCount; ++step) {
        std::printf("%-28s", StepTitles[step]);
        const double smallest = Median(schools.front()->times[step]);
        for (std::size_t i = 0; i < schools.size(); ++i) {
            const double median = Median(schools[i]->times[step]);
            std::printf("  %8.2f (%4.2f×)", median, median / smallest);
            if (i < GrowingScales)
                worst = std::max(worst, median / smallest);
            state.counters[std::string(StepNames[step]) + '_' + schools[i]->scale.name + "_ms"] = median;
        }
        std::printf("\n");
    }
    for (const auto& school : schools) {
        if (school->seedSeconds > 0)
            std::printf("seeded %s attempts (%s students) in %.1f s\n", Thousands(StoredAttempts(school->scale)).toUtf8().constData(),
                        Thousands(school->scale.students).toUtf8().constData(), school->seedSeconds);
    }
    std::fflush(stdout);
    state.counters["ratio"] = worst;
}
BENCHMARK(GrowthOfHistory)->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_MAIN();
