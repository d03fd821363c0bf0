#pragma once

#include "data/ServerSettings.h"

#include <optional>

// The PostgreSQL server of the tests' second pass: scripts/test names its
// settings file in VORNICK_TEST_SERVER (the program itself reads no environment).
namespace TestServer {

// The server's settings, when the tests run against one.
const std::optional<ServerSettings>& Settings();

// The server's superuser, when the server's folder names one.
std::optional<ServerSettings> Superuser();

// This process's own database on the server (dropped when the application
// ends), emptied, with the program's tables or none.
ServerSettings FreshDatabase(bool withTables = true);

// A database that outlives the process, named after `name` (letters, digits
// and underscores), made when the server does not hold it yet: for
// benchmarks that keep a large seed between runs. Never emptied here.
ServerSettings KeptDatabase(const QString& name);

// Empties the database, leaving the program's tables or none.
void Empty(const ServerSettings& database, bool withTables = true);

}
