#include "BenchEnv.h"

#include "TestServer.h"
#include "app/Module1.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"

#include <QApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

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

BenchEnv::~BenchEnv()
{
    Screens::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::Reset();
    SetPlatform(nullptr);
}

QString BenchEnv::DatabasePath() const { return dir_.path() + QStringLiteral("/Ostrel.mdb"); }

void BenchEnv::Batch(const std::function<void(QSqlQuery&)>& fill)
{
    Connection seed(QStringLiteral("bench-seed"));
    seed.OpenProgramDatabase(dir_.path());
    QSqlDatabase db = seed.Database();
    db.transaction();
    {
        QSqlQuery query(db);
        fill(query);
    }
    db.commit();
}
