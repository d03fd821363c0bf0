#pragma once

#include <QString>

// The database's tables, kept as one schema.sql and built into the program.
namespace Schema {

QString Text();

// Creates a fresh, empty database file at `path`. Refuses (throws DbError)
// when a file is already there, so an existing database is never touched.
void CreateDatabase(const QString& path);

}
