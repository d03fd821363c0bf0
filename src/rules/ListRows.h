#pragma once

#include <QString>

// The fixed-column text rows of the program's lists, and the readers that cut
// names back out of them. The record a row stands for travels with the row as
// its data, never read back from the text (see Form::AddKeyedRow).

// The numeric value of the number that text starts with, after leading
// blanks ("12|3" gives 12, "abc" gives 0, " 7 " gives 7).
qint64 Val(const QString& text);

namespace ResultsRow {

// Test name, blanks to column 41, then the grade from column 42 and the date
// from column 56 (for names of at most 40 characters).
QString Taken(const QString& testName, const QString& grade, const QString& date);
QString NotTaken(const QString& testName);
// An attempt begun and not yet graded: "Unfinished" where the score stands.
QString Unfinished(const QString& testName);

// The test name: the first 40 characters, trimmed.
QString TestName(const QString& row);
// True when characters 42 to 44 are the first three of "Not Taken" (a test
// that can be taken).
bool ShowsNotAtScore(const QString& row);
// True when the row ends in "Not Taken" (its last nine characters).
bool EndsNotTaken(const QString& row);
// True when the row shows "Unfinished" from column 42 to its end.
bool ShowsUnfinished(const QString& row);

}

namespace KeyedRow {

constexpr int StudentGap = 80;
constexpr int TestGap = 150;

// A name, a run of blanks, then the record's number.
QString Build(const QString& name, int gap, qint64 number);
// The name the row was built from, trimmed: the text before the run of
// blanks and the number, however many digits the number has.
QString NameOf(const QString& row);

}
