#include "LabSession.h"

#include "Connection.h"
#include "DbError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

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

QVariantList LabSession::WithToken(QVariantList values) const
{
    if (!token_)
        throw DbError(QStringLiteral("This session has ended; please sign in again."));
    values.prepend(*token_);
    return values;
}

// Runs one function call, prepared once per text; the caller reads its rows.
QSqlQuery& LabSession::Call(const QString& sql, const QVariantList& values)
{
    QSqlQuery& query = connection_.Prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec()) {
        const QString message = ServerMessage(query.lastError());
        query.finish();
        throw DbError(message);
    }
    return query;
}

bool LabSession::SignIn(const QString& name, const QString& password)
{
    token_.reset();
    QSqlQuery& query = Call(QStringLiteral("SELECT session_token::TEXT, student_number FROM vt_sign_in(?, ?)"),
                            {name, password});
    if (query.next()) {
        token_ = query.value(0).toString();
        student_ = query.value(1).toLongLong();
    }
    query.finish();
    return token_.has_value();
}

void LabSession::SignOut()
{
    if (!token_)
        return;
    Call(QStringLiteral("SELECT vt_sign_out(CAST(? AS UUID))"), WithToken({})).finish();
    token_.reset();
}

std::vector<LabSession::ListRow> LabSession::Rows()
{
    QSqlQuery& query = Call(QStringLiteral("SELECT test_number, test_name, minutes, begun, grade, date_taken "
                                           "FROM vt_student_rows(CAST(? AS UUID))"),
                            WithToken({}));
    std::vector<ListRow> rows;
    while (query.next())
        rows.push_back({query.value(0).toLongLong(), query.value(1).toString(), query.value(2), query.value(3).toBool(),
                        query.value(4), query.value(5).toString()});
    query.finish();
    return rows;
}

LabSession::TestInfo LabSession::Test(qint64 testNumber)
{
    QSqlQuery& query = Call(QStringLiteral("SELECT test_name, description, minutes, begun, graded "
                                           "FROM vt_test(CAST(? AS UUID), ?)"),
                            WithToken({testNumber}));
    TestInfo info;
    if (query.next())
        info = {query.value(0).toString(), query.value(1).toString(), query.value(2), query.value(3).toBool(),
                query.value(4).toBool()};
    query.finish();
    return info;
}

LabSession::Attempt LabSession::Begin(qint64 testNumber)
{
    QSqlQuery& query =
        Call(QStringLiteral("SELECT seconds_left, answered FROM vt_begin(CAST(? AS UUID), ?)"), WithToken({testNumber}));
    Attempt attempt;
    if (query.next()) {
        attempt.secondsLeft = query.value(0).toLongLong();
        const QString answered = query.value(1).toString();
        for (std::size_t s = 0; s < attempt.answered.size(); ++s)
            attempt.answered[s] = answered.mid(static_cast<qsizetype>(s), 1) == QLatin1String("1");
    }
    query.finish();
    return attempt;
}

LabSession::Slot LabSession::Show(qint64 testNumber, int slot)
{
    QSqlQuery& query = Call(QStringLiteral("SELECT question, answer1, answer2, answer3, chosen_line "
                                           "FROM vt_slot(CAST(? AS UUID), ?, ?)"),
                            WithToken({testNumber, slot}));
    Slot shown;
    if (query.next())
        shown = {query.value(0).toString(),
                 {query.value(1).toString(), query.value(2).toString(), query.value(3).toString()},
                 query.value(4).toInt()};
    query.finish();
    return shown;
}

void LabSession::Store(qint64 testNumber, int slot, int line)
{
    Call(QStringLiteral("SELECT vt_store(CAST(? AS UUID), ?, ?, ?)"), WithToken({testNumber, slot, line})).finish();
}

int LabSession::Finish(qint64 testNumber, const QString& date)
{
    QSqlQuery& query = Call(QStringLiteral("SELECT vt_finish(CAST(? AS UUID), ?, ?)"), WithToken({testNumber, date}));
    const int grade = query.next() ? query.value(0).toInt() : 0;
    query.finish();
    return grade;
}

std::vector<LabSession::ReviewSlot> LabSession::Review(qint64 testNumber)
{
    QSqlQuery& query = Call(QStringLiteral("SELECT answer_record, question, right_answer, phony1, phony2 "
                                           "FROM vt_review(CAST(? AS UUID), ?)"),
                            WithToken({testNumber}));
    std::vector<ReviewSlot> review;
    while (query.next())
        review.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                         query.value(3).toString(), query.value(4).toString()});
    query.finish();
    return review;
}
