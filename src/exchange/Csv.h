#pragma once

#include "Attempt.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// Comma-separated files as spreadsheets read them: RFC 4180 (fields with a
// comma, quote or line break quoted, quotes doubled, lines ended by CR LF),
// UTF-8 with a byte-order mark so that accents survive. A field a
// spreadsheet would run as a formula is written with a leading "'".
namespace Csv {

// The whole file: the byte-order mark, then each row's fields.
QByteArray Document(const std::vector<QStringList>& rows);

// Results for a spreadsheet, written a row at a time: ResultsStart (the
// byte-order mark and a header row), then a line per attempt with its
// student, test, grade, date, whether it is finished, the minutes it was
// given (extra time and additions included), and per slot n "Qn"
// (1 right, 0 wrong or unanswered) and "Qn choice" (ChoiceName).
QByteArray ResultsStart();
void AppendResultsLine(QByteArray& out, const StoredAttempt& attempt);

}
