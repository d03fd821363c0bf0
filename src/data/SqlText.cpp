#include "SqlText.h"

namespace Sql {

SqlText AllPasswords() { return {QStringLiteral("SELECT * FROM Passwords"), {}}; }

SqlText AllTests() { return {QStringLiteral("SELECT * FROM Tests"), {}}; }

SqlText TestByNumber(qint64 testNumber)
{
    return {QStringLiteral("SELECT * FROM Tests WHERE fldTestNumber = ?"), {testNumber}};
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

SqlText ResultsOfStudent(qint64 studentNumber)
{
    return {QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber = ?"), {studentNumber}};
}

SqlText ResultsOfTest(qint64 testNumber)
{
    return {QStringLiteral("SELECT * FROM Results WHERE fldTestNumber = ?"), {testNumber}};
}

SqlText StudentsNamed(const QString& name)
{
    return {QStringLiteral("SELECT fldStudentNumber FROM Passwords WHERE fldStudentName = ?"), {name}};
}

SqlText TestTitles() { return {QStringLiteral("SELECT fldTestNumber, fldTestName FROM Tests"), {}}; }

SqlText AllResults() { return {QStringLiteral("SELECT * FROM Results"), {}}; }

SqlText StudentNames() { return {QStringLiteral("SELECT fldStudentNumber, fldStudentName FROM Passwords"), {}}; }

}
