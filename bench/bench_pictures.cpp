// Pictures, and the costs that must not grow with them; each figure beside
// the same work without pictures in the same run, as a ratio of medians.
//
// OpenTestScreenOnPictureSlot: Take to slot 1 of the test screen, laid out
//   and painted, when slot 1 carries a photograph of about 1 MB (a 1600 x
//   1200 JPEG, the largest the editor keeps as it comes) beside the same test
//   without it (target: within 1.5 times), and until the picture is drawn
//   too (it is decoded away from the screen's thread); and showing a slot
//   again (a move to it, painted) with the picture beside a slot without
//   one; and, as the part of both that the picture costs, decoding it alone.
// ListsBeside25000Pictures: the student's list, the administrator's test
//   list and the administrator's results list over 1,000 tests whose 25
//   slots all carry a picture (25,000 stored, 100 KB each, each test's
//   written right after it as the editor writes them), beside the same
//   database without pictures (target: within 1.1 times).
// DatabaseGrowthPerPicture: what the database grows by for each picture
//   stored through the editor's path, for photographs of about 500 KB and
//   for drawings, on the engine BenchEnv gives.
#include "BenchEnv.h"
#include "BenchPictures.h"
#include "app/Module1.h"
#include "work/StudentWork.h"
#include "work/TestPictures.h"
#include "exchange/Picture.h"
#include "screens/ResultsList.h"
#include "work/RecordsetWork.h"
#include "screens/PictureView.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace Module1;

namespace {

constexpr int ListTests = 1000;
// Rounds of one timed fill of each list on each database in turn, so that
// what else the machine does weighs on both alike.
constexpr int ListRounds = 21;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double MillisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

QStringList TestColumns()
{
    QStringList columns{QStringLiteral("fldTestName"), QStringLiteral("fldDescription"), QStringLiteral("fldTime")};
    for (int s = 1; s <= 25; ++s)
        columns << QStringLiteral("fldQ%1").arg(s) << QStringLiteral("fldQ%1Answer").arg(s)
                << QStringLiteral("fldQ%1Phony1").arg(s) << QStringLiteral("fldQ%1Phony2").arg(s);
    return columns;
}

// Inserts a complete test titled `title`; gives its number.
qint64 InsertTest(QSqlQuery& query, const QString& title)
{
    const QStringList columns = TestColumns();
    query.prepare(QStringLiteral("INSERT INTO Tests (%1) VALUES (%2)")
                      .arg(columns.join(u','), QStringList(columns.size(), QStringLiteral("?")).join(u',')));
    query.bindValue(0, title);
    query.bindValue(1, QStringLiteral("Look at each picture carefully."));
    query.bindValue(2, 30);
    for (int c = 3; c < columns.size(); ++c)
        query.bindValue(c, QStringLiteral("A question or answer text of ordinary length, number %1").arg(c));
    query.exec();
    query.prepare(QStringLiteral("SELECT fldTestNumber FROM Tests WHERE fldTestName = ?"));
    query.addBindValue(title);
    query.exec();
    return query.next() ? query.value(0).toLongLong() : 0;
}

void InsertPicture(QSqlQuery& query, qint64 test, int slot, const Picture& picture)
{
    query.prepare(QStringLiteral("INSERT INTO Pictures (fldTestNumber, fldSlot, fldBytes, fldFormat, fldWidth, fldHeight, "
                                 "fldDescription) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value : {QVariant(test), QVariant(slot), QVariant(picture.bytes), QVariant(picture.format),
                                  QVariant(picture.width), QVariant(picture.height), QVariant(picture.description)})
        query.addBindValue(value);
    query.exec();
}

Picture Stored(const QByteArray& file, const QString& description)
{
    Picture picture = *Pictures::FromBytes(file).picture;
    picture.description = description;
    return picture;
}

// Closes what a previous step left open and opens `env`'s database with the
// recordsets the screens expect; the first student is the current row.
void OpenDatabaseOf(BenchEnv& env)
{
    Screens::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::Reset();
    SetPlatform(&env.fake);
    cnDatabase.OpenProgramDatabase(env.fake.programFolder);
    Student().ReadAtStart();
}

void CloseAll()
{
    Screens::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::Reset();
}

// ---- the test screen ----

// Ada, and two tests alike but for slot 1's photograph of about 1 MB.
void SeedTwoTests(BenchEnv& env, const Picture& photograph)
{
    env.Batch([&](QSqlQuery& query) {
        query.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ada', 'pw')"));
        const qint64 pictured = InsertTest(query, QStringLiteral("With a picture"));
        InsertTest(query, QStringLiteral("Without"));
        InsertPicture(query, pictured, 1, photograph);
    });
}

// The whole window laid out and painted, as it first appears.
void Painted(QWidget& window)
{
    QCoreApplication::processEvents();
    window.repaint();
}

// Until the picture on `screen`, if any, is decoded and painted.
void PictureDrawn(frmQuestions& screen)
{
    while (screen.picQuestion->isVisible() && !screen.picQuestion->Decoded())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    screen.repaint();
}

struct Opening {
    double shown = 0;  // the screen painted, its texts on it
    double drawn = 0;  // and its picture too
};

// Take on the test titled `title` to slot 1, timed until it is painted and
// until its picture is; then Done, and the result deleted so that the test
// can be taken again.
Opening TimeOpening(BenchEnv& env, const QString& title)
{
    OpenDatabaseOf(env);
    frmMain& home = Screens::Get<frmMain>();
    const QList<QListWidgetItem*> rows = home.lstResults->findItems(title, Qt::MatchStartsWith);
    home.lstResults->setCurrentItem(rows.value(0));
    env.fake.modalUsers.push_back([](QWidget& intro) { static_cast<frmQuestionsIntro&>(intro).cmdBegin->click(); });
    Opening ms;
    ms.drawn = MillisecondsOf([&] {
        ms.shown = MillisecondsOf([&] {
            home.cmdTakeTest_Click();
            Painted(Screens::Get<frmQuestions>());
        });
        PictureDrawn(Screens::Get<frmQuestions>());
    });
    frmQuestions& screen = Screens::Get<frmQuestions>();
    screen.Timer1->stop();
    screen.optAnswer[0]->setChecked(true);
    screen.cmdDone_Click();
    CloseAll();
    env.Batch([](QSqlQuery& query) { query.exec(QStringLiteral("DELETE FROM Results")); });
    return ms;
}

// ---- the lists ----

// Ann took every other one of 1,000 tests; with `pictures`, each test's 25
// slots carry one, written right after the test.
std::unique_ptr<BenchEnv> ListsEnv(const Picture* picture)
{
    auto env = std::make_unique<BenchEnv>();
    env->Batch([picture](QSqlQuery& query) {
        query.exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ann', 'pw')"));
        for (int t = 1; t <= ListTests; ++t) {
            const qint64 test = InsertTest(query, QStringLiteral("Test number %1").arg(t));
            for (int s = 1; picture && s <= 25; ++s)
                InsertPicture(query, test, s, *picture);
            if (t % 2 == 1) {
                query.prepare(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate, fldQ1) "
                                             "VALUES (1, ?, 84, '06/12/2026', '1232C')"));
                query.addBindValue(test);
                query.exec();
            }
        }
    });
    return env;
}

struct ListTimes {
    std::vector<double> student, adminTests, adminResults;
};

// The second of two fills, timed (the first warms the connection's cache).
double SecondFill(const std::function<void()>& fill)
{
    fill();
    return MillisecondsOf(fill);
}

// One round on `env`: each list filled and timed.
void TimeLists(BenchEnv& env, ListTimes& times)
{
    OpenDatabaseOf(env);
    frmMain& home = Screens::Get<frmMain>();
    times.student.push_back(SecondFill([&] { home.Load_Test_List(); }));
    if (home.lstResults->count() != ListTests)
        throw std::runtime_error("the student's list is not complete");
    OpenDatabaseOf(env);
    Screens::Show<frmAdmin>();
    frmAdmin& admin = Screens::Get<frmAdmin>();
    times.adminTests.push_back(SecondFill([&] {
        admin.Fill_Test_List();
        QCoreApplication::processEvents();
    }));
    if (admin.lstTests->count() != ListTests)
        throw std::runtime_error("the test list is not complete");
    QListWidget results;
    times.adminResults.push_back(SecondFill([&] { ShowResultRows(results, ResultsRows(Module1::cnDatabase, 1)); }));
    CloseAll();
}

// ---- growth ----

qint64 DatabaseBytes(BenchEnv& env)
{
    if (!cnDatabase.Database().driverName().contains(QLatin1String("PSQL")))
        return QFileInfo(env.DatabasePath()).size();
    QSqlQuery size(QStringLiteral("SELECT pg_database_size(current_database())"), cnDatabase.Database());
    return size.next() ? size.value(0).toLongLong() : 0;
}

struct Growth {
    double perPicture = 0;
    double pictureBytes = 0;
};

// Stores 25 pictures on a new test through the editor's path and measures
// what the database grew by.
Growth GrowthOf(BenchEnv& env, const QString& title, const std::function<Picture(int)>& pictureOf)
{
    qint64 test = 0;
    env.Batch([&](QSqlQuery& query) { test = InsertTest(query, title); });
    OpenDatabaseOf(env);
    const qint64 before = DatabaseBytes(env);
    double bytes = 0;
    for (int slot = 1; slot <= 25; ++slot) {
        const Picture picture = pictureOf(slot);
        bytes += static_cast<double>(picture.bytes.size());
        TestPictures::Write(cnDatabase, test, slot, picture);
    }
    const qint64 after = DatabaseBytes(env);
    CloseAll();
    return {static_cast<double>(after - before) / 25, bytes / 25};
}

}

static void OpenTestScreenOnPictureSlot(benchmark::State& state)
{
    BenchEnv env;
    const Picture photograph = Stored(BenchPictures::Photograph({1600, 1200}, 1'000'000), QStringLiteral("A valley"));
    SeedTwoTests(env, photograph);
    std::vector<double> withPicture, withPictureDrawn, without, slotWith, slotWithDrawn, slotWithout, decoding;
    for (auto _ : state) {
        for (int i = 0; i < 21; ++i) {
            const Opening pictured = TimeOpening(env, QStringLiteral("With a picture"));
            withPicture.push_back(pictured.shown);
            withPictureDrawn.push_back(pictured.drawn);
            without.push_back(TimeOpening(env, QStringLiteral("Without")).shown);
        }
        // Moving between slot 1 (the picture) and slot 2 (none), no answer chosen.
        OpenDatabaseOf(env);
        frmMain& home = Screens::Get<frmMain>();
        home.lstResults->setCurrentItem(home.lstResults->findItems(QStringLiteral("With a picture"), Qt::MatchStartsWith).value(0));
        env.fake.modalUsers.push_back([](QWidget& intro) { static_cast<frmQuestionsIntro&>(intro).cmdBegin->click(); });
        home.cmdTakeTest_Click();
        frmQuestions& screen = Screens::Get<frmQuestions>();
        screen.Timer1->stop();
        for (int i = 0; i < 51; ++i) {
            slotWithout.push_back(MillisecondsOf([&] {
                screen.lblQuestionNumber_Click(1);
                Painted(screen);
            }));
            slotWithDrawn.push_back(MillisecondsOf([&] {
                slotWith.push_back(MillisecondsOf([&] {
                    screen.lblQuestionNumber_Click(0);
                    Painted(screen);
                }));
                PictureDrawn(screen);
            }));
        }
        CloseAll();
        for (int i = 0; i < 21; ++i)
            decoding.push_back(MillisecondsOf([&] { benchmark::DoNotOptimize(Pictures::Image(photograph)); }));
    }
    state.counters["decode_ms"] = Median(decoding);
    state.counters["picture_kB"] = static_cast<double>(photograph.bytes.size()) / 1000.0;
    state.counters["open_picture_ms"] = Median(withPicture);
    state.counters["open_picture_drawn_ms"] = Median(withPictureDrawn);
    state.counters["slot_picture_drawn_ms"] = Median(slotWithDrawn);
    state.counters["open_plain_ms"] = Median(without);
    state.counters["slot_picture_ms"] = Median(slotWith);
    state.counters["slot_plain_ms"] = Median(slotWithout);
    state.counters["slot_ratio"] = Median(slotWith) / Median(slotWithout);
    state.counters["ratio"] = Median(withPicture) / Median(without);
}
BENCHMARK(OpenTestScreenOnPictureSlot)->Unit(benchmark::kMillisecond)->Iterations(1);

static void ListsBeside25000Pictures(benchmark::State& state)
{
    const Picture picture = Stored(BenchPictures::Photograph({800, 600}, 100'000), QStringLiteral("A photograph"));
    const auto bare = ListsEnv(nullptr);
    const auto pictured = ListsEnv(&picture);
    ListTimes onBare, onPictured;
    try {
        for (auto _ : state) {
            for (int round = 0; round < ListRounds; ++round) {
                TimeLists(*bare, onBare);
                TimeLists(*pictured, onPictured);
            }
        }
    } catch (const std::runtime_error& error) {
        state.SkipWithError(error.what());
    }
    const auto ratio = [](const std::vector<double>& pictures, const std::vector<double>& none) {
        return Median(pictures) / Median(none);
    };
    state.counters["student_ms"] = Median(onBare.student);
    state.counters["student_pictures_ms"] = Median(onPictured.student);
    state.counters["admin_tests_ms"] = Median(onBare.adminTests);
    state.counters["admin_tests_pictures_ms"] = Median(onPictured.adminTests);
    state.counters["admin_results_ms"] = Median(onBare.adminResults);
    state.counters["admin_results_pictures_ms"] = Median(onPictured.adminResults);
    state.counters["database_MB"] = static_cast<double>(QFileInfo(pictured->DatabasePath()).size()) / 1e6;
    state.counters["ratio"] = std::max({ratio(onPictured.student, onBare.student), ratio(onPictured.adminTests, onBare.adminTests),
                                        ratio(onPictured.adminResults, onBare.adminResults)});
}
BENCHMARK(ListsBeside25000Pictures)->Unit(benchmark::kMillisecond)->Iterations(1);

static void DatabaseGrowthPerPicture(benchmark::State& state)
{
    BenchEnv env;
    const QByteArray drawing = BenchPictures::Drawing({1200, 900});
    Growth photographs, drawings;
    for (auto _ : state) {
        photographs = GrowthOf(env, QStringLiteral("Photographs"), [](int slot) {
            return Stored(BenchPictures::Photograph({1600, 1200}, 500'000, slot), QStringLiteral("A photograph"));
        });
        drawings = GrowthOf(env, QStringLiteral("Drawings"),
                            [&](int) { return Stored(drawing, QStringLiteral("A triangle in a circle")); });
    }
    state.counters["photo_bytes"] = photographs.pictureBytes;
    state.counters["photo_growth_bytes"] = photographs.perPicture;
    state.counters["photo_overhead_bytes"] = photographs.perPicture - photographs.pictureBytes;
    state.counters["drawing_bytes"] = drawings.pictureBytes;
    state.counters["drawing_growth_bytes"] = drawings.perPicture;
    state.counters["drawing_overhead_bytes"] = drawings.perPicture - drawings.pictureBytes;
}
BENCHMARK(DatabaseGrowthPerPicture)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
