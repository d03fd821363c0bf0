#pragma once

class AdminWork;
class Connection;
class StudentWork;

// One kind of work per engine; Student() and Administrator() pick by the
// connection the program has open.
StudentWork& EmbeddedWork(Connection& connection);
StudentWork& LabWork(Connection& connection);
AdminWork& EmbeddedAdmin(Connection& connection);
AdminWork& LabAdmin(Connection& connection);

// Closes what the student's work keeps open on a database file (tests,
// between one database and the next).
void CloseWork();
