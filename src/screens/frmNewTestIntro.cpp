#include "frmNewTestIntro.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "app/TestRules.h"
#include "frmAdmin.h"
#include "frmNewTest.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Module1;

frmNewTestIntro::frmNewTestIntro() : Form(QStringLiteral("frmNewTestIntro"))
{
    setWindowTitle(QStringLiteral("Create New Test"));
    Label1 = new QLabel(QStringLiteral("Test Name:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtTestName = new QLineEdit(this);
    txtTestName->setObjectName(QStringLiteral("txtTestName"));
    Label2 = new QLabel(QStringLiteral("Description of test/instructions:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtDescription = new QPlainTextEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    UseAsFieldBox(*txtDescription);
    Label3 = new QLabel(QStringLiteral("Length of test in minutes:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    txtMinutes = new QLineEdit(this);
    txtMinutes->setObjectName(QStringLiteral("txtMinutes"));
    txtMinutes->setMaximumWidth(90);
    cmdNext = new QPushButton(QStringLiteral("&Next"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Label1->setBuddy(txtTestName);
    Label2->setBuddy(txtDescription);
    Label3->setBuddy(txtMinutes);

    auto* name = new QHBoxLayout;
    name->addWidget(Label1);
    name->addWidget(txtTestName, 1);
    auto* minutes = new QHBoxLayout;
    minutes->addWidget(Label3);
    minutes->addWidget(txtMinutes);
    minutes->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdNext);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(Label2);
    layout->addWidget(txtDescription, 1);
    layout->addLayout(minutes);
    layout->addLayout(buttons);
    resize(520, 360);

    setTabOrder(txtTestName, txtDescription);
    setTabOrder(txtDescription, txtMinutes);
    setTabOrder(txtMinutes, cmdNext);
    setTabOrder(cmdNext, cmdCancel);

    OnClick(cmdNext, &frmNewTestIntro::cmdNext_Click);
    OnClick(cmdCancel, &frmNewTestIntro::cmdCancel_Click);
    PressOnEscape(cmdCancel);
}

// For an edit, the boxes show the picked test as stored; a field that
// cannot be read leaves its box as it was.
void frmNewTestIntro::Form_Load()
{
    if (blnNewTest)
        return;
    IgnoreErrors([this] { editedTest_ = rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(); });
    IgnoreErrors([this] { txtTestName->setText(rsTests.Text(QStringLiteral("fldTestName"))); });
    IgnoreErrors([this] { txtDescription->setPlainText(rsTests.Text(QStringLiteral("fldDescription"))); });
    IgnoreErrors([this] { txtMinutes->setText(rsTests.Text(QStringLiteral("fldTime"))); });
}

void frmNewTestIntro::cmdNext_Click()
{
    const QString title = Title();
    if (title.isEmpty())
        return Refuse(TestRules::NoTitleMessage(), txtTestName);
    if (txtMinutes->text().isEmpty())
        return Refuse(QStringLiteral("You must specify the length of the test."), txtMinutes);
    if (TestRules::VisibleTitle(title).size() > TestRules::LongestTitle)
        return Refuse(TestRules::LongTitleMessage(), txtTestName);
    if (!TestRules::WholeMinutes(txtMinutes->text()))
        return Refuse(TestRules::MinutesMessage(), txtMinutes);
    if (TitleTaken(title))
        return Refuse(TestRules::TakenTitleMessage(title), txtTestName);
    Screens::Get<frmNewTest>().setWindowTitle(title);
    Hide();
    Screens::Show<frmNewTest>();
}

// Only a changed title is checked: an edited test keeps its own title even
// where an older database holds a twin of it.
bool frmNewTestIntro::TitleTaken(const QString& title) const
{
    const QString visible = TestRules::VisibleTitle(title);
    Recordset titles;
    titles.Open(Sql::TestTitles(), cnDatabase);
    bool taken = false;
    for (titles.MoveFirst(); !titles.Eof(); titles.MoveNext()) {
        if (TestRules::VisibleTitle(titles.Text(QStringLiteral("fldTestName"))) != visible)
            continue;
        if (titles.Field(QStringLiteral("fldTestNumber")).toLongLong() == editedTest_.value_or(-1))
            return false;
        taken = true;
    }
    return taken;
}

void frmNewTestIntro::Refuse(const QString& message, QWidget* box)
{
    MsgBox(message, QStringLiteral("Required Field"));
    box->setFocus();
}

QString frmNewTestIntro::Title() const { return txtTestName->text().trimmed(); }

int frmNewTestIntro::Minutes() const { return txtMinutes->text().trimmed().toInt(); }

void frmNewTestIntro::cmdCancel_Click()
{
    blnCancelNewTest = true;
    Screens::Unload(*this);
    Screens::Show<frmAdmin>();
}

// Closing the window abandons the test, as Cancel does; otherwise the editor
// would go on and write a row nobody asked for.
void frmNewTestIntro::CloseByFrame() { cmdCancel_Click(); }
