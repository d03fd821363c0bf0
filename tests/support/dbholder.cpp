// dbholder DATABASE MILLISECONDS: holds an exclusive lock on the database
// file for that long, having said "locked".
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!db.open())
        return 1;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN EXCLUSIVE")))
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(static_cast<unsigned long>(QByteArray(argv[2]).toLong()));
    query.exec(QStringLiteral("COMMIT"));
    return 0;
}
