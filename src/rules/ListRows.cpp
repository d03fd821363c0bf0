#include "ListRows.h"

#include <QCoreApplication>

#include <limits>

namespace {

constexpr int NameColumns = 40;
constexpr int GradeColumns = 13;
// What stands where the score would: shown in the program's language.
QString NotTakenText() { return QCoreApplication::translate("ResultsRow", "Not Taken"); }
QString UnfinishedText() { return QCoreApplication::translate("ResultsRow", "Unfinished"); }

// One blank for each whole number from the text's length up to `last`.
QString PadTo(const QString& text, int last)
{
    const auto missing = last - text.size() + 1;
    return missing > 0 ? text + QString(missing, u' ') : text;
}

}

qint64 Val(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value > (largest - digit) / 10)
            break;  // too long to be one of our numbers; keep what fits
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

namespace ResultsRow {

QString Taken(const QString& testName, const QString& grade, const QString& date)
{
    return PadTo(testName, NameColumns) + PadTo(grade, GradeColumns) + date;
}

QString NotTaken(const QString& testName) { return PadTo(testName, NameColumns) + NotTakenText(); }

QString Unfinished(const QString& testName) { return PadTo(testName, NameColumns) + UnfinishedText(); }

QString TestName(const QString& row) { return row.left(NameColumns).trimmed(); }

// The first three letters of "Not Taken" in the language shown.
bool ShowsNotAtScore(const QString& row) { return row.mid(NameColumns + 1, 3) == NotTakenText().left(3); }

bool EndsNotTaken(const QString& row) { return row.endsWith(NotTakenText()); }

bool ShowsUnfinished(const QString& row) { return row.mid(NameColumns + 1) == UnfinishedText(); }

}

namespace KeyedRow {

QString Build(const QString& name, int gap, qint64 number)
{
    return name + QString(gap, u' ') + QString::number(number);
}

QString NameOf(const QString& row)
{
    QString name = row;
    while (!name.isEmpty() && name.back().isDigit())
        name.chop(1);
    return name.trimmed();
}

}
