#include "ServerSettings.h"

#include "DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString Section = QStringLiteral("PostgreSQL/");

QString PasswordFromFile(const QString& settingsPath, const QString& passwordFile)
{
    const QString path = QFileInfo(settingsPath).dir().absoluteFilePath(passwordFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("The password file %1 named in %2 cannot be read: %3")
                          .arg(path, settingsPath, file.errorString()));
    QByteArray firstLine = file.readLine();
    while (firstLine.endsWith('\n') || firstLine.endsWith('\r'))
        firstLine.chop(1);
    return QString::fromUtf8(firstLine);
}

}

ServerSettings ServerSettings::Read(const QString& settingsPath)
{
    const QSettings ini(settingsPath, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        throw DbError(QStringLiteral("The settings file %1 cannot be read.").arg(settingsPath));
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

std::optional<ServerSettings> ServerSettings::ReadBeside(const QString& folder)
{
    const QString path = QDir(folder).filePath(FileName);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return Read(path);
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
