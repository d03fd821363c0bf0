#include "Connection.h"

#include "DbError.h"
#include "Schema.h"
#include "ServerSettings.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr int BusyTimeoutMs = 5000;

// A server that does not answer is reported after a few seconds instead of
// hanging the program; a network gone quiet mid-test is noticed the same way.
const QString ServerOptions = QStringLiteral(
    "connect_timeout=10;application_name=VornickTest;tcp_user_timeout=20000;"
    "keepalives_idle=30;keepalives_interval=10;keepalives_count=3");

QString EngineMessage(const QSqlError& error)
{
    const QString engine = error.databaseText().trimmed();
    // The server's driver indents its hint lines with tabs, which a message
    // box would show as a wide gap.
    QString message = engine.isEmpty() ? error.text().trimmed() : engine;
    return message.remove(u'\t');
}

// A file: URI opened with mode=rw refuses a missing file instead of creating
// it. The path is percent-encoded so that '#' or '?' in a folder name cannot
// be read as part of the URI.
QString ReadWriteUri(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
}

}

Connection::Connection(QString name) : name_(std::move(name)) {}

Connection::~Connection() { Close(); }

void Connection::OpenProgramDatabase(const QString& programFolder)
{
    const DatabaseLocation location = DatabaseLocation::Beside(programFolder);
    Open(location);
    if (!location.server)
        RequireWritable(location.file);
    try {
        Schema::BringForward(*this);
    } catch (const DbError&) {
        Close();
        throw;
    }
}

void Connection::Open(const DatabaseLocation& location)
{
    if (location.server)
        Open(*location.server);
    else
        Open(location.file);
}

qint64 Connection::ClockSeconds()
{
    if (engine_ == DbEngine::SQLite)
        return QDateTime::currentSecsSinceEpoch();
    QSqlQuery& query = Prepared(QStringLiteral("SELECT CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT)"));
    if (!query.exec() || !query.next()) {
        const QString message = EngineMessage(query.lastError());
        query.finish();
        throw DbError(message);
    }
    const qint64 seconds = query.value(0).toLongLong();
    query.finish();
    return seconds;
}

// Every answer is stored the moment it is given, so a database this user
// cannot change is told at start rather than at a student's first answer.
// The engine writes its journal beside the file, so the folder counts too.
void Connection::RequireWritable(const QString& databasePath)
{
    const QFileInfo file(databasePath);
    const QFileInfo folder(file.absolutePath());
    if (file.isWritable() && folder.isWritable())
        return;
    const QString what = file.isWritable() ? QStringLiteral("its folder %1").arg(QDir::toNativeSeparators(folder.filePath()))
                                           : QStringLiteral("the file");
    Close();
    throw DbError(QStringLiteral("The database %1 cannot be written by this user account (%2 is read-only for it), "
                                 "so no answer or change could be stored.\n"
                                 "Ask the person who installed VornickTest to give this account write access to the "
                                 "database file and its folder.")
                      .arg(QDir::toNativeSeparators(file.absoluteFilePath()), what));
}

void Connection::Open(const QString& databasePath)
{
    OpenWith(QStringLiteral("QSQLITE"), [&](QSqlDatabase& db) {
        db.setDatabaseName(ReadWriteUri(databasePath));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    });
    engine_ = DbEngine::SQLite;
    Exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

void Connection::Open(const ServerSettings& server)
{
    OpenWith(QStringLiteral("QPSQL"), [&](QSqlDatabase& db) {
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setDatabaseName(server.database);
        db.setUserName(server.user);
        db.setPassword(server.password);
        db.setConnectOptions(ServerOptions);
    });
    engine_ = DbEngine::PostgreSQL;
}

void Connection::OpenWith(const QString& driver, const std::function<void(QSqlDatabase&)>& configure)
{
    Close();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, name_);
        if (!db.isValid()) {
            const QString message = EngineMessage(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw DbError(message.isEmpty() ? QStringLiteral("The database driver %1 is not installed.").arg(driver)
                                            : message);
        }
        configure(db);
        if (!db.open()) {
            const QString message = EngineMessage(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw DbError(message);
        }
    }
    opened_ = true;
}

void Connection::Close()
{
    prepared_.clear();
    readDepth_ = 0;
    if (!opened_)
        return;
    opened_ = false;
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool Connection::IsOpen() const
{
    return opened_ && QSqlDatabase::database(name_, false).isOpen();
}

QSqlDatabase Connection::Database() const { return QSqlDatabase::database(name_, false); }

QSqlQuery& Connection::Prepared(const QString& sql)
{
    if (!IsOpen())
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed."));
    auto found = prepared_.find(sql);
    if (found != prepared_.end())
        return *found->second;
    auto query = std::make_unique<QSqlQuery>(Database());
    query->setForwardOnly(true);
    if (!query->prepare(sql))
        throw DbError(EngineMessage(query->lastError()));
    return *prepared_.emplace(sql, std::move(query)).first->second;
}

void Connection::Exec(const QString& statement)
{
    QSqlQuery query(Database());
    if (!query.exec(statement))
        throw DbError(EngineMessage(query.lastError()));
}

Connection::ReadTransaction::ReadTransaction(Connection& connection) : connection_(connection)
{
    if (!connection_.IsOpen())
        return;
    counted_ = true;
    if (connection_.readDepth_++ == 0)
        began_ = connection_.Database().transaction();
}

Connection::ReadTransaction::~ReadTransaction()
{
    if (!counted_ || !connection_.IsOpen())
        return;
    if (connection_.readDepth_ > 0)
        --connection_.readDepth_;
    if (began_)
        connection_.Database().commit();
}

Connection::Transaction::Transaction(Connection& connection) : connection_(connection)
{
    if (!connection_.IsOpen())
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed."));
    QSqlDatabase db = connection_.Database();
    if (!db.transaction())
        throw DbError(EngineMessage(db.lastError()));
    open_ = true;
    ++connection_.readDepth_;  // reads inside it need no transaction of their own
}

void Connection::Transaction::Commit()
{
    QSqlDatabase db = connection_.Database();
    if (!db.commit())
        throw DbError(EngineMessage(db.lastError()));
    open_ = false;
    --connection_.readDepth_;
}

Connection::Transaction::~Transaction()
{
    if (!open_ || !connection_.IsOpen())
        return;
    connection_.Database().rollback();
    --connection_.readDepth_;
}
