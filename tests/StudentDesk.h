#pragma once

#include <QString>

class TestEnv;
class frmMain;
class frmQuestions;

// A student at the desk, as the test and review programs need one: signed
// in, the home screen up, a row picked, a test begun.

// Opens the database as start-up does and leaves rsPasswords on the
// student's row, where the sign-in search stops.
void SignIn(TestEnv& env, qint64 studentNumber);
// Shows the home screen (loading it fills its list from the database).
frmMain& Home();
// Clicks the row of the named test; false when the list has no such row.
bool ClickRow(frmMain& home, const QString& testName);
// Clicks the row and Take, with the student pressing Begin on the
// introduction. The countdown is stopped afterwards: tests tick it by hand.
frmQuestions& Take(TestEnv& env, const QString& testName);
// The order digits shown on screen for a slot of a test seeded by
// TestEnv::AddTest ("A{s}" is 1, "P{s}a" 2, "P{s}b" 3), e.g. "312".
QString ShownOrder(const frmQuestions& screen);
// Selects the answer line (1 to 3) as a student does, by clicking its button.
void Choose(frmQuestions& screen, int line);
// Clicks the line that holds the right answer, or a line that does not.
void ChooseRight(frmQuestions& screen);
void ChooseWrong(frmQuestions& screen);
// Counts the Results rows.
qint64 ResultRows(TestEnv& env);
