#include "ResultsExport.h"

#include "AttemptRows.h"
#include "exchange/Csv.h"

#include <QIODevice>

namespace {

// Lines are gathered into blocks of about this size before they are written.
constexpr qsizetype BlockBytes = 1 << 16;

bool Put(QIODevice& out, QByteArray& block)
{
    const bool written = out.write(block) == block.size();
    block.resize(0);  // keeps its room for the next block
    return written;
}

}

std::optional<qint64> ResultsExport::Write(Connection& connection, std::optional<qint64> test,
                                           std::optional<qint64> student, QIODevice& out, const Progress& going)
{
    QByteArray block = Csv::ResultsStart();
    block.reserve(BlockBytes + BlockBytes / 4);
    qint64 written = 0;
    bool failed = false;
    bool stopped = false;
    AttemptRows::Each(connection, test, student, [&](const StoredAttempt& attempt) {
        Csv::AppendResultsLine(block, attempt);
        failed = block.size() >= BlockBytes && !Put(out, block);
        stopped = !failed && ++written % RowsPerStep == 0 && !going(written);
        return !failed && !stopped;
    });
    if (stopped)
        return std::nullopt;
    if (!failed)
        Put(out, block);
    return written;
}
