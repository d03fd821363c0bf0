// A backup of 300,000 attempts (1,000 students by 300 tests, every slot
// answered): on an SQLite file, the copy vornick-admin backup makes through
// SQLite's online backup; on the PostgreSQL server that VORNICK_TEST_SERVER
// names, the dump vornick-labdb backup makes (pg_dump's own format, as the
// database's owner). Reports the seconds and the backup's size.
#include "BenchEnv.h"
#include "TestServer.h"
#include "data/FileBackup.h"
#include "data/ServerSettings.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int Students = 1000;
constexpr int Tests = 300;

struct Seeded {
    BenchEnv env;
    Seeded() { env.SeedAttempts(Students, Tests); }
};

Seeded& World()
{
    static Seeded world;
    return world;
}

// pg_dump of the server's database as its owner into `target`.
bool Dump(const ServerSettings& owner, const QString& target)
{
    QProcess dump;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGPASSWORD"), owner.password);
    dump.setProcessEnvironment(environment);
    dump.start(QStringLiteral("pg_dump"), {QStringLiteral("-h"), owner.host, QStringLiteral("-p"), QString::number(owner.port),
                                           QStringLiteral("-U"), owner.user, QStringLiteral("-Fc"), QStringLiteral("-f"), target,
                                           owner.database});
    return dump.waitForFinished(600000) && dump.exitStatus() == QProcess::NormalExit && dump.exitCode() == 0;
}

}

static void Backup300k(benchmark::State& state)
{
    Seeded& world = World();
    const QString target = world.env.fake.programFolder + QStringLiteral("/backup");
    const bool server = TestServer::Settings().has_value();
    for (auto _ : state) {
        QFile::remove(target);
        const auto start = std::chrono::steady_clock::now();
        if (server) {
            const ServerSettings owner =
                ServerSettings::Read(world.env.fake.programFolder + u'/' + ServerSettings::FileName);
            if (!Dump(owner, target))
                state.SkipWithError("pg_dump failed");
        } else {
            FileBackup::Write(world.env.DatabasePath(), target);
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["backup_MB"] = static_cast<double>(QFile(target).size()) / 1e6;
    state.counters["attempts"] = double{Students} * Tests;
}
BENCHMARK(Backup300k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
