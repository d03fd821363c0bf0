#include "ResultsFiles.h"

#include "QuestionFiles.h"
#include "app/Platform.h"
#include "work/AdminWork.h"
#include "exchange/Csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <algorithm>
#include <climits>

namespace {

constexpr int ProgressAfterMs = 1000;

QString SaveResultsTitle() { return QCoreApplication::translate("ResultsFiles", "Save Results"); }

// The file the user picked, ".csv" added to a name without an extension;
// empty when the dialog was cancelled.
QString ChooseCsvPath(const QString& title, const QString& suggestedName)
{
    const FileChoice choice = platform().ChooseFile(FileDialogKind::Save, title,
                                                    {QCoreApplication::translate("ResultsFiles", "CSV files (*.csv)")},
                                                    QuestionFiles::DocumentsFolder() + u'/' + suggestedName);
    if (choice.path.isEmpty() || !QFileInfo(choice.path).suffix().isEmpty())
        return choice.path;
    return choice.path + QStringLiteral(".csv");
}

void TellNotWritten(const QSaveFile& file, const QString& title)
{
    MsgBox(QCoreApplication::translate("ResultsFiles", "The file %1 cannot be written: %2.")
               .arg(file.fileName(), file.errorString()),
           title);
}

// Puts the file in place and tells the user what was written (`written`,
// with %1 for the file), or why nothing was.
bool Commit(QSaveFile& file, const QString& title, const QString& written)
{
    if (!file.commit()) {
        TellNotWritten(file, title);
        return false;
    }
    MsgBox(written.arg(QDir::toNativeSeparators(file.fileName())), title);
    return true;
}

// The attempts written to `file`, or none when the user cancelled. The bar
// and its Cancel show once the export looks to take longer than a second;
// until then the window keeps painting, though it takes no input.
std::optional<qint64> WriteResults(QWidget* over, std::optional<qint64> test, std::optional<qint64> student,
                                   qint64 total, QSaveFile& file)
{
    const int most = static_cast<int>(std::min<qint64>(total, INT_MAX));
    QProgressDialog progress(over);  // with Qt's own Cancel, in the user's language
    progress.setLabelText(QCoreApplication::translate("ResultsFiles", "Saving results\u2026"));
    progress.setRange(0, most);
    progress.setObjectName(QStringLiteral("dlgSaving"));
    progress.setWindowTitle(SaveResultsTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoReset(false);
    progress.setMinimumDuration(ProgressAfterMs);
    progress.setValue(0);
    return Administrator().WriteResults(test, student, file, [&](qint64 written) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // Attempts begun since they were counted go past the end of the bar.
        progress.setValue(static_cast<int>(std::min<qint64>(written, most)));
        return !progress.wasCanceled();
    });
}

}

bool ResultsFiles::SaveCsv(const QByteArray& bytes, const QString& title, const QString& suggestedName,
                           const QString& written)
{
    const QString path = ChooseCsvPath(title, suggestedName);
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        TellNotWritten(file, title);
        return false;
    }
    return Commit(file, title, written);
}

void ResultsFiles::SaveResults(QWidget* over, std::optional<qint64> test, std::optional<qint64> student,
                               const QString& suggestedName)
{
    const qint64 total = Administrator().CountAttempts(test, student);
    if (total == 0) {
        MsgBox(QCoreApplication::translate("ResultsFiles", "There are no results to save yet."), SaveResultsTitle());
        return;
    }
    const QString path = ChooseCsvPath(SaveResultsTitle(), suggestedName);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return TellNotWritten(file, SaveResultsTitle());
    const std::optional<qint64> written = WriteResults(over, test, student, total, file);
    if (!written) {  // the file goes uncommitted: its temporary one is removed
        MsgBox(QCoreApplication::translate("ResultsFiles", "Saving was cancelled; nothing was saved."), SaveResultsTitle());
        return;
    }
    const int counted = static_cast<int>(std::min(*written, qint64(INT_MAX)));
    Commit(file, SaveResultsTitle(), QCoreApplication::translate("ResultsFiles", "%n results written to %1.", nullptr, counted));
}
