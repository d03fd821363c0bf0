#pragma once

#include "exchange/Attempt.h"

#include <functional>
#include <optional>
#include <vector>

class Connection;

// Attempts as the Results table holds them, with the names of their
// students and tests, for results files and item statistics.
namespace AttemptRows {

// Every attempt of the test, of the student, of both, or (neither given) of
// everyone, handed to `take` one at a time as one query reads them, so that
// no more than one is held however many there are; ordered by test number,
// then student name (by code point), then student number. An attempt whose
// student or test is gone shows an empty name. Stops when `take` returns
// false.
void Each(Connection& connection, std::optional<qint64> test, std::optional<qint64> student,
          const std::function<bool(const StoredAttempt&)>& take);

// The same attempts all at once, as plain values.
std::vector<Attempt> Load(Connection& connection, std::optional<qint64> test, std::optional<qint64> student);

// How many attempts Each would hand over now.
qint64 Count(Connection& connection, std::optional<qint64> test, std::optional<qint64> student);

}
