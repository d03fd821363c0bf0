#include "TestEnv.h"

#include <QFile>

#include "TestServer.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"
#include "work/StudentWork.h"
#include "work/WorkKinds.h"
#include "LabDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <stdexcept>

TestEnv::TestEnv(Workstation workstation)
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    fake.programFolder = dir_.path();
    SetPlatform(&fake);
    Screens::DiscardAll();
    CloseWork();
    Module1::Reset();
    direct_ = std::make_unique<Connection>(QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!OnServer()) {
        Schema::CreateDatabase(DatabasePath());
        direct_->OpenProgramDatabase(dir_.path());
        return;
    }
    owner_ = TestServer::FreshDatabase();
    const ServerSettings& owner = owner_;
    direct_->Open(owner);
    lab_ = workstation == Workstation::Lab || LabRun();
    if (lab_)
        MakeLabWorkstation(owner);
    else
        owner.Write(dir_.filePath(ServerSettings::FileName));
}

// The settings file labdb writes for a lab's workstations, and the
// administrator role given the administrator's first password.
void TestEnv::MakeLabWorkstation(const ServerSettings& owner)
{
    LabDatabase::WriteWorkstationSettings(owner, dir_.filePath(ServerSettings::FileName));
    const QString alter = Scalar(QStringLiteral("SELECT format('ALTER ROLE %I PASSWORD %L', CAST(? AS TEXT), 'plum')"),
                                 {Schema::AdministratorRole(owner.database)})
                              .toString();
    Exec(alter);
    // The server dates a finished attempt by its own clock.
    fake.today = Scalar(QStringLiteral("SELECT to_char(current_date, 'DD/MM/YYYY')")).toString();
}

TestEnv::~TestEnv()
{
    Screens::DiscardAll();
    ProcessEvents();
    CloseWork();
    Module1::Reset();
    direct_.reset();
    SetPlatform(nullptr);
}

QString TestEnv::DatabasePath() const { return dir_.path() + QStringLiteral("/Ostrel.mdb"); }

bool TestEnv::OnServer() { return TestServer::Settings().has_value(); }

bool TestEnv::LabRun() { return OnServer() && qEnvironmentVariable("VORNICK_TEST_LAB") == QLatin1String("1"); }

// A lab workstation's role may read no table.
void TestEnv::OpenDatabase()
{
    Module1::cnDatabase.OpenProgramDatabase(dir_.path());
    Student().ReadAtStart();
}

bool TestEnv::SignInOnLab(qint64 studentNumber)
{
    if (!OnLab())
        return false;
    SignInStudent(studentNumber);
    return true;
}

void TestEnv::SignInStudent(qint64 studentNumber)
{
    const QStringList account =
        Rows(QStringLiteral("SELECT fldStudentName, fldPassword FROM Passwords WHERE fldStudentNumber = ?"),
             {studentNumber});
    if (account.isEmpty() || !Student().SignIn(account[0].section(u'|', 0, 0), account[0].section(u'|', 1)))
        throw std::runtime_error("no such student");
}

// Repeated like the program's reads when a test restarts the server.
QSqlQuery TestEnv::Run(const QString& sql, const QVariantList& values)
{
    QSqlQuery result;
    direct_->Repeatable(Connection::Unit::Read, [&] {
        QSqlQuery query(direct_->Database());
        // A server prepares only queries and row changes: DROP TABLE runs as it is.
        bool done = values.isEmpty() ? query.exec(sql) : query.prepare(sql);
        for (int i = 0; done && i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (done && !values.isEmpty())
            done = query.exec();
        if (!done)
            throw DbError(query.lastError().text());
        result = std::move(query);
    });
    return result;
}

void TestEnv::Exec(const QString& sql, const QVariantList& values) { Run(sql, values); }

// The key is the first column: the server returns it, SQLite reports the row id.
qint64 TestEnv::Insert(const QString& sql, const QVariantList& values)
{
    if (direct_->Engine() == DbEngine::SQLite)
        return Run(sql, values).lastInsertId().toLongLong();
    QSqlQuery query = Run(sql + QStringLiteral(" RETURNING *"), values);
    return query.next() ? query.value(0).toLongLong() : 0;
}

QVariant TestEnv::Scalar(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = Run(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

QStringList TestEnv::Rows(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = Run(sql, values);
    QStringList rows;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
        rows << row.join(u'|');
    }
    return rows;
}

void TestEnv::AllowTwinAttempts()
{
    Exec(OnServer() ? QStringLiteral("DROP TRIGGER OneAttemptPerStudentAndTest ON Results")
                    : QStringLiteral("DROP TRIGGER OneAttemptPerStudentAndTest"));
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
    const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(u',');
    return Insert(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)").arg(columns.join(u','), marks), values);
}

void ProcessEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 TestCount(TestEnv& env) { return env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Tests")).toLongLong(); }

QString FailureOf(const std::function<void()>& call)
{
    try {
        call();
        return {};
    } catch (const DbError& error) {
        return error.message();
    }
}
