#pragma once

#include <QString>

class TestEnv;
class frmMain;
class frmQuestions;
class SlotForm;

// A student at the desk: signed in, the home screen up, a row picked, a test begun.

// Opens the database as start-up does, rsPasswords left on the student's row.
void SignIn(TestEnv& env, qint64 studentNumber);
// Shows the home screen (loading it fills its list).
frmMain& Home();
// Clicks the row of the named test; false when the list has no such row.
bool ClickRow(frmMain& home, const QString& testName);
// Row, Take, then Begin on the introduction; the countdown is stopped: tests tick it by hand.
// An unfinished attempt continues with no introduction: `introduced` false
// fails when one (or anything else unexpected) is shown.
frmQuestions& Take(TestEnv& env, const QString& testName, bool introduced = true);
// Take and Begin on the row already picked.
frmQuestions& TakePicked(TestEnv& env, frmMain& home, bool introduced = true);
// The order digits on screen for a slot written by TestEnv::AddTest ("A{s}"
// is 1, "P{s}a" 2, "P{s}b" 3), e.g. "312".
QString ShownOrder(const frmQuestions& screen);
// Clicks the option button of answer line 1 to 3, or of the line holding the right answer.
void Choose(frmQuestions& screen, int line);
void ChooseRight(frmQuestions& screen);
// "1" for each slot number shown green (0, 153, 0), "0" for the others.
QString GreenNumbers(const SlotForm& screen);
