#pragma once

#include "data/Connection.h"
#include "data/Recordset.h"

#include <QString>
#include <cstdint>

// The program's only shared state: the connection, the shared recordsets and
// the flags the screens hand to each other. The recordsets always exist and
// may be closed; each screen reopens them with the query it needs.
namespace Module1 {

inline Connection cnDatabase;
inline Recordset rsPasswords;
inline Recordset rsTests;
inline Recordset rsResults;
inline Recordset rsDeleteResult;

inline bool blnNewTest = false;
inline bool blnCancelNewTest = false;
inline bool blnReviewFromAdmin = false;
inline std::int16_t CurrentQuestion = 0;
inline QString AnswerRecord;

// Closes the four shared recordsets.
void CloseRecordsets();

// Closes everything and puts every global back to its starting value.
void Reset();

}
