#include "SqlText.h"

#include "Connection.h"

#include <QStringList>

namespace {

// The condition narrowing Results (as r) to the test, the student or both.
SqlText ResultsOf(std::optional<qint64> test, std::optional<qint64> student)
{
    QStringList conditions;
    QVariantList values;
    if (test) {
        conditions << QStringLiteral("r.fldTestNumber = ?");
        values << *test;
    }
    if (student) {
        conditions << QStringLiteral("r.fldStudentNumber = ?");
        values << *student;
    }
    return {conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND ")),
            values};
}

}

namespace Sql {

SqlText AllPasswords() { return {QStringLiteral("SELECT * FROM Passwords"), {}}; }

SqlText AllTests() { return {QStringLiteral("SELECT * FROM Tests"), {}}; }

SqlText NoRowsOf(const SqlText& sql) { return {sql.text + QStringLiteral(" LIMIT 0"), sql.values}; }

SqlText TestByNumber(qint64 testNumber)
{
    return {QStringLiteral("SELECT * FROM Tests WHERE fldTestNumber = ?"), {testNumber}};
}

SqlText ResultsForList(qint64 studentNumber, qint64 testNumber)
{
    return {QStringLiteral("SELECT fldGrade, fldDate FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ? "
                           "ORDER BY fldResultNumber"),
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

SqlText ResultsInFileOrder(DbEngine engine, std::optional<qint64> test, std::optional<qint64> student)
{
    QStringList columns{QStringLiteral("r.fldStudentNumber"), QStringLiteral("r.fldTestNumber"),
                        QStringLiteral("r.fldGrade"), QStringLiteral("r.fldDate"), QStringLiteral("r.fldMinutesGiven"),
                        QStringLiteral("r.fldGradedAt")};
    for (int slot = 1; slot <= 25; ++slot)
        columns << QStringLiteral("r.fldQ%1").arg(slot);
    columns << QStringLiteral("p.fldStudentName") << QStringLiteral("t.fldTestName");
    // Both engines compare names byte by byte in UTF-8 (a server's default
    // follows its language's dictionary order). The order by test is that of
    // the test number's index, so each engine sorts only one test's attempts
    // at a time and hands over the first row at once.
    const SqlText narrowed = ResultsOf(test, student);
    return {QStringLiteral("SELECT %1 FROM Results r "
                           "LEFT JOIN Passwords p ON p.fldStudentNumber = r.fldStudentNumber "
                           "LEFT JOIN Tests t ON t.fldTestNumber = r.fldTestNumber%2 "
                           "ORDER BY r.fldTestNumber, COALESCE(p.fldStudentName, '') COLLATE %3, "
                           "COALESCE(r.fldStudentNumber, 0), r.fldResultNumber")
                .arg(columns.join(QStringLiteral(", ")), narrowed.text,
                     engine == DbEngine::PostgreSQL ? QStringLiteral("\"C\"") : QStringLiteral("BINARY")),
            narrowed.values};
}

SqlText ResultsCount(std::optional<qint64> test, std::optional<qint64> student)
{
    const SqlText narrowed = ResultsOf(test, student);
    return {QStringLiteral("SELECT COUNT(*) AS fldCount FROM Results r") + narrowed.text, narrowed.values};
}

}
