#include "RecordsetWork.h"

#include "TestPictures.h"
#include "app/ErrorPolicy.h"
#include "data/Connection.h"
#include "rules/ListRows.h"
#include "rules/TestRules.h"

namespace {

// `results` is one recordset for the whole list, so the layout of its
// statement is worked out once, not once a row.
QString RowFor(Recordset& results, Connection& connection, const QString& name, qint64 studentNumber,
               qint64 testNumber)
{
    results.Open(Sql::ResultsForList(studentNumber, testNumber), connection);
    if (results.RecordCount() == 0)
        return ResultsRow::NotTaken(name);
    if (results.IsNull(QStringLiteral("fldGrade")))
        return ResultsRow::Unfinished(name);
    return ResultsRow::Taken(name, results.Text(QStringLiteral("fldGrade")), results.Text(QStringLiteral("fldDate")));
}

}

ResultRows ResultsRows(Connection& connection, qint64 studentNumber)
{
    ResultRows rows;
    Connection::ReadTransaction reading(connection);
    Recordset tests;
    Recordset results;
    IgnoreErrors([&] { tests.Open(Sql::TestTitles(), connection); });
    IgnoreErrors([&] { tests.MoveFirst(); });
    if (!tests.IsOpen())
        return rows;
    while (!tests.Eof()) {
        QString row;
        qint64 testNumber = 0;
        IgnoreErrors([&] {
            const QString name = tests.Text(QStringLiteral("fldTestName"));
            if (TestRules::IsUnfinished(name))
                return;
            testNumber = tests.Field(QStringLiteral("fldTestNumber")).toLongLong();
            row = RowFor(results, connection, name, studentNumber, testNumber);
        });
        if (!row.isEmpty())
            rows.push_back({row, testNumber});
        results.Close();
        IgnoreErrors([&] { tests.MoveNext(); });
    }
    return rows;
}

bool OpenTest(Recordset& tests, Connection& connection, qint64 testNumber)
{
    tests.Close();
    tests.Open(Sql::TestByNumber(testNumber), connection);
    return tests.RecordCount() != 0;
}

Refusal RecordsetReview::Ready(qint64 studentNumber, qint64 testNumber)
{
    result_.Close();
    bool gone = false;
    IgnoreErrors([&] { gone = !OpenTest(test_, connection_, testNumber); });
    if (gone)
        return Refusal::TestGone;
    IgnoreErrors([&] { result_.Open(Sql::ResultOfStudentInTest(studentNumber, testNumber), connection_); });
    bool unfinished = false;
    IgnoreErrors([&] { unfinished = result_.RecordCount() != 0 && result_.IsNull(QStringLiteral("fldGrade")); });
    if (unfinished) {
        result_.Close();
        return Refusal::NotFinished;
    }
    return Refusal::None;
}

QSize RecordsetReview::PictureRoom() const
{
    return TestPictures::Room(connection_, test_.Field(QStringLiteral("fldTestNumber")).toLongLong());
}

std::optional<Picture> RecordsetReview::SlotPicture(int slot) const
{
    return TestPictures::Read(connection_, test_.Field(QStringLiteral("fldTestNumber")).toLongLong(), slot);
}
