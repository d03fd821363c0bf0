// Puts the administrator's password back to the default when it has been
// forgotten:
//   vornick-passwd --reset             the database of the program beside this tool
//   vornick-passwd --reset DATABASE    an Ostrel.mdb
//   vornick-passwd --reset SETTINGS    the database a VornickTest.ini names
#include "app/Language.h"
#include "data/AdminPassword.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/ServerSettings.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

void Print(const QString& text, std::FILE* stream = stdout)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

QString Tr(const char* text) { return QCoreApplication::translate("vornick-passwd", text); }

int Usage()
{
    Print(Tr(QT_TRANSLATE_NOOP("vornick-passwd",
                               "usage: vornick-passwd --reset [DATABASE | SETTINGS]\n"
                               "Puts the administrator's password back to the default. Without a path, the database\n"
                               "of the program installed beside this tool; a path ending in .ini is a settings file.")),
          stderr);
    return 2;
}

// A lab workstation's administrator is the server's own role: its password
// is the server's, which only the database's owner sets anew.
int LabAdministratorNote(const QString& role)
{
    Print(Tr(QT_TRANSLATE_NOOP("vornick-passwd",
                               "vornick-passwd: on this lab's server the administrator signs in as the role %1, whose\n"
                               "password the server keeps. As the database's owner, give it a new one with psql:\n"
                               "    \\password %1"))
              .arg(role),
          stderr);
    return 1;
}

DatabaseLocation LocationOf(const QStringList& args)
{
    if (args.size() == 1)
        return DatabaseLocation::Beside(QCoreApplication::applicationDirPath());
    if (args[1].endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
        return DatabaseLocation::Read(args[1]);
    return {std::nullopt, args[1]};
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    try {
        Language::Start(QCoreApplication::applicationDirPath());
    } catch (const DbError& error) {
        Print(QStringLiteral("vornick-passwd: ") + error.message(), stderr);
        return 1;
    }
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() > 2 || args[0] != QLatin1String("--reset"))
        return Usage();
    try {
        const DatabaseLocation location = LocationOf(args);
        if (location.server && !location.server->adminUser.isEmpty())
            return LabAdministratorNote(location.server->adminUser);
        Connection connection(QStringLiteral("vornick-passwd"));
        connection.Open(location);
        const bool changed = AdminPassword::Reset(connection);
        Print((changed ? Tr(QT_TRANSLATE_NOOP("vornick-passwd", "The administrator's password of %1 is \"%2\" again."))
                       : Tr(QT_TRANSLATE_NOOP("vornick-passwd", "The administrator's password of %1 was \"%2\" already.")))
                  .arg(location.Describe(), AdminPassword::Default));
        return 0;
    } catch (const DbError& error) {
        Print(QStringLiteral("vornick-passwd: ") + error.message(), stderr);
        return 1;
    }
}
