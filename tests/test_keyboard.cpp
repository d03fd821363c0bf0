// Every screen by keyboard, readable colours, the guide at each screen's
// section, and a name for every control a screen reader reaches.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Language.h"
#include "app/Module1.h"
#include "desktop/QtPlatform.h"
#include "screens/ScreenRoles.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmAttempts.h"
#include "screens/frmChangePassword.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"
#include "screens/frmStatistics.h"
#include "screens/frmTestResults.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <functional>
#include <memory>

using namespace Module1;

namespace {

// A button's mnemonic presses it the way a click looks: after a short delay.
constexpr int AnimatedClickMs = 200;

void Activate(QWidget& window)
{
    window.activateWindow();
    QVERIFY2(QTest::qWaitForWindowActive(&window), qPrintable(window.objectName()));
}

// A key as a user presses it: to whatever holds the focus.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus, qPrintable(QString::number(key, 16)));
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

QString Focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// What a screen reader would stumble on, by object name: controls a user can
// work that it could not name, and neighbours it would read against the
// screen's order (the later one above the earlier, or left of it on its row).
QString ReaderFaults(QWidget& window)
{
    static const QList<QAccessible::Role> working{QAccessible::Button, QAccessible::RadioButton,
                                                  QAccessible::CheckBox, QAccessible::EditableText,
                                                  QAccessible::List, QAccessible::ComboBox, QAccessible::SpinBox};
    const auto name = [](QAccessibleInterface* node) {
        return node->object() ? node->object()->objectName() : QStringLiteral("?");
    };
    QStringList faults;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        if ((node->state().focusable || working.contains(node->role())) && node->text(QAccessible::Name).trimmed().isEmpty())
            faults << name(node);
        QAccessibleInterface* previous = nullptr;
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (child->state().invisible || child->rect().isEmpty())
                continue;
            const QRect a = previous ? previous->rect() : QRect(), b = child->rect();
            const bool sameRow = previous && b.top() < a.bottom() && a.top() < b.bottom();
            if (previous && (b.bottom() <= a.top() || (sameRow && b.right() <= a.left())))
                faults << name(previous) + u'>' + name(child);
            previous = child;
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return faults.join(u' ');
}

// Whether a list's row is drawn anywhere in a blue like the selection's.
bool RowTinted(QListWidget& list, int row)
{
    const QImage drawn = list.viewport()->grab().toImage();
    const QRect rect = list.visualItemRect(list.item(row));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            if (pixel.blue() - pixel.red() > 24)
                return true;
        }
    }
    return false;
}

// What a screen reader reads as a control's name, and what it is told the control is.
QString Heard(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }
QAccessible::Role RoleOf(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->role(); }

// The words of an alert each time it appears, which is when screen readers announce it.
class AlertsHeard : public QObject {
public:
    QStringList words;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            words << Heard(static_cast<QWidget*>(watched));
        return false;
    }
};

// WCAG 2.1's contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 * 255 ? v / 255 / 12.92 : std::pow((v / 255 + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// A label's text colour against its window's background, as drawn.
double TextContrast(const QLabel& label)
{
    return Contrast(label.palette().color(QPalette::WindowText), label.window()->palette().color(QPalette::Window));
}

// The least contrast of a control's outermost ring of pixels against its window's background.
double EdgeContrast(QWidget& widget)
{
    const QImage drawn = widget.grab().toImage();
    const QColor background = widget.window()->palette().color(QPalette::Window);
    double least = 100;
    for (int x = 0; x < drawn.width(); ++x) {
        for (int y = 0; y < drawn.height(); ++y) {
            if (x == 0 || y == 0 || x == drawn.width() - 1 || y == drawn.height() - 1)
                least = std::min(least, Contrast(drawn.pixelColor(x, y), background));
        }
    }
    return least;
}

QString Rgb(const QColor& c) { return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue()); }

// A review's slot as "number text colour | each line's colour, B for bold and underlined".
QString Drawn(const frmAnswers& review, int slot)
{
    const QLabel& number = *review.lblQuestionNumber[static_cast<std::size_t>(slot - 1)];
    QStringList lines{number.text() + u' ' + Rgb(TextColour(number))};
    for (const QLabel* line : {review.lblAnswer1, review.lblAnswer2, review.lblAnswer3})
        lines << Rgb(TextColour(*line)) + (line->font().bold() && line->font().underline() ? "B" : "");
    return lines.join(u'|');
}

// The guide from the source tree, as the program finds it beside itself.
// The guide shows `heading` at its top, or, for a section near the end that
// cannot scroll to the top, scrolled to the end with `heading` in view.
bool OpenedAt(QTextBrowser& viewer, const QString& heading)
{
    const QString top = viewer.cursorForPosition(QPoint(4, 4)).block().text();
    const QScrollBar& bar = *viewer.verticalScrollBar();
    const QRect found = viewer.cursorRect(viewer.document()->find(heading));
    return top.startsWith(heading) || (bar.value() == bar.maximum() && viewer.viewport()->rect().contains(found));
}

// The first words of the first text a guide's file has after the anchor `name`.
QString TextAfterAnchor(const QString& html, const QString& name)
{
    static const QRegularExpression text(QStringLiteral("^(?:\\s*<[^>]*>)*\\s*([^<]{1,30})"));
    const qsizetype anchor = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(name));
    return text.match(html.mid(anchor)).captured(1);
}

class GuidePlatform : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    QString ProgramFolder() override { return QStringLiteral(HELP_FOLDER); }
};

}

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    // Sign-in, the home screen, the test and the review by keys alone: Enter
    // presses the focused button, an unowned Alt+letter types nothing, Tab goes
    // from the answers to the arrows, the arrows' keys step, the clock turns red
    // at 5:00, closing the test asks first, Escape closes the review.
    void studentFromSignInToReviewWithoutAMouse()
    {
        TestEnv env;
        env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        env.AddTest(QStringLiteral("Fractions"), 10);
        env.AddTest(QStringLiteral("Algebra"), 10);
        Screens::Show<frmEntry>();
        frmEntry& entry = Screens::Get<frmEntry>();
        Activate(entry);
        QCOMPARE(ReaderFaults(entry) + Focused(), QStringLiteral("txtName"));
        Press(Qt::Key_Q, Qt::AltModifier);  // owned by no control: types nothing
        QTest::keyClicks(entry.txtName, QStringLiteral("Ada"));
        Press(Qt::Key_Return);
        QTest::keyClicks(entry.txtPassword, QStringLiteral("pw"));
        Press(Qt::Key_Return);
        QVERIFY(Screens::IsLoaded<frmMain>() && entry.isHidden());

        frmMain& home = Screens::Get<frmMain>();
        Activate(home);
        QCOMPARE(ReaderFaults(home), QString());
        QCOMPARE(RoleOf(&home), QAccessible::Window);
        // The list takes the focus with no row current and the first Down picks row 1;
        // Ctrl+Space unpicks it (the row then outlined, not tinted) and Take does nothing.
        home.lstResults->setFocus();
        QVERIFY(!RowTinted(*home.lstResults, 0) && home.lstResults->currentRow() == -1);
        Press(Qt::Key_Down);
        QVERIFY(RowTinted(*home.lstResults, 0) && home.lstResults->item(0)->isSelected());
        Press(Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(!RowTinted(*home.lstResults, 0) && home.lstResults->currentRow() == 0);
        Click(home.cmdTakeTest);
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && env.fake.shown.empty());
        home.lstResults->setFocus();
        Press(Qt::Key_Down);
        QVERIFY(home.lstResults->item(0)->isSelected());
        Press(Qt::Key_Tab);
        QCOMPARE(Focused(), QStringLiteral("cmdTakeTest"));
        env.fake.modalUsers.push_back([](QWidget& intro) {
            QCOMPARE(ReaderFaults(intro), QString());
            QCOMPARE(RoleOf(&intro), QAccessible::Dialog);
            QTest::keyClick(static_cast<frmQuestionsIntro&>(intro).cmdBegin, Qt::Key_Return);
        });
        Press(Qt::Key_Return);
        QVERIFY(Screens::IsLoaded<frmQuestions>());

        frmQuestions& test = Screens::Get<frmQuestions>();
        test.Timer1->stop();
        Activate(test);
        QCOMPARE(ReaderFaults(test) + Focused(), QStringLiteral("optAnswer_0"));
        // The keyboard's place shows from the first moment, at 3:1 or more all around.
        QVERIFY(EdgeContrast(*test.optAnswer[0]) >= 3 && EdgeContrast(*test.optAnswer[1]) < 1.1);
        QCOMPARE(Heard(test.lblTime), QStringLiteral("Remaining time 10:00"));
        test.Timer1_Timer();
        QCOMPARE(Heard(test.lblTime), QStringLiteral("Remaining time 9:59"));
        const QString order = ShownOrder(test);
        Press(Qt::Key_Space);
        QString steps;
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_Right, Qt::AltModifier},
                                             {Qt::Key_PageUp, Qt::NoModifier}, {Qt::Key_Left, Qt::AltModifier}}) {
            Press(key, modifiers);
            steps += QString::number(test.CurrentQuestion);
        }
        QCOMPARE(steps, QStringLiteral("2321"));
        QCOMPARE(QStringList({Heard(test.lblQuestionNumber[0]), Heard(test.lblQuestionNumber[1])}),
                 QStringList({"Question 1, answered", "Question 2, not answered"}));
        Press(Qt::Key_Tab);
        QCOMPARE(Focused(), QStringLiteral("cmdPrev"));

        // The last 5 minutes: the clock red at 4.5:1 on the window, a notice beside it
        // in words, announced at 5:00 and again at 1:00.
        AlertsHeard alerts;
        test.lblTimeNotice->installEventFilter(&alerts);
        for (int tick = 0; tick < 298; ++tick)
            test.Timer1_Timer();
        QCOMPARE(test.lblTime->text() + u' ' + Rgb(TextColour(*test.lblTime)), QStringLiteral("5:01 0,0,0"));
        QVERIFY(alerts.words.isEmpty() && test.lblTimeNotice->isHidden());
        test.Timer1_Timer();
        QCOMPARE(test.lblTime->text() + u' ' + Rgb(TextColour(*test.lblTime)) + u' ' + test.lblTimeNotice->text(),
                 QStringLiteral("5:00 217,0,0 \u26a0 5 minutes left"));
        QVERIFY(TextContrast(*test.lblTime) >= 4.5 && TextContrast(*test.lblTimeNotice) >= 4.5);
        QVERIFY(test.lblTimeNotice->isVisible() && RoleOf(test.lblTimeNotice) == QAccessible::AlertMessage);
        for (int tick = 0; tick < 240; ++tick)
            test.Timer1_Timer();
        QCOMPARE(Heard(test.lblTime) + u'|' + alerts.words.join(u'|'),
                 QStringLiteral("Remaining time 1:00|5 minutes left|1 minute left"));

        env.fake.answers = {MsgAnswer::No, MsgAnswer::Yes};
        test.close();
        ProcessEvents();
        QVERIFY(Screens::IsLoaded<frmQuestions>() && test.isVisible());
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade FROM Results")), QStringList{"NULL"});
        test.close();
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && home.isVisible());
        const FakePlatform::Shown& box = env.fake.shown.back();
        QVERIFY(env.fake.shown.size() == 2 && box.title.isEmpty() && box.buttons == MsgButtons::YesNoDefaultNo);
        QCOMPARE(box.text, QStringLiteral("Finish this test now? Your answers will be graded."));
        const bool right = order.startsWith(u'1');
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldGrade FROM Results")),
                 QStringList{order + (right ? QStringLiteral("1C|4") : QStringLiteral("1X|0"))});

        Activate(home);
        home.lstResults->setFocus();
        Press(Qt::Key_Space);
        home.cmdReview->setFocus();
        Press(Qt::Key_Return);
        QVERIFY(Screens::IsLoaded<frmAnswers>());
        frmAnswers& review = Screens::Get<frmAnswers>();
        Activate(review);
        QCOMPARE(ReaderFaults(review), QString());
        QCOMPARE(review.optAnswer[0]->accessibleName(),
                 "Answer 1: " + review.lblAnswer1->text() + (right ? " (right answer, your answer)" : " (your answer)"));
        Press(Qt::Key_Escape);
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAnswers>() && home.isVisible());
    }

    // The administration screen's look-alike buttons have letters of their own
    // and Alt presses them; the new test's screens are named for a screen
    // reader and worked by their mnemonics (the arrows' keys and Escape are one
    // mechanism for every screen, walked in the student's test).
    void administratorByKeyboard()
    {
        TestEnv env;
        env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        env.AddTest(QStringLiteral("Fractions"));
        frmAdmin& admin = SignInAdmin();
        Activate(admin);
        QCOMPARE(ReaderFaults(admin), QString());
        QCOMPARE(Heard(admin.cmdDeleteTest) + u'|' + Heard(admin.cmdDeleteStudent), QStringLiteral("Delete test|Delete student"));
        PickRow(admin.lstStudents, 0);
        PickRow(admin.lstTests, 0);
        env.fake.answers = {MsgAnswer::No, MsgAnswer::No};
        admin.lstTests->setFocus();
        Press(Qt::Key_L, Qt::AltModifier);
        QTest::qWait(AnimatedClickMs);
        admin.txtName->setFocus();
        Press(Qt::Key_D, Qt::AltModifier);
        QTest::qWait(AnimatedClickMs);
        QCOMPARE(env.fake.shown.size(), std::size_t(2));
        QCOMPARE(env.fake.shown[0].title + u'|' + env.fake.shown[1].title,
                 QStringLiteral("Delete The Current Student|Delete The Selected Test"));
        Press(Qt::Key_C, Qt::AltModifier);
        QTest::qWait(AnimatedClickMs);
        TypeInto(admin.txtName, QStringLiteral("Bo"));
        TypeInto(admin.txtPassword, QStringLiteral("longer pw"));
        admin.lstTests->setFocus();
        Press(Qt::Key_S, Qt::AltModifier);
        QTest::qWait(AnimatedClickMs);
        QCOMPARE(admin.lstStudents->count(), 2);
        QVERIFY(!Screens::IsLoaded<frmNewTest>());

        env.fake.modalUsers.push_back([](QWidget& form) {
            auto& intro = static_cast<frmNewTestIntro&>(form);
            Activate(intro);
            QCOMPARE(ReaderFaults(intro), QString());
            QTest::keyClicks(intro.txtTestName, QStringLiteral("Keys"));
            QTest::keyClicks(intro.txtMinutes, QStringLiteral("5"));
            Press(Qt::Key_N, Qt::AltModifier);
            QTRY_VERIFY(intro.isHidden());
        });
        admin.cmdAddTest->setFocus();
        Press(Qt::Key_Return);
        QVERIFY(Screens::IsLoaded<frmNewTest>());
        frmNewTest& editor = Screens::Get<frmNewTest>();
        Activate(editor);
        QCOMPARE(ReaderFaults(editor), QString());
        QCOMPARE(Heard(editor.txtPhony1) + u'|' + Heard(editor.txtPhony2), QStringLiteral("False answer 1|False answer 2"));
        editor.txtQuestion->setFocus();
        env.fake.answers.push_back(MsgAnswer::Yes);  // keep the test unfinished
        Press(Qt::Key_X, Qt::AltModifier);
        QTest::qWait(AnimatedClickMs);
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmNewTest>() && admin.isVisible());
    }

    // One letter, one control on each screen, in English and in every translation.
    void mnemonicsNamedOncePerScreen_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : Language::Shipped())
            QTest::newRow(qPrintable(code)) << code;
    }

    void mnemonicsNamedOncePerScreen()
    {
        QFETCH(QString, language);
        QVERIFY(Language::Install(language));
        const auto english = qScopeGuard([] { Language::Install(QStringLiteral("en")); });
        TestEnv env;
        std::vector<std::unique_ptr<Form>> screens;
        screens.push_back(std::make_unique<frmEntry>());
        screens.push_back(std::make_unique<frmMain>());
        screens.push_back(std::make_unique<frmQuestionsIntro>());
        screens.push_back(std::make_unique<frmQuestions>());
        screens.push_back(std::make_unique<frmAnswers>());
        screens.push_back(std::make_unique<frmAdmin>());
        screens.push_back(std::make_unique<frmTestResults>());
        screens.push_back(std::make_unique<frmNewTestIntro>());
        screens.push_back(std::make_unique<frmNewTest>());
        screens.push_back(std::make_unique<frmChangePassword>());
        screens.push_back(std::make_unique<frmStatistics>());
        screens.push_back(std::make_unique<frmAttempts>());
        QStringList shared;
        for (const auto& screen : screens) {
            QMap<QString, QStringList> owners;
            for (QWidget* control : screen->findChildren<QWidget*>()) {
                const auto* button = qobject_cast<QAbstractButton*>(control);
                const auto* label = qobject_cast<QLabel*>(control);
                const QString caption = button ? button->text() : label ? label->text() : QString();
                if (!QKeySequence::mnemonic(caption).isEmpty())
                    owners[QKeySequence::mnemonic(caption).toString()] << caption;
            }
            for (auto letter = owners.cbegin(); letter != owners.cend(); ++letter) {
                if (letter->size() > 1)
                    shared << screen->objectName() + u' ' + letter.key() + u' ' + letter->join(u' ');
            }
        }
        QCOMPARE(shared.join(u'\n'), QString());
    }

    // The review's colours and the red clock's on a light and a dark palette: the
    // described colours where they read on the window at 3:1 (large slot numbers) or
    // 4.5:1 (answer lines, the clock), else the nearest shade that does (worked out
    // by the WCAG 2.1 formula); black lines in the palette's text colour.
    void coloursReadOnLightAndDarkPalettes()
    {
        TestEnv env;
        const qint64 ada = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        const qint64 test = env.AddTest(QStringLiteral("Fractions"));
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate, fldQ1, fldQ2) "
                                "VALUES (?, ?, 4, '5/6/26', '3122C', '1233X')"), {ada, test});
        SignIn(env, ada);
        const QPalette before = QApplication::palette();
        QStringList drawn;
        for (const auto& [window, text] : {std::pair{QColor(255, 255, 255), QColor(0, 0, 0)}, {QColor(80, 80, 80), QColor(230, 230, 230)}}) {
            QPalette palette = before;
            palette.setColor(QPalette::Window, window);
            palette.setColor(QPalette::WindowText, text);
            QApplication::setPalette(palette);
            frmMain& home = Home();
            ClickRow(home, QStringLiteral("Fractions"));
            Click(home.cmdReview);
            frmAnswers& review = Screens::Get<frmAnswers>();
            drawn << Drawn(review, 1);
            review.cmdNext_Click();
            drawn << Drawn(review, 2);
            QWidget screen;
            QLabel clock(&screen);
            QFont bold = clock.font();
            bold.setBold(true);
            clock.setFont(bold);
            SetTextColour(clock, QColor(255, 0, 0));
            drawn << Rgb(TextColour(clock));
            QVERIFY(TextContrast(*review.lblAnswer1) >= 4.5 && TextContrast(clock) >= 4.5);
            Screens::Unload(review);
            ProcessEvents();
        }
        QApplication::setPalette(before);
        QCOMPARE(drawn, QStringList({"1\u2713 0,166,0|0,0,0|0,128,0B|0,0,0",
                                     "2\u2717 255,0,0|0,128,0|0,0,0|0,0,0B", "230,0,0",
                                     "1\u2713 0,255,0|230,230,230|166,211,166B|230,230,230",
                                     "2\u2717 255,115,115|166,211,166|230,230,230|230,230,230B", "255,179,179"}));
    }

    // F1's section is the screen's own: the guide opens scrolled to it, beside
    // the asking window and on the screen; while a modal screen is open the
    // guide still takes keys (Page Down scrolls, Escape closes it).
    void guideOpensAtEachScreenAndWorksBesideAModal()
    {
        QTemporaryDir lock;
        GuidePlatform platform(lock.path());
        const QList<std::pair<QString, QString>> sections{
            {"frmEntry", "Signing in"}, {"frmMain", "For students: your home screen"},
            {"frmQuestionsIntro", "Before a test starts"}, {"frmQuestions", "On the test screen, choose"},
            {"frmAnswers", "Each test can be taken once."}, {"frmAdmin", "For the administrator"},
            {"frmTestResults", "View Test Results shows"}, {"frmNewTestIntro", "Writing a test:"},
            {"frmNewTest", "How the editor stores a test:"}, {"frmChangePassword", "Changing the administrator's password"},
            {"frmStatistics", "Statistics of a test"}};
        QWidget screen;
        screen.setGeometry(20, 30, 100, 100);
        screen.show();
        QStringList wrong;
        for (const auto& [name, heading] : sections) {
            screen.setObjectName(name);
            platform.ShowHelp(&screen);
            auto* viewer = qobject_cast<QTextBrowser*>(QApplication::topLevelAt(QPoint(400, 60)));
            QVERIFY(viewer);
            QCOMPARE(viewer->pos(), QPoint(122, 28));  // the offscreen frames are 2 pixels wide
            // A section near the guide's end cannot scroll to the top; it must show whole.
            if (!OpenedAt(*viewer, heading))
                wrong << name + u':' + viewer->cursorForPosition(QPoint(4, 4)).block().text().left(40);
        }
        QCOMPARE(wrong.join(u';'), QString());

        // F1 in each language opens that language's guide, which has every
        // screen's section: each anchor of the English guide, in its order.
        const QStringList anchors{"frmEntry", "frmMain", "frmQuestionsIntro", "frmQuestions", "frmAnswers", "frmAdmin",
                                  "frmNewTestIntro", "frmNewTest", "frmTestResults", "frmChangePassword", "frmStatistics"};
        const QList<std::pair<QString, QString>> guides{
            {"de", "VornickTest – Benutzerhandbuch"}, {"fr", "Guide d'utilisation de VornickTest"},
            {"es", "Guía del usuario de VornickTest"}, {"pt_BR", "Guia do usuário do VornickTest"},
            {"ar", "دليل المستخدم لبرنامج VornickTest"}};
        const auto english = qScopeGuard([] { Language::Install(QStringLiteral("en")); });
        for (const auto& [code, title] : guides) {
            QVERIFY(Language::Install(code));
            QFile file(QStringLiteral(HELP_FOLDER "/HelpFile_%1.hlp").arg(code));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QStringList found;
            for (const auto& anchor : QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\"")).globalMatch(html))
                found << anchor.captured(1);
            QCOMPARE(found, anchors);
            for (const QString& name : anchors) {
                screen.setObjectName(name);
                platform.ShowHelp(&screen);
                auto* viewer = qobject_cast<QTextBrowser*>(QApplication::topLevelAt(QPoint(400, 60)));
                QVERIFY(viewer && viewer->document()->toPlainText().startsWith(title));
                if (!OpenedAt(*viewer, TextAfterAnchor(html, name)))
                    wrong << code + u'/' + name;
            }
        }
        QCOMPARE(wrong.join(u';'), QString());

        QWidget modal;
        modal.setObjectName(QStringLiteral("frmNewTestIntro"));
        modal.setGeometry(660, 100, 120, 100);
        bool scrolled = false, closed = false;
        QTimer::singleShot(0, [&] {
            platform.ShowHelp(&modal);
            auto* viewer = qobject_cast<QTextBrowser*>(QApplication::topLevelAt(QPoint(400, 150)));
            QVERIFY(viewer && QApplication::activeModalWidget() == &modal);
            QVERIFY(viewer->frameGeometry().right() < modal.frameGeometry().left());
            const int at = viewer->verticalScrollBar()->value();
            QTest::keyClick(viewer->windowHandle(), Qt::Key_PageDown);
            scrolled = viewer->verticalScrollBar()->value() > at;
            QTest::keyClick(viewer->windowHandle(), Qt::Key_Escape);
            ProcessEvents();
            closed = !QApplication::topLevelAt(QPoint(400, 150));
            modal.hide();
        });
        platform.RunModal(modal);
        QVERIFY(scrolled && closed);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
