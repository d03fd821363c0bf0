// Sets up a lab's shared PostgreSQL database from the settings file that the
// workstations use (VornickTest.ini):
//   labdb create SETTINGS [WORKSTATION]   creates the tables, the functions and
//                                  the roles on the empty database
//   labdb copy DATABASE SETTINGS   copies an Ostrel.mdb's students, tests,
//                                  results and pictures into it, keeping their numbers
//   labdb upgrade SETTINGS [WORKSTATION]  brings the tables of an older version up to date
//   labdb harden SUPERUSER         takes from everyone the server's functions a
//                                  student could harm others with
//   labdb admin-password SETTINGS  gives the administrator role its password,
//                                  typed at the prompt or the first line of the input
//   labdb join HOST WORKSTATION [--ca FILE] [--database NAME] [--port PORT]
//                                  writes a workstation's settings file for the
//                                  lab database on HOST and checks that it answers
// SETTINGS names the database's owner, SUPERUSER the server's superuser and
// the database; WORKSTATION, when given, is where the settings file for the
// workstations is written: the server, the database and the administrator
// role's name, no password.
#include "LabDatabase.h"
#include "app/Language.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

void Print(const QString& text, std::FILE* stream = stdout)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

int Usage()
{
    Print(QCoreApplication::translate(
              "labdb", "usage: labdb create SETTINGS [WORKSTATION]\n"
                       "       labdb copy DATABASE SETTINGS\n"
                       "       labdb upgrade SETTINGS [WORKSTATION]\n"
                       "       labdb harden SUPERUSER\n"
                       "       labdb admin-password SETTINGS\n"
                       "       labdb join HOST WORKSTATION [--ca FILE] [--database NAME] [--port PORT]\n"
                       "SETTINGS is a VornickTest.ini naming the server and the database's owner;\n"
                       "WORKSTATION is the VornickTest.ini to write for the workstations; DATABASE is an Ostrel.mdb;\n"
                       "SUPERUSER is a VornickTest.ini naming the server's superuser and the database."),
          stderr);
    return 2;
}

// One line of the input, the line end left out.
QString InputLine()
{
    std::string line;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
        line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

// A line typed at the terminal without showing it.
QString Hidden(const QString& prompt)
{
    std::fputs(prompt.toUtf8().constData(), stderr);
    termios shown{};
    tcgetattr(STDIN_FILENO, &shown);
    termios hidden = shown;
    hidden.c_lflag &= ~tcflag_t(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    const QString line = InputLine();
    tcsetattr(STDIN_FILENO, TCSANOW, &shown);
    std::fputc('\n', stderr);
    return line;
}

// The new password: typed twice at a terminal, else the input's first line.
QString NewPassword()
{
    if (!isatty(STDIN_FILENO))
        return InputLine();
    const QString password = Hidden(QCoreApplication::translate("labdb", "New password for the administrator role: "));
    if (Hidden(QCoreApplication::translate("labdb", "The same password again: ")) != password)
        throw DbError(QCoreApplication::translate("labdb", "The two passwords differ; nothing was changed."));
    return password;
}

// `labdb join HOST WORKSTATION [--ca FILE] [--database NAME] [--port PORT]`; false when
// the arguments are not that.
bool Join(QStringList args)
{
    QString caFile;
    QString database = QStringLiteral("vornicktest");
    QString port = QStringLiteral("5432");
    for (const auto& [option, value] : {std::pair{QStringLiteral("--ca"), &caFile}, {QStringLiteral("--database"), &database},
                                        {QStringLiteral("--port"), &port}}) {
        const qsizetype at = args.indexOf(option);
        if (at < 0)
            continue;
        if (at + 1 >= args.size())
            return false;
        *value = args[at + 1];
        args.remove(at, 2);
    }
    bool number = false;
    const int portNumber = port.toInt(&number);
    if (args.size() != 3 || !number || portNumber < 1 || portNumber > 65535)
        return false;
    LabDatabase::Join(args[1], portNumber, database, caFile, args[2]);
    Print(QCoreApplication::translate("labdb", "wrote %1; the server %2 answers and asks for the administrator's password")
              .arg(args[2], args[1]));
    return true;
}

void TellWorkstationSettings(const QString& workstation)
{
    Print(QCoreApplication::translate("labdb", "wrote the workstations' settings file %1").arg(workstation));
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        Language::Start(QCoreApplication::applicationDirPath());
        if (!args.isEmpty() && args[0] == QLatin1String("join"))
            return Join(args) ? 0 : Usage();
        if (args.size() == 2 && args[0] == QLatin1String("admin-password")) {
            const ServerSettings owner = ServerSettings::Read(args[1]);
            LabDatabase::SetAdministratorPassword(owner, NewPassword());
            Print(QCoreApplication::translate("labdb", "gave the administrator role %1 its new password")
                      .arg(Schema::AdministratorRole(owner.database)));
            return 0;
        }
        const QString workstation = args.size() == 3 ? args[2] : QString();
        // Refused before the server is touched, which would otherwise be left
        // with a workstation password written nowhere.
        if (!workstation.isEmpty() && args[0] != QLatin1String("copy"))
            ServerSettings::RequireFolderFor(workstation);
        if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("create")) {
            LabDatabase::Create(ServerSettings::Read(args[1]), workstation);
            Print(QCoreApplication::translate("labdb", "created the tables, the functions and the roles"));
            if (!workstation.isEmpty())
                TellWorkstationSettings(workstation);
            return 0;
        }
        if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("upgrade")) {
            const ServerSettings server = ServerSettings::Read(args[1]);
            const LabDatabase::Versions versions = LabDatabase::Upgrade(server);
            if (!workstation.isEmpty()) {
                LabDatabase::WriteWorkstationSettings(server, workstation);
                TellWorkstationSettings(workstation);
            }
            if (versions.before == versions.after)
                Print(QCoreApplication::translate("labdb", "the tables are at version %1 already").arg(versions.after));
            else
                Print(QCoreApplication::translate("labdb", "brought the tables from version %1 to version %2")
                          .arg(versions.before)
                          .arg(versions.after));
            return 0;
        }
        if (args.size() == 3 && args[0] == QLatin1String("copy")) {
            const LabDatabase::Copied copied = LabDatabase::CopyFrom(args[1], ServerSettings::Read(args[2]));
            // Each count in its own plural form.
            Print(QCoreApplication::translate("labdb", "copied %1, %2, %3 and %4")
                      .arg(QCoreApplication::translate("labdb", "%n students", nullptr, int(copied.students)),
                           QCoreApplication::translate("labdb", "%n tests", nullptr, int(copied.tests)),
                           QCoreApplication::translate("labdb", "%n results", nullptr, int(copied.results)),
                           QCoreApplication::translate("labdb", "%n pictures", nullptr, int(copied.pictures))));
            if (!copied.shortPasswords.empty())
                Print(QCoreApplication::translate(
                          "labdb", "these students' passwords are shorter than %n characters; give them new ones:", nullptr,
                          LabDatabase::ShortestPassword));
            for (const LabDatabase::Account& account : copied.shortPasswords)
                Print(QStringLiteral("  %1 %2").arg(account.number).arg(account.name));
            return 0;
        }
        if (args.size() == 2 && args[0] == QLatin1String("harden")) {
            LabDatabase::Harden(ServerSettings::Read(args[1]));
            Print(QCoreApplication::translate("labdb", "took setseed, pg_sleep, the advisory locks, the large objects "
                                                       "and the signals to other sessions from everyone but the superuser"));
            return 0;
        }
    } catch (const DbError& error) {
        Print(QStringLiteral("labdb: ") + error.message(), stderr);
        return 1;
    }
    return Usage();
}
