// The administrator's work without a screen: one sequence of calls and the
// values it must give, on whatever engine the run gives (the database file,
// the server as its owner, a lab workstation as the administrator role).
#include "TestEnv.h"
#include "data/DbError.h"
#include "UserActions.h"
#include "work/AdminWork.h"

#include <QDateTime>
#include <QtTest>

namespace {

QStringList Names(const std::vector<StudentRow>& rows)
{
    QStringList names;
    for (const StudentRow& row : rows)
        names << row.name;
    return names;
}

QStringList Names(const std::vector<TestRow>& rows)
{
    QStringList names;
    for (const TestRow& row : rows)
        names << row.name;
    return names;
}

QStringList Texts(const ResultRows& rows)
{
    QStringList texts;
    for (const ResultRow& row : rows)
        texts << row.text.simplified();
    return texts;
}

DraftQuestion Slot(int s)
{
    return {QStringLiteral("Q%1").arg(s), QStringLiteral("A%1").arg(s), QStringLiteral("P%1a").arg(s),
            QStringLiteral("P%1b").arg(s)};
}

Picture RedSquare() { return {FilledPng(3, 2, Qt::red), QStringLiteral("png"), 3, 2, QStringLiteral("A red square")}; }

}

class TestAdminWork : public QObject {
    Q_OBJECT

private slots:
    // Accounts: add, rename, refuse a twin name, delete with their results.
    void accountsOnEveryEngine()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        env.OpenDatabase();
        AdminWork& admin = Administrator();
        QVERIFY(!admin.SignIn(QStringLiteral("Plum")));
        QVERIFY(admin.SignIn(QStringLiteral("plum")));

        const qint64 bo = admin.SaveAccount({0, QStringLiteral("Bo"), QStringLiteral("long enough"), 25});
        QVERIFY(bo > 0 && bo != ann);
        QCOMPARE(Names(admin.Students()), (QStringList{"Ann", "Bo"}));
        const std::optional<StudentAccount> stored = admin.Account(bo);
        QVERIFY(stored);
        QCOMPARE(stored->name + u'|' + stored->password + u'|' + QString::number(stored->extraPercent),
                 QStringLiteral("Bo|long enough|25"));
        QVERIFY(admin.NameTakenByAnother(QStringLiteral("Ann"), std::nullopt));
        QVERIFY(admin.NameTakenByAnother(QStringLiteral("Ann"), bo));
        QVERIFY(!admin.NameTakenByAnother(QStringLiteral("Ann"), ann));
        QVERIFY(!admin.NameTakenByAnother(QStringLiteral("ann"), std::nullopt));
        // A short password is refused only on a lab, and only when it is new.
        QCOMPARE(admin.ShortNewLabPassword(QStringLiteral("seven77"), bo), env.OnLab());
        QVERIFY(!admin.ShortNewLabPassword(QStringLiteral("a"), ann));

        // Extra time outside 0 to 400 never reaches the table, whoever asks.
        for (const int wrong : {401, -50})
            QVERIFY_THROWS_EXCEPTION(DbError, admin.SaveAccount({bo, QStringLiteral("Bo"), QStringLiteral("long enough"), wrong}));
        QCOMPARE(admin.SaveAccount({bo, QStringLiteral("Bo"), QStringLiteral("long enough"), 400}), bo);
        QCOMPARE(admin.SaveAccount({bo, QStringLiteral("Bo Li"), QStringLiteral("long enough"), 0}), bo);
        QCOMPARE(Names(admin.Students()), (QStringList{"Ann", "Bo Li"}));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldExtraTime FROM Passwords WHERE fldStudentNumber = ?"), {bo}).toInt(), 0);

        const qint64 test = env.AddTest(QStringLiteral("Algebra"));
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (?, ?, 8)"), {bo, test});
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (?, ?, 12)"), {ann, test});
        QVERIFY(admin.DeleteStudent(bo));
        QVERIFY(!admin.DeleteStudent(bo));
        QVERIFY(!admin.Account(bo));
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentNumber, fldGrade FROM Results")),
                 QStringList{QStringLiteral("%1|12").arg(ann)});
        admin.SignOut();
    }

    // A test written slot by slot, published, edited, and deleted with its
    // results; a test from a file stored with its questions, hidden while
    // fewer than 25.
    void testsOnEveryEngine()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        env.OpenDatabase();
        AdminWork& admin = Administrator();
        QVERIFY(admin.SignIn(QStringLiteral("plum")));

        const qint64 test = admin.AddTest({QStringLiteral("Algebra"), QStringLiteral("Sums"), QStringLiteral(" 30 ")}, {});
        QCOMPARE(admin.Heading(test)->minutes, QStringLiteral("30"));
        QCOMPARE(admin.UnwrittenSlots(test), 25);
        QVERIFY(admin.TitleTaken(QStringLiteral("<Algebra>"), std::nullopt));
        QVERIFY(!admin.TitleTaken(QStringLiteral("Algebra"), test));
        admin.StoreSlot(test, 1, Slot(1), std::nullopt);
        admin.StoreSlot(test, 2, {QStringLiteral("   "), QStringLiteral("a"), QString(), QString()}, RedSquare());
        QCOMPARE(admin.UnwrittenSlots(test), 24);
        admin.MarkComplete(test, false);
        QCOMPARE(Names(admin.Tests()), QStringList{"<Algebra>"});
        admin.MarkComplete(test, false);  // marked once only
        QCOMPARE(Names(admin.Tests()), QStringList{"<Algebra>"});
        QCOMPARE(admin.SlotPicture(test, 2), std::optional<Picture>(RedSquare()));
        for (int s = 2; s <= 25; ++s)
            admin.StoreSlot(test, s, Slot(s), std::nullopt);  // the picture stays
        QVERIFY(admin.SlotPicture(test, 2));
        admin.StoreSlot(test, 2, Slot(2), std::optional<Picture>());
        QVERIFY(!admin.SlotPicture(test, 2));
        QCOMPARE(admin.UnwrittenSlots(test), 0);
        admin.MarkComplete(test, true);
        admin.StoreHeading(test, {QStringLiteral("Algebra"), QStringLiteral("Sums and more"), QStringLiteral("45")});
        const std::optional<TestDraft> stored = admin.Test(test);
        QVERIFY(stored);
        QCOMPARE(stored->title + u'|' + stored->description + u'|' + QString::number(stored->minutes),
                 QStringLiteral("Algebra|Sums and more|45"));
        QCOMPARE(stored->questions.at(24), Slot(25));

        const qint64 imported = admin.AddTest({QStringLiteral("Imported"), QString(), QStringLiteral("5")},
                                              {Slot(1), Slot(2), {QStringLiteral("Q3"), QStringLiteral("A3"),
                                                                  QStringLiteral("x"), QStringLiteral("y"), RedSquare()}});
        QCOMPARE(Names(admin.Tests()), (QStringList{"Algebra", "<Imported>"}));
        QCOMPARE(admin.UnwrittenSlots(imported), 22);
        QCOMPARE(admin.Test(imported, true)->questions.at(2).picture, std::optional<Picture>(RedSquare()));

        // Results: the student's list, a review, a result deleted, the test deleted with the rest.
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate, fldQ1) "
                                "VALUES (?, ?, 4, '1/12/2026', '2131C')"),
                 {ann, test});
        QCOMPARE(Texts(admin.Results(ann)), (QStringList{"Algebra 4 1/12/2026"}));
        QCOMPARE(admin.ReadyReview(ann, test), Refusal::None);
        QCOMPARE(admin.Review().ResultText(QStringLiteral("fldQ1")) + admin.Review().TestText(QStringLiteral("fldQ1")),
                 QStringLiteral("2131CQ1"));
        QCOMPARE(admin.ReadyReview(ann, imported + 1000), Refusal::TestGone);
        admin.DeleteResult(ann, test);
        admin.DeleteResult(ann, test);  // gone already: nothing to do
        QCOMPARE(Texts(admin.Results(ann)), (QStringList{"Algebra Not Taken"}));
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (?, ?, 8)"), {ann, imported});
        QVERIFY(admin.DeleteTest(imported));
        QVERIFY(!admin.DeleteTest(imported));
        QCOMPARE(Names(admin.Tests()), QStringList{"Algebra"});
        QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 0);
        admin.SignOut();
    }

    // An attempt in progress: more time, then finished by the teacher.
    void attemptsInProgressOnEveryEngine()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        const qint64 test = env.AddTest(QStringLiteral("Algebra"));
        const qint64 inTenMinutes = QDateTime::currentSecsSinceEpoch() + 600;
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldDeadline, fldMinutesGiven, "
                                "fldQ1, fldQ2) VALUES (?, ?, ?, 30, '1231C', '2131X')"),
                 {ann, test, inTenMinutes});
        env.OpenDatabase();
        AdminWork& admin = Administrator();
        QVERIFY(admin.SignIn(QStringLiteral("plum")));
        RunningAttempts running = admin.Running();
        QCOMPARE(running.size(), std::size_t(1));
        QCOMPARE(running[0].student + u'|' + running[0].test + u'|' + QString::number(running[0].answered),
                 QStringLiteral("Ann|Algebra|2"));
        QCOMPARE(admin.GiveMoreTime(ann, test, 20), Refusal::None);
        const qint64 left = admin.Running().at(0).secondsLeft.value_or(0);
        QVERIFY2(left > 1700 && left <= 1800, qPrintable(QString::number(left)));
        QCOMPARE(admin.GiveMoreTime(ann, test + 1000, 20), Refusal::NoAttempt);
        QCOMPARE(admin.FinishNow(ann, test), Refusal::None);
        QCOMPARE(admin.FinishNow(ann, test), Refusal::Finished);
        QVERIFY(admin.Running().empty());
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldGrade FROM Results")).toInt(), 4);
        admin.SignOut();
    }
};

QTEST_MAIN(TestAdminWork)
#include "test_adminwork.moc"
