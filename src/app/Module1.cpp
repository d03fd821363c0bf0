#include "Module1.h"

void Module1::Reset()
{
    rsPasswords.Close();
    rsTests.Close();
    rsResults.Close();
    rsDeleteResult.Close();
    cnDatabase.Close();
    blnNewTest = false;
    blnCancelNewTest = false;
    blnReviewFromAdmin = false;
    CurrentQuestion = 0;
    AnswerRecord.clear();
}
