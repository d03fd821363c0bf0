#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

class Connection;
class QIODevice;

// The results file (Csv::ResultsStart, then Csv::AppendResultsLine for each
// attempt of AttemptRows::Each) written to `out` as one query reads them,
// so that memory stays the same whatever their number.
namespace ResultsExport {

// Told the number of rows written so far every RowsPerStep rows; false
// stops the export.
using Progress = std::function<bool(qint64 written)>;
constexpr qint64 RowsPerStep = 1000;

// The number of attempts written; none when `going` stopped it. A failed
// write ends the export early: the device keeps its error for the caller.
std::optional<qint64> Write(Connection& connection, std::optional<qint64> test, std::optional<qint64> student,
                            QIODevice& out, const Progress& going);

}
