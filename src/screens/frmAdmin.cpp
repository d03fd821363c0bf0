#include "frmAdmin.h"

#include "ListRowLook.h"
#include "QuestionFiles.h"
#include "ResultsFiles.h"
#include "Screens.h"
#include "TextBoxes.h"
#include "app/ErrorPolicy.h"
#include "app/Platform.h"
#include "rules/ListRows.h"
#include "frmAttempts.h"
#include "frmChangePassword.h"
#include "frmEntry.h"
#include "frmNewTest.h"
#include "frmNewTestIntro.h"
#include "frmStatistics.h"
#include "frmTestResults.h"
#include "work/AdminWork.h"
#include "work/AttemptControl.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Fills `list` with the rows: the name, a run of blanks, the number, each
// row carrying its number.
template <class Row>
void FillKeyedRows(QListWidget& list, const std::vector<Row>& rows, int gap)
{
    QStringList texts;
    std::vector<qint64> keys;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    keys.reserve(rows.size());
    for (const Row& row : rows) {
        texts.append(KeyedRow::Build(row.name, gap, row.number));
        keys.push_back(row.number);
    }
    Form::SetKeyedRows(list, texts, keys);
}

// Selects the row carrying `number` without running the list's Click, so that
// a refill leaves the boxes as the user left them.
void SelectQuietly(QListWidget& list, std::optional<qint64> number)
{
    if (!number)
        return;
    const QSignalBlocker quiet(list);
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toLongLong() == *number) {
            list.setCurrentRow(row);
            return;
        }
    }
}

// Draws a keyed row as its name alone. The row's text keeps its blanks and
// number (the handlers read the number back from it); the blanks were meant
// to push the number out of sight, which on a wide list they cannot.
class NameOnlyDelegate : public ListRowLook {
public:
    using ListRowLook::ListRowLook;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        ListRowLook::initStyleOption(option, index);
        option->text = KeyedRow::NameOf(option->text);
    }
};

QListWidget* NamedList(const QString& name, QWidget* parent)
{
    auto* list = new PickList(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setItemDelegate(new NameOnlyDelegate(list));
    // Every row is one line in the same font; telling the view so spares it
    // measuring each of many thousand rows whenever the list is refilled.
    list->setUniformItemSizes(true);
    return list;
}

}

frmAdmin::frmAdmin() : Form(QStringLiteral("frmAdmin"))
{
    setWindowTitle(tr("Vornick Test Taker - Administrative Functions"));

    const QStringList captions{tr("Students:"), tr("Name:"), tr("Password:"),
                               tr("Tests:"),
                               tr("Note: The brackets \"<>\" depict unfinished tests which are not "
                                              "available to students.")};
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new QLabel(captions[static_cast<int>(i)], this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }

    lstTests = NamedList(QStringLiteral("lstTests"), this);
    cmdAddTest = NamedButton(tr("&Add"), QStringLiteral("cmdAddTest"), this);
    cmdEdit = NamedButton(tr("&Edit"), QStringLiteral("cmdEdit"), this);
    cmdImport = NamedButton(tr("&Import\u2026"), QStringLiteral("cmdImport"), this);
    cmdExport = NamedButton(tr("Ex&port\u2026"), QStringLiteral("cmdExport"), this);
    cmdDeleteTest = NamedButton(tr("&Delete"), QStringLiteral("cmdDeleteTest"), this);
    cmdStatistics = NamedButton(tr("S&tatistics\u2026"), QStringLiteral("cmdStatistics"), this);
    cmdSaveResults = NamedButton(tr("Save &Results\u2026"), QStringLiteral("cmdSaveResults"), this);
    cmdAttempts = NamedButton(tr("Attempts in Pro&gress\u2026"), QStringLiteral("cmdAttempts"), this);

    lstStudents = NamedList(QStringLiteral("lstStudents"), this);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    UseAsPasswordBox(*txtPassword);
    lblExtraTime = new QLabel(tr("Extra ti&me (%):"), this);
    lblExtraTime->setObjectName(QStringLiteral("lblExtraTime"));
    txtExtraTime = new QLineEdit(QStringLiteral("0"), this);
    txtExtraTime->setObjectName(QStringLiteral("txtExtraTime"));
    txtExtraTime->setMaxLength(3);
    lblExtraTime->setBuddy(txtExtraTime);
    txtStudentNumber = new QLineEdit(this);
    txtStudentNumber->setObjectName(QStringLiteral("txtStudentNumber"));
    txtStudentNumber->setVisible(false);
    cmdAddStudent = NamedButton(tr("Add/&Save"), QStringLiteral("cmdAddStudent"), this);
    cmdNew = NamedButton(tr("&Clear"), QStringLiteral("cmdNew"), this);
    cmdDeleteStudent = NamedButton(tr("De&lete"), QStringLiteral("cmdDeleteStudent"), this);
    cmdView = NamedButton(tr("&View Test Results"), QStringLiteral("cmdView"), this);
    cmdExit = NamedButton(tr("E&xit"), QStringLiteral("cmdExit"), this);
    cmdChangePassword = NamedButton(tr("Change Pass&word\u2026"), QStringLiteral("cmdChangePassword"), this);

    // The described captions name both Delete buttons alike; screen readers tell them apart.
    cmdDeleteTest->setAccessibleName(tr("Delete test"));
    cmdDeleteStudent->setAccessibleName(tr("Delete student"));
    Label1[0]->setBuddy(lstStudents);
    Label1[1]->setBuddy(txtName);
    Label1[2]->setBuddy(txtPassword);
    Label1[3]->setBuddy(lstTests);
    BuildLayout();

    OnRowChange(lstStudents, &frmAdmin::lstStudents_Click);
    OnClick(cmdAddStudent, &frmAdmin::cmdAddStudent_Click);
    OnClick(cmdNew, &frmAdmin::cmdNew_Click);
    OnClick(cmdDeleteStudent, &frmAdmin::cmdDeleteStudent_Click);
    OnClick(cmdView, &frmAdmin::cmdView_Click);
    OnEnter(txtName, &frmAdmin::txtName_KeyPress);
    OnEnter(txtPassword, &frmAdmin::txtPassword_KeyPress);
    OnClick(cmdExit, &frmAdmin::cmdExit_Click);
    OnClick(cmdChangePassword, &frmAdmin::cmdChangePassword_Click);
    OnClick(cmdAddTest, &frmAdmin::cmdAddTest_Click);
    OnClick(cmdEdit, &frmAdmin::cmdEdit_Click);
    OnClick(cmdImport, &frmAdmin::cmdImport_Click);
    OnClick(cmdExport, &frmAdmin::cmdExport_Click);
    OnClick(cmdDeleteTest, &frmAdmin::cmdDeleteTest_Click);
    OnClick(cmdStatistics, &frmAdmin::cmdStatistics_Click);
    OnClick(cmdSaveResults, &frmAdmin::cmdSaveResults_Click);
    OnClick(cmdAttempts, &frmAdmin::cmdAttempts_Click);
    auto* refresh = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(refresh, &QShortcut::activated, this, [this] { RunGuarded([this] { Refresh_Lists(); }); });
}

// The catalogue across the top with its buttons at the right; below a line,
// the students with the account boxes and their buttons.
void frmAdmin::BuildLayout()
{
    auto* testButtons = new QVBoxLayout;
    testButtons->addWidget(cmdAddTest);
    testButtons->addWidget(cmdEdit);
    testButtons->addWidget(cmdDeleteTest);
    testButtons->addWidget(cmdImport);
    testButtons->addWidget(cmdExport);
    testButtons->addWidget(cmdStatistics);
    testButtons->addWidget(cmdSaveResults);
    testButtons->addStretch();
    auto* tests = new QGridLayout;
    tests->addWidget(Label1[3], 0, 0);
    tests->addWidget(lstTests, 1, 0);
    tests->addLayout(testButtons, 1, 1);
    tests->addWidget(Label1[4], 2, 0, 1, 2);
    tests->setColumnStretch(0, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* account = new QGridLayout(Frame1);
    account->addWidget(Label1[1], 0, 0);
    account->addWidget(txtName, 0, 1);
    account->addWidget(Label1[2], 1, 0);
    account->addWidget(txtPassword, 1, 1);
    auto* accountButtons = new QHBoxLayout;
    accountButtons->addWidget(cmdAddStudent);
    accountButtons->addWidget(cmdNew);
    accountButtons->addWidget(cmdDeleteStudent);
    account->addWidget(lblExtraTime, 2, 0);
    account->addWidget(txtExtraTime, 2, 1, Qt::AlignLeft);
    account->addLayout(accountButtons, 3, 0, 1, 2);
    txtName->setMinimumWidth(220);

    auto* studentSide = new QVBoxLayout;
    studentSide->addWidget(Frame1);
    studentSide->addWidget(cmdView);
    studentSide->addWidget(cmdAttempts);
    studentSide->addStretch();
    studentSide->addWidget(cmdChangePassword);
    studentSide->addWidget(cmdExit, 0, Qt::AlignRight);
    auto* studentList = new QVBoxLayout;
    studentList->addWidget(Label1[0]);
    studentList->addWidget(lstStudents, 1);
    auto* students = new QHBoxLayout;
    students->addLayout(studentList, 1);
    students->addLayout(studentSide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tests, 1);
    layout->addWidget(line);
    layout->addLayout(students, 1);
    resize(720, 560);

    setTabOrder(lstTests, cmdAddTest);
    setTabOrder(cmdAddTest, cmdEdit);
    setTabOrder(cmdEdit, cmdDeleteTest);
    setTabOrder(cmdDeleteTest, cmdImport);
    setTabOrder(cmdImport, cmdExport);
    setTabOrder(cmdExport, cmdStatistics);
    setTabOrder(cmdStatistics, cmdSaveResults);
    setTabOrder(cmdSaveResults, lstStudents);
    setTabOrder(lstStudents, txtName);
    setTabOrder(txtName, txtPassword);
    setTabOrder(txtPassword, txtExtraTime);
    setTabOrder(txtExtraTime, cmdAddStudent);
    setTabOrder(cmdAddStudent, cmdNew);
    setTabOrder(cmdNew, cmdDeleteStudent);
    setTabOrder(cmdDeleteStudent, cmdView);
    setTabOrder(cmdView, cmdAttempts);
    setTabOrder(cmdAttempts, cmdChangePassword);
    setTabOrder(cmdChangePassword, cmdExit);
}

void frmAdmin::Form_Load()
{
    Fill_Student_List();
    Fill_Test_List();
}

void frmAdmin::Refresh_Lists()
{
    const std::optional<qint64> student = SelectedKey(lstStudents);
    const std::optional<qint64> test = SelectedKey(lstTests);
    Fill_Student_List();
    Fill_Test_List();
    SelectQuietly(*lstStudents, student);
    SelectQuietly(*lstTests, test);
}

void frmAdmin::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !IsUnloading())
        RunGuarded([this] { Refresh_Lists(); });
}

// ---- Student accounts -------------------------------------------------------

void frmAdmin::Fill_Student_List()
{
    FillKeyedRows(*lstStudents, Administrator().Students(), KeyedRow::StudentGap);
}

std::optional<qint64> frmAdmin::EditedStudent() const
{
    if (txtStudentNumber->text().isEmpty())
        return std::nullopt;
    return Val(txtStudentNumber->text());
}

void frmAdmin::lstStudents_Click()
{
    const std::optional<qint64> student = SelectedKey(lstStudents);
    const std::optional<StudentAccount> account = student ? Administrator().Account(*student) : std::nullopt;
    if (!account)
        return;
    txtName->setText(account->name);
    txtPassword->setText(account->password);
    txtStudentNumber->setText(QString::number(account->number));
    txtExtraTime->setText(QString::number(account->extraPercent));
}

void frmAdmin::cmdAddStudent_Click()
{
    if (txtName->text().isEmpty()) {
        MsgBox(tr("You must enter a student name."), tr("Error"));
        txtName->setFocus();
        return;
    }
    if (txtPassword->text().isEmpty()) {
        MsgBox(tr("You must enter a password."), tr("Error"));
        txtPassword->setFocus();
        return;
    }
    if (Administrator().ShortNewLabPassword(txtPassword->text(), EditedStudent())) {
        MsgBox(tr("Lab passwords must be at least 8 characters long."), tr("Error"));
        txtPassword->setFocus();
        return;
    }
    const std::optional<int> extraTime = AttemptControl::ExtraPercent(txtExtraTime->text());
    if (!extraTime) {
        MsgBox(AttemptControl::ExtraTimeMessage(), tr("Error"));
        txtExtraTime->setFocus();
        return;
    }
    if (Administrator().NameTakenByAnother(txtName->text(), EditedStudent())) {
        MsgBox(tr("Another student already has the name \"%1\".\nPlease give this student a different name.")
                   .arg(txtName->text()),
               tr("Error"));
        txtName->setFocus();
        return;
    }
    // Were the edited student gone, storing reports the error.
    Administrator().SaveAccount({EditedStudent().value_or(0), txtName->text(), txtPassword->text(), *extraTime});
    ClearStudentBoxes();
    Fill_Student_List();
}

void frmAdmin::ClearStudentBoxes()
{
    txtName->clear();
    txtPassword->clear();
    txtExtraTime->setText(QStringLiteral("0"));
    txtStudentNumber->clear();
}

void frmAdmin::cmdNew_Click()
{
    ClearStudentBoxes();
    txtName->setFocus();
}

void frmAdmin::cmdDeleteStudent_Click()
{
    // Only a student picked from the list can be deleted: a typed name
    // without a picked number, or a number no longer in the table, does nothing.
    if (txtName->text().isEmpty() || txtStudentNumber->text().isEmpty())
        return;
    const qint64 number = Val(txtStudentNumber->text());
    if (!Administrator().Account(number))
        return;
    if (!AskYesNo(tr("Are you sure you want to delete this student and all the test results?"),
                  tr("Delete The Current Student")))
        return;
    // The account and every result of it go together, or nothing goes.
    TellFailure([number] { Administrator().DeleteStudent(number); });
    ClearStudentBoxes();
    IgnoreErrors([this] { Fill_Student_List(); });
    txtName->setFocus();
}

void frmAdmin::cmdView_Click()
{
    const std::optional<qint64> student = SelectedKey(lstStudents);
    if (SelectedText(lstStudents).isEmpty() || !student) {
        MsgBox(tr("Select a student first!"), tr("Error"));
        return;
    }
    Hide();
    frmTestResults::ShowFor(*student, KeyedRow::NameOf(SelectedText(lstStudents)));
}

void frmAdmin::txtName_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        txtPassword->setFocus();
}

void frmAdmin::txtPassword_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    cmdAddStudent_Click();
    txtName->setFocus();
}

void frmAdmin::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmEntry>();
}

void frmAdmin::cmdChangePassword_Click() { Screens::ShowModal(Screens::Get<frmChangePassword>()); }

// Closing the window returns to the sign-in screen, as Exit does. On a lab
// workstation the administrator's session ends there, and what it read (the
// students' passwords among it) goes with it.
void frmAdmin::Form_QueryUnload()
{
    Administrator().SignOut();
    Screens::Show<frmEntry>();
}

// ---- Test catalogue ---------------------------------------------------------

void frmAdmin::Fill_Test_List()
{
    FillKeyedRows(*lstTests, Administrator().Tests(), KeyedRow::TestGap);
}

std::optional<TestRow> frmAdmin::SelectedTest()
{
    const std::optional<qint64> number = SelectedKey(lstTests);
    const std::optional<TestHeading> stored = number ? Administrator().Heading(*number) : std::nullopt;
    if (!stored)
        return std::nullopt;
    return TestRow{*number, stored->title};
}

void frmAdmin::OpenEditor(std::optional<qint64> test, int slot)
{
    Hide();
    bool shown = false;
    IgnoreErrors([&shown, test] {
        frmNewTest::Open(test);
        shown = true;
    });
    if (shown && Screens::IsLoaded<frmNewTest>()) {
        Screens::Get<frmNewTest>().GoToSlot(slot);
        return;
    }
    // Cancelled (the new test screen has shown this screen already) or failed
    // while loading: close whatever is left of the authoring and come back.
    Screens::Unload<frmNewTest>();
    Screens::Unload<frmNewTestIntro>();
    Show();
}

void frmAdmin::cmdAddTest_Click() { OpenEditor(std::nullopt); }

void frmAdmin::cmdEdit_Click()
{
    if (const std::optional<TestRow> test = SelectedTest())
        OpenEditor(test->number);
}

// A file's questions go on as a new test, as Add does.
void frmAdmin::cmdImport_Click()
{
    if (QuestionFiles::PrepareImport())
        cmdAddTest_Click();
}

void frmAdmin::cmdExport_Click()
{
    if (const std::optional<TestRow> test = SelectedTest())
        QuestionFiles::ExportTest(test->number);
}

void frmAdmin::cmdDeleteTest_Click()
{
    if (!SelectedKey(lstTests))
        return;
    if (!AskYesNo(tr("Are you sure you want to delete this test\r\n and all the corresponding student results?"),
                  tr("Delete The Selected Test")))
        return;
    const std::optional<TestRow> test = SelectedTest();
    if (!test)
        return;
    // The test and every result of it go together, or nothing goes.
    TellFailure([number = test->number] { Administrator().DeleteTest(number); });
    Fill_Test_List();
}

void frmAdmin::cmdStatistics_Click()
{
    const std::optional<TestRow> test = SelectedTest();
    if (!test)
        return;
    frmStatistics& statistics = Screens::Get<frmStatistics>();
    statistics.ShowTest(test->number);
    Hide();
    statistics.Show();
}

void frmAdmin::cmdSaveResults_Click()
{
    if (const std::optional<TestRow> test = SelectedTest())
        ResultsFiles::SaveResults(this, test->number, std::nullopt,
                                  tr("%1 results.csv").arg(QuestionFiles::FileNameFor(test->name)));
}

void frmAdmin::cmdAttempts_Click()
{
    Hide();
    Screens::Show<frmAttempts>();
}

// A test that is gone by now opens nothing: this screen shows again.
void frmAdmin::EditSelectedTestAt(int slot)
{
    if (const std::optional<TestRow> test = SelectedTest())
        OpenEditor(test->number, slot);
    else
        Show();
}
