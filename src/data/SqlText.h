#pragma once

#include <QString>
#include <QVariantList>
#include <optional>

enum class DbEngine;

// A query as the program issues it: fixed text with its values bound as
// parameters, never spliced into the text.
struct SqlText {
    QString text;
    QVariantList values;
};

// The program's queries, one function each.
namespace Sql {
SqlText AllPasswords();
SqlText AllTests();
// The same statement reading no row: the table and its columns are checked,
// nothing is fetched.
SqlText NoRowsOf(const SqlText& sql);
SqlText TestByNumber(qint64 testNumber);
SqlText ResultsForList(qint64 studentNumber, qint64 testNumber);
SqlText ResultOfStudentInTest(qint64 studentNumber, qint64 testNumber);
SqlText ResultsOfStudent(qint64 studentNumber);
SqlText ResultsOfTest(qint64 testNumber);
// The students whose name is exactly `name`, by number only.
SqlText StudentsNamed(const QString& name);
// Every test's number and stored title, nothing else.
SqlText TestTitles();
// The student with that number, every field.
SqlText StudentByNumber(qint64 studentNumber);
// Every unfinished attempt with its student's name, its test's title and
// length, its deadline, its minutes given and how many of its slots hold an
// answer (fldAnswered).
SqlText UnfinishedAttempts();
// The attempts of the test, of the student, of both, or (neither given) of
// everyone, for a results file: each attempt's student number, test number,
// grade, date, minutes given, its 25 answer records, its student's name and
// its test's title (Null where the student or the test is gone), ordered by
// test number, student name (character by character, in code point order,
// whatever the server's language), student number and result number. A
// Null test number (which the program never stores) comes first from a
// file and last from a server.
SqlText ResultsInFileOrder(DbEngine engine, std::optional<qint64> test, std::optional<qint64> student);
// How many attempts ResultsInFileOrder gives (fldCount).
SqlText ResultsCount(std::optional<qint64> test, std::optional<qint64> student);
}
