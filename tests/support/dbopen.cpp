// dbopen FOLDER: opens the program's database in FOLDER as the program does
// at start, and prints "opened" or the message the user would be shown.
#include "data/Connection.h"
#include "data/DbError.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Connection connection;
    try {
        connection.OpenProgramDatabase(QString::fromLocal8Bit(argv[1]));
    } catch (const DbError& error) {
        std::printf("%s\n", error.message().toUtf8().constData());
        return 1;
    }
    std::printf("opened\n");
    return 0;
}
