// Every screen in every shipped language, and in a pseudo-language made for
// this test (every text 40% longer, its letters accented, between ⟦ and ⟧):
// each label's and button's text fits its widget, every window fits a
// 1024×768 screen, and in the pseudo-language any shown text with a plain
// Latin letter outside ⟦⟧ is one that bypassed translation. The test's own
// data is Greek, so no data passes for an untranslated text. Run a second
// time at 200% scale, where the texts must still fit their widgets.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Language.h"
#include "app/Module1.h"
#include "data/AdminPassword.h"
#include "screens/Screens.h"
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

#include <QtTest>
#include <QtWidgets>

namespace {

const QString Student = QStringLiteral("Ελένη");
const QString Title = QStringLiteral("Γεωγραφία της Ευρώπης");

// Every text 40% longer, with accents, its placeholders and mnemonic kept.
class PseudoLanguage : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (!source || !*source)
            return {};
        const QString text = QString::fromUtf8(source);
        static const QString plain = QStringLiteral("AEIOUCNaeioucnys");
        static const QString accented = QStringLiteral("ÄÉÎÖÜÇÑäéîöüçñÿš");
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'%' && i + 1 < text.size()) {  // %1, %L1, %n stay as they are
                qsizetype end = i + 1;
                if (text[end] == u'L')
                    ++end;
                while (end < text.size() && (text[end].isDigit() || text[end] == u'n'))
                    ++end;
                out += text.mid(i, end - i);
                i = end - 1;
                continue;
            }
            const qsizetype at = plain.indexOf(text[i]);
            out += at < 0 ? text[i] : accented[at];
        }
        return u'⟦' + out + QString(text.size() * 4 / 10, u'·') + u'⟧';
    }
};

bool HasPlainLetter(const QString& text)
{
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    return letter.match(text).hasMatch();
}

QString Shown(const QString& text) { return QString(text).remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

class Walk {
public:
    explicit Walk(bool pseudo) : pseudo_(pseudo) {}

    QStringList problems;

    void Check(QWidget& window)
    {
        ProcessEvents();
        const QString name = window.objectName();
        const QSize limit = QSize(1024, 768) / window.devicePixelRatioF();
        if (window.devicePixelRatioF() < 1.5 && (window.frameGeometry().width() > limit.width() || window.frameGeometry().height() > limit.height()))
            problems << QStringLiteral("%1 is %2×%3").arg(name).arg(window.width()).arg(window.height());
        Translated(name + QStringLiteral(" title"), window.windowTitle());
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->isVisibleTo(&window) && !label->text().isEmpty())
                CheckLabel(name, *label);
        }
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(&window))
                continue;
            Translated(name + u'.' + button->objectName(), button->text());
            Translated(name + u'.' + button->objectName() + QStringLiteral(" name"), button->accessibleName());
            const int needed = qobject_cast<QPushButton*>(button)
                                   ? button->fontMetrics().horizontalAdvance(Shown(button->text())) + 8
                                   : button->sizeHint().width();
            if (!button->text().isEmpty() && needed > button->width())
                problems << QStringLiteral("%1.%2 \"%3\": %4 > %5").arg(name, button->objectName(), button->text()).arg(needed).arg(button->width());
        }
        for (QListWidget* list : window.findChildren<QListWidget*>()) {
            for (int row = 0; row < list->count(); ++row)
                Translated(name + u'.' + list->objectName(), list->item(row)->text());
        }
        for (QTableWidget* table : window.findChildren<QTableWidget*>()) {
            for (int column = 0; column < table->columnCount(); ++column)
                Translated(name + QStringLiteral(" heading"), table->horizontalHeaderItem(column)->text());
        }
    }

private:
    void CheckLabel(const QString& window, QLabel& label)
    {
        const QString where = window + u'.' + label.objectName();
        Translated(where, label.text());
        const QRect room = label.contentsRect();
        const QString text = label.buddy() ? Shown(label.text()) : label.text();
        const QFontMetrics metrics = label.fontMetrics();
        if (label.wordWrap()) {
            const int height = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).height();
            if (height > room.height())
                problems << QStringLiteral("%1 \"%2\": %3 high in %4").arg(where, text).arg(height).arg(room.height());
            return;
        }
        for (const QString& line : text.split(u'\n')) {
            if (metrics.horizontalAdvance(line) > room.width())
                problems << QStringLiteral("%1 \"%2\": %3 wide in %4").arg(where, line).arg(metrics.horizontalAdvance(line)).arg(room.width());
        }
    }

    void Translated(const QString& where, const QString& text)
    {
        if (pseudo_ && HasPlainLetter(text) && !text.contains(u'⟦'))
            problems << QStringLiteral("%1 not translated: \"%2\"").arg(where, text);
    }

    bool pseudo_;
};

// Greek texts in every slot of the test, as a school's own data would be.
void GreekSlots(TestEnv& env, qint64 test)
{
    for (int s = 1; s <= 25; ++s) {
        env.Exec(QStringLiteral("UPDATE Tests SET fldQ%1 = ?, fldQ%1Answer = ?, fldQ%1Phony1 = ?, fldQ%1Phony2 = ? WHERE fldTestNumber = ?").arg(s),
                 {QStringLiteral("Ποια είναι η πρωτεύουσα της χώρας %1;").arg(s), QStringLiteral("Αθήνα"),
                  QStringLiteral("Πάτρα"), QStringLiteral("Λάρισα"), test});
    }
}

}

class TestFit : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        Screens::DiscardAll();
        Module1::Reset();
        Language::Install(QStringLiteral("en"));
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void everyScreen_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& code : Language::Shipped())
            QTest::newRow(qPrintable(code)) << code;
        QTest::newRow("pseudo") << QStringLiteral("pseudo");
    }

    void everyScreen()
    {
        QFETCH(QString, language);
        PseudoLanguage pseudo;
        if (language == QLatin1String("pseudo"))
            QCoreApplication::installTranslator(&pseudo);
        else
            QVERIFY(Language::Install(language));
        QApplication::setLayoutDirection(Language::RightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);

        TestEnv env;
        env.fake.today = QStringLiteral("7/12/2026");
        const qint64 student = env.AddStudent(Student, QStringLiteral("κλειδί"));
        // Extra time puts its line on the introduction.
        env.Exec(QStringLiteral("UPDATE Passwords SET fldExtraTime = 25 WHERE fldStudentNumber = ?"), {student});
        const qint64 test = env.AddTest(Title, 30, QStringLiteral("Διαβάστε κάθε ερώτηση προσεκτικά."));
        GreekSlots(env, test);
        const qint64 taken = env.AddTest(QStringLiteral("Ιστορία"), 20);
        GreekSlots(env, taken);
        AddAttempt(env, student, taken, 84, {1, 2, 3, 1, 1}, 1);

        Walk walk(language == QLatin1String("pseudo"));
        Screens::Show<frmEntry>();
        frmEntry& entry = Screens::Get<frmEntry>();
        walk.Check(entry);
        TypeInto(entry.txtName, Student);
        TypeInto(entry.txtPassword, QStringLiteral("κλειδί"));
        Click(entry.cmdOK);
        frmMain& home = Screens::Get<frmMain>();
        QVERIFY(home.isVisible());
        walk.Check(home);

        QVERIFY(ClickRow(home, Title));
        env.fake.modalUsers.push_back([&](QWidget& intro) {
            walk.Check(intro);
            QVERIFY(static_cast<frmQuestionsIntro&>(intro).lblExtraTime->isVisibleTo(&intro));
            Click(static_cast<frmQuestionsIntro&>(intro).cmdBegin);
        });
        Click(home.cmdTakeTest);
        frmQuestions& questions = Screens::Get<frmQuestions>();
        questions.Timer1->stop();
        walk.Check(questions);
        Click(questions.cmdDone);
        QVERIFY(ClickRow(home, QStringLiteral("Ιστορία")));
        Click(home.cmdReview);
        walk.Check(Screens::Get<frmAnswers>());
        Click(Screens::Get<frmAnswers>().cmdDone);
        Click(home.cmdExit);

        TypeInto(entry.txtName, frmEntry::AdministratorName);
        TypeInto(entry.txtPassword, AdminPassword::Default);
        Click(entry.cmdOK);
        frmAdmin& admin = Screens::Get<frmAdmin>();
        QVERIFY2(admin.isVisible(), qPrintable(LastBox(env.fake)));
        walk.Check(admin);
        PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, student));
        Click(admin.cmdView);
        walk.Check(Screens::Get<frmTestResults>());
        Click(Screens::Get<frmTestResults>().cmdExit);
        PickRow(admin.lstTests, RowOfNumber(admin.lstTests, taken));
        Click(admin.cmdStatistics);
        walk.Check(Screens::Get<frmStatistics>());
        Click(Screens::Get<frmStatistics>().cmdClose);
        Click(admin.cmdAttempts);
        walk.Check(Screens::Get<frmAttempts>());
        Click(Screens::Get<frmAttempts>().cmdClose);
        env.fake.modalUsers.push_back([&](QWidget& window) {
            walk.Check(window);
            Click(static_cast<frmChangePassword&>(window).cmdCancel);
        });
        Click(admin.cmdChangePassword);
        env.fake.modalUsers.push_back([&](QWidget& window) {
            auto& intro = static_cast<frmNewTestIntro&>(window);
            walk.Check(intro);
            TypeInto(intro.txtTestName, QStringLiteral("Φυσική"));
            TypeInto(intro.txtMinutes, QStringLiteral("15"));
            Click(intro.cmdNext);
        });
        Click(admin.cmdAddTest);
        walk.Check(Screens::Get<frmNewTest>());
        env.fake.answers.push_back(MsgAnswer::Yes);
        Click(Screens::Get<frmNewTest>().cmdSave);

        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY2(walk.problems.isEmpty(), qPrintable(walk.problems.join(u'\n')));
        QCOMPARE(env.fake.unexpected, QStringList());
    }
};

QTEST_MAIN(TestFit)
#include "test_fit.moc"
