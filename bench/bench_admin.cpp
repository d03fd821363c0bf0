// The administration screen's two lists at size: Fill_Student_List over
// 10,000 students and Fill_Test_List over 1,000 written tests, each on the
// visible screen and laid out, beside the floor of the same rows read
// straight through QSqlQuery. Each reports both times and their ratio.
#include "BenchDrivers.h"
#include "BenchEnv.h"
#include "screens/frmAdmin.h"

#include <QApplication>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

constexpr int Students = 10000;
constexpr int Tests = 1000;

void SeedStudents(BenchEnv& env)
{
    env.Batch([](QSqlQuery& query) {
        query.prepare(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES (?, ?)"));
        for (int i = 0; i < Students; ++i) {
            query.bindValue(0, QStringLiteral("Student number %1").arg(i));
            query.bindValue(1, QStringLiteral("pw%1").arg(i));
            query.exec();
        }
    });
}

void SeedTests(BenchEnv& env)
{
    QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldDescription"), QStringLiteral("fldTime")};
    for (int s = 1; s <= 25; ++s)
        columns << QStringLiteral("fldQ%1").arg(s) << QStringLiteral("fldQ%1Answer").arg(s)
                << QStringLiteral("fldQ%1Phony1").arg(s) << QStringLiteral("fldQ%1Phony2").arg(s);
    const QString marks = QStringLiteral("?,").repeated(columns.size()).chopped(1);
    const QString sql = QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)").arg(columns.join(u','), marks);
    env.Batch([&](QSqlQuery& query) {
        query.prepare(sql);
        for (int t = 0; t < Tests; ++t) {
            query.bindValue(0, (t % 10 == 0 ? QStringLiteral("<Test %1>") : QStringLiteral("Test %1")).arg(t));
            query.bindValue(1, QStringLiteral("Read each question carefully."));
            query.bindValue(2, 30);
            for (int c = 3; c < columns.size(); ++c)
                query.bindValue(c, QStringLiteral("A question or answer text of ordinary length, number %1").arg(c));
            query.exec();
        }
    });
}

// The floor: the query's rows read straight through SQLite, name and
// number, on a connection of its own that stays open like the program's.
class Floor {
public:
    Floor(const QString& path, QString sql, QString nameField, QString numberField)
        : sql_(std::move(sql)), nameField_(std::move(nameField)), numberField_(std::move(numberField))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Floor() { QSqlDatabase::removeDatabase(Name); }

    void Read() const
    {
        QSqlQuery query(QSqlDatabase::database(Name));
        query.exec(sql_);
        const int name = query.record().indexOf(nameField_);
        const int number = query.record().indexOf(numberField_);
        while (query.next()) {
            benchmark::DoNotOptimize(query.value(name).toString());
            benchmark::DoNotOptimize(query.value(number).toLongLong());
        }
    }

private:
    static inline const QString Name = QStringLiteral("bench-floor");
    QString sql_, nameField_, numberField_;
};

// Times the fill (including the layout of the shown list) as the
// benchmark's own figure, and the floor beside it in the same iteration.
void FillBesideFloor(benchmark::State& state, const std::function<void()>& fill, const std::function<void()>& floor)
{
    double fillTotal = 0;
    double floorTotal = 0;
    for (auto _ : state) {
        const double fillMs = BenchDrivers::MillisecondsOf([&] {
            fill();
            QCoreApplication::processEvents();
        });
        floorTotal += BenchDrivers::MillisecondsOf(floor);
        fillTotal += fillMs;
        state.SetIterationTime(fillMs / 1000.0);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["fill_ms"] = fillTotal / n;
    state.counters["floor_ms"] = floorTotal / n;
    state.counters["ratio"] = fillTotal / floorTotal;
}

}

static void FillStudentList10000(benchmark::State& state)
{
    BenchEnv env;
    SeedStudents(env);
    frmAdmin& admin = BenchDrivers::SignedInAdmin();
    const Floor floor(env.DatabasePath(), QStringLiteral("SELECT * FROM Passwords"), QStringLiteral("fldStudentName"),
                      QStringLiteral("fldStudentNumber"));
    FillBesideFloor(state, [&] { admin.Fill_Student_List(); }, [&] { floor.Read(); });
    if (admin.lstStudents->count() != Students)
        state.SkipWithError("the student list is not complete");
}
BENCHMARK(FillStudentList10000)->UseManualTime()->Unit(benchmark::kMillisecond);

static void FillTestList1000(benchmark::State& state)
{
    BenchEnv env;
    SeedTests(env);
    frmAdmin& admin = BenchDrivers::SignedInAdmin();
    const Floor floor(env.DatabasePath(), QStringLiteral("SELECT * FROM Tests"), QStringLiteral("fldTestName"),
                      QStringLiteral("fldTestNumber"));
    FillBesideFloor(state, [&] { admin.Fill_Test_List(); }, [&] { floor.Read(); });
    if (admin.lstTests->count() != Tests)
        state.SkipWithError("the test list is not complete");
}
BENCHMARK(FillTestList1000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
