// A technician's tool on the program's own database:
//   vornick-admin import FILE [--title T] [--minutes N] [--description D] [--first N]
//   vornick-admin export TEST --format gift|aiken|moodle [--output FILE]
//   vornick-admin results [--test TEST] [--student NAME_OR_NUMBER] --output FILE
//   vornick-admin analysis TEST [--output FILE.csv]
//   vornick-admin extra-time STUDENT [PERCENT]
//   vornick-admin attempts
//   vornick-admin more-time STUDENT TEST MINUTES
//   vornick-admin finish STUDENT TEST
// All work on the database the program beside the tool uses (Ostrel.mdb, or
// the server VornickTest.ini names), or on --database PATH / --settings INI.
// Success exits with 0; any error exits with 1 (2 for a wrong command line)
// and one line on stderr, and leaves the database and the files as they were.
#include "analysis/AnalysisText.h"
#include "app/Language.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/FileBackup.h"
#include "data/ServerSettings.h"
#include "exchange/Csv.h"
#include "exchange/QuestionFile.h"
#include "rules/TestRules.h"
#include "work/AdminWork.h"
#include "work/AttemptControl.h"
#include "work/WorkKinds.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QFileInfo>
#include <QSaveFile>
#include <climits>
#include <cstdio>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int DefaultMinutes = 30;

// What went wrong, in one line for the user; `usage` for a wrong command line.
struct Failure {
    QString message;
    bool usage = false;
};

void Print(const QString& text, std::FILE* stream = stdout)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

struct Options {
    QCommandLineOption title{QStringLiteral("title"), QCoreApplication::translate("vornick-admin", "The new test's title (default: from the file)."),
                             QStringLiteral("T")};
    QCommandLineOption minutes{QStringLiteral("minutes"),
                               QCoreApplication::translate("vornick-admin", "The test's length in minutes (default: %1).").arg(DefaultMinutes),
                               QStringLiteral("N")};
    QCommandLineOption description{QStringLiteral("description"), QCoreApplication::translate("vornick-admin", "The test's description."),
                                   QStringLiteral("D")};
    QCommandLineOption first{QStringLiteral("first"),
                             QCoreApplication::translate("vornick-admin", "Take only the first N usable questions (at most 25)."), QStringLiteral("N")};
    QCommandLineOption format{QStringLiteral("format"), QCoreApplication::translate("vornick-admin", "gift, aiken or moodle."), QStringLiteral("F")};
    QCommandLineOption output{QStringLiteral("output"), QCoreApplication::translate("vornick-admin", "The file to write (default: standard output)."),
                              QStringLiteral("FILE")};
    QCommandLineOption test{QStringLiteral("test"), QCoreApplication::translate("vornick-admin", "Only this test's results (its number or title)."),
                            QStringLiteral("TEST")};
    QCommandLineOption student{QStringLiteral("student"),
                               QCoreApplication::translate("vornick-admin", "Only this student's results (their number or name)."),
                               QStringLiteral("NAME_OR_NUMBER")};
    QCommandLineOption database{QStringLiteral("database"), QCoreApplication::translate("vornick-admin", "An Ostrel.mdb to work on."),
                                QStringLiteral("PATH")};
    QCommandLineOption settings{QStringLiteral("settings"),
                                QCoreApplication::translate("vornick-admin", "A VornickTest.ini naming a lab's server and its owner."), QStringLiteral("INI")};
    QCommandLineOption replace{QStringLiteral("replace"),
                               QCoreApplication::translate("vornick-admin", "Restore over a database that holds students, tests or results.")};
};

void Require(bool condition, const QString& message, bool usage = false)
{
    if (!condition)
        throw Failure{message, usage};
}

// Refuses options that belong to the other command.
void OnlyOptions(const QCommandLineParser& parser, const QStringList& allowed)
{
    for (const QString& name : parser.optionNames())
        Require(allowed.contains(name), QCoreApplication::translate("vornick-admin", "--%1 does not go with this command.").arg(name), true);
}

// A lab workstations' settings file names no one who may read the tables;
// the tool works as the owner, with the technician's settings file.
void RequireOwner(const ServerSettings& server)
{
    Require(server.adminUser.isEmpty(),
            QCoreApplication::translate("vornick-admin", "the settings file is a lab workstation's, which signs no one "
                                                         "in who reads the tables: give the database owner's settings "
                                                         "file with --settings."));
}

// Opens the database the command names and returns the administrator's work
// on it. The tool always connects as the database's owner (a file, or a
// server's owner role), which reads the tables as a file's administrator does.
AdminWork& OpenAdministrator(Connection& connection, const QCommandLineParser& parser, const Options& options)
{
    Require(!(parser.isSet(options.database) && parser.isSet(options.settings)),
            QCoreApplication::translate("vornick-admin", "give --database or --settings, not both."), true);
    if (parser.isSet(options.database)) {
        connection.Open(parser.value(options.database));
    } else if (parser.isSet(options.settings)) {
        const ServerSettings server = ServerSettings::Read(parser.value(options.settings));
        RequireOwner(server);
        connection.Open(server);
    } else {
        const QString folder = QCoreApplication::applicationDirPath();
        if (const DatabaseLocation beside = DatabaseLocation::Beside(folder); beside.server)
            RequireOwner(*beside.server);
        connection.OpenProgramDatabase(folder);
    }
    return EmbeddedAdmin(connection);
}

// The database file the command names: --database, or the program's own.
// A lab's server is backed up on the server (vornick-labdb backup).
QString DatabaseFile(const QCommandLineParser& parser, const Options& options)
{
    const QString onServer = QCoreApplication::translate(
        "vornick-admin", "a lab's database is backed up and restored on its server, with vornick-labdb backup and restore.");
    Require(!parser.isSet(options.settings), onServer);
    if (parser.isSet(options.database))
        return parser.value(options.database);
    const DatabaseLocation beside = DatabaseLocation::Beside(QCoreApplication::applicationDirPath());
    Require(!beside.server, onServer);
    return beside.file;
}

void Backup(const QString& target, const QCommandLineParser& parser, const Options& options)
{
    const QString database = DatabaseFile(parser, options);
    FileBackup::Write(database, target);
    Print(QCoreApplication::translate("vornick-admin", "Wrote the backup %1 of %2 (%3 bytes).")
              .arg(target, database)
              .arg(QFileInfo(target).size()));
}

void Restore(const QString& backup, const QCommandLineParser& parser, const Options& options)
{
    const QString database = DatabaseFile(parser, options);
    FileBackup::Restore(backup, database, parser.isSet(options.replace));
    Print(QCoreApplication::translate("vornick-admin", "Restored %1 as %2.").arg(backup, database));
}

// A new test is unfinished until all its slots are written.
QString StoredTitle(const TestDraft& draft)
{
    return TestRules::StoredTitle(draft.title, draft.questions.size() == TestDraft::Slots);
}

// Stores the draft as a new test after the title rules allow it; returns the
// new test's number.
qint64 StoreNewTest(AdminWork& admin, const TestDraft& draft, bool titleFromFile)
{
    QString refusal = TestRules::TitleRefusal(draft.title, {});
    if (refusal.isEmpty() && admin.TitleTaken(draft.title, std::nullopt))
        refusal = TestRules::TakenTitleMessage(draft.title);
    Require(refusal.isEmpty(), refusal + (titleFromFile ? QCoreApplication::translate("vornick-admin", " (The title came from the file; give one "
                                                                         "with --title.)") : QString()));
    return admin.AddTest({draft.title, draft.description, QString::number(draft.minutes)}, draft.questions);
}

// The questions to store: all usable ones, or the first N with --first and
// where the rest begin; more than a test holds is refused. A reader stops
// at the first usable question past what a test holds.
std::vector<DraftQuestion> QuestionsToStore(const QString& file, const ReadOutcome& outcome,
                                            const QCommandLineParser& parser, const Options& options)
{
    const auto usable = static_cast<int>(outcome.questions.size());
    Require(usable > 0, QCoreApplication::translate("vornick-admin", "%1: no question in the file can be used; nothing was stored.").arg(file));
    int first = TestDraft::Slots;
    if (parser.isSet(options.first)) {
        bool number = false;
        first = parser.value(options.first).toInt(&number);
        Require(number && first >= 1 && first <= TestDraft::Slots,
                QCoreApplication::translate("vornick-admin", "--first takes a number from 1 to %1.").arg(TestDraft::Slots), true);
    } else {
        Require(!outcome.stoppedEarly,
                QCoreApplication::translate("vornick-admin", "%1 holds more than %n usable questions, more than a test takes: "
                                                             "split the file, or take the first %n with --first %n.",
                                                  nullptr, TestDraft::Slots)
                    .arg(file));
    }
    std::vector<DraftQuestion> questions = outcome.Questions();
    if (usable > first) {
        Print(QCoreApplication::translate("vornick-admin", "Not taken (past the first %1): the questions from line %2 on.")
                  .arg(first)
                  .arg(outcome.questions[static_cast<std::size_t>(first)].line));
        questions.resize(static_cast<std::size_t>(first));
    }
    return questions;
}

void Import(const QString& file, const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, {QStringLiteral("title"), QStringLiteral("minutes"), QStringLiteral("description"),
                         QStringLiteral("first"), QStringLiteral("database"), QStringLiteral("settings")});
    TestDraft draft;
    draft.minutes = DefaultMinutes;
    if (parser.isSet(options.minutes)) {
        const auto minutes = TestRules::WholeMinutes(parser.value(options.minutes));
        Require(minutes.has_value(), TestRules::MinutesMessage(), true);
        draft.minutes = *minutes;
    }
    const QuestionFile::Loaded loaded = QuestionFile::Load(file);
    Require(!loaded.outcome.Refused(), file + QStringLiteral(": ") + QuestionFile::Located(loaded.outcome.refusal));
    Print(QCoreApplication::translate("vornick-admin", "Read %1 as %2.").arg(file, QuestionFile::FormatName(loaded.format)));
    Print(QuestionFile::Report(loaded.outcome));
    draft.questions = QuestionsToStore(file, loaded.outcome, parser, options);
    const bool titleFromFile = !parser.isSet(options.title);
    draft.title = (titleFromFile ? loaded.outcome.proposedTitle.left(TestRules::LongestTitle)
                                 : parser.value(options.title)).trimmed();
    draft.description = parser.value(options.description);

    Connection connection(QStringLiteral("vornick-admin"));
    const qint64 number = StoreNewTest(OpenAdministrator(connection, parser, options), draft, titleFromFile);
    const auto count = static_cast<int>(draft.questions.size());
    const QString stored = StoredTitle(draft);
    Print(count < TestDraft::Slots
              ? QCoreApplication::translate("vornick-admin", "Stored test %1 \"%2\" with %3 of %n questions: unfinished, hidden from students until "
                               "its questions are written.", nullptr, TestDraft::Slots).arg(number).arg(stored).arg(count)
              : QCoreApplication::translate("vornick-admin", "Stored test %1 \"%2\" with %n questions.", nullptr, count)
                    .arg(number)
                    .arg(stored));
}

QString NoSuchTest(const QString& test)
{
    return QCoreApplication::translate("vornick-admin", "no test is numbered or titled \"%1\".").arg(test);
}

// The number of the test numbered `test`, or else titled so (with or without
// its unfinished marks).
qint64 FindTest(AdminWork& admin, const QString& test)
{
    const std::vector<TestRow> tests = admin.Tests();
    bool isNumber = false;
    const qint64 number = test.toLongLong(&isNumber);
    for (const TestRow& row : tests) {
        if (isNumber && row.number == number)
            return number;
    }
    std::optional<qint64> found;
    for (const TestRow& row : tests) {
        if (row.name != test && TestRules::VisibleTitle(row.name) != test)
            continue;
        Require(!found, QCoreApplication::translate("vornick-admin", "several tests are titled \"%1\"; give the test's number.").arg(test));
        found = row.number;
    }
    Require(found.has_value(), NoSuchTest(test));
    return *found;
}

// The test named so on the command line, as stored.
TestDraft ReadTest(AdminWork& admin, const QString& test, qint64 number, bool withPictures)
{
    std::optional<TestDraft> draft = admin.Test(number, withPictures);
    Require(draft.has_value(), NoSuchTest(test));
    return *draft;
}

// A missing folder is named as such: the file system's own reason for it is
// only "Unknown error".
void RequireFolderOf(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    Require(QFileInfo(folder).isDir(), QCoreApplication::translate("vornick-admin", "%1 cannot be written: the folder %2 does not exist.").arg(path, folder));
}

void RequireWritten(bool written, const QString& path, const QSaveFile& file)
{
    Require(written, QCoreApplication::translate("vornick-admin", "%1 cannot be written: %2.").arg(path, file.errorString()));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    RequireFolderOf(path);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    RequireWritten(written, path, file);
}

void Export(const QString& test, const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, {QStringLiteral("format"), QStringLiteral("output"), QStringLiteral("database"),
                         QStringLiteral("settings")});
    const std::optional<QuestionFormat> format = QuestionFile::FormatNamed(parser.value(options.format));
    Require(format.has_value(),
            QCoreApplication::translate("vornick-admin", "export needs --format gift, --format aiken or --format moodle."), true);
    Connection connection(QStringLiteral("vornick-admin"));
    AdminWork& admin = OpenAdministrator(connection, parser, options);
    const qint64 number = FindTest(admin, test);
    const TestDraft draft = ReadTest(admin, test, number, true);
    const WriteOutcome written = QuestionFile::Write(*format, draft);
    if (parser.isSet(options.output)) {
        WriteFile(parser.value(options.output), written.text.toUtf8());
        Print(QCoreApplication::translate("vornick-admin", "Wrote %n questions of test %1 \"%2\" to %3.", nullptr, int(written.questions))
                  .arg(QString::number(number), draft.title, parser.value(options.output)));
    } else {
        std::fputs(written.text.toUtf8().constData(), stdout);
    }
    for (const QString& note : written.notes)
        Print(QStringLiteral("vornick-admin: note: ") + note, stderr);
}

// The number of the student numbered `student`, or else named so.
qint64 FindStudent(AdminWork& admin, const QString& student)
{
    const std::vector<StudentRow> students = admin.Students();
    bool isNumber = false;
    const qint64 number = student.toLongLong(&isNumber);
    for (const StudentRow& row : students) {
        if (isNumber && row.number == number)
            return number;
    }
    std::optional<qint64> named;
    for (const StudentRow& row : students) {
        if (row.name != student)
            continue;
        Require(!named, QCoreApplication::translate("vornick-admin", "several students are named \"%1\"; give the student's number.").arg(student));
        named = row.number;
    }
    Require(named.has_value(), QCoreApplication::translate("vornick-admin", "no student is numbered or named \"%1\".").arg(student));
    return *named;
}

void Results(const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, {QStringLiteral("test"), QStringLiteral("student"), QStringLiteral("output"),
                         QStringLiteral("database"), QStringLiteral("settings")});
    Require(parser.isSet(options.output), QCoreApplication::translate("vornick-admin", "results needs --output FILE."), true);
    Connection connection(QStringLiteral("vornick-admin"));
    AdminWork& admin = OpenAdministrator(connection, parser, options);
    std::optional<qint64> test;
    std::optional<qint64> student;
    if (parser.isSet(options.test))
        test = FindTest(admin, parser.value(options.test));
    if (parser.isSet(options.student))
        student = FindStudent(admin, parser.value(options.student));
    // Written under a temporary name beside the file and renamed at the end:
    // a failure leaves no part of a file, and a file already there untouched.
    const QString path = parser.value(options.output);
    RequireFolderOf(path);
    QSaveFile file(path);
    RequireWritten(file.open(QIODevice::WriteOnly), path, file);
    const std::optional<qint64> rows = admin.WriteResults(test, student, file, [](qint64) { return true; });
    RequireWritten(file.commit(), path, file);
    const int counted = static_cast<int>(std::min(rows.value_or(0), qint64(INT_MAX)));
    Print(QCoreApplication::translate("vornick-admin", "Wrote %n results to %1.", nullptr, counted).arg(path));
}

void Analysis(const QString& test, const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, {QStringLiteral("output"), QStringLiteral("database"), QStringLiteral("settings")});
    Connection connection(QStringLiteral("vornick-admin"));
    AdminWork& admin = OpenAdministrator(connection, parser, options);
    const qint64 number = FindTest(admin, test);
    const TestDraft draft = ReadTest(admin, test, number, false);
    const ItemAnalysis::TestFigures figures = ItemAnalysis::Analyse(FinishedChoices(admin.Attempts(number, std::nullopt)));
    if (parser.isSet(options.output)) {
        QStringList questions;
        for (const DraftQuestion& question : draft.questions)
            questions << question.question;
        std::vector<QStringList> rows{AnalysisText::TableHeader()};
        for (const QStringList& row : AnalysisText::TableRows(figures, questions))
            rows.push_back(row);
        WriteFile(parser.value(options.output), Csv::Document(rows));
    }
    Print(QCoreApplication::translate("vornick-admin", "Test %1 \"%2\"").arg(number).arg(draft.title));
    Print(AnalysisText::Report(figures).join(u'\n'));
}

const QStringList DatabaseOptions{QStringLiteral("database"), QStringLiteral("settings")};

void ExtraTime(const QStringList& words, const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, DatabaseOptions);
    std::optional<int> percent;
    if (words.size() == 3) {
        percent = AttemptControl::ExtraPercent(words[2]);
        Require(percent.has_value(),
                QCoreApplication::translate("vornick-admin", "extra time is a whole number from 0 to %1.")
                    .arg(AttemptControl::MostExtraPercent),
                true);
    }
    Connection connection(QStringLiteral("vornick-admin"));
    const qint64 student = FindStudent(OpenAdministrator(connection, parser, options), words[1]);
    if (percent) {
        AttemptControl::SetExtraTime(connection, student, *percent);
        Print(QCoreApplication::translate("vornick-admin", "%1 now has %2% extra time.").arg(words[1]).arg(*percent));
    } else {
        Print(QCoreApplication::translate("vornick-admin", "%1 has %2% extra time.")
                  .arg(words[1])
                  .arg(AttemptControl::ExtraTimeOf(connection, student)));
    }
}

// A refused change says why, and that nothing changed.
void RequireRunning(Refusal refusal, const QString& student, const QString& test)
{
    Require(refusal != Refusal::NoAttempt,
            QCoreApplication::translate("vornick-admin", "%1 has not begun \"%2\"; nothing was changed.")
                .arg(student, test));
    Require(
        refusal != Refusal::Finished,
        QCoreApplication::translate("vornick-admin", "%1's attempt at \"%2\" is finished already; nothing was changed.")
            .arg(student, test));
}

void MoreTime(const QStringList& words, const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, DatabaseOptions);
    bool number = false;
    const int minutes = words[3].toInt(&number);
    Require(number && minutes >= 1 && minutes <= AttemptControl::MostMoreMinutes,
            QCoreApplication::translate("vornick-admin", "more time is a whole number of minutes from 1 to %1.")
                .arg(AttemptControl::MostMoreMinutes),
            true);
    Connection connection(QStringLiteral("vornick-admin"));
    AdminWork& admin = OpenAdministrator(connection, parser, options);
    const qint64 student = FindStudent(admin, words[1]);
    const qint64 test = FindTest(admin, words[2]);
    RequireRunning(admin.GiveMoreTime(student, test, minutes), words[1], words[2]);
    Print(QCoreApplication::translate("vornick-admin", "Gave %1 %n more minutes on \"%2\".", nullptr, minutes)
              .arg(words[1], words[2]));
}

void Finish(const QStringList& words, const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, DatabaseOptions);
    Connection connection(QStringLiteral("vornick-admin"));
    AdminWork& admin = OpenAdministrator(connection, parser, options);
    const qint64 student = FindStudent(admin, words[1]);
    const qint64 test = FindTest(admin, words[2]);
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    RequireRunning(AttemptControl::FinishNow(connection, student, test, today), words[1], words[2]);
    Print(QCoreApplication::translate("vornick-admin", "Finished %1's attempt at \"%2\".").arg(words[1], words[2]));
}

// One line per attempt in progress, tab-separated under a header line.
void Attempts(const QCommandLineParser& parser, const Options& options)
{
    OnlyOptions(parser, DatabaseOptions);
    Connection connection(QStringLiteral("vornick-admin"));
    const RunningAttempts attempts = OpenAdministrator(connection, parser, options).Running();
    if (attempts.empty())
        return Print(QCoreApplication::translate("vornick-admin", "No attempt is in progress."));
    Print(QCoreApplication::translate("vornick-admin", "Student\tTest\tBegan\tAnswered\tTime left"));
    for (const RunningAttempt& attempt : attempts) {
        const QString began = attempt.began
            ? QDateTime::fromSecsSinceEpoch(*attempt.began).toString(QStringLiteral("yyyy-MM-dd HH:mm"))
            : QString();
        const QString left = attempt.secondsLeft
            ? QStringLiteral("%1:%2").arg(*attempt.secondsLeft / 60).arg(*attempt.secondsLeft % 60, 2, 10, QLatin1Char('0'))
            : QString();
        Print(QStringList{attempt.student, attempt.test, began, QString::number(attempt.answered), left}.join(u'\t'));
    }
}

QString Usage()
{
    return QCoreApplication::translate(
               "vornick-admin",
               "usage: vornick-admin import FILE [--title T] [--minutes N] [--description D] [--first N]\n"
               "       vornick-admin export TEST --format gift|aiken|moodle [--output FILE]\n"
               "       vornick-admin results [--test TEST] [--student NAME_OR_NUMBER] --output FILE\n"
               "       vornick-admin analysis TEST [--output FILE.csv]\n"
               "       vornick-admin extra-time STUDENT [PERCENT]\n"
               "       vornick-admin attempts\n"
               "       vornick-admin more-time STUDENT TEST MINUTES\n"
               "       vornick-admin finish STUDENT TEST\n"
               "       vornick-admin backup FILE\n"
               "       vornick-admin restore FILE [--replace]\n"
               "All take --database PATH (an Ostrel.mdb) or --settings INI (a VornickTest.ini); without them they\n"
               "work on the database of the program beside this tool. TEST is a test's number or its title.\n"
               "FILE is a GIFT, an Aiken or a Moodle XML file; a test takes at most 25 questions, and fewer than 25 make an\n"
               "unfinished test. The length defaults to %1 minutes. results writes attempts as CSV (all of them, or\n"
               "those of a test, a student or both); analysis prints a test's item statistics and with --output\n"
               "saves its per-slot table as CSV. extra-time shows or sets a student's extra time (0 to 400 percent of\n"
               "every test's length); attempts lists the attempts in progress; more-time adds 1 to 600 minutes "
               "to one,\n"
               "finish grades one now. STUDENT is a student's number or name. backup writes a copy of the database\n"
               "file while the program may be using it; restore puts one back, over students, tests or results\n"
               "only with --replace.")
        .arg(DefaultMinutes);
}

// The command line with its negative numbers ("-50") held back: a wrong
// value, not an option, which the command's own check refuses with its
// reason. Each is put back among the words where it stood. Every option
// but --replace takes a value, so an argument right after "--name" is that value.
struct HeldNumbers {
    QStringList forParser;
    std::vector<std::pair<qsizetype, QString>> numbers;  // word position, text

    explicit HeldNumbers(const QStringList& arguments)
    {
        static const QRegularExpression negative(QStringLiteral("^-[0-9]"));
        qsizetype words = 0;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString& argument = arguments[i];
            const bool optionValue = i > 1 && arguments[i - 1].startsWith(QLatin1String("--"))
                && !arguments[i - 1].contains(u'=') && arguments[i - 1] != QLatin1String("--replace");
            if (i > 0 && !optionValue && negative.match(argument).hasMatch()) {
                numbers.emplace_back(words++, argument);
                continue;
            }
            forParser << argument;
            if (i > 0 && !optionValue && !argument.startsWith(u'-'))
                ++words;
        }
    }

    QStringList Words(QStringList parsed) const
    {
        for (const auto& [position, text] : numbers)
            parsed.insert(std::min(position, parsed.size()), text);
        return parsed;
    }
};

void Run(const QStringList& arguments)
{
    Options options;
    QCommandLineParser parser;
    parser.addOptions({options.title, options.minutes, options.description, options.first, options.format,
                       options.output, options.test, options.student, options.database, options.settings,
                       options.replace});
    const HeldNumbers held(arguments);
    // The reason is known only once parsing has failed.
    const bool parsed = parser.parse(held.forParser);
    Require(parsed, parser.errorText(), true);
    const QStringList words = held.Words(parser.positionalArguments());
    if (words.value(0) == QLatin1String("results")) {
        Require(
            words.size() == 1,
            QCoreApplication::translate("vornick-admin", "results takes no file or test; use --test and --student."),
            true);
        return Results(parser, options);
    }
    if (words.value(0) == QLatin1String("attempts")) {
        Require(words.size() == 1, QCoreApplication::translate("vornick-admin", "attempts takes nothing more."), true);
        return Attempts(parser, options);
    }
    if (words.value(0) == QLatin1String("extra-time")) {
        Require(
            words.size() == 2 || words.size() == 3,
            QCoreApplication::translate("vornick-admin", "extra-time takes a student and, to set it, a percentage."),
            true);
        return ExtraTime(words, parser, options);
    }
    if (words.value(0) == QLatin1String("more-time")) {
        Require(
            words.size() == 4,
            QCoreApplication::translate("vornick-admin", "more-time takes a student, a test and the minutes to add."),
            true);
        return MoreTime(words, parser, options);
    }
    if (words.value(0) == QLatin1String("finish")) {
        Require(words.size() == 3, QCoreApplication::translate("vornick-admin", "finish takes a student and a test."),
                true);
        return Finish(words, parser, options);
    }
    Require(words.size() == 2, QCoreApplication::translate("vornick-admin", "give a command and its file or test."),
            true);
    if (words[0] == QLatin1String("backup"))
        return Backup(words[1], parser, options);
    if (words[0] == QLatin1String("restore"))
        return Restore(words[1], parser, options);
    if (words[0] == QLatin1String("import"))
        return Import(words[1], parser, options);
    if (words[0] == QLatin1String("analysis"))
        return Analysis(words[1], parser, options);
    Require(words[0] == QLatin1String("export"),
            QCoreApplication::translate("vornick-admin", "unknown command \"%1\".").arg(words[0]), true);
    Export(words[1], parser, options);
}

int Fail(const QString& message)
{
    QString line = message;
    Print(QStringLiteral("vornick-admin: ") + line.replace(u'\n', u' '), stderr);
    return 1;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    try {
        Language::Start(QCoreApplication::applicationDirPath());
    } catch (const DbError& error) {
        return Fail(error.message());
    }
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 2 && (arguments[1] == QLatin1String("--help") || arguments[1] == QLatin1String("-h"))) {
        Print(Usage());
        return 0;
    }
    try {
        Run(arguments);
        return 0;
    } catch (const Failure& failure) {
        if (!failure.usage)
            return Fail(failure.message);
        Fail(failure.message + QCoreApplication::translate("vornick-admin", " See vornick-admin --help."));
        return 2;
    } catch (const DbError& error) {
        return Fail(error.message());
    } catch (const std::exception& error) {  // e.g. the HTML parser's library missing
        return Fail(QString::fromLocal8Bit(error.what()));
    }
}
