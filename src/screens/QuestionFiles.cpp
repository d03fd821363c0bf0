#include "QuestionFiles.h"

#include "Screens.h"
#include "app/Platform.h"
#include "work/AdminWork.h"
#include "rules/TestRules.h"
#include "exchange/QuestionFile.h"
#include "frmNewTestIntro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>
#include <QStandardPaths>
#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

QString ImportTitle() { return QCoreApplication::translate("QuestionFiles", "Import Questions"); }
QString ExportTitle() { return QCoreApplication::translate("QuestionFiles", "Export Questions"); }
// A message box shows this many of the questions left out and the notes.
constexpr int LongestListInABox = 12;

// What the report box ends with, or an empty text when the file gives a test.
QString WhyNoTest(const ReadOutcome& outcome)
{
    const auto usable = static_cast<int>(outcome.questions.size());
    if (usable == 0)
        return QCoreApplication::translate("QuestionFiles", "No question in this file can be used; nothing is stored.");
    if (outcome.stoppedEarly)
        return QCoreApplication::translate("QuestionFiles", "A test takes at most %n questions and this file holds more usable "
                                                            "ones. Split the file and import each part.",
                                                 nullptr, TestDraft::Slots);
    return {};
}

}

bool QuestionFiles::PrepareImport()
{
    const FileChoice choice = platform().ChooseFile(
        FileDialogKind::Open, ImportTitle(),
        {QCoreApplication::translate("QuestionFiles", "Question files (*.gift *.txt *.xml)"), QCoreApplication::translate("QuestionFiles", "All files (*)")}, DocumentsFolder());
    if (choice.path.isEmpty())
        return false;
    const QuestionFile::Loaded loaded = QuestionFile::Load(choice.path);
    const ReadOutcome& outcome = loaded.outcome;
    if (outcome.Refused()) {
        MsgBox(QCoreApplication::translate("QuestionFiles", "This file cannot be imported.\n") + QuestionFile::Located(outcome.refusal), ImportTitle());
        return false;
    }
    const QString whyNoTest = WhyNoTest(outcome);
    MsgBox(QCoreApplication::translate("QuestionFiles", "Read %1 as %2.\n").arg(QFileInfo(choice.path).fileName(), QuestionFile::FormatName(loaded.format))
               + QuestionFile::Report(outcome, LongestListInABox)
               + (whyNoTest.isEmpty() ? QString() : QStringLiteral("\n\n") + whyNoTest),
           ImportTitle());
    if (!whyNoTest.isEmpty())
        return false;
    frmNewTestIntro& intro = Screens::Get<frmNewTestIntro>();
    intro.txtTestName->setText(outcome.proposedTitle.left(TestRules::LongestTitle).trimmed());
    intro.importedQuestions = outcome.Questions();
    return true;
}

QString QuestionFiles::DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString QuestionFiles::FileNameFor(const QString& title)
{
    QString name = TestRules::VisibleTitle(title).trimmed();
    for (QChar& c : name) {
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'_';
    }
    return name.isEmpty() ? QStringLiteral("questions") : name;
}

void QuestionFiles::ExportTest(qint64 test)
{
    const std::optional<TestDraft> stored = Administrator().Test(test, true);
    if (!stored)
        return;
    const TestDraft& draft = *stored;
    const QStringList suffixes{QStringLiteral(".gift"), QStringLiteral(".txt"), QStringLiteral(".xml")};
    const std::array formats{QuestionFormat::Gift, QuestionFormat::Aiken, QuestionFormat::Moodle};
    const FileChoice choice = platform().ChooseFile(
        FileDialogKind::Save, ExportTitle(),
        {QCoreApplication::translate("QuestionFiles", "GIFT files (*.gift)"), QCoreApplication::translate("QuestionFiles", "Aiken files (*.txt)"), QCoreApplication::translate("QuestionFiles", "Moodle XML files (*.xml)")},
        DocumentsFolder() + u'/' + FileNameFor(draft.title) + suffixes[0]);
    if (choice.path.isEmpty())
        return;
    const auto chosen = static_cast<std::size_t>(std::clamp(choice.filter, 0, 2));
    QString path = choice.path;
    if (QFileInfo(path).suffix().isEmpty())
        path += suffixes[static_cast<qsizetype>(chosen)];
    const WriteOutcome written = QuestionFile::Write(formats[chosen], draft);
    QSaveFile file(path);
    const QByteArray bytes = written.text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        MsgBox(QCoreApplication::translate("QuestionFiles", "The file %1 cannot be written: %2.").arg(path, file.errorString()), ExportTitle());
        return;
    }
    QStringList lines{QCoreApplication::translate("QuestionFiles", "%n questions of \"%1\" written to %2 as %3.", nullptr,
                                                  int(written.questions))
                          .arg(draft.title, QDir::toNativeSeparators(path), QuestionFile::FormatName(formats[chosen]))};
    lines += written.notes;
    MsgBox(lines.join(u'\n'), ExportTitle());
}
