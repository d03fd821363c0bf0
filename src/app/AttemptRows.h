#pragma once

#include "exchange/Attempt.h"

#include <optional>
#include <vector>

class Connection;

// Attempts as the Results table holds them, with the names of their
// students and tests, for results files and item statistics.
namespace AttemptRows {

// Every attempt of the test, of the student, of both, or (neither given) of
// everyone; ordered by test number, then student name, then student number.
// An attempt whose student or test is gone shows an empty name.
std::vector<Attempt> Load(Connection& connection, std::optional<qint64> test, std::optional<qint64> student);

}
