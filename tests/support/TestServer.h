#pragma once

#include "data/ServerSettings.h"

#include <optional>

// The PostgreSQL server the tests run against in their second pass. scripts/test
// names it in the environment variable VORNICK_TEST_SERVER (the path of a
// settings file whose role may create databases); the program itself reads no
// environment variables. Without it the tests run on SQLite files.
namespace TestServer {

// The server's settings, when the tests run against one.
const std::optional<ServerSettings>& Settings();

// A database of this process's own on the server (made on first use and
// dropped when the application ends), emptied: with the program's tables, or
// with none at all.
ServerSettings FreshDatabase(bool withTables = true);

}
