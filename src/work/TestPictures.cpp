#include "TestPictures.h"

#include "data/Connection.h"
#include "data/Cursor.h"
#include "data/DbError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// Its numbers as text: the bytes are read as the engine holds them (see Read).
const QString SelectPicture = QStringLiteral(
    "SELECT fldBytes, fldFormat, CAST(fldWidth AS TEXT), CAST(fldHeight AS TEXT), fldDescription FROM Pictures "
    "WHERE fldTestNumber = ? AND fldSlot = ?");
const QString StorePicture = QStringLiteral(
    "INSERT INTO Pictures (fldTestNumber, fldSlot, fldBytes, fldFormat, fldWidth, fldHeight, fldDescription) "
    "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (fldTestNumber, fldSlot) DO UPDATE SET fldBytes = excluded.fldBytes, "
    "fldFormat = excluded.fldFormat, fldWidth = excluded.fldWidth, fldHeight = excluded.fldHeight, "
    "fldDescription = excluded.fldDescription");
const QString DeletePicture = QStringLiteral("DELETE FROM Pictures WHERE fldTestNumber = ? AND fldSlot = ?");

void Store(Connection& connection, const QString& sql, const QVariantList& values)
{
    connection.Repeatable(Connection::Unit::Store, [&] {
        QSqlQuery& query = connection.Prepared(sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec())
            throw DbError(EngineMessage(query.lastError()));
        query.finish();  // a statement left open would keep the file's read lock
    });
}

}

// A server hands the bytes over as they are, not as hexadecimal text twice
// their size that both ends would have to write and read.
std::optional<Picture> TestPictures::Read(Connection& connection, qint64 testNumber, int slot)
{
    std::optional<Picture> picture;
    connection.Repeatable(Connection::Unit::Read, [&] {
        picture.reset();
        Cursor row(connection, {SelectPicture, {testNumber, slot}}, Cursor::Values::Binary);
        while (row.Next()) {
            picture = Picture{row.Bytes(0).toByteArray(), QString::fromUtf8(row.Utf8(1)), static_cast<int>(row.Number(2)),
                              static_cast<int>(row.Number(3)), QString::fromUtf8(row.Utf8(4))};
        }
    });
    return picture;
}

QSize TestPictures::Room(Connection& connection, qint64 testNumber)
{
    QSize room;
    connection.Repeatable(Connection::Unit::Read, [&] {
        Cursor row(connection,
                   {QStringLiteral("SELECT CAST(MAX(fldWidth) AS TEXT), CAST(MAX(fldHeight) AS TEXT) FROM Pictures "
                                   "WHERE fldTestNumber = ?"),
                    {testNumber}},
                   Cursor::Values::Binary);
        room = row.Next() ? QSize(static_cast<int>(row.Number(0)), static_cast<int>(row.Number(1))) : QSize();
    });
    return room;
}

void TestPictures::Write(Connection& connection, qint64 testNumber, int slot, const Picture& picture)
{
    Store(connection, StorePicture,
          {testNumber, slot, picture.bytes, picture.format, picture.width, picture.height, picture.description});
}

void TestPictures::Remove(Connection& connection, qint64 testNumber, int slot)
{
    Store(connection, DeletePicture, {testNumber, slot});
}

void TestPictures::ReadInto(Connection& connection, qint64 testNumber, TestDraft& draft)
{
    for (std::size_t i = 0; i < draft.questions.size(); ++i)
        draft.questions[i].picture = Read(connection, testNumber, static_cast<int>(i) + 1);
}

void TestPictures::WriteFrom(Connection& connection, qint64 testNumber, const std::vector<DraftQuestion>& questions)
{
    for (std::size_t i = 0; i < questions.size(); ++i) {
        if (questions[i].picture)
            Write(connection, testNumber, static_cast<int>(i) + 1, *questions[i].picture);
    }
}

void TestPictures::Keep(Connection& connection, qint64 testNumber, int slot, const std::optional<Picture>& picture)
{
    if (picture)
        Write(connection, testNumber, slot, *picture);
    else
        Remove(connection, testNumber, slot);
}
