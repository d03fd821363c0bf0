#include "ResultsList.h"

#include "Form.h"
#include "ListRowLook.h"
#include "Screens.h"
#include "app/ErrorPolicy.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "app/TestRules.h"
#include "frmAnswers.h"
#include "report/ResultsReport.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QCoreApplication>

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

}

void FillResultsList(QListWidget& list, qint64 studentNumber)
{
    list.clear();
    Connection::ReadTransaction reading(cnDatabase);
    IgnoreErrors([] { rsResults.Close(); });
    IgnoreErrors([] { rsTests.Close(); });
    IgnoreErrors([] { rsTests.Open(Sql::AllTests(), cnDatabase); });
    IgnoreErrors([] { rsTests.MoveFirst(); });
    if (!rsTests.IsOpen())
        return;
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
            Form::AddKeyedRow(list, row, testNumber);
        IgnoreErrors([] { rsResults.Close(); });
        IgnoreErrors([] { rsTests.MoveNext(); });
    }
}

void PrintResultsList(QWidget& screen, QLabel& lblPrinting, const QListWidget& list, bool emphasizedHeading)
{
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.item(i)->text();
    PrintWithNotice(lblPrinting,
                    BuildResultsReport(screen.windowTitle(), platform().TodayShortDate(), rows, emphasizedHeading));
}

void PrintWithNotice(QLabel& lblPrinting, const PageModel& page)
{
    lblPrinting.setVisible(true);
    lblPrinting.repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const PrintOutcome outcome = platform().Print(page);

    lblPrinting.setVisible(false);
    if (!outcome.error.isEmpty())
        MsgBox(outcome.error);
    else if (!outcome.pdfPath.isEmpty())
        MsgBox(QCoreApplication::translate("ResultsList", "No printer is installed, so the report was saved as\n%1").arg(outcome.pdfPath));
}

void UseListFont(QWidget& list)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    list.setFont(font);
}

void SetResultsHeading(QLabel& heading, const QListWidget& list)
{
    heading.setFont(list.font());
    heading.setTextFormat(Qt::PlainText);
    heading.setWordWrap(false);
    // Laid out by the row builder itself, so the words sit where a row's
    // name, score and date begin.
    heading.setText(ResultsRow::Taken(QCoreApplication::translate("ResultsList", "Test"), QCoreApplication::translate("ResultsList", "Score"), QCoreApplication::translate("ResultsList", "Date Taken")));
    // A row's text starts past the list's frame and the item's text margin
    // (the style's focus-frame margin plus one pixel, as item views draw it).
    const int itemMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    heading.setIndent(0);
    heading.setContentsMargins(list.frameWidth() + itemMargin, 0, 0, 0);
}

ResultsListControls BuildResultsList(QWidget& screen)
{
    ResultsListControls controls;
    controls.Label1 = new QLabel(&screen);
    controls.Label1->setObjectName(QStringLiteral("Label1"));
    controls.lstResults = new QListWidget(&screen);
    controls.lstResults->setObjectName(QStringLiteral("lstResults"));
    controls.lstResults->setItemDelegate(new ListRowLook(controls.lstResults));
    UseListFont(*controls.lstResults);
    SetResultsHeading(*controls.Label1, *controls.lstResults);
    controls.Label1->setBuddy(controls.lstResults);
    controls.lblPrinting = new QLabel(QCoreApplication::translate("ResultsList", "Printing...."), &screen);
    controls.lblPrinting->setObjectName(QStringLiteral("lblPrinting"));
    controls.lblPrinting->setVisible(false);
    return controls;
}

void LayOutResultsScreen(QWidget& screen, const ResultsListControls& controls,
                         std::initializer_list<QPushButton*> buttons, QPushButton* exit)
{
    auto* buttonRow = new QHBoxLayout;
    for (QPushButton* button : buttons)
        buttonRow->addWidget(button);
    buttonRow->addStretch();
    buttonRow->addWidget(controls.lblPrinting);
    buttonRow->addWidget(exit);
    auto* layout = new QVBoxLayout(&screen);
    layout->addWidget(controls.Label1);
    layout->addWidget(controls.lstResults, 1);
    layout->addLayout(buttonRow);
}

bool OpenTest(qint64 testNumber)
{
    IgnoreErrors([] { rsTests.Close(); });
    rsTests.Open(Sql::TestByNumber(testNumber), cnDatabase);
    return rsTests.RecordCount() != 0;
}

void TellTestGone(const std::function<void()>& refill)
{
    MsgBox(QCoreApplication::translate("ResultsList", "This test is no longer available."));
    refill();
}

void OpenReview(Form& opener, qint64 studentNumber, qint64 testNumber, const std::function<void()>& refill)
{
    IgnoreErrors([] { rsResults.Close(); });
    bool gone = false;
    IgnoreErrors([&] { gone = !OpenTest(testNumber); });
    if (gone)
        return TellTestGone(refill);
    IgnoreErrors([&] { rsResults.Open(Sql::ResultOfStudentInTest(studentNumber, testNumber), cnDatabase); });
    bool unfinished = false;
    IgnoreErrors([&] { unfinished = rsResults.RecordCount() != 0 && rsResults.IsNull(QStringLiteral("fldGrade")); });
    if (unfinished) {
        // The keys of an attempt still running are never shown; the list
        // shows it as it now stands.
        IgnoreErrors([] { rsResults.Close(); });
        return refill();
    }
    IgnoreErrors([] { Screens::Show<frmAnswers>(); });
    IgnoreErrors([&opener] { opener.Hide(); });
}
