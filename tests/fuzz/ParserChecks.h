#pragma once

#include <QByteArray>
#include <QString>

// Runs every reader of text the program itself stored (results rows, list
// rows, answer records) and the question file readers
// (GIFT, Aiken) over `input`, and checks that the readers agree with the
// builders and writers on values derived from it. Returns a
// description of the first disagreement, or an empty string.
QString CheckParsers(const QByteArray& input);
