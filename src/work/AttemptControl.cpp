#include "AttemptControl.h"

#include "AdminWork.h"
#include "rules/AnswerRecord.h"
#include "app/Platform.h"
#include "rules/TestRules.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>

namespace {

const QString Deadline = QStringLiteral("fldDeadline");
const QString MinutesGivenField = QStringLiteral("fldMinutesGiven");
const QString Grade = QStringLiteral("fldGrade");

// Opens `results` on the student's attempt at the test (the first, should
// there be twins) and says whether it can be changed.
Refusal OpenRunning(Recordset& results, Connection& connection, qint64 student, qint64 test)
{
    results.Open(Sql::ResultOfStudentInTest(student, test), connection);
    if (results.RecordCount() == 0)
        return Refusal::NoAttempt;
    results.MoveFirst();
    return results.IsNull(Grade) ? Refusal::None : Refusal::Finished;
}

// The minutes the attempt was given; for one begun before they were kept,
// its test's length.
int GivenSoFar(const Recordset& results, Connection& connection, qint64 test)
{
    if (!results.IsNull(MinutesGivenField))
        return results.Field(MinutesGivenField).toInt();
    Recordset tests;
    tests.Open(Sql::TestByNumber(test), connection);
    return tests.RecordCount() == 0 ? 0 : TestRules::WholeMinutes(tests.Field(QStringLiteral("fldTime"))).value_or(0);
}

int CountRightAnswers(const Recordset& results)
{
    int right = 0;
    for (int slot = 1; slot <= AnswerRecords::Slots; ++slot)
        right += AnswerRecords::IsRight(results.Text(AnswerRecords::SlotField(slot))) ? 1 : 0;
    return right;
}

RunningAttempt RunningOf(const Recordset& rows, qint64 now)
{
    RunningAttempt attempt;
    attempt.studentNumber = rows.Field(QStringLiteral("fldStudentNumber")).toLongLong();
    attempt.testNumber = rows.Field(QStringLiteral("fldTestNumber")).toLongLong();
    attempt.student = rows.Text(QStringLiteral("fldStudentName"));
    attempt.test = TestRules::VisibleTitle(rows.Text(QStringLiteral("fldTestName")));
    attempt.answered = rows.Field(QStringLiteral("fldAnswered")).toInt();
    if (rows.IsNull(Deadline))
        return attempt;
    const qint64 deadline = rows.Field(Deadline).toLongLong();
    attempt.secondsLeft = std::max<qint64>(deadline - now, 0);
    std::optional<qint64> given;
    if (!rows.IsNull(MinutesGivenField))
        given = rows.Field(MinutesGivenField).toLongLong();
    else if (const auto length = TestRules::WholeMinutes(rows.Field(QStringLiteral("fldTime"))))
        given = *length;
    if (given)
        attempt.began = deadline - *given * 60;
    return attempt;
}

// Changes the student's running attempt with `change` and stores it. A store
// only goes through while the fields it writes hold what was read; when the
// student's program stored meanwhile, the attempt is read and changed afresh
// (a few times at most), so that the change always goes with what is stored,
// and an attempt the student finished meanwhile is Finished.
Refusal ChangeRunning(Connection& connection, qint64 student, qint64 test,
                      const std::function<void(Recordset&)>& change)
{
    constexpr int Tries = 3;
    for (int tried = 1;; ++tried) {
        Recordset results;
        const Refusal refusal = OpenRunning(results, connection, student, test);
        if (refusal != Refusal::None)
            return refusal;
        change(results);
        try {
            results.Update();
            return Refusal::None;
        } catch (const DbError&) {
            if (tried == Tries)
                throw;
        }
    }
}

bool LessTimeLeft(const RunningAttempt& a, const RunningAttempt& b)
{
    const qint64 none = std::numeric_limits<qint64>::max();
    const qint64 leftA = a.secondsLeft.value_or(none);
    const qint64 leftB = b.secondsLeft.value_or(none);
    return std::tie(leftA, a.student, a.test) < std::tie(leftB, b.student, b.test);
}

}

int AttemptControl::MinutesGiven(int testMinutes, int extraPercent)
{
    return (testMinutes * (100 + extraPercent) + 99) / 100;
}

std::optional<int> AttemptControl::ExtraPercent(const QString& typed)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*[0-9]{1,3}\\s*$"));
    if (!digits.match(typed).hasMatch())
        return std::nullopt;
    const int percent = typed.trimmed().toInt();
    return percent <= MostExtraPercent ? std::optional<int>(percent) : std::nullopt;
}

QString AttemptControl::ExtraTimeMessage()
{
    return QCoreApplication::translate("AttemptControl", "Extra time must be a whole number from 0 to %1.")
        .arg(MostExtraPercent);
}

void AttemptControl::RequireExtraPercent(int percent)
{
    if (percent < 0 || percent > MostExtraPercent)
        throw DbError(ExtraTimeMessage());
}

int AttemptControl::ExtraTimeOf(Connection& connection, qint64 student)
{
    Recordset students;
    students.Open(Sql::StudentByNumber(student), connection);
    if (students.RecordCount() == 0)
        throw DbError(QCoreApplication::translate("AttemptControl", "There is no such student."));
    return students.Field(QStringLiteral("fldExtraTime")).toInt();
}

void AttemptControl::SetExtraTime(Connection& connection, qint64 student, int percent)
{
    RequireExtraPercent(percent);
    Recordset students;
    students.Open(Sql::StudentByNumber(student), connection);
    if (students.RecordCount() == 0)
        throw DbError(QCoreApplication::translate("AttemptControl", "There is no such student."));
    students.SetField(QStringLiteral("fldExtraTime"), percent);
    students.Update();
}

// The grade is written back as none with the new deadline, so that a finish
// stored meanwhile is reported (the store then finds the row changed),
// never followed by more time.
Refusal AttemptControl::GiveMoreTime(Connection& connection, qint64 student, qint64 test, int minutes)
{
    return ChangeRunning(connection, student, test, [&](Recordset& results) {
        const qint64 now = connection.ClockSeconds();
        const int given = GivenSoFar(results, connection, test);
        const qint64 from = results.IsNull(Deadline) ? now + qint64{given} * 60
                                                     : std::max(results.Field(Deadline).toLongLong(), now);
        results.SetField(Deadline, from + qint64{minutes} * 60);
        results.SetField(MinutesGivenField, given + minutes);
        results.SetField(Grade, QVariant());
    });
}

// The answers are written back as they were read, so that the grade is
// stored only with the answers it counts: an answer the student stored
// meanwhile makes the attempt be read and graded again.
Refusal AttemptControl::FinishNow(Connection& connection, qint64 student, qint64 test, const QString& date)
{
    return ChangeRunning(connection, student, test, [&](Recordset& results) {
        for (int slot = 1; slot <= AnswerRecords::Slots; ++slot) {
            const QString field = AnswerRecords::SlotField(slot);
            results.SetField(field, results.Field(field));
        }
        results.SetField(Grade, CountRightAnswers(results) * 4);
        results.SetField(QStringLiteral("fldDate"), date);
        results.SetField(QStringLiteral("fldGradedAt"), connection.ClockSeconds());
    });
}

RunningAttempts AttemptControl::Running(Connection& connection)
{
    RunningAttempts attempts;
    Recordset rows;
    rows.Open(Sql::UnfinishedAttempts(), connection);
    const qint64 now = connection.ClockSeconds();
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        attempts.push_back(RunningOf(rows, now));
    std::stable_sort(attempts.begin(), attempts.end(), LessTimeLeft);
    return attempts;
}

