#pragma once

#include "SqlText.h"

#include <QByteArrayView>
#include <memory>

class Connection;

// One query's rows read forward as the engine hands them over, one at a
// time: nothing but the current row is held, whatever the number of rows.
// It talks to the engine's own library on the connection's session (SQLite
// statements; a server's single-row mode), so a value is read as the bytes
// the engine holds, with no conversion on the way. Columns are read by
// position, in the order the query selects them. Unlike a Recordset, a lost
// connection is not waited for: the walk fails with the engine's message.
// No other query runs on the connection while the walk is under way (it
// fails at once with a message saying why): on a server it would take the
// walk's rows. A walk left before its end asks the server to stop sending.
class Cursor {
public:
    // How a server hands values over: as text, or as the bytes it holds
    // (a picture's bytes as they are, not written out as hexadecimal text;
    // a number then comes as binary, so a query reads numbers as text).
    enum class Values { Text, Binary };

    // Runs the query; throws DbError with the engine's message.
    Cursor(Connection& connection, const SqlText& sql, Values values = Values::Text);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    // Moves to the next row; false past the last. Throws DbError when the
    // engine fails on the way.
    bool Next();

    bool IsNull(int column) const;
    // The value as text in UTF-8 (a number in decimals), empty for Null;
    // valid until the next move.
    QByteArrayView Utf8(int column) const;
    // The value as a whole number; 0 for Null or a text that is none.
    qint64 Number(int column) const;
    // The bytes of a BLOB (a bytea read with Values::Binary); valid until
    // the next move.
    QByteArrayView Bytes(int column) const;

    class Engine;

private:
    Connection& connection_;
    std::unique_ptr<Engine> engine_;
};
