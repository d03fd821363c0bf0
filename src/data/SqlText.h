#pragma once

#include <QString>
#include <QVariantList>

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
SqlText TestByNumber(qint64 testNumber);
SqlText ResultsForList(qint64 studentNumber, qint64 testNumber);
SqlText ResultOfStudentInTest(qint64 studentNumber, qint64 testNumber);
SqlText ResultsOfStudent(qint64 studentNumber);
SqlText ResultsOfTest(qint64 testNumber);
// The students whose name is exactly `name`, by number only.
SqlText StudentsNamed(const QString& name);
// Every test's number and stored title, nothing else.
SqlText TestTitles();
// Every attempt of every student and test.
SqlText AllResults();
// Every student's number and name, nothing else.
SqlText StudentNames();
// The student with that number, every field.
SqlText StudentByNumber(qint64 studentNumber);
// Every unfinished attempt with its student's name, its test's title and
// length, its deadline, its minutes given and how many of its slots hold an
// answer (fldAnswered).
SqlText UnfinishedAttempts();
}
