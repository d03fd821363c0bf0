#pragma once

#include <QByteArray>
#include <QString>

#include "exchange/QuestionFile.h"

// Runs every reader of text the program stored (results rows, list rows,
// answer records) and the question file readers (GIFT, Aiken, Moodle XML)
// over `input`: none may fail, the records' parts and the files' questions
// stay in bounds, and a record built on an order drawn from `input` reads
// back. Returns a description of the first disagreement, or an empty string.
QString CheckParsers(const QByteArray& input);

// One question file reader alone over `input`, checked as above.
QString CheckReader(QuestionFormat format, const QByteArray& input);
