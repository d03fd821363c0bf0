#pragma once

#include "Attempt.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// Comma-separated files as spreadsheets read them: RFC 4180 (fields with a
// comma, quote or line break quoted, quotes doubled, lines ended by CR LF),
// UTF-8 with a byte-order mark so that accents survive.
namespace Csv {

// One field. A text a spreadsheet would run as a formula (one beginning with
// "=", "+", "-", "@", a tab or a carriage return) gets a leading "'", so it
// shows as the text it is; a plain number ("-0.25") stays a number.
QString Field(const QString& text);

// The whole file: the byte-order mark, then each row's fields.
QByteArray Document(const std::vector<QStringList>& rows);

// Results for a spreadsheet: a header row, then one row per attempt with its
// student, test, grade, date, whether it is finished, the minutes it was
// given (extra time and additions included), and per slot n "Qn"
// (1 right, 0 wrong or unanswered) and "Qn choice".
QByteArray Results(const std::vector<Attempt>& attempts);
// "1 result", "12 results".
QString ResultsCount(std::size_t count);

}
