#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

class QSqlDatabase;
class QSqlQuery;
struct DatabaseLocation;
struct ServerSettings;

// The database engines the program runs on: its own SQLite file, or a lab's
// shared PostgreSQL server. Only the data layer knows which one it talks to.
enum class DbEngine { SQLite, PostgreSQL };

// The one connection to the database. Opening never creates a missing file;
// a busy file is waited on before the engine's "locked" is reported. Every
// store runs as its own statement (its own transaction) and is stored when it
// returns.
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

    // The database's clock, in whole seconds since 1970-01-01 UTC: a lab
    // server's own, so that no workstation's clock matters; for a file, this
    // computer's.
    qint64 ClockSeconds();

    // A statement prepared once per text and kept for the life of the connection.
    QSqlQuery& Prepared(const QString& sql);

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
    void Exec(const QString& statement);
    void RequireWritable(const QString& databasePath);

    void OpenWith(const QString& driver, const std::function<void(QSqlDatabase&)>& configure);

    QString name_;
    DbEngine engine_ = DbEngine::SQLite;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> prepared_;
    int readDepth_ = 0;
    bool opened_ = false;
};
