#pragma once

#include <QString>

class Connection;

// The administrator's password. Until it is changed, the program's default
// signs in; a changed one is kept in the database only as a salted, slow hash
// (libsodium's crypto_pwhash_str, Argon2id), never as the password itself.
// A database made before the password could be changed has no table for it
// and counts as unchanged; the first change creates the table.
namespace AdminPassword {

inline const QString Default = QStringLiteral("plum");

// Whether `typed` is the administrator's password in this database.
bool Matches(Connection& connection, const QString& typed);

// Stores the hash of a new password, replacing any earlier one.
void Change(Connection& connection, const QString& newPassword);

// Puts the default password back; false when it was the default already.
bool Reset(Connection& connection);

// How much work a new hash costs. The program always uses Interactive
// (libsodium's limits for an interactive sign-in); only the tests lower it,
// to stay fast. Checking a stored hash always costs what it was made with.
enum class HashCost { Interactive, Minimum };
void SetHashCost(HashCost cost);

}
