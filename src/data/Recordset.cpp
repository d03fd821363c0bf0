#include "Recordset.h"

#include "Connection.h"
#include "DbError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString NoCurrentRecord = QStringLiteral(
    "Either BOF or EOF is True, or the current record has been deleted. "
    "Requested operation requires a current record.");

QString EngineMessage(const QSqlQuery& query)
{
    const QSqlError error = query.lastError();
    const QString engine = error.databaseText().trimmed();
    return engine.isEmpty() ? error.text().trimmed() : engine;
}

QString TableOf(const QString& sql)
{
    static const QRegularExpression from(QStringLiteral("\\bFROM\\s+(\\w+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto match = from.match(sql);
    return match.hasMatch() ? match.captured(1) : QString();
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
        throw DbError(QStringLiteral("Operation is not allowed when the object is open."));
    QSqlQuery& query = connection.Prepared(sql.text);
    for (int i = 0; i < sql.values.size(); ++i)
        query.bindValue(i, sql.values[i]);
    if (!query.exec()) {
        const QString message = EngineMessage(query);
        query.finish();
        throw DbError(message);
    }

    const QSqlRecord record = query.record();
    if (sql.text != layoutSql_ || columns_.size() != record.count())
        TakeLayout(sql.text, record);
    rows_.clear();
    const auto width = static_cast<std::size_t>(columns_.size());
    while (query.next()) {
        Row row{std::vector<QVariant>(width), std::vector<bool>(width, false), false};
        for (int c = 0; c < columns_.size(); ++c)
            row.values[static_cast<std::size_t>(c)] = query.value(c);
        rows_.push_back(std::move(row));
    }
    query.finish();

    connection_ = &connection;
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
    }
    table_ = TableOf(sqlText);
    keyColumn_ = KeyColumnOf(table_);
    layoutSql_ = sqlText;
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
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed."));
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
        throw DbError(NoCurrentRecord);
    pending_.reset();
    ++position_;
    SkipDeleted();
}

int Recordset::ColumnIndex(const QString& name) const
{
    RequireOpen();
    const auto found = columnIndex_.constFind(name);
    if (found == columnIndex_.constEnd())
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the "
                                     "requested name or ordinal: %1").arg(name));
    return found.value();
}

const Recordset::Row& Recordset::CurrentRow() const
{
    if (pending_)
        return *pending_;
    if (Eof() || rows_[position_].deleted)
        throw DbError(NoCurrentRecord);
    return rows_[position_];
}

Recordset::Row& Recordset::EditableRow() { return const_cast<Row&>(CurrentRow()); }

QVariant Recordset::Field(const QString& name) const
{
    const int column = ColumnIndex(name);
    return CurrentRow().values[static_cast<std::size_t>(column)];
}

QString Recordset::Text(const QString& name) const { return Field(name).toString(); }

bool Recordset::IsNull(const QString& name) const { return Field(name).isNull(); }

void Recordset::SetField(const QString& name, const QVariant& value)
{
    const auto column = static_cast<std::size_t>(ColumnIndex(name));
    Row& row = EditableRow();
    row.values[column] = value;
    row.changed[column] = true;
}

void Recordset::AddNew()
{
    RequireOpen();
    const auto width = static_cast<std::size_t>(columns_.size());
    pending_ = Row{std::vector<QVariant>(width), std::vector<bool>(width, false), false};
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
        if (!row.changed[static_cast<std::size_t>(c)])
            continue;
        names << columns_[c];
        marks << QStringLiteral("?");
        values << row.values[static_cast<std::size_t>(c)];
    }
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table_, names.join(u','), marks.join(u','));
    const QVariant key = Execute(sql, values).insertedKey;
    std::fill(row.changed.begin(), row.changed.end(), false);
    const auto keyColumn = columnIndex_.constFind(keyColumn_);
    if (keyColumn != columnIndex_.constEnd())
        row.values[static_cast<std::size_t>(keyColumn.value())] = key;
}

void Recordset::StoreChanges(Row& row)
{
    QStringList assignments;
    QVariantList values;
    for (int c = 0; c < columns_.size(); ++c) {
        if (!row.changed[static_cast<std::size_t>(c)])
            continue;
        assignments << columns_[c] + QStringLiteral(" = ?");
        values << row.values[static_cast<std::size_t>(c)];
    }
    if (assignments.isEmpty())
        return;
    const QVariant key = row.values[static_cast<std::size_t>(ColumnIndex(keyColumn_))];
    values << key;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                            .arg(table_, assignments.join(QStringLiteral(", ")), keyColumn_);
    if (Execute(sql, values).rowsAffected == 0)
        throw DbError(QStringLiteral("The row could not be stored: it is no longer in the %1 table.").arg(table_));
    std::fill(row.changed.begin(), row.changed.end(), false);
}

void Recordset::Delete()
{
    RequireOpen();
    if (pending_)
        throw DbError(NoCurrentRecord);
    Row& row = EditableRow();
    const QVariant key = row.values[static_cast<std::size_t>(ColumnIndex(keyColumn_))];
    Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table_, keyColumn_), {key});
    row.deleted = true;
}

Recordset::Outcome Recordset::Execute(const QString& sql, const QVariantList& values)
{
    QSqlQuery& query = connection_->Prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec()) {
        const QString message = EngineMessage(query);
        query.finish();
        throw DbError(message);
    }
    Outcome outcome{query.lastInsertId(), query.numRowsAffected()};
    query.finish();
    return outcome;
}
