// dbholder DATABASE MILLISECONDS [STATEMENT...]: holds the database's lock
// for that long, having said "locked", then commits. Without statements the
// lock is exclusive (no one else reads); with them it is the write lock a
// program takes to change the file (others still read what was committed),
// and the statements run under it, as another program in the middle of
// changing the file. Exits 1 when the commit fails.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!db.open())
        return 1;
    QSqlQuery query(db);
    if (!query.exec(argc == 3 ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("BEGIN IMMEDIATE")))
        return 1;
    for (int statement = 3; statement < argc; ++statement) {
        if (!query.exec(QString::fromLocal8Bit(argv[statement])))
            return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(static_cast<unsigned long>(QByteArray(argv[2]).toLong()));
    return query.exec(QStringLiteral("COMMIT")) ? 0 : 1;
}
