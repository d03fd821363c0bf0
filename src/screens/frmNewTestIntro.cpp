#include "frmNewTestIntro.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "app/Module1.h"
#include "app/Platform.h"
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

namespace {

// The title as students will see it. A title that begins with "<" is an
// unfinished test's, and completing it drops its first and last characters;
// any other title is shown whole, a closing ">" included.
qsizetype VisibleTitleLength(const QString& title)
{
    return title.startsWith(u'<') ? title.size() - 2 : title.size();
}

// A whole number of minutes the test's timer can count: digits only
// (surrounding blanks allowed), from 0 to 32767.
bool IsWholeMinutes(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 5)
        return false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return digits.toInt() <= frmNewTestIntro::LongestMinutes;
}

}

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
}

// For an edit, the boxes show the picked test as stored; a field that
// cannot be read leaves its box as it was.
void frmNewTestIntro::Form_Load()
{
    if (blnNewTest)
        return;
    IgnoreErrors([this] { txtTestName->setText(rsTests.Text(QStringLiteral("fldTestName"))); });
    IgnoreErrors([this] { txtDescription->setPlainText(rsTests.Text(QStringLiteral("fldDescription"))); });
    IgnoreErrors([this] { txtMinutes->setText(rsTests.Text(QStringLiteral("fldTime"))); });
}

void frmNewTestIntro::cmdNext_Click()
{
    if (txtTestName->text().isEmpty())
        return Refuse(QStringLiteral("You must give the test a title."), txtTestName);
    if (txtMinutes->text().isEmpty())
        return Refuse(QStringLiteral("You must specify the length of the test."), txtMinutes);
    if (VisibleTitleLength(txtTestName->text()) > LongestTitle)
        return Refuse(QStringLiteral("The test title can be at most %1 characters long.").arg(LongestTitle),
                      txtTestName);
    if (!IsWholeMinutes(txtMinutes->text()))
        return Refuse(QStringLiteral("The length of the test must be a whole number of minutes from 0 to %1.")
                          .arg(LongestMinutes),
                      txtMinutes);
    Screens::Get<frmNewTest>().setWindowTitle(txtTestName->text());
    Hide();
    Screens::Show<frmNewTest>();
}

void frmNewTestIntro::Refuse(const QString& message, QWidget* box)
{
    MsgBox(message, QStringLiteral("Required Field"));
    box->setFocus();
}

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
