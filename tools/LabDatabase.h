#pragma once

#include <QString>

struct ServerSettings;

// Setting up a lab's shared PostgreSQL database: creating its tables, and
// copying the data of an existing Ostrel.mdb into it.
namespace LabDatabase {

// Creates the program's tables, the functions and the two roles on the
// server's database, connected as the database's owner (who may create
// roles). The administrator role has no password, so it cannot sign in
// until the technician gives it one. With a path, also writes the
// workstations' settings file (see WriteWorkstationSettings). Refuses
// (throws DbError) when any of the tables is already there.
void Create(const ServerSettings& server, const QString& workstationSettings = {});

// Gives the workstation role a fresh random password and writes the settings
// file every workstation gets: this server and database, the workstation
// role with that password, and the administrator role's name.
void WriteWorkstationSettings(const ServerSettings& server, const QString& path);

struct Versions {
    int before = 0;
    int after = 0;
};

// Brings the server's database up to the program's schema version, in one
// transaction, keeping every row (see Schema::BringForward); returns the
// versions before and after. A newer or unknown version is refused.
Versions Upgrade(const ServerSettings& server);

struct Copied {
    int students = 0;
    int tests = 0;
    int results = 0;
};

// Copies every student, test and result of the database file into the
// server's database, keeping their numbers, all or nothing; afterwards the
// server numbers new rows past the highest numbers the file ever used
// (deleted rows' numbers included), so none is given twice. Creates the tables
// when they are not there yet, and brings older ones up to date. Refuses (throws DbError) when the server's
// database already holds any row. The file is only read.
Copied CopyFrom(const QString& databaseFile, const ServerSettings& server);

}
