#include "RecordsetWork.h"

#include "app/ErrorPolicy.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "app/TestPictures.h"
#include "app/TestRules.h"

using namespace Module1;

namespace {

QString RowFor(qint64 studentNumber, qint64 testNumber)
{
    const QString name = rsTests.Text(QStringLiteral("fldTestName"));
    rsResults.Open(Sql::ResultsForList(studentNumber, testNumber), cnDatabase);
    if (rsResults.RecordCount() == 0)
        return ResultsRow::NotTaken(name);
    if (rsResults.IsNull(QStringLiteral("fldGrade")))
        return ResultsRow::Unfinished(name);
    return ResultsRow::Taken(name, rsResults.Text(QStringLiteral("fldGrade")), rsResults.Text(QStringLiteral("fldDate")));
}

class RecordsetTexts : public ReviewTexts {
public:
    QString TestText(const QString& field) const override { return rsTests.Text(field); }
    QString ResultText(const QString& field) const override { return rsResults.Text(field); }
    std::optional<Picture> SlotPicture(int slot) const override
    {
        return TestPictures::Read(cnDatabase, rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), slot);
    }
};

}

ResultRows ResultsRows(qint64 studentNumber)
{
    ResultRows rows;
    Connection::ReadTransaction reading(cnDatabase);
    IgnoreErrors([] { rsResults.Close(); });
    IgnoreErrors([] { rsTests.Close(); });
    IgnoreErrors([] { rsTests.Open(Sql::AllTests(), cnDatabase); });
    IgnoreErrors([] { rsTests.MoveFirst(); });
    if (!rsTests.IsOpen())
        return rows;
    while (!rsTests.Eof()) {
        QString row;
        qint64 testNumber = 0;
        IgnoreErrors([&] {
            if (TestRules::IsUnfinished(rsTests.Text(QStringLiteral("fldTestName"))))
                return;
            testNumber = rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong();
            row = RowFor(studentNumber, testNumber);
        });
        if (!row.isEmpty())
            rows.push_back({row, testNumber});
        IgnoreErrors([] { rsResults.Close(); });
        IgnoreErrors([] { rsTests.MoveNext(); });
    }
    return rows;
}

bool OpenTest(qint64 testNumber)
{
    IgnoreErrors([] { rsTests.Close(); });
    rsTests.Open(Sql::TestByNumber(testNumber), cnDatabase);
    return rsTests.RecordCount() != 0;
}

Refusal ReadyReview(qint64 studentNumber, qint64 testNumber)
{
    IgnoreErrors([] { rsResults.Close(); });
    bool gone = false;
    IgnoreErrors([&] { gone = !OpenTest(testNumber); });
    if (gone)
        return Refusal::TestGone;
    IgnoreErrors([&] { rsResults.Open(Sql::ResultOfStudentInTest(studentNumber, testNumber), cnDatabase); });
    bool unfinished = false;
    IgnoreErrors([&] { unfinished = rsResults.RecordCount() != 0 && rsResults.IsNull(QStringLiteral("fldGrade")); });
    if (unfinished) {
        IgnoreErrors([] { rsResults.Close(); });
        return Refusal::NotFinished;
    }
    return Refusal::None;
}

const ReviewTexts& RecordsetReview()
{
    static const RecordsetTexts texts;
    return texts;
}
