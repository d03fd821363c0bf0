// libFuzzer entry point over the program's text readers (scripts/fuzz). Built
// once a format: VORNICK_FUZZ_GIFT, _AIKEN or _MOODLE names the question file
// reader fuzzed; without one, every reader of stored text as well.
#include "ParserChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString Check(const QByteArray& input)
{
#if defined(VORNICK_FUZZ_GIFT)
    return CheckReader(QuestionFormat::Gift, input);
#elif defined(VORNICK_FUZZ_AIKEN)
    return CheckReader(QuestionFormat::Aiken, input);
#elif defined(VORNICK_FUZZ_MOODLE)
    return CheckReader(QuestionFormat::Moodle, input);
#else
    return CheckParsers(input);
#endif
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString failure = Check(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", failure.toUtf8().constData());
        std::abort();
    }
    return 0;
}
