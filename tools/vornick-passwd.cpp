// Puts the administrator's password back to the default when it has been
// forgotten:
//   vornick-passwd --reset             the database of the program beside this tool
//   vornick-passwd --reset DATABASE    an Ostrel.mdb
//   vornick-passwd --reset SETTINGS    the database a VornickTest.ini names
#include "data/AdminPassword.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/ServerSettings.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: vornick-passwd --reset [DATABASE | SETTINGS]\n"
                 "Puts the administrator's password back to the default. Without a path, the database\n"
                 "of the program installed beside this tool; a path ending in .ini is a settings file.\n");
    return 2;
}

// A lab workstation's administrator is the server's own role: its password
// is the server's, which only the database's owner sets anew.
int LabAdministratorNote(const QString& role)
{
    std::fprintf(stderr,
                 "vornick-passwd: on this lab's server the administrator signs in as the role %s, whose\n"
                 "password the server keeps. As the database's owner, give it a new one with psql:\n"
                 "    \\password %s\n",
                 qPrintable(role), qPrintable(role));
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
        std::printf(changed ? "The administrator's password of %s is \"%s\" again.\n"
                            : "The administrator's password of %s was \"%s\" already.\n",
                    qPrintable(location.Describe()), qPrintable(AdminPassword::Default));
        return 0;
    } catch (const DbError& error) {
        std::fprintf(stderr, "vornick-passwd: %s\n", error.what());
        return 1;
    }
}
