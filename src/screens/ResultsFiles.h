#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Results and statistics saved as CSV files through the user's file dialog.
namespace ResultsFiles {

// Asks for a file, starting at `suggestedName` in the documents folder, and
// writes `bytes` there; tells the user what was written (`what`, such as
// "12 results") or why nothing was. False when cancelled or not written.
bool SaveCsv(const QByteArray& bytes, const QString& title, const QString& suggestedName, const QString& what);

// Every attempt of the test or of the student as a results file; when there
// is none, says so and asks for no file.
void SaveResults(std::optional<qint64> test, std::optional<qint64> student, const QString& suggestedName);

}
