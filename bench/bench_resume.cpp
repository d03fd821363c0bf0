// Continuing an attempt beside starting a fresh one: from sign-in (database
// opened, home list filled) to the test screen on slot 1, once for an
// unfinished attempt with 24 stored answers (numbers coloured, time left
// read from its deadline) and once for a test not taken (introduction
// begun, attempt stored with its deadline), as the ratio of their medians.
#include "BenchEnv.h"
#include "app/Module1.h"
#include "work/StudentWork.h"
#include "screens/Screens.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QApplication>
#include <QDateTime>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <vector>

using namespace Module1;

namespace {

constexpr int Tests = 25;
constexpr int Attempts = 31;

void Seed(BenchEnv& env)
{
    env.Batch([](QSqlQuery& query) {
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
    });
}

// An unfinished attempt at test 1 with slots 1 to 24 answered, due in an hour.
void SeedUnfinished(BenchEnv& env)
{
    env.Batch([](QSqlQuery& query) {
        QStringList columns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"), QStringLiteral("fldDeadline")};
        QStringList values{QStringLiteral("1"), QStringLiteral("1"), QString::number(QDateTime::currentSecsSinceEpoch() + 3600)};
        for (int s = 1; s <= 24; ++s) {
            columns << QStringLiteral("fldQ%1").arg(s);
            values << (s % 4 ? QStringLiteral("'2131C'") : QStringLiteral("'3122X'"));
        }
        query.exec(QStringLiteral("INSERT INTO Results (%1) VALUES (%2)").arg(columns.join(u','), values.join(u',')));
    });
}

void ForgetAttempts(BenchEnv& env)
{
    env.Batch([](QSqlQuery& query) { query.exec(QStringLiteral("DELETE FROM Results")); });
}

double Milliseconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Sign-in as the program does it (the database opened, the home screen
// loaded and filled), then Take on test 1: milliseconds to the test screen.
double TimeToTestScreen(BenchEnv& env)
{
    Screens::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::Reset();
    env.fake.modalUsers.clear();
    env.fake.modalUsers.push_back([](QWidget& intro) { static_cast<frmQuestionsIntro&>(intro).cmdBegin->click(); });
    const auto started = std::chrono::steady_clock::now();
    cnDatabase.OpenProgramDatabase(env.DatabasePath().section(u'/', 0, -2));
    Student().ReadAtStart();
    frmMain& home = Screens::Get<frmMain>();
    home.lstResults->setCurrentRow(0);
    home.cmdTakeTest_Click();
    const double elapsed = Milliseconds(std::chrono::steady_clock::now() - started);
    Screens::Get<frmQuestions>().Timer1->stop();
    return elapsed;
}

}

static void ContinueBesideFreshStart(benchmark::State& state)
{
    BenchEnv env;
    Seed(env);
    SetPlatform(&env.fake);
    std::vector<double> fresh, continued;
    for (auto _ : state) {
        for (int i = 0; i <= Attempts; ++i) {
            ForgetAttempts(env);
            const double freshMs = TimeToTestScreen(env);
            ForgetAttempts(env);
            SeedUnfinished(env);
            const double continuedMs = TimeToTestScreen(env);
            if (i == 0)
                continue;  // the first pair warms the caches
            fresh.push_back(freshMs);
            continued.push_back(continuedMs);
        }
    }
    state.counters["fresh_ms"] = Median(fresh);
    state.counters["continue_ms"] = Median(continued);
    state.counters["ratio"] = Median(continued) / Median(fresh);
    Screens::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::Reset();
}
BENCHMARK(ContinueBesideFreshStart)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
