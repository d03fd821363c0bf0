#include "AttemptHold.h"

#include "app/Platform.h"
#include "app/ErrorPolicy.h"
#include "work/AdminWork.h"
#include "work/AttemptControl.h"

#include <QCoreApplication>
#include <functional>

namespace {

// Runs the step and tells the user when it is refused or the database fails
// (another workstation finished the attempt meanwhile, say).
bool Told(const QString& title, const std::function<Refusal()>& step)
{
    Refusal refusal = Refusal::None;
    if (!TellFailure([&] { refusal = step(); }, title))
        return false;
    if (refusal == Refusal::Finished)
        MsgBox(QCoreApplication::translate("AttemptHold", "This attempt is finished already."), title);
    else if (refusal == Refusal::NoAttempt)
        MsgBox(QCoreApplication::translate("AttemptHold", "The student has not begun this test."), title);
    return refusal == Refusal::None;
}

// The attempt as the database has it now, for the question to name; none
// when it is not running (the step then says why).
std::optional<RunningAttempt> RunningNow(qint64 student, qint64 test)
{
    std::optional<RunningAttempt> found;
    IgnoreErrors([&] {
        for (const RunningAttempt& attempt : Administrator().Running()) {
            if (attempt.studentNumber == student && attempt.testNumber == test)
                found = attempt;
        }
    });
    return found;
}

QString MoreTimeQuestion(const RunningAttempt& attempt)
{
    return attempt.secondsLeft
        ? QCoreApplication::translate("AttemptHold", "Give %1 more time on %2 (%3 left)?")
              .arg(attempt.student, attempt.test, AttemptHold::TimeLeftText(attempt.secondsLeft))
        : QCoreApplication::translate("AttemptHold", "Give %1 more time on %2?").arg(attempt.student, attempt.test);
}

QString FinishQuestion(const std::optional<RunningAttempt>& attempt)
{
    if (!attempt)
        return QCoreApplication::translate("AttemptHold", "Finish this attempt now? It will be graded from the answers stored.");
    return attempt->secondsLeft
        ? QCoreApplication::translate("AttemptHold", "Finish %1's attempt at %2 now (%3 left)? It will be graded from the "
                                                     "answers stored.")
              .arg(attempt->student, attempt->test, AttemptHold::TimeLeftText(attempt->secondsLeft))
        : QCoreApplication::translate("AttemptHold", "Finish %1's attempt at %2 now? It will be graded from the answers "
                                                     "stored.")
              .arg(attempt->student, attempt->test);
}

}

QString AttemptHold::TimeLeftText(const std::optional<qint64>& seconds)
{
    if (!seconds)
        return {};
    return QStringLiteral("%1:%2").arg(*seconds / 60).arg(*seconds % 60, 2, 10, QLatin1Char('0'));
}

bool AttemptHold::GiveMoreTime(qint64 student, qint64 test)
{
    const QString title = QCoreApplication::translate("AttemptHold", "Give More Time");
    const std::optional<RunningAttempt> attempt = RunningNow(student, test);
    const QString minutesLine = QCoreApplication::translate("AttemptHold", "Minutes to add to this attempt (1 to %1):")
                                    .arg(AttemptControl::MostMoreMinutes);
    const std::optional<int> minutes = platform().AskWholeNumber(
        attempt ? MoreTimeQuestion(*attempt) + u'\n' + minutesLine : minutesLine, title, 1,
        AttemptControl::MostMoreMinutes, 10);
    return minutes && Told(title, [&] { return Administrator().GiveMoreTime(student, test, *minutes); });
}

bool AttemptHold::FinishNow(qint64 student, qint64 test)
{
    const QString title = QCoreApplication::translate("AttemptHold", "Finish Now");
    return AskYesNo(FinishQuestion(RunningNow(student, test)), title)
        && Told(title, [&] { return Administrator().FinishNow(student, test); });
}
