#include "frmTestResults.h"

#include "ResultsList.h"
#include "Screens.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "frmAdmin.h"
#include "frmAnswers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Module1;

namespace {

QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// Makes the row of `testNumber` current among the tests rsTests holds, so
// that two tests of the same name are told apart; stays on the first row
// when none has the number.
void MoveToTest(qint64 testNumber)
{
    while (!rsTests.Eof()) {
        if (rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong() == testNumber)
            return;
        rsTests.MoveNext();
    }
    rsTests.MoveFirst();
}

}

frmTestResults::frmTestResults() : Form(QStringLiteral("frmTestResults"))
{
    lstResults = new QListWidget(this);
    lstResults->setObjectName(QStringLiteral("lstResults"));
    UseListFont(*lstResults);
    Label1 = new QLabel(this);
    SetResultsHeading(*Label1, *lstResults);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(lstResults);
    cmdView = NamedButton(QStringLiteral("&View Missed Questions"), QStringLiteral("cmdView"), this);
    cmdDelete = NamedButton(QStringLiteral("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdPrint = NamedButton(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), this);
    cmdExit = NamedButton(QStringLiteral("E&xit"), QStringLiteral("cmdExit"), this);
    lblPrinting = new QLabel(QStringLiteral("Printing...."), this);
    lblPrinting->setObjectName(QStringLiteral("lblPrinting"));
    lblPrinting->setVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdView);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(lblPrinting);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstResults, 1);
    layout->addLayout(buttons);
    resize(900, 420);

    OnClick(cmdView, &frmTestResults::cmdView_Click);
    OnClick(cmdDelete, &frmTestResults::cmdDelete_Click);
    OnClick(cmdPrint, &frmTestResults::cmdPrint_Click);
    OnClick(cmdExit, &frmTestResults::cmdExit_Click);
}

void frmTestResults::Form_Load()
{
    const QString studentRow = SelectedText(Screens::Get<frmAdmin>().lstStudents);
    studentNumber_ = KeyedRow::KeyNumber(studentRow);
    setWindowTitle(QStringLiteral("Test Results For ") + KeyedRow::NameBeforeKey(studentRow));
    Load_Test_Results();
}

void frmTestResults::Load_Test_Results() { FillResultsList(*lstResults, studentNumber_, true); }

// Opens the review on the selected result; every step goes on past a
// failure, and the review then shows what could be read.
void frmTestResults::cmdView_Click()
{
    const QString row = SelectedText(lstResults);
    if (row.isEmpty() || ResultsRow::EndsNotTaken(row))
        return;
    const ResultsRow::Key key = ResultsRow::KeyOf(row);
    IgnoreErrors([] { rsTests.Close(); });
    IgnoreErrors([] { rsResults.Close(); });
    IgnoreErrors([&row] { rsTests.Open(Sql::TestByName(ResultsRow::TestName(row)), cnDatabase); });
    IgnoreErrors([&key] { MoveToTest(key.testNumber); });
    IgnoreErrors([&key] {
        const qint64 testNumber = rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong();
        rsResults.Open(Sql::ResultOfStudentInTest(key.studentNumber, testNumber), cnDatabase);
    });
    blnReviewFromAdmin = true;
    Screens::Show<frmAnswers>();
    Hide();
}

void frmTestResults::cmdDelete_Click()
{
    const QString row = SelectedText(lstResults);
    if (row.isEmpty() || ResultsRow::EndsNotTaken(row))
        return;
    if (!AskYesNo(QStringLiteral("Are you sure you want to delete this test result?"),
                  QStringLiteral("Delete The Test Result")))
        return;
    const ResultsRow::Key key = ResultsRow::KeyOf(row);
    rsDeleteResult.Open(Sql::ResultOfStudentInTest(key.studentNumber, key.testNumber), cnDatabase);
    // A result that is gone already (the list was older than the table)
    // needs no deleting; the refill below shows the table as it is.
    if (rsDeleteResult.RecordCount() != 0)
        rsDeleteResult.Delete();
    rsDeleteResult.Close();
    Load_Test_Results();
}

void frmTestResults::cmdPrint_Click() { PrintResultsList(*this, *lblPrinting, *lstResults, true); }

void frmTestResults::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmAdmin>();
}

// Closing the window by its frame returns to the administration screen, as Exit does.
void frmTestResults::CloseByFrame() { cmdExit_Click(); }
