#pragma once

#include <QString>

// The catalogue's Import... and Export...: question files (GIFT, Aiken) in
// and out through the user's file dialogs and message boxes.
namespace QuestionFiles {

// Asks for a file and reports what it holds. When it holds questions a test
// can take (1 to 25 usable ones), loads the new test screen with the title
// the file proposes and the questions to store at its Next, and returns
// true: the catalogue then goes on as for Add. Returns false, having stored
// and loaded nothing, when the user cancels or the file gives no test.
bool PrepareImport();

// Writes the test to a GIFT, Aiken or Moodle XML file the user names, and
// tells what was written and what the format could not carry. A test that
// is gone writes nothing.
void ExportTest(qint64 test);

// Where file dialogs start: the user's documents folder, or else home.
QString DocumentsFolder();
// A file name from a test's title: its marks left out, and the characters
// file systems refuse as "_".
QString FileNameFor(const QString& title);

}
