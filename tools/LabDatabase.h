#pragma once

#include <QString>
#include <vector>

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

// Writes the settings file every workstation gets: this server and
// database and the administrator role's name, and no user or password: each
// student signs in as their own role.
void WriteWorkstationSettings(const ServerSettings& server, const QString& path);

struct Versions {
    int before = 0;
    int after = 0;
};

// Brings the server's database up to the program's schema version, in one
// transaction, keeping every row (see Schema::BringForward), or, at that
// version already, applies its functions and grants again; returns the
// versions before and after. A newer or unknown version is refused.
Versions Upgrade(const ServerSettings& server);

// A lab's students choose no password shorter than this.
constexpr int ShortestPassword = 8;

struct Account {
    qint64 number = 0;
    QString name;
};

struct Copied {
    int students = 0;
    int tests = 0;
    int results = 0;
    int pictures = 0;
    std::vector<Account> shortPasswords;  // copied as they are, to be renewed
};

// Copies every student, test, result and picture of the database file into the
// server's database, keeping their numbers, all or nothing; afterwards the
// server numbers new rows past the highest numbers the file ever used
// (deleted rows' numbers included), so none is given twice. Creates the tables
// when they are not there yet, and brings older ones up to date; every
// student gets their role with the file's password, kept as it is. Refuses (throws DbError) when the server's
// database already holds any row. The file is only read.
Copied CopyFrom(const QString& databaseFile, const ServerSettings& server);

// Gives the administrator role its password (at least ShortestPassword
// characters), connected as the database's owner. Only the password's SCRAM
// verifier reaches the server.
void SetAdministratorPassword(const ServerSettings& owner, const QString& password);

// Writes the settings file of a workstation joining the lab database
// `database` on `host` and `port`: TLS always, with the server's certificate checked
// against the authority's certificate `caFile` when one is given (copied
// beside the settings file as lab-ca.crt). Then checks that the server
// answers, over TLS, and would take the administrator role's password;
// throws DbError with the driver's message when it does not (the file is
// written all the same, to be checked again once the server lets this
// computer in).
void Join(const QString& host, int port, const QString& database, const QString& caFile,
          const QString& workstationSettings);

// The most temporary file space one session of the lab's database may use.
constexpr const char* TempFileLimit = "512MB";

// Takes from everyone but the superuser, in the settings' database, the
// server's functions a student could harm others with (see docs/admin.md,
// Lab mode, What a student's role can and cannot do); limits the database's
// temporary files to TempFileLimit; and closes the server's databases
// postgres and template1 to everyone but the superuser.
// Needs the server's superuser.
void Harden(const ServerSettings& superuser);

}
