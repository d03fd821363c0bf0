// Reading question files built to be slow for a reader that goes back over
// what it read: each should cost about as much per byte as a plain file.
#include "exchange/Aiken.h"
#include "exchange/Gift.h"

#include <QByteArray>
#include <benchmark/benchmark.h>

namespace {

const QByteArray Answers = " {=a ~b ~c}";

QByteArray Input(int kind)
{
    switch (kind) {
    case 0: return QByteArray("Q {=a ~b ~c}\n\n").repeated(200'000);  // the floor: many ordinary questions
    case 1: return QByteArray(1 << 20, 'w') + Answers;
    case 2: return "[html]" + QByteArray(3'000'000, '<') + Answers;
    case 3: return "[html]" + QByteArray(3'000'000, '&') + Answers;
    case 4: return QByteArray(3'000'000, '\\') + Answers;
    case 5: return "Q {" + QByteArray(3'000'000, '=') + "}";
    case 6: return "Q {=a " + QByteArray(3'000'000, ':') + " ~b ~c}";
    case 7: return "::" + QByteArray(3'000'000, ':') + "x" + Answers;
    default: return QByteArray("Q\nA. a\nB. b\nC. c\nANSWER: A\n").repeated(300'000);
    }
}

void ReadBothFormats(benchmark::State& state)
{
    const QByteArray input = Input(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Gift::Read(input));
        benchmark::DoNotOptimize(Aiken::Read(input));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * input.size() * 2);
}

}

BENCHMARK(ReadBothFormats)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
