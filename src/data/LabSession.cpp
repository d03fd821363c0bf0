#include "LabSession.h"

#include "Cursor.h"
#include "DbError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

void NoRows(QSqlQuery&) {}

// How a call is repeated when the connection was lost under it. A call that
// does the same when made again (a store of the same line, a slot whose order
// the server keeps) is simply made again, as a read is: one round trip. Finishing, which refuses an attempt
// already graded, is repeated as a store: only when it did not commit.
constexpr Connection::Unit Repeatable = Connection::Unit::Read;
constexpr Connection::Unit AtMostOnce = Connection::Unit::Store;

// The functions' refusals are sentences for the user: the server's primary
// message alone, without its severity, context lines and error code.
QString ServerMessage(const QSqlError& error)
{
    const QString engine = error.databaseText().trimmed();
    if (engine.isEmpty())
        return error.text().trimmed();
    QString message = engine.section(u'\n', 0, 0);
    static const QString Severity = QStringLiteral("ERROR:");
    if (message.startsWith(Severity))
        message = message.mid(Severity.size()).trimmed();
    return message;
}

}

LabSession::LabSession(Connection& connection) : connection_(connection) {}

// Runs one function call, prepared once per text, repeated by the connection
// when the server is lost for a moment, as the program's own reads and stores
// are. `read` takes the rows within the call, so a repeated call reads them
// afresh.
void LabSession::Call(Connection::Unit unit, const QString& sql, const QVariantList& values,
                      const std::function<void(QSqlQuery&)>& read)
{
    connection_.Repeatable(unit, [&] {
        // Prepared again after a reconnection, which drops the statements.
        QSqlQuery& query = connection_.Prepared(sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec()) {
            const QString message = ServerMessage(query.lastError());
            query.finish();
            throw DbError(message);
        }
        read(query);
        query.finish();
    });
}

// The server checks the password as the student's own role's (SCRAM): no
// password or name travels in a statement.
bool LabSession::SignIn(const QString& name, const QString& password)
{
    return connection_.SignInAsStudent(name, password);
}

void LabSession::SignOut() { connection_.SignOut(); }

std::vector<LabSession::ListRow> LabSession::Rows()
{
    std::vector<ListRow> rows;
    Call(Repeatable,
         QStringLiteral("SELECT test_number, test_name, minutes, begun, grade, date_taken "
                        "FROM vt_student_rows()"),
         {}, [&rows](QSqlQuery& query) {
             rows.clear();
             while (query.next())
                 rows.push_back({query.value(0).toLongLong(), query.value(1).toString(), query.value(2),
                                 query.value(3).toBool(), query.value(4), query.value(5).toString()});
         });
    return rows;
}

LabSession::TestInfo LabSession::Test(qint64 testNumber)
{
    TestInfo info;
    Call(Repeatable,
         QStringLiteral("SELECT test_name, description, minutes, begun, graded FROM vt_test(?)"),
         {testNumber}, [&info](QSqlQuery& query) {
             if (query.next())
                 info = {query.value(0).toString(), query.value(1).toString(), query.value(2), query.value(3).toBool(),
                         query.value(4).toBool()};
         });
    return info;
}

int LabSession::MinutesGiven(qint64 testNumber)
{
    int minutes = 0;
    Call(Repeatable, QStringLiteral("SELECT vt_minutes_for(?)"), {testNumber},
         [&minutes](QSqlQuery& query) { minutes = query.next() ? query.value(0).toInt() : 0; });
    return minutes;
}

LabSession::TimeLeft LabSession::Left(qint64 testNumber)
{
    TimeLeft left;
    Call(Repeatable, QStringLiteral("SELECT seconds_left, finished FROM vt_time_left(?)"), {testNumber},
         [&left](QSqlQuery& query) {
             if (query.next())
                 left = {query.value(0).toLongLong(), query.value(1).toBool()};
         });
    return left;
}

LabSession::Attempt LabSession::Begin(qint64 testNumber)
{
    Attempt attempt;
    Call(Repeatable, QStringLiteral("SELECT seconds_left, answered FROM vt_begin(?)"),
         {testNumber}, [&attempt](QSqlQuery& query) {
             if (!query.next())
                 return;
             attempt.secondsLeft = query.value(0).toLongLong();
             const QString answered = query.value(1).toString();
             for (std::size_t s = 0; s < attempt.answered.size(); ++s)
                 attempt.answered[s] = answered.mid(static_cast<qsizetype>(s), 1) == QLatin1String("1");
         });
    return attempt;
}

LabSession::Slot LabSession::Show(qint64 testNumber, int slot)
{
    Slot shown;
    QString mark;
    Call(Repeatable,
         QStringLiteral("SELECT question, answer1, answer2, answer3, chosen_line, shown_mark FROM vt_slot(?, ?)"),
         {testNumber, slot}, [&shown, &mark](QSqlQuery& query) {
             if (!query.next())
                 return;
             shown = {query.value(0).toString(),
                      {query.value(1).toString(), query.value(2).toString(), query.value(3).toString()},
                      query.value(4).toInt()};
             mark = query.value(5).toString();
         });
    if (!mark.isEmpty())
        shownMarks_[{testNumber, slot}] = mark;
    return shown;
}

std::optional<LabSession::SlotPicture> LabSession::PictureOf(qint64 testNumber, int slot)
{
    // The bytes as the server holds them, not as hexadecimal text twice their
    // size: with a lab's workstations all asking at once, writing and reading
    // that text is most of a picture's cost.
    std::optional<SlotPicture> picture;
    const SqlText sql{QStringLiteral("SELECT picture, picture_format, CAST(width AS TEXT), CAST(height AS TEXT), "
                                     "description FROM vt_picture(?, ?)"),
                      {testNumber, slot}};
    connection_.Repeatable(Repeatable, [&] {
        picture.reset();
        Cursor row(connection_, sql, Cursor::Values::Binary);
        while (row.Next()) {
            picture = SlotPicture{row.Bytes(0).toByteArray(), QString::fromUtf8(row.Utf8(1)),
                                  static_cast<int>(row.Number(2)), static_cast<int>(row.Number(3)),
                                  QString::fromUtf8(row.Utf8(4))};
        }
    });
    return picture;
}

QSize LabSession::PictureRoom(qint64 testNumber)
{
    QSize room;
    connection_.Repeatable(Repeatable, [&] {
        Cursor row(connection_,
                   {QStringLiteral("SELECT CAST(width AS TEXT), CAST(height AS TEXT) FROM vt_picture_room(?)"), {testNumber}},
                   Cursor::Values::Binary);
        room = row.Next() ? QSize(static_cast<int>(row.Number(0)), static_cast<int>(row.Number(1))) : QSize();
    });
    return room;
}

bool LabSession::Store(qint64 testNumber, int slot, int line)
{
    bool stored = false;
    const auto mark = shownMarks_.find({testNumber, slot});
    Call(Repeatable, QStringLiteral("SELECT vt_store(?, ?, ?, ?)"),
         {testNumber, slot, line, mark == shownMarks_.end() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(mark->second)},
         [&stored](QSqlQuery& query) { stored = query.next() && query.value(0).toBool(); });
    return stored;
}

void LabSession::Finish(qint64 testNumber, const QString& dateFormat)
{
    Call(AtMostOnce, QStringLiteral("SELECT vt_finish(?, ?)"), {testNumber, dateFormat}, NoRows);
}

std::vector<LabSession::ReviewSlot> LabSession::Review(qint64 testNumber)
{
    std::vector<ReviewSlot> review;
    Call(Repeatable,
         QStringLiteral("SELECT answer_record, question, right_answer, phony1, phony2 FROM vt_review(?)"),
         {testNumber}, [&review](QSqlQuery& query) {
             review.clear();
             while (query.next())
                 review.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                                   query.value(3).toString(), query.value(4).toString()});
         });
    return review;
}
