#pragma once

#include <QByteArray>
#include <QString>

class Connection;

// A lab server's own password of a role, as the server keeps it: a
// SCRAM-SHA-256 verifier, which the server checks a signing-in client
// against without ever holding the password itself.
namespace RolePassword {

// The verifier of `password` with `salt`, as PostgreSQL stores it and psql's
// \password makes it: "SCRAM-SHA-256$<iterations>:<salt>$<StoredKey>:<ServerKey>",
// each part in Base64, the salted password taken with PBKDF2-HMAC-SHA-256.
QString ScramVerifier(const QString& password, const QByteArray& salt, int iterations = 4096);

// Gives the role signed in on `connection` a new password. Only its verifier,
// with a fresh random salt, goes to the server, so the password itself never
// reaches the server's statement log. The connection keeps the new password
// for reconnecting.
void ChangeOwn(Connection& connection, const QString& newPassword);

// Gives another role a new password, as ChangeOwn does, on a connection of a
// role that may change it (the database's owner).
void SetFor(Connection& connection, const QString& role, const QString& newPassword);

}
