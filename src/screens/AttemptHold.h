#pragma once

#include <QtGlobal>

// The administrator's hold on one running attempt, as the results screen
// and the attempts in progress offer it: each asks, acts through AdminWork
// and tells the user why nothing happened. True when the attempt changed.
namespace AttemptHold {

// Asks for 1 to 600 minutes and adds them to the attempt.
bool GiveMoreTime(qint64 student, qint64 test);

// Asks to be sure, then grades the attempt from the answers stored.
bool FinishNow(qint64 student, qint64 test);

}
