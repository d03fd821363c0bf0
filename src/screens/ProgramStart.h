#pragma once

// The program's start up to its sign-in screen, on the platform already set:
// the program's name, the language (so that every later message is in it),
// then the sign-in screen, whose load performs the rest (an unknown
// language, a second copy or a database that cannot be opened ends the
// program there). The program and the start-up benchmark both start here.
void StartProgram();
