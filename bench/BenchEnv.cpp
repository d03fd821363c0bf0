#include "BenchEnv.h"

#include "TestServer.h"
#include "app/Module1.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

QApplication& BenchApplication()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

BenchEnv::BenchEnv()
{
    BenchApplication();
    fake.programFolder = dir_.path();
    SetPlatform(&fake);
    Screens::DiscardAll();
    Module1::Reset();
    if (TestServer::Settings())
        TestServer::FreshDatabase().Write(QDir(dir_.path()).filePath(ServerSettings::FileName));
    else
        Schema::CreateDatabase(DatabasePath());
}

BenchEnv::BenchEnv(const QString& name)
{
    BenchApplication();
    SetPlatform(&fake);
    Screens::DiscardAll();
    Module1::Reset();
    if (TestServer::Settings()) {
        fake.programFolder = dir_.path();
        server_ = TestServer::KeptDatabase(QStringLiteral("%1_v%2").arg(name).arg(Schema::ServerVersion));
        server_->Write(QDir(dir_.path()).filePath(ServerSettings::FileName));
        Connection probe(QStringLiteral("bench-kept"));
        probe.Open(*server_);
        QSqlQuery tables(probe.Database());
        kept_ = tables.exec(QStringLiteral("SELECT to_regclass('results') IS NOT NULL")) && tables.next() && tables.value(0).toBool();
        if (!kept_)
            Renew();
        return;
    }
    fake.programFolder = QDir::temp().filePath(QStringLiteral("vornick-bench/%1_v%2").arg(name).arg(Schema::FileVersion));
    QDir().mkpath(fake.programFolder);
    kept_ = QFileInfo::exists(DatabasePath());
    if (!kept_)
        Schema::CreateDatabase(DatabasePath());
}

void BenchEnv::Renew()
{
    if (server_) {
        TestServer::Empty(*server_);
        return;
    }
    QFile::remove(DatabasePath());
    Schema::CreateDatabase(DatabasePath());
}

BenchEnv::~BenchEnv()
{
    Screens::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::Reset();
    SetPlatform(nullptr);
}

QString BenchEnv::DatabasePath() const { return fake.programFolder + QStringLiteral("/Ostrel.mdb"); }

void BenchEnv::Batch(const std::function<void(QSqlQuery&)>& fill)
{
    Connection seed(QStringLiteral("bench-seed"));
    seed.OpenProgramDatabase(fake.programFolder);
    QSqlDatabase db = seed.Database();
    db.transaction();
    {
        QSqlQuery query(db);
        fill(query);
    }
    db.commit();
}

namespace {

// The rows of `table` numbered 0 to count - 1, made by the engine itself
// from one statement: a million single inserts would take minutes on a
// server. `values` are the inserted columns' expressions of n, read from
// `source`, a table expression of the numbers.
QString Generated(const QString& table, const QStringList& columns, const QStringList& values, qint64 count,
                  const QString& source = QStringLiteral("numbers"))
{
    return QStringLiteral("WITH RECURSIVE numbers(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM numbers WHERE n < %1) "
                          "INSERT INTO %2 (%3) SELECT %4 FROM %5")
        .arg(QString::number(count - 1), table, columns.join(u','), values.join(u','), source);
}

}

// The students' names run in another order than their numbers, so an order
// by name is a real sort. One transaction; on a server the one-attempt
// trigger (which the seed cannot break) is off meanwhile.
void BenchEnv::SeedAttempts(int students, int tests, const QString& skipped)
{
    const bool server = TestServer::Settings().has_value();
    Batch([=](QSqlQuery& query) {
        query.exec(Generated(QStringLiteral("Passwords"),
                             {QStringLiteral("fldStudentNumber"), QStringLiteral("fldStudentName"), QStringLiteral("fldPassword")},
                             {QStringLiteral("n + 1"), QStringLiteral("'Student ' || ((n + 1) * 7919 % %1 + 1000)").arg(students),
                              QStringLiteral("'pw'")},
                             students));
        query.exec(Generated(QStringLiteral("Tests"),
                             {QStringLiteral("fldTestNumber"), QStringLiteral("fldTestName"), QStringLiteral("fldTime")},
                             {QStringLiteral("n + 1"), QStringLiteral("'Test ' || (n + 1)"), QStringLiteral("30")}, tests));
        QStringList columns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"),
                            QStringLiteral("fldGrade"), QStringLiteral("fldDate"), QStringLiteral("fldMinutesGiven")};
        QStringList values{QStringLiteral("n % %1 + 1").arg(students), QStringLiteral("n / %1 + 1").arg(students),
                           QStringLiteral("n % 26 * 4"), QStringLiteral("'05/01/2026'"), QStringLiteral("45")};
        for (int s = 1; s <= 25; ++s) {
            columns << QStringLiteral("fldQ%1").arg(s);
            values << (s % 4 ? QStringLiteral("'2131C'") : s % 3 ? QStringLiteral("'3122X'") : QStringLiteral("'1233X'"));
        }
        if (server)
            query.exec(QStringLiteral("ALTER TABLE Results DISABLE TRIGGER OneAttemptPerStudentAndTest"));
        // Attempt n is student n % students + 1's at test n / students + 1.
        const QString source = skipped.isEmpty()
            ? QStringLiteral("numbers")
            : QStringLiteral("(SELECT n, n % %1 + 1 AS s, n / %1 + 1 AS t FROM numbers) AS pairs WHERE NOT (%2)")
                  .arg(QString::number(students), skipped);
        query.exec(Generated(QStringLiteral("Results"), columns, values, qint64{students} * tests, source));
        if (server)
            query.exec(QStringLiteral("ALTER TABLE Results ENABLE TRIGGER OneAttemptPerStudentAndTest"));
    });
}
