#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

// Results and statistics saved as CSV files through the user's file dialog.
namespace ResultsFiles {

// Asks for a file, starting at `suggestedName` in the documents folder, and
// writes `bytes` there; tells the user what was written (`written`, a
// sentence with %1 for the file, such as "12 results written to %1.") or
// why nothing was. False when cancelled or not written.
bool SaveCsv(const QByteArray& bytes, const QString& title, const QString& suggestedName, const QString& written);

// Every attempt of the test or of the student as a results file, written as
// it is read; when there is none, says so and asks for no file. An export
// that takes longer than a second shows its progress over `over`, with
// Cancel. The file is written under a temporary name and renamed once
// whole: a failure or a Cancel leaves no part of a file, and a file of that
// name as it was.
void SaveResults(QWidget* over, std::optional<qint64> test, std::optional<qint64> student,
                 const QString& suggestedName);

}
