#include "frmQuestions.h"

#include "PictureView.h"
#include "ScreenRoles.h"
#include "Screens.h"
#include "rules/AnswerRecord.h"
#include "rules/ListRows.h"
#include "app/ServerWait.h"
#include "app/Platform.h"
#include "frmMain.h"
#include "frmQuestionsIntro.h"
#include "work/StudentWork.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>


namespace {

constexpr int TickMs = 1000;
constexpr int ListenMs = 5000;
constexpr int FiveMinutes = 5 * 60;
constexpr int OneMinute = 60;

// Minutes without leading zeros, seconds as two digits: 45:00, 9:05, 0:00.
QString ClockText(std::int16_t minutes, std::int16_t seconds)
{
    return QString::number(minutes) + (seconds >= 10 ? QStringLiteral(":") : QStringLiteral(":0"))
        + QString::number(seconds);
}

}

frmQuestions::frmQuestions() : SlotForm(QStringLiteral("frmQuestions"))
{
    QGridLayout* numbers = BuildSlotNumbers();
    QGridLayout* question = BuildQuestionArea();
    QHBoxLayout* buttons = BuildSlotButtons();
    Label2 = new QLabel(tr("Remaining time:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    lblTime = new QLabel(this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    QFont clockFont = lblTime->font();
    clockFont.setBold(true);
    lblTime->setFont(clockFont);
    lblTime->setMinimumWidth(lblTime->fontMetrics().horizontalAdvance(QStringLiteral("00000:00")));
    // The time's own text is what a screen reader reads: no buddy names the clock.
    lblTimeNotice = new AlertLabel(this);
    lblTimeNotice->setObjectName(QStringLiteral("lblTimeNotice"));
    lblTimeNotice->setFont(clockFont);
    lblTimeNotice->setVisible(false);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMs);
    // The clock runs on while a lost server is waited for.
    ServerWait::TickThroughWaits(*Timer1);
    tmrListen = new QTimer(this);
    tmrListen->setObjectName(QStringLiteral("tmrListen"));
    tmrListen->setInterval(ListenMs);

    picQuestion->KeepInSight(lblTime);
    auto* clock = new QHBoxLayout;
    clock->addStretch();
    clock->addWidget(lblTimeNotice);
    clock->addWidget(Label2);
    clock->addWidget(lblTime);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(numbers);
    layout->addSpacing(8);
    layout->addLayout(clock);
    layout->addLayout(question);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(720, 440);

    OnClick(cmdPrev, &frmQuestions::cmdPrev_Click);
    OnClick(cmdNext, &frmQuestions::cmdNext_Click);
    OnClick(cmdDone, &frmQuestions::cmdDone_Click);
    connect(Timer1, &QTimer::timeout, this, [this] { RunGuarded([this] { Timer1_Timer(); }); });
    connect(tmrListen, &QTimer::timeout, this, [this] { RunGuarded([this] { tmrListen_Timer(); }); });
}

// Opens the attempt: the test whose number the home screen's selected row
// carries, and the student's attempt at it. A stored attempt continues where
// it stands: every answer and its order back, the answered numbers green, the
// countdown at what is left of its deadline, and past that finished at once.
// A new one shows the introduction first and is stored, with its deadline,
// when the questions appear. A failing step is skipped and the next one
// runs, but an attempt is only ever stored with its test's number, and a
// store the database refuses (an attempt begun meanwhile elsewhere) is not
// skipped. Only the student's own row for this test is read, however long
// the history of results.
void frmQuestions::Take(qint64 test)
{
    Screens::Load<frmQuestions>([test](frmQuestions& screen) { screen.testNumber_ = test; }).Show();
}

void frmQuestions::Form_Load()
{
    IgnoreErrors([this] { Student().OpenTest(testNumber_); });
    std::optional<bool> continuing;  // none when no attempt could be opened
    IgnoreErrors([&] { continuing = Student().OpenAttempt(); });
    if (!continuing.value_or(false)) {
        IgnoreErrors([] { Screens::ShowModal(Screens::Get<frmQuestionsIntro>()); });
        // An introduction whose own load failed never lingers half-made.
        Screens::Unload<frmQuestionsIntro>();
    }
    std::optional<qint64> secondsLeft;
    if (continuing)
        secondsLeft = Student().SecondsLeft();
    IgnoreErrors([this] { MakeRoomForPictures(Student().PictureRoom()); });
    CurrentQuestion = 1;
    Mark_Answered_Slots();
    Load_Question();
    if (continuing.value_or(false) && secondsLeft.value_or(0) <= 0)
        return Time_Is_Up();
    Start_Countdown(secondsLeft.value_or(0));
}

// The numbers of the slots with a stored answer turn green; every number
// tells a screen reader whether its slot is answered.
void frmQuestions::Mark_Answered_Slots()
{
    for (int slot = 1; slot <= AnswerRecords::Slots; ++slot) {
        bool answered = false;
        IgnoreErrors([&] { answered = Student().Answered(slot); });
        Mark_Slot(slot, answered);
    }
}

void frmQuestions::Mark_Slot(int slot, bool answered)
{
    QLabel& number = *lblQuestionNumber[static_cast<std::size_t>(slot - 1)];
    if (answered)
        SetTextColour(number, SlotColours::Right());
    number.setAccessibleName((answered ? tr("Question %1, answered") : tr("Question %1, not answered")).arg(slot));
}

void frmQuestions::Start_Countdown(qint64 secondsLeft)
{
    MinutesLeft = static_cast<std::int16_t>(secondsLeft / 60);
    SecondsLeft = static_cast<std::int16_t>(secondsLeft % 60);
    IgnoreErrors([this] { warnAtSeconds_ = Student().TestMinutes() > 5 ? FiveMinutes : OneMinute; });
    Show_Time();
    Timer1->start();
    tmrListen->start();
}

// The clock turns red once the time left is short: 5 minutes, or 1 minute
// on a test of 5 minutes or less; a notice beside it says so in words, for
// those who cannot tell red, and screen readers announce it. The clock's
// accessible name carries the time after the words "Remaining time".
void frmQuestions::Show_Time()
{
    const QString time = ClockText(MinutesLeft, SecondsLeft);
    lblTime->setText(time);
    lblTime->setAccessibleName(tr("Remaining time %1").arg(time));
    const int secondsLeft = MinutesLeft * 60 + SecondsLeft;
    if (secondsLeft > warnAtSeconds_) {
        // More time given after the warning: the clock is plain again.
        if (!lblTimeNotice->isHidden()) {
            lblTimeNotice->hide();
            SetTextColour(*lblTime, TextColour(*Label2));
        }
        return;
    }
    SetTextColour(*lblTime, SlotColours::Missed());
    if (lblTimeNotice->isHidden() || secondsLeft == OneMinute) {
        SetTextColour(*lblTimeNotice, SlotColours::Missed());
        lblTimeNotice->Announce(QStringLiteral("\u26a0"),
                                secondsLeft > OneMinute ? tr("5 minutes left") : tr("1 minute left"));
    }
}

// Shows slot CurrentQuestion: a fresh order while it is unanswered, the stored
// order and choice once it is answered.
void frmQuestions::Load_Question()
{
    // Fetched first: a slot that cannot be fetched leaves the screen as it was.
    const int slot = CurrentQuestion;
    const StudentWork::Shown shown = Student().Slot(slot);
    ClearSlot();
    SelectChoice(optAnswer, shown.chosenIndex);
    lblQuestion->setText(shown.question);
    ShowPicture(shown.picture);
    const std::array<QLabel*, 3> lines = AnswerLines();
    for (std::size_t k = 0; k < lines.size(); ++k)
        lines[k]->setText(shown.answers[k]);
    NameAnswerButtons();
    QuestionNumber->setText(tr("Question %1").arg(slot));
}

// Leaves the slot on screen: a chosen answer is stored at once (the first
// store inserts the attempt's row) and its number turns green; then slot
// index + 1 is shown.
void frmQuestions::lblQuestionNumber_Click(std::int16_t index)
{
    if (Store_Chosen_Answer()) {
        if (Finishing)
            return;
        Mark_Slot(CurrentQuestion, true);
    }
    CurrentQuestion = static_cast<std::int16_t>(index + 1);
    if (CurrentQuestion == 26)
        CurrentQuestion = 25;
    Load_Question();
}

// Stores the line chosen on screen, if one is, as the slot's answer.
bool frmQuestions::Store_Chosen_Answer()
{
    const int chosen = ChosenLine(optAnswer);
    if (chosen != 0)
        Unless_Finished_Elsewhere([&] { Student().Store(CurrentQuestion, chosen); });
    return chosen != 0;
}

// Runs a store or the finish. The database refuses both for an attempt the
// administrator has finished meanwhile: the test then ends as that finish
// ends it, told and with nothing more stored (endedElsewhere_ says so); any
// other refusal goes on up.
void frmQuestions::Unless_Finished_Elsewhere(const std::function<void()>& step)
{
    RunUnlessExplained(step, [this] { return Finished_Elsewhere(); }, [this] { Finished_By_Teacher(); });
}

void frmQuestions::cmdNext_Click()
{
    if (CurrentQuestion != 25)
        lblQuestionNumber_Click(CurrentQuestion);
}

void frmQuestions::cmdPrev_Click()
{
    if (CurrentQuestion != 1)
        lblQuestionNumber_Click(static_cast<std::int16_t>(CurrentQuestion - 2));
}

void frmQuestions::Timer1_Timer()
{
    if (Finishing)
        return;
    // At 0:00 while a lost server is waited for, the time up waits for it.
    if (ServerWait::Running() && MinutesLeft == 0 && SecondsLeft == 0)
        return;
    --SecondsLeft;
    if (SecondsLeft == -1) {
        SecondsLeft = 59;
        --MinutesLeft;
        if (MinutesLeft < 0) {
            Time_Is_Up();
            return;
        }
    }
    Show_Time();
}

// The countdown follows what the database says of the attempt: more time
// the administrator gave shows within seconds, and an attempt the
// administrator finished ends here without storing more. A question that
// fails is asked again at the next tick.
void frmQuestions::tmrListen_Timer()
{
    if (Finishing || timeIsUp_)
        return;
    std::optional<StudentWork::Heard> heard;
    IgnoreErrors([&] { heard = Student().Listen(); });
    if (!heard)
        return;
    if (heard->finished)
        return Finished_By_Teacher();
    Follow_Time_Left(heard->secondsLeft);
}

// Whether the attempt was finished by the administrator: asked when the
// database refuses a store or a finish, which it does for a graded attempt.
bool frmQuestions::Finished_Elsewhere()
{
    bool finished = false;
    IgnoreErrors([&] { finished = Student().Listen().finished; });
    return finished;
}

// A second or so apart is the round trip, not a change.
void frmQuestions::Follow_Time_Left(qint64 secondsLeft)
{
    const qint64 shown = qint64{MinutesLeft} * 60 + SecondsLeft;
    if (std::abs(secondsLeft - shown) < 2)
        return;
    if (secondsLeft <= 0)
        return Time_Is_Up();
    MinutesLeft = static_cast<std::int16_t>(secondsLeft / 60);
    SecondsLeft = static_cast<std::int16_t>(secondsLeft % 60);
    Show_Time();
}

void frmQuestions::Finished_By_Teacher()
{
    if (endedElsewhere_)
        return;
    endedElsewhere_ = true;
    Timer1->stop();
    tmrListen->stop();
    Finishing = true;
    QPointer<frmQuestions> self(this);
    MsgBox(tr("Your teacher has finished this test."));
    if (self)
        Return_Home();
}

// The countdown stops while the message is open; if the window was closed
// meanwhile, that close has already finished the attempt. The answer on
// screen is stored as the time runs out, not only once the message is
// answered: a lab's server takes no answer later than a few seconds past the
// deadline. Should that store fail, finishing stores it again and tells.
void frmQuestions::Time_Is_Up()
{
    Timer1->stop();
    tmrListen->stop();
    timeIsUp_ = true;
    IgnoreErrors([this] { Store_Chosen_Answer(); });
    if (endedElsewhere_)
        return;
    QPointer<frmQuestions> self(this);
    MsgBox(tr("Time Is Up!"));
    if (self)
        cmdDone_Click();
}

// Finishes the attempt, exactly once: stores the answer on screen, grades
// every slot, stores the row and returns to the home screen. An attempt
// already left (closed by the frame) is not finished.
void frmQuestions::cmdDone_Click()
{
    if (Finishing)
        return;
    Timer1->stop();
    tmrListen->stop();
    Finishing = true;
    lblQuestionNumber_Click(CurrentQuestion);
    if (!endedElsewhere_)
        Unless_Finished_Elsewhere([] { Student().Finish(); });
    if (!endedElsewhere_)
        Return_Home();
}

// Leaves the attempt unfinished, once: the answer on screen is stored as a
// slot departure stores it, and the home screen shows the test "Unfinished".
void frmQuestions::Leave_Attempt()
{
    if (Finishing)
        return;
    Timer1->stop();
    tmrListen->stop();
    Finishing = true;
    lblQuestionNumber_Click(CurrentQuestion);
    if (!endedElsewhere_)
        Return_Home();
}

void frmQuestions::Return_Home()
{
    Student().CloseAttempt();
    Screens::Get<frmMain>().Load_Test_List();
    Screens::Unload(*this);
    Screens::Show<frmMain>();
}

// Closing the window by its frame (or Alt+F4) asks first: Yes finishes the
// attempt as Done does, No keeps the test open. While "Time Is Up!" is open
// the attempt is over, so the close finishes it without asking. When the
// desktop session ends nobody is there to answer: the attempt is left for
// later, its clock running on, and the home screen comes back.
void frmQuestions::CloseByFrame()
{
    if (timeIsUp_)
        return cmdDone_Click();
    if (qApp->isSavingSession())
        return Leave_Attempt();
    QPointer<frmQuestions> self(this);
    const MsgAnswer answer = platform().MsgBox(tr("Finish this test now? Your answers will be graded."),
                                               MsgButtons::YesNoDefaultNo, QString());
    if (self && answer == MsgAnswer::Yes)
        cmdDone_Click();
}

void frmQuestions::Form_QueryUnload()
{
    Timer1->stop();
    tmrListen->stop();
}
