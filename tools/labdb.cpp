// Sets up a lab's shared PostgreSQL database from the settings file that the
// workstations use (VornickTest.ini):
//   labdb create SETTINGS [WORKSTATION]   creates the tables, the functions and
//                                  the roles on the empty database
//   labdb copy DATABASE SETTINGS   copies an Ostrel.mdb's students, tests,
//                                  results and pictures into it, keeping their numbers
//   labdb upgrade SETTINGS [WORKSTATION]  brings the tables of an older version up to date
//   labdb harden SUPERUSER         takes from everyone the server's functions a
//                                  student could harm others with
// SETTINGS names the database's owner, SUPERUSER the server's superuser and
// the database; WORKSTATION, when given, is where the settings file for the
// workstations is written: the server, the database and the administrator
// role's name, no password.
#include "LabDatabase.h"
#include "data/DbError.h"
#include "data/ServerSettings.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: labdb create SETTINGS [WORKSTATION]\n"
                 "       labdb copy DATABASE SETTINGS\n"
                 "       labdb upgrade SETTINGS [WORKSTATION]\n"
                 "       labdb harden SUPERUSER\n"
                 "SETTINGS is a VornickTest.ini naming the server and the database's owner;\n"
                 "WORKSTATION is the VornickTest.ini to write for the workstations; DATABASE is an Ostrel.mdb;\n"
                 "SUPERUSER is a VornickTest.ini naming the server's superuser and the database.\n");
    return 2;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        const QString workstation = args.size() == 3 ? args[2] : QString();
        // Refused before the server is touched, which would otherwise be left
        // with a workstation password written nowhere.
        if (!workstation.isEmpty() && args[0] != QLatin1String("copy"))
            ServerSettings::RequireFolderFor(workstation);
        if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("create")) {
            LabDatabase::Create(ServerSettings::Read(args[1]), workstation);
            std::printf("created the tables, the functions and the roles\n");
            if (!workstation.isEmpty())
                std::printf("wrote the workstations' settings file %s\n", qPrintable(workstation));
            return 0;
        }
        if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("upgrade")) {
            const ServerSettings server = ServerSettings::Read(args[1]);
            const LabDatabase::Versions versions = LabDatabase::Upgrade(server);
            if (!workstation.isEmpty()) {
                LabDatabase::WriteWorkstationSettings(server, workstation);
                std::printf("wrote the workstations' settings file %s\n", qPrintable(workstation));
            }
            if (versions.before == versions.after)
                std::printf("the tables are at version %d already\n", versions.after);
            else
                std::printf("brought the tables from version %d to version %d\n", versions.before, versions.after);
            return 0;
        }
        if (args.size() == 3 && args[0] == QLatin1String("copy")) {
            const LabDatabase::Copied copied = LabDatabase::CopyFrom(args[1], ServerSettings::Read(args[2]));
            std::printf("copied %d students, %d tests, %d results and %d pictures\n", copied.students, copied.tests,
                        copied.results, copied.pictures);
            if (!copied.shortPasswords.empty())
                std::printf("these students' passwords are shorter than %d characters; give them new ones:\n",
                            LabDatabase::ShortestPassword);
            for (const LabDatabase::Account& account : copied.shortPasswords)
                std::printf("  %lld %s\n", static_cast<long long>(account.number), qPrintable(account.name));
            return 0;
        }
        if (args.size() == 2 && args[0] == QLatin1String("harden")) {
            LabDatabase::Harden(ServerSettings::Read(args[1]));
            std::printf("took setseed, pg_sleep, the advisory locks, the large objects and the signals to other "
                        "sessions from everyone but the superuser\n");
            return 0;
        }
    } catch (const DbError& error) {
        std::fprintf(stderr, "labdb: %s\n", error.what());
        return 1;
    }
    return Usage();
}
