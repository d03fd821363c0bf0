#include "Module1.h"

void Module1::CloseRecordsets()
{
    rsPasswords.Close();
    rsTests.Close();
    rsResults.Close();
    rsDeleteResult.Close();
}

void Module1::Reset()
{
    CloseRecordsets();
    cnDatabase.Close();
    blnNewTest = false;
    blnCancelNewTest = false;
    blnReviewFromAdmin = false;
    CurrentQuestion = 0;
    AnswerRecord.clear();
}
