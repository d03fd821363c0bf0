#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The administrator's hold on one running attempt, as the results screen
// and the attempts in progress offer it: each asks, acts through AdminWork
// and tells the user why nothing happened. True when the attempt changed.
namespace AttemptHold {

// Seconds left as a clock shows them ("4:44"); empty for none.
QString TimeLeftText(const std::optional<qint64>& seconds);

// Asks for 1 to 600 minutes, naming the student, the test and the time left
// as read now, and adds them to the attempt.
bool GiveMoreTime(qint64 student, qint64 test);

// Asks to be sure, naming the same, then grades the attempt from the
// answers stored.
bool FinishNow(qint64 student, qint64 test);

}
