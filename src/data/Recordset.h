#pragma once

#include "SqlText.h"

#include <QString>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

class Connection;
class QSqlRecord;

// A keyset recordset over one table: the rows a query returned, walked with
// MoveFirst/MoveNext, fields read and written by name, rows added with
// AddNew/Update and removed with Delete. Null (an invalid QVariant) is kept
// distinct from empty text. Rows added through the recordset belong to it
// afterwards; rows deleted through it are skipped. Field names are found
// whatever their case, as the server engine keeps them in lower case.
//
// Stores are optimistic, as other workstations may share the database: an
// Update changes the row only while the fields it writes still hold what this
// recordset last read or stored there; otherwise it throws DbError and stores
// nothing. Deleting a row that is already gone counts as done.
class Recordset {
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void Open(const SqlText& sql, Connection& connection);
    void Close();
    bool IsOpen() const { return open_; }

    int RecordCount() const;
    bool Eof() const;
    void MoveFirst();
    void MoveNext();

    QVariant Field(const QString& name) const;
    QString Text(const QString& name) const;  // Null reads as empty text
    bool IsNull(const QString& name) const;
    void SetField(const QString& name, const QVariant& value);

    void AddNew();
    void Update();
    void Delete();

private:
    struct Row {
        std::vector<QVariant> values;
        bool deleted = false;
        // What each changed field held when last read or stored: taken by
        // the field's first SetField, compared by the next store. Empty while
        // nothing is changed, so that a row only read costs no room for it.
        std::vector<std::optional<QVariant>> stored;
        bool Changed(std::size_t column) const { return column < stored.size() && stored[column].has_value(); }
    };
    Row EmptyRow() const;
    void OrderByKey();

    void TakeLayout(const QString& sqlText, const QSqlRecord& record);
    void RequireOpen() const;
    int ColumnIndex(const QString& name) const;
    const Row& CurrentRow() const;
    Row& EditableRow();
    void SkipDeleted();
    void Insert(Row& row);
    void StoreChanges(Row& row);
    struct Outcome {
        QVariant insertedKey;
        int rowsAffected = 0;
    };
    Outcome Execute(const QString& sql, const QVariantList& values);

    Connection* connection_ = nullptr;
    bool open_ = false;
    QString layoutSql_;  // the statement the columns below were taken from
    QString table_;
    QString keyColumn_;
    QStringList columns_;
    // Each column by its own name and in lower case; names asked for in
    // another case are added once found.
    mutable QHash<QString, int> columnIndex_;
    std::vector<Row> rows_;
    std::size_t position_ = 0;
    std::optional<Row> pending_;
};
