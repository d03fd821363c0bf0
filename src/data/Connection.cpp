#include "Connection.h"

#include "ClientLibraries.h"
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
#include <algorithm>
#include <future>
#include <thread>
#include <QCoreApplication>

namespace {

constexpr int BusyTimeoutMs = 5000;
using Clock = std::chrono::steady_clock;

// A server that does not answer is reported after a few seconds instead of
// hanging the program; a network gone quiet mid-test is noticed the same way.
// A session the server has lost sight of while it held a transaction open
// ends that transaction after 20 s, so a store repeated on a new connection
// never waits for the lost one for long. The session settings the program
// relies on are given with every connection: they override the defaults a
// student may have set on their own role (ALTER ROLE ... SET), so such a
// default changes nothing for the program. The server's notices (an object
// dropped that was not there) are for no one using the program.
const QString ServerOptions = QStringLiteral(
    "connect_timeout=10;application_name=VornickTest;tcp_user_timeout=20000;"
    "keepalives_idle=30;keepalives_interval=10;keepalives_count=3;"
    "options='-c idle_in_transaction_session_timeout=20000 -c default_transaction_read_only=off "
    "-c statement_timeout=60000 -c lock_timeout=15000 -c client_min_messages=warning'");

// Whether a server answers at the settings' address, whatever it would say
// to a user's password: a refused sign-in is told from a server out of reach.
bool ServerAnswers(const ServerSettings& server)
{
    const QByteArray host = server.host.toUtf8(), port = QByteArray::number(server.port),
                     database = server.database.toUtf8(), sslmode = server.sslmode.toUtf8(),
                     sslrootcert = server.sslrootcert.toUtf8();
    const char* const keys[] = {"host", "port", "dbname", "connect_timeout", "sslmode", "sslrootcert", nullptr};
    const char* const values[] = {host.constData(), port.constData(), database.constData(), "10",
                                  sslmode.isEmpty() ? nullptr : sslmode.constData(),
                                  sslrootcert.isEmpty() ? nullptr : sslrootcert.constData(), nullptr};
    return ClientLibraries::Pq().PQpingParams(keys, values, 0) == PQPING_OK;
}

// The driver's connection options for a server: the fixed ones and the
// settings file's TLS keys, each value quoted as libpq reads a quoted value.
// The driver turns every ';' of the options into a blank, so a value holding
// one cannot be passed and is refused.
QString ServerConnectOptions(const ServerSettings& server)
{
    QString options = ServerOptions;
    const std::pair<QString, QString> tls[] = {{QStringLiteral("sslmode"), server.sslmode},
                                               {QStringLiteral("sslrootcert"), server.sslrootcert}};
    for (const auto& [key, value] : tls) {
        if (value.isEmpty())
            continue;
        if (value.contains(u';'))
            throw DbError(QCoreApplication::translate("Connection", "The %1 of the settings file may not hold a ';'.").arg(key));
        QString quoted = value;
        quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
        options += u';' + key + QStringLiteral("='") + quoted + u'\'';
    }
    return options;
}

// A file: URI opened with mode=rw refuses a missing file instead of creating
// it. The path is percent-encoded so that '#' or '?' in a folder name cannot
// be read as part of the URI.
QString ReadWriteUri(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
}

// Why a database file could not be opened, naming it: the engine says only
// "unable to open database file", whatever the cause.
QString FileOpenFailure(const QString& path, const QString& engineMessage)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    if (!folder.isDir())
        return QCoreApplication::translate("Connection", "The database %1 cannot be found: its folder %2 does not exist.")
            .arg(shown, QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isExecutable() || (file.exists() && !file.isReadable())) {
        const QString closed = folder.isExecutable()
            ? QCoreApplication::translate("Connection", "the file")
            : QCoreApplication::translate("Connection", "its folder %1").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
        return QCoreApplication::translate("Connection", "The database %1 cannot be read by this user account (%2 is closed to it).\n"
                              "Ask the person who installed VornickTest to give this account access to the "
                              "database file and its folder.")
            .arg(shown, closed);
    }
    if (!file.exists())
        return QCoreApplication::translate("Connection", "The database %1 does not exist.").arg(shown);
    return QCoreApplication::translate("Connection", "The database %1 cannot be opened: %2").arg(shown, engineMessage);
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
    if (IsLabWorkstation())
        return;  // nobody is signed in yet, so nothing can be read
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
    qint64 seconds = 0;
    Repeatable(Unit::Read, [&] {
        QSqlQuery& query = Prepared(QStringLiteral("SELECT CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT)"));
        if (!query.exec() || !query.next()) {
            const QString message = EngineMessage(query.lastError());
            query.finish();
            throw DbError(message);
        }
        seconds = query.value(0).toLongLong();
        query.finish();
    });
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
    const QString what = file.isWritable() ? QCoreApplication::translate("Connection", "its folder %1").arg(QDir::toNativeSeparators(folder.filePath()))
                                           : QCoreApplication::translate("Connection", "the file");
    Close();
    throw DbError(QCoreApplication::translate("Connection", "The database %1 cannot be written by this user account (%2 is read-only for it), "
                                 "so no answer or change could be stored.\n"
                                 "Ask the person who installed VornickTest to give this account write access to the "
                                 "database file and its folder.")
                      .arg(QDir::toNativeSeparators(file.absoluteFilePath()), what));
}

void Connection::Open(const QString& databasePath)
{
    Close();
    try {
        OpenWith(QStringLiteral("QSQLITE"), [&](QSqlDatabase& db) {
            db.setDatabaseName(ReadWriteUri(databasePath));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        });
    } catch (const DbError& error) {
        throw DbError(FileOpenFailure(databasePath, error.message()));
    }
    engine_ = DbEngine::SQLite;
    Exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

// A lab workstation's settings name no user: nobody is connected until a
// student or the administrator signs in, and the server's client library is
// not even loaded until then (RequireServerAnswers asks sooner).
void Connection::Open(const ServerSettings& server)
{
    Close();
    settings_ = server;
    engine_ = DbEngine::PostgreSQL;
    if (!IsLabWorkstation())
        OpenServer(server);
}

void Connection::RequireServerAnswers()
{
    if (!IsLabWorkstation() || Answers(*settings_))
        return;
    ServerSettings nobody = *settings_;
    nobody.user = settings_->adminUser;
    OpenServer(nobody);  // cannot sign in without a password: throws the driver's message
    Disconnect();
}

void Connection::Pause(std::chrono::milliseconds duration)
{
    if (pause_)
        pause_(duration);
    else
        std::this_thread::sleep_for(duration);
}

// Whether the server answers, asked on a thread of its own: a server out of
// reach takes up to the driver's connect timeout to say nothing, which the
// screens wait out with their event loop running.
bool Connection::Answers(const ServerSettings& server)
{
    std::future<bool> answer = std::async(std::launch::async, [server] { return ServerAnswers(server); });
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        Pause(std::chrono::milliseconds(20));
    return answer.get();
}

bool Connection::IsLabWorkstation() const { return settings_ && !settings_->adminUser.isEmpty(); }

// The server tells a wrong password (or a role that does not exist) from
// nothing else only in its message's wording, which follows its language;
// whether it answers at all does not. While it does not, the sign-in waits
// for it as a lost connection is waited for.
bool Connection::SignInAs(const QString& role, const QString& password)
{
    SignOut();
    if (password.isEmpty() || !IsLabWorkstation())
        return false;
    ServerSettings account = *settings_;
    account.user = role;
    account.password = password;
    const Clock::time_point limit = Clock::now() + reconnectLimit_;
    bool waiting = false;
    const auto tell = [&](bool now) {
        if (waiting != now && waitingNotice_)
            waitingNotice_(now);
        waiting = now;
    };
    for (;;) {
        // Only a server that answers is connected to, so the screen never
        // stands still on one out of reach; at the limit the driver says why.
        if (Answers(account) || Clock::now() >= limit) {
            try {
                OpenServer(account);
                break;
            } catch (const DbError&) {
                const bool refused = Answers(account);
                if (refused || Clock::now() >= limit) {
                    tell(false);
                    if (!refused)
                        throw;
                    return false;
                }
            }
        }
        tell(true);
        Pause(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::min<Clock::duration>(ReconnectEvery, limit - Clock::now())));
    }
    tell(false);
    RequireCurrentSchema();
    return true;
}

// Nobody could read the database's version before someone signed in: a
// database of another version ends the session as it ends the program at
// start elsewhere.
void Connection::RequireCurrentSchema()
{
    try {
        Schema::BringForward(*this);
    } catch (const DbError&) {
        SignOut();
        throw;
    }
}

bool Connection::SignInAsAdministrator(const QString& password)
{
    return IsLabWorkstation() && SignInAs(settings_->adminUser, password);
}

bool Connection::SignInAsStudent(const QString& name, const QString& password)
{
    return IsLabWorkstation() && SignInAs(Schema::StudentRole(settings_->database, name), password);
}

bool Connection::SignedInAsAdministrator() const
{
    return IsLabWorkstation() && server_ && server_->user == settings_->adminUser;
}

void Connection::SignOutAdministrator()
{
    if (SignedInAsAdministrator())
        SignOut();
}

// The signed-in role's session and password are dropped; the connection
// stays closed until the next sign-in.
void Connection::SignOut()
{
    if (!IsLabWorkstation())
        return;
    Disconnect();
    server_.reset();
}

// A refusal is told from a server out of reach by this connection, which
// still answers when only the password was wrong.
bool Connection::AcceptsPassword(const QString& password)
{
    if (password.isEmpty())
        return false;
    ServerSettings check = *server_;
    check.password = password;
    check.adminUser.clear();  // straight to the server, as the role signed in
    Connection probe(name_ + QStringLiteral("-check"));
    try {
        probe.Open(check);
        return true;
    } catch (const DbError&) {
        if (ConnectionLost())
            throw;
        return false;
    }
}

void Connection::PasswordChanged(const QString& password) { server_->password = password; }

void Connection::OpenServer(const ServerSettings& server)
{
    const QString options = ServerConnectOptions(server);
    OpenWith(QStringLiteral("QPSQL"), [&](QSqlDatabase& db) {
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setDatabaseName(server.database);
        db.setUserName(server.user);
        // The driver quotes the password itself, whatever it holds.
        db.setPassword(server.password);
        db.setConnectOptions(options);
    });
    engine_ = DbEngine::PostgreSQL;
    server_ = server;
}

namespace {

// Why a driver is not there. Qt's PostgreSQL driver is a plugin that loads
// libpq with it: where that library is missing or broken, the driver is too.
QString MissingDriver(const QString& driver, const QString& engineMessage)
{
    if (driver == QLatin1String("QPSQL"))
        return QCoreApplication::translate("Connection", "The database driver QPSQL cannot be loaded. A server is reached "
                                                         "through Qt's PostgreSQL driver (Debian's libqt6sql6-psql) and the "
                                                         "PostgreSQL client library libpq (libpq5); both must be installed.");
    return engineMessage.isEmpty()
        ? QCoreApplication::translate("Connection", "The database driver %1 is not installed.").arg(driver)
        : engineMessage;
}

}

void Connection::OpenWith(const QString& driver, const std::function<void(QSqlDatabase&)>& configure)
{
    Disconnect();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, name_);
        if (!db.isValid()) {
            const QString message = EngineMessage(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw DbError(MissingDriver(driver, message));
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
    Disconnect();
    readDepth_ = 0;
    writeDepth_ = 0;
    server_.reset();
    settings_.reset();
    serverGone_ = false;
}

// Lets go of the engine's connection; the transactions counted stay counted,
// so that a reconnect in the middle of one leaves their bookkeeping whole.
void Connection::Disconnect()
{
    prepared_.clear();
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

void Connection::RequireNoWalk() const
{
    if (walking_)
        throw DbError(QCoreApplication::translate("Connection", "The database is busy saving results; try again when they are saved."));
}

QSqlQuery& Connection::Prepared(const QString& sql)
{
    if (!IsOpen())
        throw DbError(QCoreApplication::translate("Connection", "Operation is not allowed when the object is closed."));
    RequireNoWalk();
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
    RequireNoWalk();
    QSqlQuery query(Database());
    if (!query.exec(statement))
        throw DbError(EngineMessage(query.lastError()));
}

void Connection::Repeatable(Unit unit, const std::function<void()>& work)
{
    RequireNoWalk();
    // A store inside a read transaction would commit that transaction early.
    if (engine_ != DbEngine::PostgreSQL || writeDepth_ > 0 || (unit == Unit::Store && readDepth_ > 0))
        return work();
    unit == Unit::Read ? RepeatRead(work) : RepeatStore(work);
}

void Connection::RepeatRead(const std::function<void()>& work)
{
    const Clock::time_point limit = Clock::now() + reconnectLimit_;
    for (;;) {
        try {
            work();
            return;
        } catch (const DbError&) {
            if (!ConnectionLost())
                throw;
        }
        ReconnectBefore(limit);
    }
}

// A store that failed before its commit was rolled back by the server with
// the lost connection and runs again; one whose commit went unanswered is
// looked up by its transaction's number and runs again only if it did not
// commit.
void Connection::RepeatStore(const std::function<void()>& work)
{
    const Clock::time_point limit = Clock::now() + reconnectLimit_;
    for (;;) {
        std::optional<qint64> transactionNumber;
        bool committing = false;
        try {
            transactionNumber = BeginStore();
            ++writeDepth_;
            const struct Leave {
                int& depth;
                ~Leave() { --depth; }
            } leave{writeDepth_};
            work();
            committing = true;
            QSqlDatabase db = Database();
            if (!db.commit())
                throw DbError(EngineMessage(db.lastError()));
            return;
        } catch (const DbError&) {
            if (!ConnectionLost()) {
                Database().rollback();
                throw;
            }
        }
        ReconnectBefore(limit);
        if (committing && Committed(*transactionNumber))
            return;
    }
}

// Begins the store's transaction and returns its number.
qint64 Connection::BeginStore()
{
    QSqlDatabase db = Database();
    if (!db.transaction())
        throw DbError(EngineMessage(db.lastError()));
    QSqlQuery& number = Prepared(QStringLiteral("SELECT txid_current()"));
    if (!number.exec() || !number.next()) {
        const QString message = EngineMessage(number.lastError());
        number.finish();
        throw DbError(message);
    }
    const qint64 transactionNumber = number.value(0).toLongLong();
    number.finish();
    return transactionNumber;
}

// Whether a failed step failed because the server is out of reach: the
// connection no longer answers, even outside the transaction the step spoilt.
bool Connection::ConnectionLost()
{
    // The driver marks its connection closed when it sees it broken.
    if (!IsOpen())
        return true;
    QSqlQuery probe(Database());
    if (probe.exec(QStringLiteral("SELECT 1")))
        return false;
    Database().rollback();
    return !probe.exec(QStringLiteral("SELECT 1"));
}

// Opens the connection again, at once and then every ReconnectEvery, telling
// the waiting notice while the server stays away; at `limit` it gives up with
// the driver's message. Once it has given up, the steps a handler goes on
// with each try once until the server is back, rather than waiting anew.
// Returns whether the server had to be waited for.
bool Connection::ReconnectBefore(Clock::time_point limit)
{
    if (!server_)  // a lab workstation nobody is signed in on
        throw DbError(QCoreApplication::translate("Connection", "This session has ended; please sign in again."));
    if (serverGone_)
        limit = Clock::now();
    bool waiting = false;
    const auto tell = [&](bool now) {
        if (waiting != now && waitingNotice_)
            waitingNotice_(now);
        waiting = now;
    };
    for (;;) {
        // Only a server that answers is connected to, as at sign-in.
        if (Answers(*server_) || Clock::now() >= limit) {
            try {
                OpenServer(*server_);
                serverGone_ = false;
                const bool waited = waiting;
                tell(false);
                return waited;
            } catch (const DbError&) {
                if (Clock::now() >= limit) {
                    serverGone_ = true;
                    tell(false);
                    throw;
                }
            }
        }
        tell(true);
        Pause(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::min<Clock::duration>(ReconnectEvery, limit - Clock::now())));
    }
}

// A transaction of the lost session still open on the server ends when the
// server notices the session is gone (at most 20 s idle); until then its
// outcome is waited for.
bool Connection::Committed(qint64 transactionNumber)
{
    for (;;) {
        QSqlQuery status(Database());
        status.prepare(QStringLiteral("SELECT txid_status(?)"));
        status.addBindValue(transactionNumber);
        if (!status.exec() || !status.next())
            throw DbError(EngineMessage(status.lastError()));
        const QString outcome = status.value(0).toString();
        if (outcome != QLatin1String("in progress"))
            return outcome == QLatin1String("committed");
        Pause(ReconnectEvery);
    }
}

Connection::ReadTransaction::ReadTransaction(Connection& connection) : connection_(connection)
{
    if (!connection_.IsOpen())
        return;
    connection_.RequireNoWalk();
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
        throw DbError(QCoreApplication::translate("Connection", "Operation is not allowed when the object is closed."));
    // Beginning is safe to repeat: a server that restarted since the last
    // step is reconnected to first.
    connection_.Repeatable(Unit::Read, [this] {
        QSqlDatabase db = connection_.Database();
        if (!db.transaction())
            throw DbError(EngineMessage(db.lastError()));
    });
    open_ = true;
    ++connection_.readDepth_;  // reads inside it need no transaction of their own
    ++connection_.writeDepth_;  // nor are they repeated on their own
}

void Connection::Transaction::Commit()
{
    QSqlDatabase db = connection_.Database();
    if (!db.commit())
        throw DbError(EngineMessage(db.lastError()));
    open_ = false;
    --connection_.readDepth_;
    --connection_.writeDepth_;
}

Connection::Transaction::~Transaction()
{
    if (!open_ || !connection_.IsOpen())
        return;
    connection_.Database().rollback();
    --connection_.readDepth_;
    --connection_.writeDepth_;
}
