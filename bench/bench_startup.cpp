// Start-up to the visible sign-in screen as a whole process (the Qt start,
// the language, the single-instance check, opening the database and its two
// recordsets, building and showing the window), beside a bare Qt window
// started the same way; in English, and with the German and the Arabic
// translations loaded. All run offscreen. Each reports its wall time and, as
// the counter cpu_ms, the processor time the process took (user and system,
// from the kernel's account of the children waited for). For a median of
// alternating runs: --benchmark_repetitions=15
// --benchmark_enable_random_interleaving=true.
#include <QCoreApplication>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double ChildrenProcessorMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void TimeProcess(benchmark::State& state, const char* program, const QString& language = QStringLiteral("en"))
{
    const QString path = QCoreApplication::applicationDirPath() + u'/' + QLatin1String(program);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), language == QLatin1String("en") ? QStringLiteral("C.UTF-8")
                                                                              : language + QStringLiteral(".UTF-8"));
    environment.insert(QStringLiteral("BENCH_EXPECT_LANGUAGE"), language.section(u'_', 0, 0));
    double processorMs = 0;
    for (auto _ : state) {
        const double before = ChildrenProcessorMs();
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(path, {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not start cleanly");
            return;
        }
        processorMs += ChildrenProcessorMs() - before;
    }
    state.counters["cpu_ms"] = processorMs / static_cast<double>(state.iterations());
}

void BareWindow(benchmark::State& state) { TimeProcess(state, "startup_bare"); }
void SignInScreen(benchmark::State& state) { TimeProcess(state, "startup_signin"); }
void SignInScreenGerman(benchmark::State& state) { TimeProcess(state, "startup_signin", QStringLiteral("de_DE")); }
void SignInScreenArabic(benchmark::State& state) { TimeProcess(state, "startup_signin", QStringLiteral("ar_EG")); }

}

BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SignInScreen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SignInScreenGerman)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SignInScreenArabic)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
