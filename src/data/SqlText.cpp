#include "SqlText.h"

#include <QStringList>

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

SqlText StudentByNumber(qint64 studentNumber)
{
    return {QStringLiteral("SELECT * FROM Passwords WHERE fldStudentNumber = ?"), {studentNumber}};
}

SqlText UnfinishedAttempts()
{
    QStringList answered;
    for (int slot = 1; slot <= 25; ++slot)
        answered << QStringLiteral("CASE WHEN COALESCE(r.fldQ%1, '') = '' THEN 0 ELSE 1 END").arg(slot);
    return {QStringLiteral("SELECT r.fldResultNumber, r.fldStudentNumber, r.fldTestNumber, p.fldStudentName, "
                           "t.fldTestName, t.fldTime, r.fldMinutesGiven, r.fldDeadline, %1 AS fldAnswered "
                           "FROM Results r LEFT JOIN Passwords p ON p.fldStudentNumber = r.fldStudentNumber "
                           "LEFT JOIN Tests t ON t.fldTestNumber = r.fldTestNumber WHERE r.fldGrade IS NULL")
                .arg(answered.join(QStringLiteral(" + "))),
            {}};
}

}
