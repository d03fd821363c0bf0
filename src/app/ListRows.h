#pragma once

#include <QString>

// The fixed-column text rows of the program's lists, and the readers that cut
// names and keys back out of them. Other screens find their data again from
// these rows, so builders and readers live together here.

// The numeric value of the number that text starts with, after leading
// blanks ("12|3" gives 12, "abc" gives 0, " 7 " gives 7).
qint64 Val(const QString& text);

namespace ResultsRow {

// Test name, blanks to column 41, then the grade from column 42 and the date
// from column 56 (for names of at most 40 characters).
QString Taken(const QString& testName, const QString& grade, const QString& date);
QString NotTaken(const QString& testName);
// The administrator's tail behind a taken row: 20 blanks, the student
// number, "|" and the test number.
QString WithKey(const QString& row, qint64 studentNumber, qint64 testNumber);

// The test name: the first 40 characters, trimmed.
QString TestName(const QString& row);
// True when characters 42 to 44 are "Not" (a test that can be taken).
bool ShowsNotAtScore(const QString& row);
// True when the row ends in "Not Taken" (its last nine characters).
bool EndsNotTaken(const QString& row);

struct Key {
    qint64 studentNumber = 0;
    qint64 testNumber = 0;
};
// The key in the last 20 characters of a row, trimmed: student number, "|",
// test number. Missing parts read as 0.
Key KeyOf(const QString& row);

}

namespace KeyedRow {

constexpr int StudentGap = 80;
constexpr int TestGap = 150;

// A name, a run of blanks, then the record's number.
QString Build(const QString& name, int gap, qint64 number);
// The trimmed last 10 characters: the number as text.
QString KeyText(const QString& row);
qint64 KeyNumber(const QString& row);
// Everything before the last 10 characters, trimmed.
QString NameBeforeKey(const QString& row);

}
