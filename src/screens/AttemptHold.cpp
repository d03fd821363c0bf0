#include "AttemptHold.h"

#include "app/Platform.h"
#include "data/DbError.h"
#include "work/AdminWork.h"
#include "work/AttemptControl.h"

#include <QCoreApplication>
#include <functional>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("AttemptHold", text); }

// Runs the step and tells the user when it is refused or the database fails
// (another workstation finished the attempt meanwhile, say).
bool Told(const QString& title, const std::function<Refusal()>& step)
{
    Refusal refusal = Refusal::None;
    try {
        refusal = step();
    } catch (const DbError& error) {
        MsgBox(error.message(), title);
        return false;
    }
    if (refusal == Refusal::Finished)
        MsgBox(Tr("This attempt is finished already."), title);
    else if (refusal == Refusal::NoAttempt)
        MsgBox(Tr("The student has not begun this test."), title);
    return refusal == Refusal::None;
}

}

bool AttemptHold::GiveMoreTime(qint64 student, qint64 test)
{
    const QString title = Tr("Give More Time");
    const std::optional<int> minutes =
        platform().AskWholeNumber(Tr("Minutes to add to this attempt (1 to %1):").arg(AttemptControl::MostMoreMinutes),
                                  title, 1, AttemptControl::MostMoreMinutes, 10);
    return minutes && Told(title, [&] { return Administrator().GiveMoreTime(student, test, *minutes); });
}

bool AttemptHold::FinishNow(qint64 student, qint64 test)
{
    const QString title = Tr("Finish Now");
    return AskYesNo(Tr("Finish this attempt now? It will be graded from the answers stored."), title)
        && Told(title, [&] { return Administrator().FinishNow(student, test); });
}
