#pragma once

#include "WorkValues.h"

#include <QString>
#include <optional>

class Connection;

// Time on a student's attempts: each student's extra time, the minutes an
// attempt is given, and the administrator's hold on running attempts (more
// time, an end now), on the database the connection has open. Both engines'
// administrators reach the tables, so the same statements serve both.
namespace AttemptControl {

constexpr int MostExtraPercent = 400;
constexpr int MostMoreMinutes = 600;

// An attempt's length in minutes as given: the test's length with
// `extraPercent` of it more, rounded up to a whole minute.
int MinutesGiven(int testMinutes, int extraPercent);

// Extra time as typed: a whole number from 0 to 400 (blanks around it
// allowed); none for anything else.
std::optional<int> ExtraPercent(const QString& typed);
// Why anything else is refused.
QString ExtraTimeMessage();
// DbError with that message for extra time outside 0 to 400, so that no
// caller can store one.
void RequireExtraPercent(int percent);

// A student's extra time as stored, and storing it; DbError "There is no
// such student." when the student is gone.
int ExtraTimeOf(Connection& connection, qint64 student);
void SetExtraTime(Connection& connection, qint64 student, int percent);

// Adds 1 to 600 minutes to the student's attempt at the test. An attempt
// whose deadline has passed gets them from now, so it can be continued.
// NoAttempt when there is none, Finished when it is graded already.
Refusal GiveMoreTime(Connection& connection, qint64 student, qint64 test, int minutes);

// Grades the student's running attempt at once from the answers stored, as
// when its time runs out, dated `date`; NoAttempt or Finished as above.
Refusal FinishNow(Connection& connection, qint64 student, qint64 test, const QString& date);

// Every attempt begun and not graded, the least time left first (those
// without a deadline last), by the database's clock.
RunningAttempts Running(Connection& connection);

}
