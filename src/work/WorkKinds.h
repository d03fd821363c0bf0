#pragma once

class AdminWork;
class Connection;
class StudentWork;

// One kind of work per engine; Student() and Administrator() pick by the
// connection the program has open.
StudentWork& EmbeddedWork();
StudentWork& LabWork(Connection& connection);
AdminWork& EmbeddedAdmin();
AdminWork& LabAdmin(Connection& connection);
