#pragma once

#include "ServerSettings.h"

#include <QHash>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

class QSqlDatabase;
class QSqlQuery;
struct DatabaseLocation;

// The database engines the program runs on: its own SQLite file, or a lab's
// shared PostgreSQL server. Only the data layer knows which one it talks to.
enum class DbEngine { SQLite, PostgreSQL };

// The one connection to the database. Opening never creates a missing file;
// a busy file is waited on before the engine's "locked" is reported. Every
// store runs as its own statement (its own transaction) and is stored when it
// returns.
//
// A lab's server may go away for a moment (a restart, a network blip). A
// read or a store that fails because the connection was lost is repeated
// once the connection is opened again, every two seconds for at most a
// minute (ReconnectLimit); after that it fails with the driver's message. A
// store repeats only when it did not commit: each runs in a transaction whose
// number is kept, so a commit whose answer was lost is looked up, never
// stored twice. Statements inside a Transaction are not repeated on their own
// (the rest of it is gone with the connection): the Transaction fails, and
// the next read or store reconnects.
class Connection {
public:
    explicit Connection(QString name = QStringLiteral("cnDatabase"));
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The program's database: the one VornickTest.ini in the program's folder
    // names when that file is there, else Ostrel.mdb in it. A database file
    // must be one this user can change (else DbError says so). A database of
    // an older schema version is brought up to date; a newer one is refused.
    void OpenProgramDatabase(const QString& programFolder);
    void Open(const DatabaseLocation& location);
    void Open(const QString& databasePath);  // an SQLite file
    void Open(const ServerSettings& server);  // a PostgreSQL database
    void Close();
    bool IsOpen() const;
    DbEngine Engine() const { return engine_; }

    // A lab workstation: the server's settings name the lab's administrator
    // role (adminuser=) and no user. Nobody is connected until a student or
    // the administrator signs in, as their own role.
    bool IsLabWorkstation() const;
    // On a lab workstation, whether its server answers at all, asked on a
    // thread of its own (opening one connects nobody, so the question waits
    // until the sign-in screen is up). Throws DbError with the driver's
    // message when it does not.
    void RequireServerAnswers();

    // On a lab workstation, connects as the administrator role, or as the
    // role of the student with this name, with the typed password, which
    // the server checks; a lost connection is then opened again as that
    // role, with that password, kept only here. False, and nobody signed in,
    // when the server refuses it (an empty password is never tried). Throws
    // DbError with the engine's message when the server stays out of reach.
    bool SignInAsAdministrator(const QString& password);
    bool SignInAsStudent(const QString& name, const QString& password);
    bool SignedInAsAdministrator() const;
    // Nobody signed in any more: the session and the password are dropped.
    void SignOutAdministrator();
    void SignOut();
    // Whether the server takes `password` for the role signed in now, tried
    // on a connection of its own. Throws DbError when the server cannot be reached.
    bool AcceptsPassword(const QString& password);
    // The signed-in role's password was changed: reconnect with this one.
    void PasswordChanged(const QString& password);

    // The database's clock, in whole seconds since 1970-01-01 UTC: a lab
    // server's own, so that no workstation's clock matters; for a file, this
    // computer's.
    qint64 ClockSeconds();

    // A statement prepared once per text and kept for the life of the connection.
    QSqlQuery& Prepared(const QString& sql);

    // Runs `work`, one read or one store of prepared statements, and on a
    // server repeats it as described above when the connection is lost.
    enum class Unit { Read, Store };
    void Repeatable(Unit unit, const std::function<void()>& work);

    static constexpr std::chrono::milliseconds ReconnectLimit{60000};
    static constexpr std::chrono::milliseconds ReconnectEvery{2000};
    void SetReconnectLimit(std::chrono::milliseconds limit) { reconnectLimit_ = limit; }
    // Told true when a lost server could not be reached at once and the
    // program waits for it, false when that wait ends either way.
    void OnWaitingForServer(std::function<void(bool waiting)> notice) { waitingNotice_ = std::move(notice); }
    // How the program waits between tries (by default, asleep): the screens
    // keep their event loop running through it.
    void OnPause(std::function<void(std::chrono::milliseconds)> pause) { pause_ = std::move(pause); }

    // Groups many small reads (a list fill) in one read transaction: the
    // engine then takes its lock once instead of once per query.
    class ReadTransaction {
    public:
        explicit ReadTransaction(Connection& connection);
        ~ReadTransaction();
        ReadTransaction(const ReadTransaction&) = delete;
        ReadTransaction& operator=(const ReadTransaction&) = delete;

    private:
        Connection& connection_;
        bool counted_ = false;
        bool began_ = false;
    };

    // Groups stores that must happen together: all of them or none. The
    // engine's transaction begins here and is rolled back when the object
    // goes without Commit having succeeded.
    class Transaction {
    public:
        explicit Transaction(Connection& connection);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void Commit();

    private:
        Connection& connection_;
        bool open_ = false;
    };

    QSqlDatabase Database() const;

private:
    friend class Cursor;
    // Throws while a Cursor walks this connection's rows: a server answers
    // one query at a time, and another query would take the walk's rows.
    void RequireNoWalk() const;
    void Exec(const QString& statement);
    void RequireWritable(const QString& databasePath);

    void OpenWith(const QString& driver, const std::function<void(QSqlDatabase&)>& configure);
    void OpenServer(const ServerSettings& server);
    bool SignInAs(const QString& role, const QString& password);
    void RequireCurrentSchema();
    void Disconnect();

    void RepeatRead(const std::function<void()>& work);
    void RepeatStore(const std::function<void()>& work);
    qint64 BeginStore();
    bool ConnectionLost();
    bool ReconnectBefore(std::chrono::steady_clock::time_point limit);
    bool Committed(qint64 transactionNumber);

    QString name_;
    DbEngine engine_ = DbEngine::SQLite;
    std::optional<ServerSettings> server_;  // to reconnect to, as the role signed in
    std::optional<ServerSettings> settings_;  // as the settings file names it
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> prepared_;
    int readDepth_ = 0;
    int writeDepth_ = 0;  // inside a Transaction or a repeated unit
    bool opened_ = false;
    bool serverGone_ = false;  // the last reconnect gave up
    bool walking_ = false;  // a Cursor is reading rows
    std::chrono::milliseconds reconnectLimit_ = ReconnectLimit;
    std::function<void(bool)> waitingNotice_;
    std::function<void(std::chrono::milliseconds)> pause_;

    void Pause(std::chrono::milliseconds duration);
    bool Answers(const ServerSettings& server);
};
