#include "AttemptRows.h"

#include "data/Connection.h"
#include "data/Cursor.h"
#include "data/Recordset.h"

namespace {

// The columns of Sql::ResultsInFileOrder, by position.
enum Column { StudentNumber, TestNumber, Grade, Date, MinutesGiven, GradedAt, FirstRecord,
              StudentName = FirstRecord + AttemptSlots, TestName };

StoredAttempt AttemptAt(const Cursor& row)
{
    StoredAttempt attempt;
    attempt.studentNumber = row.Number(StudentNumber);
    attempt.student = row.Utf8(StudentName);
    attempt.testNumber = row.Number(TestNumber);
    attempt.test = row.Utf8(TestName);
    attempt.finished = !row.IsNull(Grade);
    attempt.grade = row.Utf8(Grade);
    attempt.date = row.Utf8(Date);
    attempt.minutesGiven = row.Utf8(MinutesGiven);
    if (!row.IsNull(GradedAt))
        attempt.gradedAt = row.Number(GradedAt);
    for (int slot = 0; slot < AttemptSlots; ++slot)
        attempt.records[static_cast<std::size_t>(slot)] = row.Utf8(FirstRecord + slot);
    return attempt;
}

Attempt PlainAttempt(const StoredAttempt& stored)
{
    Attempt attempt;
    attempt.studentNumber = stored.studentNumber;
    attempt.student = QString::fromUtf8(stored.student);
    attempt.testNumber = stored.testNumber;
    attempt.test = QString::fromUtf8(stored.test);
    attempt.grade = QString::fromUtf8(stored.grade);
    attempt.date = QString::fromUtf8(stored.date);
    attempt.finished = stored.finished;
    attempt.minutesGiven = QString::fromUtf8(stored.minutesGiven);
    for (std::size_t slot = 0; slot < attempt.choices.size(); ++slot)
        attempt.choices[slot] = ChoiceOfRecord(stored.records[slot]);
    return attempt;
}

}

void AttemptRows::Each(Connection& connection, std::optional<qint64> test, std::optional<qint64> student,
                       const std::function<bool(const StoredAttempt&)>& take)
{
    Cursor rows(connection, Sql::ResultsInFileOrder(connection.Engine(), test, student));
    while (rows.Next()) {
        if (!take(AttemptAt(rows)))
            return;
    }
}

std::vector<Attempt> AttemptRows::Load(Connection& connection, std::optional<qint64> test,
                                       std::optional<qint64> student)
{
    std::vector<Attempt> attempts;
    connection.Repeatable(Connection::Unit::Read, [&] {
        attempts.clear();
        Each(connection, test, student, [&attempts](const StoredAttempt& attempt) {
            attempts.push_back(PlainAttempt(attempt));
            return true;
        });
    });
    return attempts;
}

qint64 AttemptRows::Count(Connection& connection, std::optional<qint64> test, std::optional<qint64> student)
{
    Recordset count;
    count.Open(Sql::ResultsCount(test, student), connection);
    return count.Field(QStringLiteral("fldCount")).toLongLong();
}
