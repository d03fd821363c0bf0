// Reading question files built to be slow for a reader that goes back over
// what it read: each should cost about as much per byte as a plain file.
// Then importing files of 100 MB, each in a process of its own: the time,
// and the peak memory beside its bound (four times the file and 100 MB).
#include "exchange/Aiken.h"
#include "exchange/Gift.h"
#include "exchange/QuestionFile.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray Answers = " {=a ~b ~c}";

QByteArray Input(int kind)
{
    switch (kind) {
    case 0: return QByteArray("Q {T}\n\n").repeated(200'000);  // the floor: many questions read and left out
    case 1: return QByteArray(1 << 20, 'w') + Answers;
    case 2: return "[html]" + QByteArray(3'000'000, '<') + Answers;
    case 3: return "[html]" + QByteArray(3'000'000, '&') + Answers;
    case 4: return QByteArray(3'000'000, '\\') + Answers;
    case 5: return "Q {" + QByteArray(3'000'000, '=') + "}";
    case 6: return "Q {=a " + QByteArray(3'000'000, ':') + " ~b ~c}";
    case 7: return "::" + QByteArray(3'000'000, ':') + "x" + Answers;
    default: return QByteArray("Q\nA. a\nB. b\nANSWER: A\n").repeated(300'000);  // left out: two options
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

constexpr qsizetype HundredMegabytes = 99'000'000;

// The files of 100 MB that once took far more memory or time than their size.
QByteArray LargeFile(int kind)
{
    switch (kind) {
    case 0: return QByteArray("Q{=a ~b ~c}\n\n").repeated(HundredMegabytes / 13);  // millions of short questions
    case 1: return "::T:: " + QByteArray(HundredMegabytes, 'x') + Answers + '\n';       // one line
    case 2: {                                                                              // one picture, 74 MB of it
        QByteArray noise(74'000'000, 'x');
        for (qsizetype i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<char>((i * 7919) % 251);
        return "::P:: [html]<img src=\"data:image/png;base64," + noise.toBase64() + "\" alt=\"x\"> Which?" + Answers + '\n';
    }
    default: {  // Moodle XML: questions whose texts nest 1,999 <div>s
        const QByteArray nested = QByteArray("&lt;div&gt;").repeated(1999) + 'x' + QByteArray("&lt;/div&gt;").repeated(1999);
        const QByteArray question = "<question type=\"multichoice\"><questiontext format=\"html\"><text>" + nested
            + "</text></questiontext><answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text>"
              "</answer><answer fraction=\"0\"><text>c</text></answer></question>\n";
        return "<?xml version=\"1.0\"?>\n<quiz>\n" + question.repeated(HundredMegabytes / question.size()) + "</quiz>\n";
    }
    }
}

// Imports the file in a child process; its peak memory in kilobytes.
long PeakOfImport(const QString& path)
{
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        benchmark::DoNotOptimize(QuestionFile::Load(path));
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long peak = usage.ru_maxrss;
        (void)!write(pipe_ends[1], &peak, sizeof peak);
        _exit(0);
    }
    long peak = -1;
    close(pipe_ends[1]);
    (void)!read(pipe_ends[0], &peak, sizeof peak);
    close(pipe_ends[0]);
    waitpid(child, nullptr, 0);
    return peak;
}

void ImportLargeFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(state.range(0) == 3 ? QStringLiteral("large.xml") : QStringLiteral("large.gift"));
    qint64 size = 0;
    {
        QFile file(path);
        const QByteArray bytes = LargeFile(static_cast<int>(state.range(0)));
        size = bytes.size();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size)
            return state.SkipWithError("the file could not be written");
    }
    long peak = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        peak = std::max(peak, PeakOfImport(path));
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["peak_mb"] = static_cast<double>(peak) / 1024.0;
    state.counters["bound_mb"] = 4.0 * static_cast<double>(size) / 1e6 + 100.0;
    state.counters["file_mb"] = static_cast<double>(size) / 1e6;
}

}

BENCHMARK(ReadBothFormats)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportLargeFile)->DenseRange(0, 3)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
