#include "SqlText.h"

namespace Sql {

SqlText AllPasswords() { return {QStringLiteral("SELECT * FROM Passwords"), {}}; }

SqlText AllTests() { return {QStringLiteral("SELECT * FROM Tests"), {}}; }

SqlText TestByName(const QString& title)
{
    return {QStringLiteral("SELECT * FROM Tests WHERE fldTestName = ?"), {title}};
}

SqlText ResultsForList(qint64 studentNumber, qint64 testNumber)
{
    return {QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber =? AND fldTestNumber = ?"),
            {studentNumber, testNumber}};
}

SqlText ResultOfStudentInTest(qint64 studentNumber, qint64 testNumber)
{
    return {QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ?"),
            {studentNumber, testNumber}};
}

SqlText AllResults() { return {QStringLiteral("SELECT * FROM Results"), {}}; }

SqlText ResultsOfStudent(qint64 studentNumber)
{
    return {QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber = ?"), {studentNumber}};
}

SqlText ResultsOfTest(qint64 testNumber)
{
    return {QStringLiteral("SELECT * FROM Results WHERE fldTestNumber = ?"), {testNumber}};
}

}
