#include "TestPictures.h"

#include "data/Connection.h"
#include "data/DbError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString SelectPicture = QStringLiteral(
    "SELECT fldBytes, fldFormat, fldWidth, fldHeight, fldDescription FROM Pictures WHERE fldTestNumber = ? AND fldSlot = ?");
const QString StorePicture = QStringLiteral(
    "INSERT INTO Pictures (fldTestNumber, fldSlot, fldBytes, fldFormat, fldWidth, fldHeight, fldDescription) "
    "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (fldTestNumber, fldSlot) DO UPDATE SET fldBytes = excluded.fldBytes, "
    "fldFormat = excluded.fldFormat, fldWidth = excluded.fldWidth, fldHeight = excluded.fldHeight, "
    "fldDescription = excluded.fldDescription");
const QString DeletePicture = QStringLiteral("DELETE FROM Pictures WHERE fldTestNumber = ? AND fldSlot = ?");

void Run(Connection& connection, Connection::Unit unit, const QString& sql, const QVariantList& values,
         const std::function<void(QSqlQuery&)>& read = {})
{
    connection.Repeatable(unit, [&] {
        QSqlQuery& query = connection.Prepared(sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec())
            throw DbError(EngineMessage(query.lastError()));
        if (read)
            read(query);
        query.finish();  // a statement left open would keep the file's read lock
    });
}

}

std::optional<Picture> TestPictures::Read(Connection& connection, qint64 testNumber, int slot)
{
    std::optional<Picture> picture;
    Run(connection, Connection::Unit::Read, SelectPicture, {testNumber, slot}, [&](QSqlQuery& query) {
        if (query.next())
            picture = Picture{query.value(0).toByteArray(), query.value(1).toString(), query.value(2).toInt(),
                              query.value(3).toInt(), query.value(4).toString()};
    });
    return picture;
}

void TestPictures::Write(Connection& connection, qint64 testNumber, int slot, const Picture& picture)
{
    Run(connection, Connection::Unit::Store, StorePicture,
        {testNumber, slot, picture.bytes, picture.format, picture.width, picture.height, picture.description});
}

void TestPictures::Remove(Connection& connection, qint64 testNumber, int slot)
{
    Run(connection, Connection::Unit::Store, DeletePicture, {testNumber, slot});
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
