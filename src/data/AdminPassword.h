#pragma once

#include <QString>

class Connection;

// The administrator's password. Until it is changed, the program's default
// signs in; a changed one is kept in the database only as a salted, slow hash
// (libsodium's crypto_pwhash_str, Argon2id), never as the password itself.
// A database made before the password could be changed has no table for it
// and counts as unchanged; the first change creates the table.
//
// On a lab workstation the administrator is the server's own role instead,
// signed in on the connection: the server checks the password and keeps it
// (see RolePassword), and no hash in the database is used.
namespace AdminPassword {

inline const QString Default = QStringLiteral("plum");

// Whether `typed` is the administrator's password in this database, or the
// server's for the administrator role signed in.
bool Matches(Connection& connection, const QString& typed);

// Stores the hash of a new password, replacing any earlier one; gives the
// administrator role signed in a new password.
void Change(Connection& connection, const QString& newPassword);

// Puts the default password back; false when it was the default already.
bool Reset(Connection& connection);

// How much work a new hash costs. The program always uses Interactive
// (libsodium's limits for an interactive sign-in); only the tests lower it,
// to stay fast. Checking a stored hash always costs what it was made with.
enum class HashCost { Interactive, Minimum };
void SetHashCost(HashCost cost);

}
