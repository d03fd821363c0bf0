// Start-up to the sign-in screen mapped by the window system, timed from
// outside (the Qt start, the language, the single-instance check, opening the
// database and its two recordsets, building and showing the window), beside
// a bare Qt window with one label started the same way; in English, with the
// German and the Arabic translations loaded, and on a lab workstation whose
// settings file names a server (with VORNICK_TEST_SERVER set; the server is
// asked whether it answers once the screen is up, and the connection is made
// at sign-in), and on a school's database file (1,000 students, 100 tests of
// 25 written slots) beside the empty one. Under X11 where DISPLAY is set (the time to the mapped window),
// else offscreen. Each process reports the moment its window is mapped with
// the processor time it has taken until then (user and system, all its
// threads); the benchmark's time is the wall time from starting the process
// to that report, and the counter cpu_ms the processor time. What a process
// does after its window is up (its end) is no part of its start-up. For a
// median of alternating runs: --benchmark_repetitions=15
// --benchmark_enable_random_interleaving=true.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A lab workstation's folder: a settings file naming the test server, with
// no user of its own (each student signs in as their own role).
QString WorkstationFolder()
{
    static QTemporaryDir folder;
    const QString server = qEnvironmentVariable("VORNICK_TEST_SERVER");
    if (server.isEmpty())
        return {};
    const QSettings from(server, QSettings::IniFormat);
    QSettings to(folder.filePath(QStringLiteral("VornickTest.ini")), QSettings::IniFormat);
    for (const char* key : {"host", "port", "database"})
        to.setValue(QStringLiteral("PostgreSQL/") + QLatin1String(key), from.value(QStringLiteral("PostgreSQL/") + QLatin1String(key)));
    to.setValue(QStringLiteral("PostgreSQL/adminuser"), from.value(QStringLiteral("PostgreSQL/database")).toString() + QStringLiteral("_admin"));
    to.sync();
    return folder.path();
}

// A school's database file: the program's empty one, filled with 1,000
// students and 100 tests of 25 written slots (each of the 100 texts of a
// test some 40 characters long).
QString SchoolFolder()
{
    static QTemporaryDir folder;
    static bool made = false;
    const QString file = folder.filePath(QStringLiteral("Ostrel.mdb"));
    if (made || !QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Ostrel.mdb"), file))
        return made ? folder.path() : QString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("school"));
        db.setDatabaseName(file);
        QSqlQuery query(db);
        made = db.open() && db.transaction();
        for (int student = 1; made && student <= 1000; ++student)
            made = query.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Student %1', 'pw%1')").arg(student));
        QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldDescription"), QStringLiteral("fldTime")};
        for (int slot = 1; slot <= 25; ++slot)
            for (const char* part : {"", "Answer", "Phony1", "Phony2"})
                columns << QStringLiteral("fldQ%1%2").arg(slot).arg(QLatin1String(part));
        for (int test = 1; made && test <= 100; ++test) {
            QStringList values{QStringLiteral("'Test %1'").arg(test), QStringLiteral("'A test of the school'"), QStringLiteral("'30'")};
            for (qsizetype i = 3; i < columns.size(); ++i)
                values << QStringLiteral("'%1 of test %2, written out at some length'").arg(columns[i]).arg(test);
            made = query.exec(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)").arg(columns.join(u','), values.join(u',')));
        }
        made = made && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("school"));
    return made ? folder.path() : QString();
}

void TimeProcess(benchmark::State& state, const char* program, const QString& language = QStringLiteral("en"),
                 const QString& programFolder = QString())
{
    const QString path = QCoreApplication::applicationDirPath() + u'/' + QLatin1String(program);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
    if (!programFolder.isEmpty())
        environment.insert(QStringLiteral("BENCH_PROGRAM_FOLDER"), programFolder);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), language == QLatin1String("en") ? QStringLiteral("C.UTF-8")
                                                                              : language + QStringLiteral(".UTF-8"));
    environment.insert(QStringLiteral("BENCH_EXPECT_LANGUAGE"), language.section(u'_', 0, 0));
    double processorMs = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(path, {});
        while (!process.canReadLine() && process.waitForReadyRead(30000)) {
        }
        const double wallSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        bool reported = false;
        const double reportedMs = process.readLine().trimmed().toDouble(&reported);
        if (!reported || !process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not start cleanly");
            return;
        }
        state.SetIterationTime(wallSeconds);
        processorMs += reportedMs;
    }
    state.counters["cpu_ms"] = processorMs / static_cast<double>(state.iterations());
}

void BareWindow(benchmark::State& state) { TimeProcess(state, "startup_bare"); }
void SignInScreen(benchmark::State& state) { TimeProcess(state, "startup_signin"); }
void SignInScreenGerman(benchmark::State& state) { TimeProcess(state, "startup_signin", QStringLiteral("de_DE")); }
void SignInScreenArabic(benchmark::State& state) { TimeProcess(state, "startup_signin", QStringLiteral("ar_EG")); }
// The sign-in screen in English on the database or settings beside it in
// `folder`; skipped, saying `missing`, where none could be made.
void SignInScreenIn(benchmark::State& state, const QString& folder, const char* missing)
{
    if (folder.isEmpty()) {
        state.SkipWithError(missing);
        return;
    }
    TimeProcess(state, "startup_signin", QStringLiteral("en"), folder);
}
void SignInScreenSchoolFile(benchmark::State& state)
{
    SignInScreenIn(state, SchoolFolder(), "the school's database could not be made");
}
void SignInScreenLabWorkstation(benchmark::State& state)
{
    SignInScreenIn(state, WorkstationFolder(), "no server: set VORNICK_TEST_SERVER (scripts/test-server)");
}

}

BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(SignInScreen)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(SignInScreenGerman)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(SignInScreenArabic)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(SignInScreenSchoolFile)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(SignInScreenLabWorkstation)->Unit(benchmark::kMillisecond)->UseManualTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
