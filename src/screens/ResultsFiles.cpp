#include "ResultsFiles.h"

#include "QuestionFiles.h"
#include "app/AttemptRows.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "exchange/Csv.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QCoreApplication>

namespace {
QString SaveResultsTitle() { return QCoreApplication::translate("ResultsFiles", "Save Results"); }
}

bool ResultsFiles::SaveCsv(const QByteArray& bytes, const QString& title, const QString& suggestedName,
                           const QString& what)
{
    const FileChoice choice = platform().ChooseFile(FileDialogKind::Save, title,
                                                    {QCoreApplication::translate("ResultsFiles", "CSV files (*.csv)")},
                                                    QuestionFiles::DocumentsFolder() + u'/' + suggestedName);
    if (choice.path.isEmpty())
        return false;
    QString path = choice.path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        MsgBox(QCoreApplication::translate("ResultsFiles", "The file %1 cannot be written: %2.").arg(path, file.errorString()), title);
        return false;
    }
    MsgBox(QCoreApplication::translate("ResultsFiles", "%1 written to %2.").arg(what, QDir::toNativeSeparators(path)), title);
    return true;
}

void ResultsFiles::SaveResults(std::optional<qint64> test, std::optional<qint64> student, const QString& suggestedName)
{
    const std::vector<Attempt> attempts = AttemptRows::Load(Module1::cnDatabase, test, student);
    if (attempts.empty()) {
        MsgBox(QCoreApplication::translate("ResultsFiles", "There are no results to save yet."), SaveResultsTitle());
        return;
    }
    SaveCsv(Csv::Results(attempts), SaveResultsTitle(), suggestedName, Csv::ResultsCount(attempts.size()));
}
