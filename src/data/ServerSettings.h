#pragma once

#include <QString>
#include <optional>

// Where a lab's shared PostgreSQL database is: the [PostgreSQL] section of
// the settings file VornickTest.ini beside the program. Without that file the
// program uses its own database file.
struct ServerSettings {
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;

    static inline const QString FileName = QStringLiteral("VornickTest.ini");

    // Reads a settings file. A password file (passwordfile=, relative to the
    // settings file) gives the password in its first line. Throws DbError
    // when the file names no database or its password file cannot be read.
    static ServerSettings Read(const QString& settingsPath);

    // The settings file in `folder`, when there is one.
    static std::optional<ServerSettings> ReadBeside(const QString& folder);

    // Writes a settings file naming this server (the password written as is).
    void Write(const QString& settingsPath) const;
};
