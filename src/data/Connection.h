#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <unordered_map>

class QSqlDatabase;
class QSqlQuery;

// The one connection to the database file. Opening never creates a missing
// file; a busy file is waited on before the engine's "locked" is reported.
// Every store runs as its own statement and is on disk when it returns.
class Connection {
public:
    explicit Connection(QString name = QStringLiteral("cnDatabase"));
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Open(const QString& databasePath);
    void Close();
    bool IsOpen() const;

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

    QSqlDatabase Database() const;

private:
    void Exec(const QString& statement);

    QString name_;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> prepared_;
    int readDepth_ = 0;
    bool opened_ = false;
};
