#pragma once

#include <QString>
#include <QVariantList>

// A query as the program issues it: fixed text with its values bound as
// parameters, never spliced into the text.
struct SqlText {
    QString text;
    QVariantList values;
};

// The eight queries of the program, one function each.
namespace Sql {
SqlText AllPasswords();                                                   // 1
SqlText AllTests();                                                       // 2
SqlText TestByName(const QString& title);                                 // 3
SqlText ResultsForList(qint64 studentNumber, qint64 testNumber);          // 4
SqlText ResultOfStudentInTest(qint64 studentNumber, qint64 testNumber);   // 5
SqlText AllResults();                                                     // 6
SqlText ResultsOfStudent(qint64 studentNumber);                           // 7
SqlText ResultsOfTest(qint64 testNumber);                                 // 8
}
