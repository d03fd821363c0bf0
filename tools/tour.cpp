// Walks the real screens through a sample day and saves a picture of each of
// the nine screens (scripts/screenshots runs it under Xvfb with a window
// manager). Usage: tour OUTPUT_FOLDER [--dark | --language CODE]; --dark shows every screen in
// a dark palette, as a desktop with a dark theme would; --language CODE in
// that language.
#include "app/ErrorPolicy.h"
#include "app/Language.h"
#include "rules/ListRows.h"
#include "app/Module1.h"
#include "desktop/QtPlatform.h"
#include "data/Schema.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmAttempts.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/PictureView.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"
#include "screens/frmStatistics.h"
#include "screens/frmTestResults.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <random>

namespace {

QString outputFolder;

void Settle(int ms = 600)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The part of the screen that is not the empty black desktop: the window
// shown, with its frame and title as the window manager draws them.
QRect Occupied(const QImage& screen)
{
    QRect box;
    for (int y = 0; y < screen.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if (qGray(line[x]) > 8)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void Snapshot(QWidget& window, const QString& name)
{
    window.raise();
    window.activateWindow();
    Settle();
    const QImage screen = window.screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = outputFolder + u'/' + name + QStringLiteral(".png");
    std::printf("%s %s\n", screen.copy(Occupied(screen)).save(path) ? "saved" : "FAILED", qPrintable(path));
}

// The real platform, answering its own questions and photographing the two
// modal screens before their user moves on.
class TourPlatform : public QtPlatform {
public:
    TourPlatform(QString folder, QString lockFolder) : QtPlatform(std::move(lockFolder)), folder_(std::move(folder)) {}

    QString ProgramFolder() override { return folder_; }
    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString&) override
    {
        std::printf("message: %s\n", qPrintable(text));
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::OK;
    }
    void RunModal(QWidget& form) override
    {
        form.show();
        if (auto* intro = qobject_cast<frmQuestionsIntro*>(&form)) {
            Snapshot(*intro, QStringLiteral("frmQuestionsIntro"));
            intro->cmdBegin_Click();
        } else if (auto* newTest = qobject_cast<frmNewTestIntro*>(&form)) {
            Snapshot(*newTest, QStringLiteral("frmNewTestIntro"));
            newTest->cmdNext_Click();
        }
    }

private:
    QString folder_;
};

// A 480 by 320 map with labels small enough to need its own size.
QByteArray MapPicture()
{
    QImage map(480, 320, QImage::Format_RGB32);
    map.fill(QColor(225, 238, 250));
    QPainter painter(&map);
    painter.setPen(QColor(120, 150, 180));
    for (int x = 0; x < map.width(); x += 40)
        painter.drawLine(x, 0, x, map.height());
    for (int y = 0; y < map.height(); y += 40)
        painter.drawLine(0, y, map.width(), y);
    const QStringList cities{"Paris", "Tokyo", "Nairobi", "Lima", "Ottawa"};
    for (int i = 0; i < cities.size(); ++i) {
        const QPoint at(60 + 85 * i, 70 + 45 * i);
        painter.setBrush(QColor(200, 40, 40));
        painter.drawEllipse(at, 5, 5);
        painter.setPen(Qt::black);
        painter.drawText(at + QPoint(9, 4), cities[i]);
        painter.setPen(QColor(120, 150, 180));
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    map.save(&buffer, "PNG");
    return bytes;
}

void Seed(const QString& path)
{
    Schema::CreateDatabase(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
    db.setDatabaseName(path);
    db.open();
    QSqlQuery q(db);
    q.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ann Lee', 'apple'), ('Ben Ortiz', 'pear'), ('Chloé Martin', 'fig')"));
    const QStringList capitals{"France", "Japan", "Kenya", "Peru", "Canada"};
    const QStringList cities{"Paris", "Tokyo", "Nairobi", "Lima", "Ottawa"};
    auto addTest = [&](const QString& name, int minutes, const QString& description, int written) {
        q.prepare(QStringLiteral("INSERT INTO Tests (fldTestName, fldDescription, fldTime) VALUES (?, ?, ?)"));
        q.addBindValue(name);
        q.addBindValue(description);
        q.addBindValue(minutes);
        q.exec();
        const qint64 number = q.lastInsertId().toLongLong();
        for (int s = 1; s <= written; ++s) {
            q.prepare(QStringLiteral("UPDATE Tests SET fldQ%1 = ?, fldQ%1Answer = ?, fldQ%1Phony1 = ?, fldQ%1Phony2 = ? WHERE fldTestNumber = ?").arg(s));
            const int i = (s - 1) % capitals.size();
            q.addBindValue(QStringLiteral("What is the capital city of %1?").arg(capitals[i]));
            q.addBindValue(cities[i]);
            q.addBindValue(cities[(i + 1) % cities.size()]);
            q.addBindValue(cities[(i + 2) % cities.size()]);
            q.addBindValue(number);
            q.exec();
        }
        return number;
    };
    addTest(QStringLiteral("World Capitals"), 20, QStringLiteral("Choose the capital city of each country."), 25);
    const qint64 review = addTest(QStringLiteral("Geography Review"), 45,
                                  QStringLiteral("Read each question carefully. You may change an answer until you press Done."), 25);
    q.prepare(QStringLiteral("INSERT INTO Pictures VALUES (?, 7, ?, 'png', 480, 320, ?)"));
    q.addBindValue(review);
    q.addBindValue(MapPicture());
    q.addBindValue(QStringLiteral("A map of five cities with their names"));
    q.exec();
    addTest(QStringLiteral("<Rivers and Lakes>"), 30, QStringLiteral("Still being written."), 10);
    // Ann has taken World Capitals: right on most slots, a few missed.
    QStringList records;
    for (int s = 1; s <= 25; ++s)
        records << (s % 6 == 0 ? QStringLiteral("2312X") : s % 4 == 0 ? QStringLiteral("3122C") : QStringLiteral("1231C"));
    QStringList sets;
    for (int s = 1; s <= 25; ++s)
        sets << QStringLiteral("fldQ%1 = '%2'").arg(s).arg(records[s - 1]);
    q.exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) VALUES (1, 1, 84, '12/1/2026')"));
    q.exec(QStringLiteral("UPDATE Results SET ") + sets.join(QStringLiteral(", ")));
    db.close();
}

// A class of 30 more students who took World Capitals, stronger ones
// getting more right, with slot 9 keyed wrong: its "first false answer" is
// what the strong students choose.
void SeedClass()
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("seed"));
    db.open();
    QSqlQuery q(db);
    std::minstd_rand random(15);
    std::uniform_real_distribution<double> draw(0.0, 1.0);
    const QStringList orders{"123", "132", "213", "231", "312", "321"};
    for (int pupil = 1; pupil <= 30; ++pupil) {
        q.prepare(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES (?, 'pw')"));
        q.addBindValue(QStringLiteral("Pupil %1").arg(pupil));
        q.exec();
        const qint64 student = q.lastInsertId().toLongLong();
        const double ability = pupil / 30.0;
        QStringList sets;
        int right = 0;
        for (int s = 1; s <= 25; ++s) {
            QChar digit = draw(random) < 0.3 + 0.65 * ability ? u'1' : (draw(random) < 0.5 ? u'2' : u'3');
            if (s == 9)
                digit = ability > 0.4 ? u'2' : (draw(random) < 0.5 ? u'1' : u'3');
            const QString order = orders[static_cast<int>(draw(random) * 6)];
            right += digit == u'1';
            sets << QStringLiteral("'%1%2%3'").arg(order).arg(order.indexOf(digit) + 1).arg(QChar(digit == u'1' ? u'C' : u'X'));
        }
        QStringList fields;
        for (int s = 1; s <= 25; ++s)
            fields << QStringLiteral("fldQ%1").arg(s);
        q.exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate, %1) VALUES (%2, 1, %3, '12/1/2026', %4)")
                   .arg(fields.join(QStringLiteral(", "))).arg(student).arg(4 * right).arg(sets.join(QStringLiteral(", "))));
    }
    db.close();
}

// Two attempts under way, by the database file's clock: Ben's at Geography
// Review with 12 minutes left and 7 answers, Chloé's at World Capitals with
// 3 minutes left (30 given for 20: 50% extra time) and 20 answers.
void SeedRunningAttempts()
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("seed"));
    db.open();
    QSqlQuery q(db);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const auto answered = [](int count) {
        QStringList fields, values;
        for (int s = 1; s <= count; ++s) {
            fields << QStringLiteral(", fldQ%1").arg(s);
            values << QStringLiteral(", '1231C'");
        }
        return std::pair{fields.join(QString()), values.join(QString())};
    };
    const auto [benFields, benValues] = answered(7);
    q.exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldMinutesGiven, fldDeadline%1) "
                          "VALUES (2, 2, 45, %2%3)").arg(benFields).arg(now + 12 * 60).arg(benValues));
    const auto [chloeFields, chloeValues] = answered(20);
    q.exec(QStringLiteral("UPDATE Passwords SET fldExtraTime = 50 WHERE fldStudentNumber = 3"));
    q.exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldMinutesGiven, fldDeadline%1) "
                          "VALUES (3, 1, 30, %2%3)").arg(chloeFields).arg(now + 3 * 60).arg(chloeValues));
    db.close();
}

void SelectRow(QListWidget& list, const QString& startingWith)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->text().startsWith(startingWith)) {
            list.setCurrentRow(i);
            return;
        }
    }
}

void SignIn(const QString& name, const QString& password)
{
    frmEntry& entry = Screens::Get<frmEntry>();
    entry.txtName->setText(name);
    entry.txtPassword->setText(password);
    entry.cmdOK_Click();
}

void Tour()
{
    frmEntry& entry = Screens::Get<frmEntry>();
    entry.Show();
    entry.txtName->setText(QStringLiteral("Ann Lee"));
    Snapshot(entry, QStringLiteral("frmEntry"));
    SignIn(QStringLiteral("Ann Lee"), QStringLiteral("apple"));

    frmMain& home = Screens::Get<frmMain>();
    SelectRow(*home.lstResults, QStringLiteral("World Capitals"));
    Snapshot(home, QStringLiteral("frmMain"));

    SelectRow(*home.lstResults, QStringLiteral("Geography Review"));
    home.cmdTakeTest_Click();
    frmQuestions& test = Screens::Get<frmQuestions>();
    for (int slot = 0; slot < 6; ++slot) {
        test.optAnswer[static_cast<std::size_t>(slot % 3)]->setChecked(true);
        test.cmdNext_Click();
    }
    test.optAnswer[1]->setChecked(true);
    Snapshot(test, QStringLiteral("frmQuestions"));
    if (QWidget* whole = test.picQuestion->OpenFullSize()) {
        Snapshot(*whole, QStringLiteral("PictureWindow"));
        whole->close();
    }
    test.cmdDone_Click();

    SelectRow(*home.lstResults, QStringLiteral("World Capitals"));
    home.cmdReview_Click();
    frmAnswers& review = Screens::Get<frmAnswers>();
    review.lblQuestionNumber_Click(5);
    Snapshot(review, QStringLiteral("frmAnswers"));
    review.cmdDone_Click();
    home.cmdExit_Click();

    SignIn(QStringLiteral("Kestr"), QStringLiteral("plum"));
    frmAdmin& admin = Screens::Get<frmAdmin>();
    admin.lstStudents->setCurrentRow(0);
    Snapshot(admin, QStringLiteral("frmAdmin"));
    admin.cmdView_Click();
    frmTestResults& results = Screens::Get<frmTestResults>();
    results.lstResults->setCurrentRow(0);
    Snapshot(results, QStringLiteral("frmTestResults"));
    results.cmdExit_Click();
    Settle();  // back at the front, the administrator's window reads its lists again

    SelectRow(*admin.lstTests, QStringLiteral("<Rivers"));
    admin.cmdEdit_Click();
    frmNewTest& editor = Screens::Get<frmNewTest>();
    editor.cmdNext_Click();
    Snapshot(editor, QStringLiteral("frmNewTest"));
    editor.cmdSave_Click();

    SeedClass();
    SelectRow(*admin.lstTests, QStringLiteral("World Capitals"));
    admin.cmdStatistics_Click();
    frmStatistics& statistics = Screens::Get<frmStatistics>();
    statistics.grdSlots->sortByColumn(3, Qt::AscendingOrder);
    statistics.grdSlots->selectRow(0);
    Snapshot(statistics, QStringLiteral("frmStatistics"));
    Screens::Unload(statistics);

    SeedRunningAttempts();
    admin.cmdAttempts_Click();
    frmAttempts& attempts = Screens::Get<frmAttempts>();
    attempts.lstAttempts->setCurrentItem(attempts.lstAttempts->topLevelItem(0));
    Snapshot(attempts, QStringLiteral("frmAttempts"));
}

QPalette DarkPalette()
{
    QPalette palette;
    const QColor window(53, 53, 53), text(235, 235, 235), base(35, 35, 35), muted(127, 127, 127);
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase, QPalette::ToolTipBase})
        palette.setColor(role, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    return palette;
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool dark = args.size() == 2 && args[1] == QLatin1String("--dark");
    const bool translated = args.size() == 3 && args[1] == QLatin1String("--language");
    if (args.size() != 1 && !dark && !translated) {
        std::fprintf(stderr, "usage: tour OUTPUT_FOLDER [--dark | --language CODE]\n");
        return 2;
    }
    if (translated) {
        if (!Language::Shipped().contains(args[2]) || !Language::Install(args[2])) {
            std::fprintf(stderr, "tour: no language %s\n", qPrintable(args[2]));
            return 2;
        }
        if (Language::RightToLeft(args[2]))
            QApplication::setLayoutDirection(Qt::RightToLeft);
    }
    if (dark) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(DarkPalette());
    }
    outputFolder = args[0];
    QDir().mkpath(outputFolder);
    QTemporaryDir folder;
    Seed(folder.path() + QStringLiteral("/Ostrel.mdb"));
    TourPlatform platform(folder.path(), folder.path());
    SetPlatform(&platform);
    RunGuarded([] { Tour(); });
    Screens::DiscardAll();
    Module1::Reset();
    return 0;
}
