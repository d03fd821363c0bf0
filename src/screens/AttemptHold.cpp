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

}

bool AttemptHold::GiveMoreTime(qint64 student, qint64 test)
{
    const QString title = QCoreApplication::translate("AttemptHold", "Give More Time");
    const std::optional<int> minutes = platform().AskWholeNumber(
        QCoreApplication::translate("AttemptHold", "Minutes to add to this attempt (1 to %1):")
            .arg(AttemptControl::MostMoreMinutes),
        title, 1, AttemptControl::MostMoreMinutes, 10);
    return minutes && Told(title, [&] { return Administrator().GiveMoreTime(student, test, *minutes); });
}

bool AttemptHold::FinishNow(qint64 student, qint64 test)
{
    const QString title = QCoreApplication::translate("AttemptHold", "Finish Now");
    return AskYesNo(QCoreApplication::translate("AttemptHold", "Finish this attempt now? It will be graded from the "
                                                               "answers stored."),
                    title)
        && Told(title, [&] { return Administrator().FinishNow(student, test); });
}
