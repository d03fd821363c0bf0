#include "ServerSettings.h"

#include "DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace {

const QString ServerSection = QStringLiteral("postgresql");
const QString FileSection = QStringLiteral("database");

// The keys each section may hold; anything else is refused by name, so that
// a misspelt key never passes for one that was left out.
const QHash<QString, QStringList> KnownKeys{
    {FileSection, {QStringLiteral("file")}},
    {ServerSection,
     {QStringLiteral("host"), QStringLiteral("port"), QStringLiteral("database"), QStringLiteral("user"),
      QStringLiteral("password"), QStringLiteral("passwordfile"), QStringLiteral("sslmode"),
      QStringLiteral("sslrootcert"), QStringLiteral("adminuser")}},
};

// A settings file as written: [Section] headers and key=value lines. The
// value is everything after the first '=', exactly as it stands (commas,
// semicolons, quotes, backslashes and blanks at either end included), less
// the carriage return of a file saved on Windows. Section and key names are
// found whatever their case, blanks around them ignored; blank lines and
// lines beginning with ';' or '#' are comments.
class SettingsFile {
public:
    explicit SettingsFile(const QString& path) : path_(path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw DbError(QStringLiteral("The settings file %1 cannot be read.").arg(path));
        QString text = QString::fromUtf8(file.readAll());
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        const QStringList lines = text.split(u'\n');
        for (int i = 0; i < lines.size(); ++i)
            TakeLine(lines[i].endsWith(u'\r') ? lines[i].chopped(1) : lines[i], i + 1);
    }

    bool HasSection(const QString& section) const { return sections_.contains(section); }

    QString Value(const QString& section, const QString& key, const QString& fallback = QString()) const
    {
        return values_.value(section + u'/' + key, fallback);
    }

    bool Has(const QString& section, const QString& key) const { return values_.contains(section + u'/' + key); }

private:
    void TakeLine(const QString& line, int number)
    {
        const QString bare = line.trimmed();
        if (bare.isEmpty() || bare.startsWith(u';') || bare.startsWith(u'#'))
            return;
        if (bare.startsWith(u'[') && bare.endsWith(u']')) {
            section_ = bare.mid(1, bare.size() - 2).trimmed().toLower();
            if (!KnownKeys.contains(section_))
                Refuse(QStringLiteral("has a section the program does not know: [%1]").arg(bare.mid(1, bare.size() - 2)),
                       number);
            sections_ << section_;
            return;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            Refuse(QStringLiteral("has a line that is neither [Section] nor key=value"), number);
        const QString key = line.left(equals).trimmed();
        if (section_.isEmpty() || !KnownKeys.value(section_).contains(key.toLower()))
            Refuse(QStringLiteral("has a key the program does not know: %1").arg(key), number);
        const QString name = section_ + u'/' + key.toLower();
        if (values_.contains(name))
            Refuse(QStringLiteral("names %1 twice").arg(key), number);
        values_.insert(name, line.mid(equals + 1));
    }

    [[noreturn]] void Refuse(const QString& what, int number) const
    {
        throw DbError(QStringLiteral("The settings file %1 %2 (line %3).").arg(path_, what).arg(number));
    }

    QString path_;
    QString section_;
    QStringList sections_;
    QHash<QString, QString> values_;
};

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

ServerSettings ServerFrom(const SettingsFile& ini, const QString& settingsPath)
{
    ServerSettings settings;
    settings.host = ini.Value(ServerSection, QStringLiteral("host"), QStringLiteral("localhost"));
    settings.database = ini.Value(ServerSection, QStringLiteral("database"));
    settings.user = ini.Value(ServerSection, QStringLiteral("user"));
    settings.adminUser = ini.Value(ServerSection, QStringLiteral("adminuser"));
    settings.sslmode = ini.Value(ServerSection, QStringLiteral("sslmode"));
    const QString rootCertificate = ini.Value(ServerSection, QStringLiteral("sslrootcert"));
    if (!rootCertificate.isEmpty())
        settings.sslrootcert = NamedPath(settingsPath, rootCertificate);
    bool portIsNumber = true;
    if (ini.Has(ServerSection, QStringLiteral("port")))
        settings.port = ini.Value(ServerSection, QStringLiteral("port")).trimmed().toInt(&portIsNumber);
    if (settings.database.isEmpty())
        throw DbError(QStringLiteral("The settings file %1 names no database: its [PostgreSQL] section "
                                     "needs a line database=NAME.").arg(settingsPath));
    if (!portIsNumber || settings.port <= 0 || settings.port > 65535)
        throw DbError(QStringLiteral("The settings file %1 names no valid port.").arg(settingsPath));
    const QString passwordFile = ini.Value(ServerSection, QStringLiteral("passwordfile"));
    settings.password = passwordFile.isEmpty() ? ini.Value(ServerSection, QStringLiteral("password"))
                                               : PasswordFromFile(settingsPath, passwordFile);
    return settings;
}

}

ServerSettings ServerSettings::Read(const QString& settingsPath)
{
    return ServerFrom(SettingsFile(settingsPath), settingsPath);
}

void ServerSettings::Write(const QString& settingsPath) const
{
    const QList<std::pair<QString, QString>> lines{
        {QStringLiteral("host"), host},         {QStringLiteral("port"), QString::number(port)},
        {QStringLiteral("database"), database}, {QStringLiteral("user"), user},
        {QStringLiteral("password"), password}, {QStringLiteral("sslmode"), sslmode},
        {QStringLiteral("sslrootcert"), sslrootcert}, {QStringLiteral("adminuser"), adminUser}};
    QString text = QStringLiteral("[PostgreSQL]\n");
    for (const auto& [key, value] : lines) {
        // A line break would end the value early when the file is read back.
        if (value.contains(u'\n') || value.contains(u'\r'))
            throw DbError(QStringLiteral("The %1 for the settings file %2 holds a line break.").arg(key, settingsPath));
        if (!value.isEmpty())
            text += key + u'=' + value + u'\n';
    }
    RequireFolderFor(settingsPath);
    QFile file(settingsPath);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw DbError(QStringLiteral("The settings file %1 cannot be written: %2.").arg(settingsPath, file.errorString()));
}

void ServerSettings::RequireFolderFor(const QString& settingsPath)
{
    const QString folder = QFileInfo(settingsPath).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw DbError(QStringLiteral("The settings file %1 cannot be written: the folder %2 does not exist.")
                          .arg(settingsPath, folder));
}

DatabaseLocation DatabaseLocation::Read(const QString& settingsPath)
{
    const SettingsFile ini(settingsPath);
    const bool namesServer = ini.HasSection(ServerSection);
    const QString file = ini.Value(FileSection, QStringLiteral("file"));
    if (namesServer && !file.isEmpty())
        throw DbError(QStringLiteral("The settings file %1 names both a database file and a server; "
                                     "it may name only one.").arg(settingsPath));
    if (namesServer)
        return {ServerFrom(ini, settingsPath), {}};
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
