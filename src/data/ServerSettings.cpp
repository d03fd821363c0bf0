#include "ServerSettings.h"

#include "DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString Section = QStringLiteral("PostgreSQL/");
const QString ServerGroup = QStringLiteral("PostgreSQL");
const QString FileKey = QStringLiteral("Database/file");

// A path named in a settings file: a relative one is taken from the folder
// that holds the settings file.
QString NamedPath(const QString& settingsPath, const QString& named)
{
    return QDir::cleanPath(QFileInfo(settingsPath).dir().absoluteFilePath(named));
}

QString PasswordFromFile(const QString& settingsPath, const QString& passwordFile)
{
    const QString path = NamedPath(settingsPath, passwordFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("The password file %1 named in %2 cannot be read: %3")
                          .arg(path, settingsPath, file.errorString()));
    QByteArray firstLine = file.readLine();
    while (firstLine.endsWith('\n') || firstLine.endsWith('\r'))
        firstLine.chop(1);
    return QString::fromUtf8(firstLine);
}

// QSettings reports a missing file as an empty one; a settings file that is
// there but unreadable must not pass for one that names nothing.
void RefuseUnreadable(const QString& settingsPath, const QSettings& ini)
{
    if (ini.status() != QSettings::NoError || !QFileInfo(settingsPath).isReadable())
        throw DbError(QStringLiteral("The settings file %1 cannot be read.").arg(settingsPath));
}

}

ServerSettings ServerSettings::Read(const QString& settingsPath)
{
    const QSettings ini(settingsPath, QSettings::IniFormat);
    RefuseUnreadable(settingsPath, ini);
    ServerSettings settings;
    settings.host = ini.value(Section + QStringLiteral("host"), QStringLiteral("localhost")).toString();
    settings.database = ini.value(Section + QStringLiteral("database")).toString();
    settings.user = ini.value(Section + QStringLiteral("user")).toString();
    bool portIsNumber = false;
    settings.port = ini.value(Section + QStringLiteral("port"), 5432).toInt(&portIsNumber);
    if (settings.database.isEmpty())
        throw DbError(QStringLiteral("The settings file %1 names no database: its [PostgreSQL] section "
                                     "needs a line database=NAME.").arg(settingsPath));
    if (!portIsNumber || settings.port <= 0 || settings.port > 65535)
        throw DbError(QStringLiteral("The settings file %1 names no valid port.").arg(settingsPath));
    const QString passwordFile = ini.value(Section + QStringLiteral("passwordfile")).toString();
    settings.password = passwordFile.isEmpty() ? ini.value(Section + QStringLiteral("password")).toString()
                                               : PasswordFromFile(settingsPath, passwordFile);
    return settings;
}

void ServerSettings::Write(const QString& settingsPath) const
{
    QSettings ini(settingsPath, QSettings::IniFormat);
    ini.setValue(Section + QStringLiteral("host"), host);
    ini.setValue(Section + QStringLiteral("port"), port);
    ini.setValue(Section + QStringLiteral("database"), database);
    ini.setValue(Section + QStringLiteral("user"), user);
    ini.setValue(Section + QStringLiteral("password"), password);
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw DbError(QStringLiteral("The settings file %1 cannot be written.").arg(settingsPath));
}

DatabaseLocation DatabaseLocation::Read(const QString& settingsPath)
{
    const QSettings ini(settingsPath, QSettings::IniFormat);
    RefuseUnreadable(settingsPath, ini);
    const bool namesServer = ini.childGroups().contains(ServerGroup);
    const QString file = ini.value(FileKey).toString();
    if (namesServer && !file.isEmpty())
        throw DbError(QStringLiteral("The settings file %1 names both a database file and a server; "
                                     "it may name only one.").arg(settingsPath));
    if (namesServer)
        return {ServerSettings::Read(settingsPath), {}};
    if (file.isEmpty())
        throw DbError(QStringLiteral("The settings file %1 names no database: it needs a [Database] section "
                                     "with a line file=PATH, or a [PostgreSQL] section.").arg(settingsPath));
    return {std::nullopt, NamedPath(settingsPath, file)};
}

DatabaseLocation DatabaseLocation::Beside(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QString settingsPath = folder.filePath(ServerSettings::FileName);
    if (!QFileInfo::exists(settingsPath))
        return {std::nullopt, folder.filePath(QStringLiteral("Ostrel.mdb"))};
    return Read(settingsPath);
}

QString DatabaseLocation::Describe() const
{
    if (server)
        return QStringLiteral("the database %1 on %2").arg(server->database, server->host);
    return file;
}
