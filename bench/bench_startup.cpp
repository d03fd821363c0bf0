// Start-up to the visible sign-in screen (the single-instance check, opening
// the database and its two recordsets, building and showing the window),
// beside the floor of a bare Qt window shown the same way.
#include "BenchEnv.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

static void BareWindow(benchmark::State& state)
{
    BenchApplication();
    for (auto _ : state) {
        QWidget window;
        window.setWindowTitle(QStringLiteral("bare"));
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BareWindow)->Unit(benchmark::kMicrosecond);

static void SignInScreen(benchmark::State& state)
{
    BenchEnv env;
    for (auto _ : state) {
        Screens::Show<frmEntry>();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(Screens::Get<frmEntry>().isVisible());
        state.PauseTiming();
        Screens::DiscardAll();
        Module1::Reset();
        state.ResumeTiming();
    }
}
BENCHMARK(SignInScreen)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
