#include "AttemptRows.h"

#include "AnswerRecord.h"
#include "data/Connection.h"
#include "data/Recordset.h"

#include <QHash>
#include <algorithm>

namespace {

QHash<qint64, QString> Names(Connection& connection, const SqlText& sql, const QString& key, const QString& name)
{
    QHash<qint64, QString> names;
    Recordset rows;
    rows.Open(sql, connection);
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        names.insert(rows.Field(key).toLongLong(), rows.Text(name));
    return names;
}

SqlText ResultsQuery(std::optional<qint64> test, std::optional<qint64> student)
{
    if (test && student)
        return Sql::ResultOfStudentInTest(*student, *test);
    if (test)
        return Sql::ResultsOfTest(*test);
    if (student)
        return Sql::ResultsOfStudent(*student);
    return Sql::AllResults();
}

Attempt AttemptOf(const Recordset& results)
{
    Attempt attempt;
    attempt.studentNumber = results.Field(QStringLiteral("fldStudentNumber")).toLongLong();
    attempt.testNumber = results.Field(QStringLiteral("fldTestNumber")).toLongLong();
    attempt.finished = !results.IsNull(QStringLiteral("fldGrade"));
    attempt.grade = results.Text(QStringLiteral("fldGrade"));
    attempt.date = results.Text(QStringLiteral("fldDate"));
    attempt.minutesGiven = results.Text(QStringLiteral("fldMinutesGiven"));
    for (int slot = 1; slot <= AttemptSlots; ++slot)
        attempt.choices[static_cast<std::size_t>(slot - 1)] = ChoiceOfRecord(results.Text(AnswerRecords::SlotField(slot)));
    return attempt;
}

bool InListOrder(const Attempt& a, const Attempt& b)
{
    return std::tie(a.testNumber, a.student, a.studentNumber) < std::tie(b.testNumber, b.student, b.studentNumber);
}

}

std::vector<Attempt> AttemptRows::Load(Connection& connection, std::optional<qint64> test,
                                       std::optional<qint64> student)
{
    Connection::ReadTransaction reading(connection);
    const QHash<qint64, QString> students =
        Names(connection, Sql::StudentNames(), QStringLiteral("fldStudentNumber"), QStringLiteral("fldStudentName"));
    const QHash<qint64, QString> tests =
        Names(connection, Sql::TestTitles(), QStringLiteral("fldTestNumber"), QStringLiteral("fldTestName"));
    Recordset results;
    results.Open(ResultsQuery(test, student), connection);
    std::vector<Attempt> attempts;
    for (results.MoveFirst(); !results.Eof(); results.MoveNext()) {
        Attempt attempt = AttemptOf(results);
        attempt.student = students.value(attempt.studentNumber);
        attempt.test = tests.value(attempt.testNumber);
        attempts.push_back(std::move(attempt));
    }
    std::stable_sort(attempts.begin(), attempts.end(), InListOrder);
    return attempts;
}
