#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

// The text of a multi-line box exactly as typed: line breaks as "\n",
// and every other character, non-breaking spaces included, unchanged
// (QPlainTextEdit::toPlainText would turn those into plain blanks).
QString BoxText(const QPlainTextEdit& box);

// A multi-line box for stored texts: Tab moves on to the next control, as
// in every other box of the program.
void UseAsFieldBox(QPlainTextEdit& box);

// A password box that shows each typed character as "*".
void UseAsPasswordBox(QLineEdit& box);
