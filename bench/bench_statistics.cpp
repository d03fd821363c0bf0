// The item statistics of a test with 1,000 finished attempts of 25 slots:
// the attempts loaded from the database and analysed, beside the floor of
// the same rows read straight through QSqlQuery. Reports both times, their
// ratio, and the analysis alone.
#include "BenchDrivers.h"
#include "BenchEnv.h"
#include "analysis/ItemAnalysis.h"
#include "work/AttemptRows.h"
#include "app/Module1.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <random>

using namespace Module1;

namespace {

constexpr int Attempts = 1000;
constexpr qint64 TestNumber = 1;

// Every student has one finished attempt; stronger students choose the
// answer more often, and each answer stood on a random line.
void Seed(BenchEnv& env)
{
    QStringList columns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"), QStringLiteral("fldGrade"),
                        QStringLiteral("fldDate")};
    for (int s = 1; s <= 25; ++s)
        columns << QStringLiteral("fldQ%1").arg(s);
    const QString marks = QStringLiteral("?,").repeated(columns.size()).chopped(1);
    const QStringList orders{"123", "132", "213", "231", "312", "321"};
    std::minstd_rand random(15);
    std::uniform_real_distribution<double> draw(0.0, 1.0);
    env.Batch([&](QSqlQuery& query) {
        query.exec(QStringLiteral("INSERT INTO Tests (fldTestNumber, fldTestName, fldTime) VALUES (1, 'Large', 30)"));
        for (int student = 1; student <= Attempts; ++student) {
            query.prepare(QStringLiteral("INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) VALUES (?, ?, 'pw')"));
            query.addBindValue(student);
            query.addBindValue(QStringLiteral("Student %1").arg(student));
            query.exec();
            query.prepare(QStringLiteral("INSERT INTO Results (%1) VALUES (%2)").arg(columns.join(u','), marks));
            query.addBindValue(student);
            query.addBindValue(TestNumber);
            query.addBindValue(0);
            query.addBindValue(QStringLiteral("06/12/2026"));
            const double ability = draw(random);
            for (int s = 1; s <= 25; ++s) {
                const QString order = orders[static_cast<int>(draw(random) * 6)];
                const QChar digit = draw(random) < 0.3 + 0.6 * ability ? u'1' : (draw(random) < 0.5 ? u'2' : u'3');
                query.addBindValue(order + QString::number(order.indexOf(digit) + 1) + (digit == u'1' ? u'C' : u'X'));
            }
            query.exec();
        }
    });
}

// The floor: the test's Results rows with their 25 records and grade read
// straight through SQLite, on a connection of its own.
class Floor {
public:
    explicit Floor(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Floor() { QSqlDatabase::removeDatabase(Name); }

    int Read() const
    {
        QSqlQuery query(QSqlDatabase::database(Name));
        query.prepare(QStringLiteral("SELECT * FROM Results WHERE fldTestNumber = ?"));
        query.addBindValue(TestNumber);
        query.exec();
        std::vector<int> fields;
        for (int s = 1; s <= 25; ++s)
            fields.push_back(query.record().indexOf(QStringLiteral("fldQ%1").arg(s)));
        const int grade = query.record().indexOf(QStringLiteral("fldGrade"));
        int rows = 0;
        while (query.next()) {
            for (const int field : fields)
                benchmark::DoNotOptimize(query.value(field).toString());
            benchmark::DoNotOptimize(query.value(grade).toInt());
            ++rows;
        }
        return rows;
    }

private:
    static inline const QString Name = QStringLiteral("bench-floor");
};

}

static void AnalyseTest1000(benchmark::State& state)
{
    BenchEnv env;
    Seed(env);
    cnDatabase.Open(env.DatabasePath());
    const Floor floor(env.DatabasePath());
    double totalMs = 0;
    double floorMs = 0;
    double analysisMs = 0;
    int attempts = 0;
    for (auto _ : state) {
        const double ms = BenchDrivers::MillisecondsOf([&] {
            const std::vector<SlotChoices> choices =
                FinishedChoices(AttemptRows::Load(cnDatabase, TestNumber, std::nullopt));
            analysisMs += BenchDrivers::MillisecondsOf([&] { attempts = ItemAnalysis::Analyse(choices).attempts; });
        });
        floorMs += BenchDrivers::MillisecondsOf([&] { benchmark::DoNotOptimize(floor.Read()); });
        totalMs += ms;
        state.SetIterationTime(ms / 1000.0);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["total_ms"] = totalMs / n;
    state.counters["analysis_only_ms"] = analysisMs / n;
    state.counters["floor_ms"] = floorMs / n;
    state.counters["ratio"] = totalMs / floorMs;
    if (attempts != Attempts)
        state.SkipWithError("not every attempt was analysed");
    cnDatabase.Close();
}
BENCHMARK(AnalyseTest1000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
