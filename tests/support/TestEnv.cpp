#include "TestEnv.h"

#include "app/Module1.h"
#include "data/Schema.h"
#include "screens/Screens.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <stdexcept>

TestEnv::TestEnv()
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    fake.programFolder = dir_.path();
    SetPlatform(&fake);
    Screens::DiscardAll();
    Module1::Reset();
    Schema::CreateDatabase(DatabasePath());
    connectionName_ = QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(DatabasePath());
    if (!db.open())
        throw std::runtime_error(db.lastError().text().toStdString());
}

TestEnv::~TestEnv()
{
    Screens::DiscardAll();
    ProcessEvents();
    Module1::Reset();
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
    SetPlatform(nullptr);
}

QString TestEnv::DatabasePath() const { return dir_.path() + QStringLiteral("/Ostrel.mdb"); }

void TestEnv::OpenDatabase()
{
    Module1::cnDatabase.Open(DatabasePath());
    Module1::rsPasswords.Open(Sql::AllPasswords(), Module1::cnDatabase);
    Module1::rsTests.Open(Sql::AllTests(), Module1::cnDatabase);
}

void TestEnv::Exec(const QString& sql, const QVariantList& values) { Insert(sql, values); }

qint64 TestEnv::Insert(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(QSqlDatabase::database(connectionName_));
    if (!query.prepare(sql))
        throw std::runtime_error(query.lastError().text().toStdString());
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        throw std::runtime_error(query.lastError().text().toStdString());
    return query.lastInsertId().toLongLong();
}

QVariant TestEnv::Scalar(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(QSqlDatabase::database(connectionName_));
    if (!query.prepare(sql))
        throw std::runtime_error(query.lastError().text().toStdString());
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        throw std::runtime_error(query.lastError().text().toStdString());
    return query.next() ? query.value(0) : QVariant();
}

qint64 TestEnv::AddStudent(const QString& name, const QString& password)
{
    return Insert(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES (?, ?)"),
                  {name, password});
}

qint64 TestEnv::AddTest(const QString& name, int minutes, const QString& description)
{
    QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldDescription"), QStringLiteral("fldTime")};
    QVariantList values{name, description, minutes};
    for (int s = 1; s <= 25; ++s) {
        columns << QStringLiteral("fldQ%1").arg(s) << QStringLiteral("fldQ%1Answer").arg(s)
                << QStringLiteral("fldQ%1Phony1").arg(s) << QStringLiteral("fldQ%1Phony2").arg(s);
        values << QStringLiteral("Q%1").arg(s) << QStringLiteral("A%1").arg(s)
               << QStringLiteral("P%1a").arg(s) << QStringLiteral("P%1b").arg(s);
    }
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return Insert(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)").arg(columns.join(u','), marks.join(u',')),
                  values);
}

void ProcessEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
