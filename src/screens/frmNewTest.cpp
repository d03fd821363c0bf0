#include "frmNewTest.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "app/AnswerRecord.h"
#include "QuestionFiles.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "app/TestPictures.h"
#include "app/TestRows.h"
#include "app/TestRules.h"
#include "frmAdmin.h"
#include "frmNewTestIntro.h"
#include "data/Connection.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <array>
#include <utility>

using namespace Module1;

namespace {

constexpr int Slots = AnswerRecords::Slots;
constexpr int PreviewSide = 160;
const QString TestNameField = QStringLiteral("fldTestName");

QString QuestionField(int slot) { return AnswerRecords::SlotField(slot); }
QString AnswerField(int slot) { return AnswerRecords::AnswerFieldFor(slot, QStringLiteral("1")); }
QString Phony1Field(int slot) { return AnswerRecords::AnswerFieldFor(slot, QStringLiteral("2")); }
QString Phony2Field(int slot) { return AnswerRecords::AnswerFieldFor(slot, QStringLiteral("3")); }

bool IsSlot(int slot) { return slot >= 1 && slot <= Slots; }

QPlainTextEdit* FieldBox(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    UseAsFieldBox(*box);
    return box;
}

QLabel* BuddyLabel(const QString& caption, const QString& name, QWidget* box, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(box);
    return label;
}

}

frmNewTest::frmNewTest() : Form(QStringLiteral("frmNewTest"))
{
    setWindowTitle(tr("Add New Test"));
    cmdPrev = new QPushButton(QStringLiteral("<<"), this);
    cmdPrev->setObjectName(QStringLiteral("cmdPrev"));
    cmdPrev->setAccessibleName(tr("Previous question"));
    lblQuestion = new QLabel(tr("Question 1"), this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    lblQuestion->setAlignment(Qt::AlignCenter);
    cmdNext = new QPushButton(QStringLiteral(">>"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setAccessibleName(tr("Next question"));
    txtQuestion = FieldBox(QStringLiteral("txtQuestion"), this);
    txtAnswer = FieldBox(QStringLiteral("txtAnswer"), this);
    txtPhony1 = FieldBox(QStringLiteral("txtPhony1"), this);
    txtPhony2 = FieldBox(QStringLiteral("txtPhony2"), this);
    Label2 = BuddyLabel(tr("Question:"), QStringLiteral("Label2"), txtQuestion, this);
    Label3 = BuddyLabel(tr("Answer:"), QStringLiteral("Label3"), txtAnswer, this);
    Label4 = BuddyLabel(tr("False Answer:"), QStringLiteral("Label4"), txtPhony1, this);
    Label5 = BuddyLabel(tr("False Answer:"), QStringLiteral("Label5"), txtPhony2, this);
    // Both boxes' labels read "False Answer:"; screen readers tell them apart.
    txtPhony1->setAccessibleName(tr("False answer 1"));
    txtPhony2->setAccessibleName(tr("False answer 2"));
    cmdSave = new QPushButton(tr("E&xit"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    imgPicture = new QLabel(this);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setAlignment(Qt::AlignCenter);
    imgPicture->setFixedSize(PreviewSide, PreviewSide);
    txtPictureDescription = new QLineEdit(this);
    txtPictureDescription->setObjectName(QStringLiteral("txtPictureDescription"));
    txtPictureDescription->setMaxLength(Pictures::LongestDescription);
    lblPictureDescription = BuddyLabel(tr("Picture's description:"), QStringLiteral("lblPictureDescription"),
                                       txtPictureDescription, this);
    cmdPicture = NamedButton(tr("&Picture\u2026"), QStringLiteral("cmdPicture"), this);
    cmdRemovePicture = NamedButton(tr("&Remove Picture"), QStringLiteral("cmdRemovePicture"), this);

    auto* stepping = new QHBoxLayout;
    stepping->addWidget(cmdPrev);
    stepping->addWidget(lblQuestion, 1);
    stepping->addWidget(cmdNext);
    auto* boxes = new QGridLayout;
    const std::array<std::pair<QLabel*, QPlainTextEdit*>, 4> rows{
        {{Label2, txtQuestion}, {Label3, txtAnswer}, {Label4, txtPhony1}, {Label5, txtPhony2}}};
    for (int i = 0; i < 4; ++i) {
        boxes->addWidget(rows[i].first, i, 0, Qt::AlignTop);
        boxes->addWidget(rows[i].second, i, 1);
    }
    // The picture's column is a widget of its own, so a screen reader takes
    // it whole, after the four boxes beside it.
    auto* pictureColumn = new QWidget(this);
    auto* picture = new QVBoxLayout(pictureColumn);
    picture->setContentsMargins(0, 0, 0, 0);
    picture->addWidget(imgPicture, 0, Qt::AlignHCenter);
    picture->addWidget(lblPictureDescription);
    picture->addWidget(txtPictureDescription);
    picture->addWidget(cmdPicture);
    picture->addWidget(cmdRemovePicture);
    picture->addStretch();
    boxes->addWidget(pictureColumn, 0, 2, 4, 1);
    boxes->setRowStretch(0, 2);
    for (int i = 1; i < 4; ++i)
        boxes->setRowStretch(i, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdSave);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stepping);
    layout->addLayout(boxes, 1);
    layout->addLayout(bottom);
    resize(820, 520);

    setTabOrder(txtQuestion, cmdPicture);
    setTabOrder(cmdPicture, txtPictureDescription);
    setTabOrder(txtPictureDescription, cmdRemovePicture);
    setTabOrder(cmdRemovePicture, txtAnswer);
    setTabOrder(txtAnswer, txtPhony1);
    setTabOrder(txtPhony1, txtPhony2);
    setTabOrder(txtPhony2, cmdPrev);
    setTabOrder(cmdPrev, cmdNext);
    setTabOrder(cmdNext, cmdSave);

    GiveStepKeys(cmdPrev, cmdNext);
    OnClick(cmdNext, &frmNewTest::cmdNext_Click);
    OnClick(cmdPrev, &frmNewTest::cmdPrev_Click);
    OnClick(cmdSave, &frmNewTest::cmdSave_Click);
    OnClick(cmdPicture, &frmNewTest::cmdPicture_Click);
    OnClick(cmdRemovePicture, &frmNewTest::cmdRemovePicture_Click);
    connect(txtPictureDescription, &QLineEdit::textEdited, this, [this] { pictureChanged_ = true; });
}

// Runs the new test screen first; after its Next the test's row is written
// at once (added for a new test), so the test exists from here on.
void frmNewTest::Form_Load()
{
    Screens::ShowModal(Screens::Get<frmNewTestIntro>());
    if (blnCancelNewTest) {
        blnCancelNewTest = false;
        Screens::Unload(*this);
        return;
    }
    CurrentQuestion = 1;
    if (blnNewTest)
        rsTests.AddNew();
    else
        setWindowTitle(rsTests.Text(TestNameField));
    StoreTestHeading();
    Load_Question();
}

// A new test from a file is stored with its questions, marked unfinished
// while it has fewer than 25.
void frmNewTest::StoreTestHeading()
{
    const frmNewTestIntro& intro = Screens::Get<frmNewTestIntro>();
    const std::vector<DraftQuestion>& imported = intro.importedQuestions;
    if (blnNewTest && !imported.empty()) {
        TestRows::WriteQuestions(rsTests, imported);
        rsTests.SetField(TestNameField, TestRules::StoredTitle(intro.Title(), imported.size() == std::size_t{Slots}));
    } else {
        rsTests.SetField(TestNameField, intro.Title());
    }
    rsTests.SetField(QStringLiteral("fldDescription"), BoxText(*intro.txtDescription));
    rsTests.SetField(QStringLiteral("fldTime"), intro.Minutes());
    Connection::Transaction storing(cnDatabase);
    rsTests.Update();
    if (blnNewTest)
        TestPictures::WriteFrom(cnDatabase, TestNumber(), imported);
    storing.Commit();
}

bool frmNewTest::Save_Question()
{
    const int slot = CurrentQuestion;
    if (picture_) {
        picture_->description = txtPictureDescription->text();
        const QString refusal = Pictures::DescriptionRefusal(picture_->description);
        if (!refusal.isEmpty()) {
            MsgBox(refusal, tr("Picture"));
            txtPictureDescription->setFocus();
            return false;
        }
    }
    if (IsSlot(slot)) {
        rsTests.SetField(QuestionField(slot), BoxText(*txtQuestion));
        rsTests.SetField(AnswerField(slot), BoxText(*txtAnswer));
        rsTests.SetField(Phony1Field(slot), BoxText(*txtPhony1));
        rsTests.SetField(Phony2Field(slot), BoxText(*txtPhony2));
    }
    // The texts and the picture are stored together or not at all.
    Connection::Transaction storing(cnDatabase);
    rsTests.Update();
    if (IsSlot(slot) && pictureChanged_)
        TestPictures::Keep(cnDatabase, TestNumber(), slot, picture_);
    storing.Commit();
    pictureChanged_ = false;
    txtQuestion->setFocus();
    return true;
}

qint64 frmNewTest::TestNumber() const { return rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(); }

void frmNewTest::ShowPicture()
{
    imgPicture->clear();
    imgPicture->setAccessibleDescription(picture_ ? picture_->description : QString());
    if (picture_)
        imgPicture->setPixmap(QPixmap::fromImage(Pictures::Image(*picture_))
                                  .scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    txtPictureDescription->setText(picture_ ? picture_->description : QString());
    txtPictureDescription->setEnabled(picture_.has_value());
    cmdRemovePicture->setEnabled(picture_.has_value());
}

// A chosen file replaces the slot's picture once it is found to be one; the
// description typed so far stays. Stored with the slot's texts.
void frmNewTest::cmdPicture_Click()
{
    const FileChoice choice = platform().ChooseFile(
        FileDialogKind::Open, tr("Picture"),
        {tr("Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)"), tr("All files (*)")}, QuestionFiles::DocumentsFolder());
    if (choice.path.isEmpty())
        return;
    Pictures::Prepared prepared = Pictures::FromFile(choice.path);
    if (!prepared.picture) {
        MsgBox(tr("This file cannot be used as the question's picture.\n%1").arg(prepared.refusal), tr("Picture"));
        return;
    }
    const QString description = txtPictureDescription->text();
    picture_ = std::move(prepared.picture);
    picture_->description = description;
    pictureChanged_ = true;
    ShowPicture();
    txtPictureDescription->setFocus();
}

void frmNewTest::cmdRemovePicture_Click()
{
    picture_.reset();
    pictureChanged_ = true;
    ShowPicture();
}

// Shows the slot as stored; a Null field, or one that cannot be read,
// leaves its box empty.
void frmNewTest::Load_Question()
{
    txtQuestion->clear();
    txtAnswer->clear();
    txtPhony1->clear();
    txtPhony2->clear();
    const int slot = CurrentQuestion;
    if (IsSlot(slot)) {
        IgnoreErrors([&] { txtQuestion->setPlainText(rsTests.Text(QuestionField(slot))); });
        IgnoreErrors([&] { txtAnswer->setPlainText(rsTests.Text(AnswerField(slot))); });
        IgnoreErrors([&] { txtPhony1->setPlainText(rsTests.Text(Phony1Field(slot))); });
        IgnoreErrors([&] { txtPhony2->setPlainText(rsTests.Text(Phony2Field(slot))); });
    }
    picture_.reset();
    pictureChanged_ = false;
    if (IsSlot(slot))
        IgnoreErrors([&] { picture_ = TestPictures::Read(cnDatabase, TestNumber(), slot); });
    ShowPicture();
    lblQuestion->setText(tr("Question %1").arg(slot));
    txtQuestion->setFocus();
}

void frmNewTest::cmdNext_Click()
{
    if (CurrentQuestion == Slots || !Save_Question())
        return;
    ++CurrentQuestion;
    Load_Question();
}

void frmNewTest::cmdPrev_Click()
{
    if (CurrentQuestion == 1 || !Save_Question())
        return;
    --CurrentQuestion;
    Load_Question();
}

void frmNewTest::GoToSlot(int slot)
{
    if (slot == CurrentQuestion || !IsSlot(slot) || !Save_Question())
        return;
    CurrentQuestion = static_cast<std::int16_t>(slot);
    Load_Question();
}

void frmNewTest::Form_QueryUnload() { blnNewTest = false; }

// A slot counts as unwritten when its question is Null or only blanks.
int frmNewTest::CountUnwrittenQuestions()
{
    int unwritten = 0;
    for (int slot = 1; slot <= Slots; ++slot) {
        const QVariant question = rsTests.Field(QuestionField(slot));
        if (question.isNull() || question.toString().trimmed().isEmpty())
            ++unwritten;
    }
    return unwritten;
}

// Exit: stores the slot on screen, as moving to another slot would, then
// publishes a complete test or, once confirmed, keeps an incomplete one
// hidden from students behind its "<" and ">".
void frmNewTest::cmdSave_Click()
{
    if (!Save_Question())
        return;
    const int unwritten = CountUnwrittenQuestions();
    if (unwritten > 0
        && !AskYesNo(tr("There are %n questions left to write.\r\nAre you sure you want to exit?", nullptr, unwritten),
                     tr("Incomplete Test")))
        return;
    Finish(unwritten == 0);
}

void frmNewTest::Finish(bool complete)
{
    const QString name = rsTests.Text(TestNameField);
    const bool marked = name.startsWith(u'<');
    if (complete && marked) {
        rsTests.SetField(TestNameField, name.mid(1, std::max<qsizetype>(0, name.size() - 2)));
        rsTests.Update();
    } else if (!complete && !marked) {
        rsTests.SetField(TestNameField, QStringLiteral("<") + name + QStringLiteral(">"));
        rsTests.Update();
    }
    Screens::Get<frmAdmin>().Fill_Test_List();
    Screens::Unload(*this);
    Screens::Unload<frmNewTestIntro>();
    Screens::Show<frmAdmin>();
}

// Closing the editor by its frame leaves it as Exit does, so the slot on
// screen, the marks and the way back to the catalogue are never lost.
void frmNewTest::CloseByFrame() { cmdSave_Click(); }
