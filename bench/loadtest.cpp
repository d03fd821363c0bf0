// A lab's load: many workstations (processes) sign in at once and take the
// same test, each storing every answer; afterwards every answer of every
// attempt must be in the database with the right grade.
//
//   loadtest [--pictures|--pictures-fetched] FOLDER WORKSTATIONS [THINK_MS [WORKSTATION_SETTINGS]]
//
// FOLDER stands for the program's folder: a VornickTest.ini there names an
// empty server database with the program's tables (see labdb create);
// otherwise a fresh Ostrel.mdb is made there. Each workstation signs in
// through the real sign-in screen (its home screen fills its list), then
// takes the test through the data layer in the order the test screen stores
// it: rsTests on the test by title, rsResults on all results, AddNew with the
// student and test numbers, one Update per answer, then grade and date.
//
// With WORKSTATION_SETTINGS (the workstations' settings file of labdb
// create), each workstation signs in as its student's own role instead and
// works through the server's functions: the list, begin, then for every slot the
// slot shown and the line chosen stored, then finish. The server draws the
// orders, so each workstation reads which line holds the right answer from
// the texts shown and reports how many it chose right.
//
// With --pictures, each of the test's 25 slots carries its own photograph of
// about 500 KB (1600 x 1200 JPEG), and each workstation displays every slot
// before it answers: the slot's texts and picture fetched (through the
// server's functions, or from the tables directly) and the picture decoded.
// The slowest display, and the slowest fetch alone, are reported. With
// --pictures-fetched the pictures are fetched but not decoded: in a lab each
// workstation decodes on its own processor, while here every workstation's
// decoding would share this machine's processors with the server, so this
// measures the part of a display that the server and its neighbours decide.
#include "FakePlatform.h"
#include "BenchPictures.h"
#include "app/Module1.h"
#include "work/TestPictures.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/LabSession.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/ResultsList.h"
#include "work/RecordsetWork.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace Module1;

namespace {

const QString TestTitle = QStringLiteral("Lab load test");
constexpr qsizetype PictureBytes = 500'000;
bool withPictures = false;
bool decodePictures = true;
// The server dates a finished attempt by its own clock, which is this machine's.
const QString Today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

QString StudentName(int index) { return QStringLiteral("student%1").arg(index, 2, 10, QLatin1Char('0')); }

// The answer record workstation `index` stores for slot s: an order of the
// three answers, the chosen line, and whether that line holds the right one.
int ChosenLine(int index, int slot) { return (index + slot) % 3 + 1; }

QString AnswerRecord(int index, int slot)
{
    static const char* orders[] = {"123", "132", "213", "231", "312", "321"};
    const QString order = QString::fromLatin1(orders[(index * 7 + slot * 3) % 6]);
    const int line = ChosenLine(index, slot);
    return order + QString::number(line) + (order[line - 1] == u'1' ? u'C' : u'X');
}

int ExpectedGrade(int index)
{
    int right = 0;
    for (int s = 1; s <= 25; ++s)
        right += AnswerRecord(index, s).endsWith(u'C') ? 1 : 0;
    return 4 * right;
}

void Store(Recordset& rs, const QString& field, const QVariant& value)
{
    rs.SetField(field, value);
    rs.Update();
}

// ---- one workstation ----

// A workstation's slot displays: the slot's texts and picture fetched,
// then the picture decoded as the test screen decodes it.
struct Displays {
    std::vector<qint64> displayNs;
    qint64 slowestFetchNs = 0;

    void Add(qint64 fetch, qint64 decode)
    {
        slowestFetchNs = std::max(slowestFetchNs, fetch);
        displayNs.push_back(fetch + decode);
    }
    qint64 Slowest() const { return displayNs.empty() ? 0 : *std::max_element(displayNs.begin(), displayNs.end()); }
    qint64 Median() const
    {
        std::vector<qint64> sorted = displayNs;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[sorted.size() / 2];
    }
    // "slowest fetch median" as the coordinator reads them.
    QByteArray Words() const { return QByteArray::number(Slowest()) + ' ' + QByteArray::number(slowestFetchNs) + ' ' + QByteArray::number(Median()); }
};

// A workstation's answer stores, each one's time sent to the coordinator
// as one word of numbers joined by commas.
struct Stores {
    std::vector<qint64> storeNs;

    void Add(qint64 ns) { storeNs.push_back(ns); }
    QByteArray Word() const
    {
        QList<QByteArray> numbers;
        for (const qint64 ns : storeNs)
            numbers << QByteArray::number(ns);
        return numbers.join(',');
    }
};

// The time Pictures::Image takes on the picture, if there is one.
qint64 DecodeNs(const std::optional<Picture>& picture)
{
    if (!picture || !decodePictures)
        return 0;
    QElapsedTimer clock;
    clock.start();
    if (Pictures::Image(*picture).isNull())
        throw DbError(QStringLiteral("a stored picture cannot be decoded"));
    return clock.nsecsElapsed();
}

// Waits for the coordinator's go; false when it is gone.
bool ReadyAndWaiting()
{
    std::printf("ready\n");
    std::fflush(stdout);
    char go[16];
    return std::fgets(go, sizeof go, stdin) != nullptr;
}

int TakeTest(FakePlatform& fake, int index, int thinkMs)
{
    try {
        Screens::Show<frmEntry>();
        frmEntry& entry = Screens::Get<frmEntry>();
        entry.txtName->setText(StudentName(index));
        entry.txtPassword->setText(QStringLiteral("pw"));
        entry.cmdOK_Click();
        if (!Screens::IsLoaded<frmMain>())
            throw DbError(QStringLiteral("sign-in refused"));
        if (!ReadyAndWaiting())
            return 1;

        QElapsedTimer clock;
        Recordset named;
        named.Open(Sql::StudentsNamed(StudentName(index)), cnDatabase);
        const QVariant student = named.Field(QStringLiteral("fldStudentNumber"));
        Recordset rsTests;
        Recordset rsResults;
        rsTests.Open(Sql::AllTests(), cnDatabase);
        rsResults.Open(Sql::ResultOfStudentInTest(student.toLongLong(),
                                                  rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong()),
                       cnDatabase);
        rsResults.AddNew();
        rsResults.SetField(QStringLiteral("fldStudentNumber"), student);
        rsResults.SetField(QStringLiteral("fldTestNumber"), rsTests.Field(QStringLiteral("fldTestNumber")));
        rsResults.Update();
        Stores stores;
        Displays display;
        int right = 0;
        const qint64 started = QDateTime::currentMSecsSinceEpoch();
        const qint64 testNumber = rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong();
        for (int s = 1; s <= 25; ++s) {
            if (withPictures) {
                clock.start();
                const std::optional<Picture> picture = TestPictures::Read(cnDatabase, testNumber, s);
                const qint64 fetched = clock.nsecsElapsed();
                display.Add(fetched, DecodeNs(picture));
            }
            if (thinkMs > 0)
                QThread::msleep(static_cast<unsigned long>(thinkMs));
            const QString record = AnswerRecord(index, s);
            clock.start();
            Store(rsResults, QStringLiteral("fldQ%1").arg(s), record);
            stores.Add(clock.nsecsElapsed());
            right += record.endsWith(u'C') ? 1 : 0;
        }
        const qint64 answered = QDateTime::currentMSecsSinceEpoch();
        rsResults.SetField(QStringLiteral("fldGrade"), 4 * right);
        Store(rsResults, QStringLiteral("fldDate"), fake.TodayShortDate());
        rsResults.Close();
        rsTests.Close();
        ShowResultRows(*Screens::Get<frmMain>().lstResults, ResultsRows(cnDatabase, student.toLongLong()));
        std::printf("done %lld %lld %s %s\n", static_cast<long long>(started), static_cast<long long>(answered),
                    stores.Word().constData(), display.Words().constData());
        return 0;
    } catch (const DbError& error) {
        std::printf("error %s\n", error.what());
        return 1;
    }
}

int TakeTestThroughFunctions(const QString& workstationSettings, int index, int thinkMs)
{
    try {
        Connection connection(QStringLiteral("workstation"));
        connection.Open(ServerSettings::Read(workstationSettings));
        LabSession session(connection);
        QElapsedTimer signingIn;
        signingIn.start();
        if (!session.SignIn(StudentName(index), QStringLiteral("pw")))
            throw DbError(QStringLiteral("sign-in refused"));
        const qint64 signInNs = signingIn.nsecsElapsed();
        const qint64 test = session.Rows().at(0).testNumber;
        if (!ReadyAndWaiting())
            return 1;

        QElapsedTimer clock;
        session.Begin(test);
        Stores stores;
        Displays display;
        int right = 0;
        const qint64 started = QDateTime::currentMSecsSinceEpoch();
        for (int s = 1; s <= 25; ++s) {
            clock.start();
            const LabSession::Slot slot = session.Show(test, s);
            std::optional<Picture> picture;
            if (withPictures) {
                if (const auto found = session.PictureOf(test, s))
                    picture = Picture{found->bytes, found->format, found->width, found->height, found->description};
            }
            const qint64 fetched = clock.nsecsElapsed();
            display.Add(fetched, DecodeNs(picture));
            if (thinkMs > 0)
                QThread::msleep(static_cast<unsigned long>(thinkMs));
            const int line = ChosenLine(index, s);
            clock.start();
            session.Store(test, s, line);
            stores.Add(clock.nsecsElapsed());
            right += slot.answers[static_cast<std::size_t>(line - 1)] == QStringLiteral("Right %1").arg(s) ? 1 : 0;
        }
        const qint64 answered = QDateTime::currentMSecsSinceEpoch();
        session.Finish(test, QStringLiteral("dd/MM/yyyy"));
        session.Rows();
        session.SignOut();
        std::printf("done %lld %lld %s %s %d %lld\n", static_cast<long long>(started),
                    static_cast<long long>(answered), stores.Word().constData(), display.Words().constData(), right,
                    static_cast<long long>(signInNs));
        return 0;
    } catch (const DbError& error) {
        std::printf("error %s\n", error.what());
        return 1;
    } catch (const std::out_of_range&) {
        std::printf("error the list is empty\n");
        return 1;
    }
}

int Workstation(const QString& folder, int index, int thinkMs)
{
    FakePlatform fake;
    fake.programFolder = folder;
    fake.today = Today;
    SetPlatform(&fake);
    const int status = TakeTest(fake, index, thinkMs);
    // The connection is closed while Qt's database registry still exists.
    Screens::DiscardAll();
    Module1::Reset();
    SetPlatform(nullptr);
    return status;
}

// ---- the coordinator ----

// A photograph of its own on every slot, stored as the editor stores it.
void SeedPictures(Connection& connection)
{
    Recordset tests;
    tests.Open(Sql::AllTests(), connection);
    const qint64 test = tests.Field(QStringLiteral("fldTestNumber")).toLongLong();
    for (int s = 1; s <= 25; ++s) {
        Picture picture = *Pictures::FromBytes(BenchPictures::Photograph({1600, 1200}, PictureBytes, s)).picture;
        picture.description = QStringLiteral("Photograph %1").arg(s);
        TestPictures::Write(connection, test, s, picture);
    }
}

void Seed(Connection& connection, int workstations)
{
    Recordset passwords;
    passwords.Open(Sql::AllPasswords(), connection);
    for (int i = 1; i <= workstations; ++i) {
        passwords.AddNew();
        passwords.SetField(QStringLiteral("fldStudentName"), StudentName(i));
        Store(passwords, QStringLiteral("fldPassword"), QStringLiteral("pw"));
    }
    Recordset tests;
    tests.Open(Sql::AllTests(), connection);
    tests.AddNew();
    tests.SetField(QStringLiteral("fldTestName"), TestTitle);
    tests.SetField(QStringLiteral("fldTime"), QStringLiteral("30"));
    for (int s = 1; s <= 25; ++s) {
        tests.SetField(QStringLiteral("fldQ%1").arg(s), QStringLiteral("Question %1").arg(s));
        tests.SetField(QStringLiteral("fldQ%1Answer").arg(s), QStringLiteral("Right %1").arg(s));
        tests.SetField(QStringLiteral("fldQ%1Phony1").arg(s), QStringLiteral("Wrong %1a").arg(s));
        tests.SetField(QStringLiteral("fldQ%1Phony2").arg(s), QStringLiteral("Wrong %1b").arg(s));
    }
    tests.Update();
    if (withPictures)
        SeedPictures(connection);
}

// What each workstation's attempt must hold: whether a stored record is the
// answer it gave to a slot, and its grade.
struct Expected {
    std::function<bool(int index, int slot, const QString& record)> answerKept;
    std::function<int(int index)> grade;
};

Expected StoredDirectly()
{
    return {[](int index, int slot, const QString& record) { return record == AnswerRecord(index, slot); },
            ExpectedGrade};
}

// Through the functions the server drew the order: the record must hold a
// whole order, the line chosen and C exactly when that line holds the right
// answer; the grade is four points for each right line the workstation saw.
Expected StoredByServer(const std::map<int, int>& rightSeen)
{
    return {[](int index, int slot, const QString& record) {
                QString order = record.left(3);
                std::sort(order.begin(), order.end());
                const int line = ChosenLine(index, slot);
                const bool right = record.indexOf(u'1') == line - 1;
                return record.size() == 5 && order == QLatin1String("123") && record.mid(3, 1) == QString::number(line)
                       && record.right(1) == (right ? QLatin1String("C") : QLatin1String("X"));
            },
            [rightSeen](int index) {
                const auto seen = rightSeen.find(index);
                return seen == rightSeen.end() ? -1 : 4 * seen->second;
            }};
}

// Counts the answers and grades that are in the database as each
// workstation stored them; prints every one that is missing or wrong.
int Verify(Connection& connection, int workstations, const Expected& expected, int& answersFound)
{
    int complete = 0;
    answersFound = 0;
    Recordset students;
    students.Open(Sql::AllPasswords(), connection);
    for (int i = 1; i <= workstations; ++i, students.MoveNext()) {
        Recordset result;
        result.Open(Sql::ResultsOfStudent(students.Field(QStringLiteral("fldStudentNumber")).toLongLong()), connection);
        if (result.RecordCount() != 1) {
            std::printf("  %s: %d results instead of 1\n", qPrintable(StudentName(i)), result.RecordCount());
            continue;
        }
        int good = 0;
        for (int s = 1; s <= 25; ++s)
            good += expected.answerKept(i, s, result.Text(QStringLiteral("fldQ%1").arg(s))) ? 1 : 0;
        answersFound += good;
        const bool graded = result.Field(QStringLiteral("fldGrade")).toInt() == expected.grade(i)
                            && result.Text(QStringLiteral("fldDate")) == Today;
        if (good == 25 && graded)
            ++complete;
        else
            std::printf("  %s: %d of 25 answers, grade %s\n", qPrintable(StudentName(i)), good,
                        graded ? "right" : "wrong");
    }
    return complete;
}

int Coordinate(const QString& folder, int workstations, int thinkMs, const QString& workstationSettings)
{
    Connection connection(QStringLiteral("coordinator"));
    const bool onServer = DatabaseLocation::Beside(folder).server.has_value();
    if (!onServer)
        Schema::CreateDatabase(QDir(folder).filePath(QStringLiteral("Ostrel.mdb")));
    connection.OpenProgramDatabase(folder);
    Seed(connection, workstations);

    std::vector<std::unique_ptr<QProcess>> stations;
    for (int i = 1; i <= workstations; ++i) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments{QStringLiteral("--workstation"), folder, QString::number(i), QString::number(thinkMs)};
        if (withPictures)
            arguments.prepend(decodePictures ? QStringLiteral("--pictures") : QStringLiteral("--pictures-fetched"));
        if (!workstationSettings.isEmpty())
            arguments << workstationSettings;
        process->start(QCoreApplication::applicationFilePath(), arguments);
        stations.push_back(std::move(process));
    }
    for (auto& station : stations) {
        while (!station->canReadLine() && station->state() != QProcess::NotRunning)
            station->waitForReadyRead(1000);
        const QByteArray line = station->readLine().trimmed();
        if (line != "ready")
            std::printf("a workstation did not sign in: %s\n", line.constData());
    }
    // All at once: QProcess writes its buffer only when told to.
    for (auto& station : stations)
        station->write("go\n");
    for (auto& station : stations)
        station->waitForBytesWritten(1000);

    int finished = 0;
    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = 0;
    std::vector<qint64> storesNs;
    std::vector<qint64> displaysNs, fetchesNs, mediansNs;
    std::map<int, int> rightSeen;
    const qsizetype wordsOfDone = workstationSettings.isEmpty() ? 7 : 9;
    std::vector<qint64> signInsNs;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        auto& station = stations[i];
        station->waitForFinished(600000);
        const QList<QByteArray> words = station->readAll().trimmed().split(' ');
        if (station->exitCode() != 0 || words.size() != wordsOfDone || words[0] != "done") {
            std::printf("a workstation failed: %s\n", words.join(' ').constData());
            continue;
        }
        ++finished;
        first = std::min(first, words[1].toLongLong());
        last = std::max(last, words[2].toLongLong());
        for (const QByteArray& ns : words[3].split(','))
            storesNs.push_back(ns.toLongLong());
        displaysNs.push_back(words[4].toLongLong());
        fetchesNs.push_back(words[5].toLongLong());
        mediansNs.push_back(words[6].toLongLong());
        if (words.size() == 9) {
            rightSeen[static_cast<int>(i) + 1] = words[7].toInt();
            signInsNs.push_back(words[8].toLongLong());
        }
    }

    int answersFound = 0;
    const int complete = Verify(connection, workstations,
                                workstationSettings.isEmpty() ? StoredDirectly() : StoredByServer(rightSeen), answersFound);
    const double seconds = finished > 0 ? static_cast<double>(last - first) / 1000.0 : 0.0;
    std::printf("engine: %s; workstations: %d; think time: %d ms%s\n",
                !onServer ? "SQLite"
                : workstationSettings.isEmpty() ? "PostgreSQL, tables written directly"
                                                : "PostgreSQL, each student's own role through the server's functions",
                workstations, thinkMs,
                !withPictures    ? ""
                : decodePictures ? "; a photograph of about 500 KB on each slot"
                                 : "; a photograph of about 500 KB on each slot, fetched but not decoded");
    std::printf("attempts finished: %d of %d; complete and rightly graded in the database: %d\n", finished,
                workstations, complete);
    std::printf("answers in the database: %d of %d\n", answersFound, 25 * workstations);
    std::printf("answers stored per second: %.0f (%d answers between the first and the last answer store, %.2f s)\n",
                seconds > 0 ? 25.0 * finished / seconds : 0.0, 25 * finished, seconds);
    std::sort(storesNs.begin(), storesNs.end());
    const auto storeMs = [&](double share) {
        return storesNs.empty() ? 0.0 : static_cast<double>(storesNs[static_cast<std::size_t>(share * static_cast<double>(storesNs.size() - 1))]) / 1e6;
    };
    std::printf("slowest answer store: %.1f ms (median %.1f ms, 90th percentile %.1f ms, 99th percentile %.1f ms)\n",
                storeMs(1.0), storeMs(0.5), storeMs(0.9), storeMs(0.99));
    if (withPictures || !workstationSettings.isEmpty()) {
        for (auto* ns : {&displaysNs, &fetchesNs, &mediansNs})
            std::sort(ns->begin(), ns->end());
        const auto ms = [](const std::vector<qint64>& ns, std::size_t at) { return ns.empty() ? 0.0 : static_cast<double>(ns[at]) / 1e6; };
        std::printf("slot display (texts%s fetched%s): a workstation's median %.1f ms (the highest of them %.1f ms); "
                    "a workstation's slowest: median %.1f ms, slowest %.1f ms; the slowest fetch alone: median %.1f ms, "
                    "slowest %.1f ms\n",
                    withPictures ? " and picture" : "", withPictures && decodePictures ? ", picture decoded" : "",
                    ms(mediansNs, mediansNs.size() / 2), ms(mediansNs, mediansNs.size() - 1),
                    ms(displaysNs, displaysNs.size() / 2), ms(displaysNs, displaysNs.size() - 1),
                    ms(fetchesNs, fetchesNs.size() / 2), ms(fetchesNs, fetchesNs.size() - 1));
    }
    if (!signInsNs.empty()) {
        std::sort(signInsNs.begin(), signInsNs.end());
        std::printf("sign-in as the student's own role (SCRAM), all at once: median %.1f ms, slowest %.1f ms\n",
                    static_cast<double>(signInsNs[signInsNs.size() / 2]) / 1e6, static_cast<double>(signInsNs.back()) / 1e6);
    }
    return complete == workstations && finished == workstations ? 0 : 1;
}

// The offscreen platform the workstations run on warns, for every window,
// of what it cannot do, and of the runtime folder a root run has none of;
// thirty workstations would bury the figures under them. Other messages pass.
QtMessageHandler passOn = nullptr;

void QuietPlatformWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool platformChatter = message.startsWith(QLatin1String("This plugin does not support"))
                                 || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
    if (type == QtWarningMsg && platformChatter)
        return;
    passOn(type, context, message);
}

}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    passOn = qInstallMessageHandler(QuietPlatformWarnings);
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    decodePictures = args.isEmpty() || args.front() != QLatin1String("--pictures-fetched");
    withPictures = !args.isEmpty() && (args.front() == QLatin1String("--pictures") || !decodePictures);
    if (withPictures)
        args.removeFirst();
    try {
        if (args.size() == 5 && args[0] == QLatin1String("--workstation"))
            return TakeTestThroughFunctions(args[4], args[2].toInt(), args[3].toInt());
        if (args.size() == 4 && args[0] == QLatin1String("--workstation"))
            return Workstation(args[1], args[2].toInt(), args[3].toInt());
        if (args.size() >= 2 && args.size() <= 4)
            return Coordinate(args[0], args[1].toInt(), args.size() >= 3 ? args[2].toInt() : 0,
                              args.size() == 4 ? args[3] : QString());
    } catch (const DbError& error) {
        std::fprintf(stderr, "loadtest: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: loadtest [--pictures|--pictures-fetched] FOLDER WORKSTATIONS [THINK_MS [WORKSTATION_SETTINGS]]\n");
    return 2;
}
