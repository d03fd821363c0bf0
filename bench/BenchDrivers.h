#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <vector>

class BenchEnv;
class frmAdmin;
class frmMain;
class frmQuestions;

// The program's own screens driven as a user drives them, shared by the
// benchmarks that time them. Each opens the database of the platform set
// (BenchEnv's folder: its file, or its server's settings file).
namespace BenchDrivers {

// `name` (password "pw") signed in afresh, every screen before discarded:
// the home screen with its list filled.
frmMain& SignedInStudent(const QString& name);

// Selects row `row` of the home list and has the test's introduction, when
// it shows, answered with Begin; home.cmdTakeTest_Click() then takes it.
void PickToTake(BenchEnv& env, frmMain& home, int row);

// The test screen once taken, its countdown stopped so that no tick falls
// into a timed step.
frmQuestions& ShownTestScreen();

// Chooses answer line `index` (0 to 2) on slot 1 and leaves it for slot 1
// again: the slot departure that stores one answer.
void StoreAnswer(frmQuestions& screen, int index);

// The administration screen shown on the program's database.
frmAdmin& SignedInAdmin();

// Every screen discarded and the program's connection closed.
void SignOutAll();

double Median(std::vector<double> values);
double MillisecondsOf(const std::function<void()>& work);
double Milliseconds(std::chrono::steady_clock::duration d);

}
