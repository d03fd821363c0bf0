#pragma once

#include <QString>
#include <optional>

// Where a lab's shared PostgreSQL database is: the [PostgreSQL] section of
// the settings file VornickTest.ini beside the program.
struct ServerSettings {
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
    // TLS, handed to the server's driver as they are: sslmode (verify-full
    // is recommended) and the certificate of the authority that signed the
    // server's (a relative path taken from the settings file's folder).
    QString sslmode;
    QString sslrootcert;
    // The server's administrator role (adminuser=); a workstation's settings
    // file never holds its password.
    QString adminUser;

    static inline const QString FileName = QStringLiteral("VornickTest.ini");

    // Reads a settings file. Each value is everything after the first '='
    // of its line, exactly (less a Windows line end). A password file
    // (passwordfile=, relative to the settings file) gives the password in
    // its first line. Throws DbError when the file names no database, holds
    // a section or key the program does not know (named in the message), or
    // its password file cannot be read.
    static ServerSettings Read(const QString& settingsPath);

    // Writes a settings file naming this server, every value as it is;
    // empty ones are left out.
    void Write(const QString& settingsPath) const;

    // Throws DbError naming the folder when the folder a settings file is to
    // be written in does not exist, so that a tool can refuse before it
    // changes anything.
    static void RequireFolderFor(const QString& settingsPath);
};

// The database the program uses. Without a settings file beside the program,
// Ostrel.mdb beside it (a folder install, a USB stick); with one, the database
// file of its [Database] section (file=PATH, a relative path taken from the
// settings file's folder) or the server of its [PostgreSQL] section.
struct DatabaseLocation {
    std::optional<ServerSettings> server;
    QString file;  // the database file, when there is no server

    // Throws DbError when the settings file cannot be read, names neither
    // or names both.
    static DatabaseLocation Read(const QString& settingsPath);
    static DatabaseLocation Beside(const QString& programFolder);

    // The file's path or the server's database, for messages.
    QString Describe() const;
};
