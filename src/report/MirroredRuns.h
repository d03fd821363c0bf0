#pragma once

#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

// Rows laid out in columns with blanks (the results lists and their printed
// report), drawn right to left: each run of words stands at its own mirrored
// column and reads in its own direction, so the columns of every row line up
// whatever script a title is written in.

// A run of words (words joined by single blanks) and the 0-based character
// cell it starts at.
struct WordRun {
    int cell = 0;
    QString text;
};
std::vector<WordRun> WordRuns(const QString& row);

// Draws `text` flush against the right edge of `room`, in the direction its
// own first letters give (a Latin question keeps its question mark at its
// end), whatever the painter's.
void DrawAtRightInOwnDirection(QPainter& painter, const QRectF& room, Qt::Alignment vertical, const QString& text);
