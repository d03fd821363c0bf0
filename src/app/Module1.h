#pragma once

#include "data/Connection.h"

// The program's only shared state: its connection to the database. What
// the screens do with the data lives in work/ (StudentWork, AdminWork),
// which keeps its own recordsets.
namespace Module1 {

inline Connection cnDatabase;

// Closes the connection (program end, tests).
void Reset();

}
