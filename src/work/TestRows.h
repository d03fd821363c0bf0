#pragma once

#include "exchange/TestDraft.h"

class Recordset;

// A test's row in Tests as plain values, and plain values into a row.
namespace TestRows {

// The current row of `tests`: its title as stored, description, length and
// all 25 slots (a Null field as empty text).
TestDraft Draft(const Recordset& tests);

// Writes one slot's four texts into the current row of `tests`.
void WriteSlot(Recordset& tests, int slot, const DraftQuestion& texts);

// Writes the draft's questions into slots 1 on of the current or added row
// of `tests`; the slots after them are left as they are.
void WriteQuestions(Recordset& tests, const std::vector<DraftQuestion>& questions);

}
