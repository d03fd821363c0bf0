#include "ErrorPolicy.h"

#include "Platform.h"
#include "data/DbError.h"

#include <QString>
#include <QCoreApplication>

namespace {

void EndWithMessage(const QString& message)
{
    platform().MsgBox(message, MsgButtons::OK, QString());
    platform().EndProgram(1);
}

}

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const DbError& error) {
        EndWithMessage(error.message());
    } catch (const std::exception& error) {
        EndWithMessage(QString::fromLocal8Bit(error.what()));
    }
}

void IgnoreErrors(const std::function<void()>& step)
{
    try {
        step();
    } catch (const DbError&) {
        // Skipped by design: the caller goes on with its next step.
    }
}

void NoticeWaitingForServer(bool waiting)
{
    platform().ShowNotice(waiting ? QCoreApplication::translate("ErrorPolicy", "Connection to the server lost; trying again…")
                                  : QString());
}

bool TellFailure(const std::function<void()>& step, const QString& title)
{
    try {
        step();
        return true;
    } catch (const DbError& error) {
        platform().MsgBox(error.message(), MsgButtons::OK, title);
        return false;
    }
}

void RunUnlessExplained(const std::function<void()>& step, const std::function<bool()>& explained,
                        const std::function<void()>& instead)
{
    try {
        step();
    } catch (const DbError&) {
        if (!explained())
            throw;
        instead();
    }
}
