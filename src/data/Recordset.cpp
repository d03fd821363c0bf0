#include "Recordset.h"

#include "Connection.h"
#include "DbError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <QCoreApplication>

namespace {

QString ChangedByAnotherUser() { return QCoreApplication::translate("Recordset", "This record was changed or deleted by another user since it was read; your change was not saved."); }

QString NoCurrentRecord() { return QCoreApplication::translate("Recordset", "Either BOF or EOF is True, or the current record has been deleted. "
    "Requested operation requires a current record."); }

bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// The table a statement reads: the name after its first FROM that stands as
// a word of its own. Scanned by hand, as a regular expression would be
// compiled at start for the sign-in screen's first two recordsets.
QString TableOf(const QString& sql)
{
    static const QString From = QStringLiteral("FROM");
    for (qsizetype at = sql.indexOf(From, 0, Qt::CaseInsensitive); at >= 0;
         at = sql.indexOf(From, at + 1, Qt::CaseInsensitive)) {
        qsizetype name = at + From.size();
        if ((at > 0 && IsWordCharacter(sql[at - 1])) || name >= sql.size() || !sql[name].isSpace())
            continue;
        while (name < sql.size() && sql[name].isSpace())
            ++name;
        qsizetype end = name;
        while (end < sql.size() && IsWordCharacter(sql[end]))
            ++end;
        if (end > name)
            return sql.mid(name, end - name);
    }
    return {};
}

QString KeyColumnOf(const QString& table)
{
    if (table.compare(QLatin1String("Passwords"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("fldStudentNumber");
    if (table.compare(QLatin1String("Tests"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("fldTestNumber");
    if (table.compare(QLatin1String("Results"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("fldResultNumber");
    return {};
}

}

void Recordset::Open(const SqlText& sql, Connection& connection)
{
    if (open_)
        throw DbError(QCoreApplication::translate("Recordset", "Operation is not allowed when the object is open."));
    connection.Repeatable(Connection::Unit::Read, [&] {
        QSqlQuery& query = connection.Prepared(sql.text);
        for (int i = 0; i < sql.values.size(); ++i)
            query.bindValue(i, sql.values[i]);
        if (!query.exec()) {
            const QString message = EngineMessage(query.lastError());
            query.finish();
            throw DbError(message);
        }

        const QSqlRecord record = query.record();
        if (sql.text != layoutSql_ || columns_.size() != record.count())
            TakeLayout(sql.text, record);
        rows_.clear();
        while (query.next()) {
            Row row = EmptyRow();
            for (int c = 0; c < columns_.size(); ++c)
                row.values[static_cast<std::size_t>(c)] = query.value(c);
            rows_.push_back(std::move(row));
        }
        query.finish();
    });

    connection_ = &connection;
    if (connection.Engine() == DbEngine::PostgreSQL)
        OrderByKey();
    position_ = 0;
    pending_.reset();
    open_ = true;
}

// The columns, the table and its key belong to the statement text; a list
// fill reopens one statement once per row, so they are worked out only when
// the text changes.
void Recordset::TakeLayout(const QString& sqlText, const QSqlRecord& record)
{
    columns_.clear();
    columnIndex_.clear();
    for (int c = 0; c < record.count(); ++c) {
        const QString name = record.fieldName(c);
        columns_ << name;
        columnIndex_.insert(name, c);
        columnIndex_.insert(name.toLower(), c);
    }
    table_ = TableOf(sqlText);
    keyColumn_ = KeyColumnOf(table_);
    layoutSql_ = sqlText;
}

Recordset::Row Recordset::EmptyRow() const
{
    const auto width = static_cast<std::size_t>(columns_.size());
    return Row{std::vector<QVariant>(width), false, {}};
}

// The SQLite file returns a table's rows in the order they were added, and
// the lists show them so; a server returns them in no fixed order (a changed
// row may come last), so its rows are put in key order, which is the same.
void Recordset::OrderByKey()
{
    const auto key = columnIndex_.constFind(keyColumn_.toLower());
    if (key == columnIndex_.constEnd())
        return;
    const auto column = static_cast<std::size_t>(key.value());
    std::stable_sort(rows_.begin(), rows_.end(), [column](const Row& a, const Row& b) {
        return a.values[column].toLongLong() < b.values[column].toLongLong();
    });
}

void Recordset::Close()
{
    open_ = false;
    rows_.clear();
    pending_.reset();
    position_ = 0;
}

void Recordset::RequireOpen() const
{
    if (!open_)
        throw DbError(QCoreApplication::translate("Recordset", "Operation is not allowed when the object is closed."));
}

int Recordset::RecordCount() const
{
    RequireOpen();
    int count = 0;
    for (const Row& row : rows_)
        count += row.deleted ? 0 : 1;
    return count;
}

bool Recordset::Eof() const
{
    RequireOpen();
    return position_ >= rows_.size();
}

void Recordset::SkipDeleted()
{
    while (position_ < rows_.size() && rows_[position_].deleted)
        ++position_;
}

void Recordset::MoveFirst()
{
    RequireOpen();
    pending_.reset();
    position_ = 0;
    SkipDeleted();
}

void Recordset::MoveNext()
{
    RequireOpen();
    if (Eof())
        throw DbError(NoCurrentRecord());
    pending_.reset();
    ++position_;
    SkipDeleted();
}

int Recordset::ColumnIndex(const QString& name) const
{
    RequireOpen();
    const auto found = columnIndex_.constFind(name);
    if (found != columnIndex_.constEnd())
        return found.value();
    const auto anyCase = columnIndex_.constFind(name.toLower());
    if (anyCase == columnIndex_.constEnd())
        throw DbError(QCoreApplication::translate("Recordset", "Item cannot be found in the collection corresponding to the "
                                     "requested name or ordinal: %1").arg(name));
    const int column = anyCase.value();
    columnIndex_.insert(name, column);
    return column;
}

const Recordset::Row& Recordset::CurrentRow() const
{
    if (pending_)
        return *pending_;
    if (Eof() || rows_[position_].deleted)
        throw DbError(NoCurrentRecord());
    return rows_[position_];
}

Recordset::Row& Recordset::EditableRow() { return const_cast<Row&>(CurrentRow()); }

QVariant Recordset::Field(const QString& name) const
{
    const int column = ColumnIndex(name);
    return CurrentRow().values[static_cast<std::size_t>(column)];
}

// A Null of a numeric column (as the server's driver gives it) would
// otherwise read as "0".
QString Recordset::Text(const QString& name) const
{
    const QVariant value = Field(name);
    return value.isNull() ? QString() : value.toString();
}

bool Recordset::IsNull(const QString& name) const { return Field(name).isNull(); }

void Recordset::SetField(const QString& name, const QVariant& value)
{
    const auto column = static_cast<std::size_t>(ColumnIndex(name));
    Row& row = EditableRow();
    if (!row.Changed(column)) {
        if (row.stored.empty())
            row.stored.resize(row.values.size());
        row.stored[column] = row.values[column];
    }
    row.values[column] = value;
}

void Recordset::AddNew()
{
    RequireOpen();
    pending_ = EmptyRow();
}

void Recordset::Update()
{
    RequireOpen();
    if (pending_) {
        Insert(*pending_);  // on failure the pending row is kept
        rows_.push_back(std::move(*pending_));
        pending_.reset();
        position_ = rows_.size() - 1;
        return;
    }
    StoreChanges(EditableRow());
}

void Recordset::Insert(Row& row)
{
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (int c = 0; c < columns_.size(); ++c) {
        if (!row.Changed(static_cast<std::size_t>(c)))
            continue;
        names << columns_[c];
        marks << QStringLiteral("?");
        values << row.values[static_cast<std::size_t>(c)];
    }
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table_, names.join(u','), marks.join(u','));
    const QVariant key = Execute(sql, values).insertedKey;
    row.stored.clear();
    const auto keyColumn = columnIndex_.constFind(keyColumn_.toLower());
    if (keyColumn != columnIndex_.constEnd())
        row.values[static_cast<std::size_t>(keyColumn.value())] = key;
}

// Writes the changed fields of the row, on the condition that the row is
// still there and that each of those fields still holds what this recordset
// last read or stored: a change made meanwhile by another workstation is
// reported, never overwritten. Afterwards what was written counts as stored,
// so the next store of the same row compares with it.
void Recordset::StoreChanges(Row& row)
{
    const QString sameValue = connection_->Engine() == DbEngine::PostgreSQL ? QStringLiteral(" IS NOT DISTINCT FROM ?")
                                                                             : QStringLiteral(" IS ?");
    QStringList assignments;
    QStringList unchanged;
    QVariantList values;
    QVariantList storedValues;
    for (int c = 0; c < columns_.size(); ++c) {
        const auto column = static_cast<std::size_t>(c);
        if (!row.Changed(column))
            continue;
        assignments << columns_[c] + QStringLiteral(" = ?");
        values << row.values[column];
        unchanged << columns_[c] + sameValue;
        storedValues << *row.stored[column];
    }
    if (assignments.isEmpty())
        return;
    values << row.values[static_cast<std::size_t>(ColumnIndex(keyColumn_))] << storedValues;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ? AND %4")
                            .arg(table_, assignments.join(QStringLiteral(", ")), keyColumn_,
                                 unchanged.join(QStringLiteral(" AND ")));
    if (Execute(sql, values).rowsAffected == 0)
        throw DbError(ChangedByAnotherUser());
    row.stored.clear();
}

void Recordset::Delete()
{
    RequireOpen();
    if (pending_)
        throw DbError(NoCurrentRecord());
    Row& row = EditableRow();
    const QVariant key = row.values[static_cast<std::size_t>(ColumnIndex(keyColumn_))];
    // A row another workstation deleted first is gone all the same: done.
    Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table_, keyColumn_), {key});
    row.deleted = true;
}

// Runs one store, repeated across a lost server connection (see
// Connection::Repeatable). An insert on the server hands back its new key
// with RETURNING; the SQLite file reports it as the last inserted row id.
Recordset::Outcome Recordset::Execute(const QString& sql, const QVariantList& values)
{
    const bool inserts = sql.startsWith(QLatin1String("INSERT"));
    const bool returnsKey = inserts && connection_->Engine() == DbEngine::PostgreSQL;
    Outcome outcome;
    connection_->Repeatable(Connection::Unit::Store, [&] {
        QSqlQuery& query = connection_->Prepared(returnsKey ? sql + QStringLiteral(" RETURNING ") + keyColumn_ : sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec()) {
            const QString message = EngineMessage(query.lastError());
            query.finish();
            throw DbError(message);
        }
        // Only an insert has a key to hand back: asking the server for one after
        // any other statement fails, and would spoil a transaction around it.
        QVariant key;
        if (returnsKey)
            key = query.next() ? query.value(0) : QVariant();
        else if (inserts)
            key = query.lastInsertId();
        outcome = Outcome{key, query.numRowsAffected()};
        query.finish();
    });
    return outcome;
}
