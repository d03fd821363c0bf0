#include "Cursor.h"

#include "ClientLibraries.h"
#include "Connection.h"
#include "DbError.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>

class Cursor::Engine {
public:
    virtual ~Engine() = default;
    virtual bool Next() = 0;
    virtual bool IsNull(int column) const = 0;
    virtual QByteArrayView Utf8(int column) const = 0;
    virtual QByteArrayView Bytes(int column) const = 0;
};

namespace {

// The driver's own handle of the connection's session, of the type it names.
template <typename Handle>
Handle* DriverHandle(Connection& connection, const char* typeName)
{
    if (!connection.IsOpen())
        throw DbError(QCoreApplication::translate("Connection", "Operation is not allowed when the object is closed."));
    const QVariant handle = connection.Database().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), typeName) != 0)
        throw DbError(QCoreApplication::translate("Cursor", "The database driver cannot hand over rows one at a time."));
    return *static_cast<Handle* const*>(handle.constData());
}

class SQLiteRows : public Cursor::Engine {
public:
    SQLiteRows(Connection& connection, const SqlText& sql) : db_(DriverHandle<sqlite3>(connection, "sqlite3*"))
    {
        const QByteArray text = sql.text.toUtf8();
        if (lite_.sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &statement_, nullptr) != SQLITE_OK)
            Fail();
        for (int i = 0; i < sql.values.size(); ++i)
            Bind(i + 1, sql.values[i]);
    }
    ~SQLiteRows() override { lite_.sqlite3_finalize(statement_); }

    bool Next() override
    {
        const int step = lite_.sqlite3_step(statement_);
        if (step == SQLITE_ROW)
            return true;
        if (step != SQLITE_DONE)
            Fail();
        return false;
    }
    bool IsNull(int column) const override { return lite_.sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    QByteArrayView Utf8(int column) const override
    {
        const auto* text = reinterpret_cast<const char*>(lite_.sqlite3_column_text(statement_, column));
        return {text, text ? lite_.sqlite3_column_bytes(statement_, column) : 0};
    }
    QByteArrayView Bytes(int column) const override
    {
        const auto* bytes = static_cast<const char*>(lite_.sqlite3_column_blob(statement_, column));
        return {bytes, bytes ? lite_.sqlite3_column_bytes(statement_, column) : 0};
    }

private:
    void Bind(int position, const QVariant& value)
    {
        int bound = SQLITE_OK;
        if (value.isNull()) {
            bound = lite_.sqlite3_bind_null(statement_, position);
        } else if (value.typeId() == QMetaType::QString) {
            const QByteArray text = value.toString().toUtf8();
            bound = lite_.sqlite3_bind_text(statement_, position, text.constData(), static_cast<int>(text.size()),
                                      SQLITE_TRANSIENT);
        } else {
            bound = lite_.sqlite3_bind_int64(statement_, position, value.toLongLong());
        }
        if (bound != SQLITE_OK)
            Fail();
    }
    [[noreturn]] void Fail() const { throw DbError(QString::fromUtf8(lite_.sqlite3_errmsg(db_))); }

    const ClientLibraries::Sqlite& lite_ = ClientLibraries::Lite();
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

// The query's "?" marks as the server numbers its parameters. The program's
// queries hold no "?" inside a quoted text.
QByteArray NumberedParameters(const QString& text)
{
    QString numbered;
    int parameter = 0;
    for (const QChar c : text)
        numbered += c == u'?' ? QStringLiteral("$%1").arg(++parameter) : QString(c);
    return numbered.toUtf8();
}

class ServerRows : public Cursor::Engine {
public:
    ServerRows(Connection& connection, const SqlText& sql, Cursor::Values format)
        : db_(DriverHandle<PGconn>(connection, "pg_conn*"))
    {
        // The driver reads the end of its last query's results only when it
        // sends the next one, as this does first.
        Drain();
        std::vector<QByteArray> texts;
        std::vector<const char*> values;
        for (const QVariant& value : sql.values) {
            texts.push_back(value.toString().toUtf8());
            values.push_back(value.isNull() ? nullptr : texts.back().constData());
        }
        if (!pq_.PQsendQueryParams(db_, NumberedParameters(sql.text).constData(), static_cast<int>(values.size()), nullptr,
                               values.data(), nullptr, nullptr, format == Cursor::Values::Binary ? 1 : 0))
            throw DbError(ConnectionMessage());
        running_ = true;
        pq_.PQsetSingleRowMode(db_);  // cannot fail right after the query was sent
    }
    ~ServerRows() override
    {
        if (running_)
            Stop();
        pq_.PQclear(row_);
    }

    bool Next() override
    {
        pq_.PQclear(row_);
        row_ = running_ ? pq_.PQgetResult(db_) : nullptr;
        const ExecStatusType status = row_ ? pq_.PQresultStatus(row_) : PGRES_TUPLES_OK;
        if (status == PGRES_SINGLE_TUPLE)
            return true;
        const QString message = status == PGRES_TUPLES_OK ? QString() : ResultMessage();
        Drain();
        if (!message.isEmpty())
            throw DbError(message);
        return false;
    }
    bool IsNull(int column) const override { return pq_.PQgetisnull(row_, 0, column) != 0; }
    QByteArrayView Utf8(int column) const override
    {
        return {pq_.PQgetvalue(row_, 0, column), pq_.PQgetlength(row_, 0, column)};
    }
    QByteArrayView Bytes(int column) const override { return Utf8(column); }

private:
    // Asks the server to stop sending and reads what is on its way.
    void Stop()
    {
        if (PGcancel* cancel = pq_.PQgetCancel(db_)) {
            char error[256];
            pq_.PQcancel(cancel, error, sizeof error);
            pq_.PQfreeCancel(cancel);
        }
        Drain();
    }
    // The connection is ready for the next query once every result is read.
    void Drain()
    {
        pq_.PQclear(row_);
        row_ = nullptr;
        while (PGresult* rest = pq_.PQgetResult(db_))
            pq_.PQclear(rest);
        running_ = false;
    }
    QString ResultMessage() const
    {
        const char* primary = row_ ? pq_.PQresultErrorField(row_, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        return primary ? QString::fromUtf8(primary) : ConnectionMessage();
    }
    QString ConnectionMessage() const { return QString::fromUtf8(pq_.PQerrorMessage(db_)).trimmed(); }

    const ClientLibraries::Libpq& pq_ = ClientLibraries::Pq();
    PGconn* db_;
    PGresult* row_ = nullptr;
    bool running_ = false;
};

}

Cursor::Cursor(Connection& connection, const SqlText& sql, Values values) : connection_(connection)
{
    connection.RequireNoWalk();
    if (connection.Engine() == DbEngine::PostgreSQL)
        engine_ = std::make_unique<ServerRows>(connection, sql, values);
    else
        engine_ = std::make_unique<SQLiteRows>(connection, sql);
    connection.walking_ = true;
}

Cursor::~Cursor() { connection_.walking_ = false; }

bool Cursor::Next() { return engine_->Next(); }

bool Cursor::IsNull(int column) const { return engine_->IsNull(column); }

QByteArrayView Cursor::Utf8(int column) const { return engine_->Utf8(column); }

qint64 Cursor::Number(int column) const { return engine_->Utf8(column).toLongLong(); }

QByteArrayView Cursor::Bytes(int column) const { return engine_->Bytes(column); }
