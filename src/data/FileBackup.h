#pragma once

#include <QString>

// Copies of a database file, made and put back while the program may be
// using it, through SQLite's online backup.
namespace FileBackup {

// Writes a copy of the database file `database` to `target`: every page
// read in one read transaction, so the copy holds every change committed
// before it began and none half. It is written under a temporary name beside
// `target`, readable by its owner alone, and renamed to `target` only once
// complete, so a failure leaves no partial backup. Refuses (throws DbError)
// to write over the database itself.
void Write(const QString& database, const QString& target);

// Puts the backup `backup` back as the database file `database`, in one
// transaction, then brings it up to this program's version. Refuses (throws
// DbError) a backup that is no database of the program, and a database that
// holds any student, test or result unless `replace`.
void Restore(const QString& backup, const QString& database, bool replace);

}
