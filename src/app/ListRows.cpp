#include "ListRows.h"

#include <limits>

namespace {

constexpr int NameColumns = 40;
constexpr int GradeColumns = 13;
constexpr int KeyColumns = 10;
constexpr int ResultKeyColumns = 20;
const QString NotTakenText = QStringLiteral("Not Taken");

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
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10 - 9;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value > limit)
            break;  // too long to be one of our numbers; keep what fits
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -value : value;
}

namespace ResultsRow {

QString Taken(const QString& testName, const QString& grade, const QString& date)
{
    return PadTo(testName, NameColumns) + PadTo(grade, GradeColumns) + date;
}

QString NotTaken(const QString& testName) { return PadTo(testName, NameColumns) + NotTakenText; }

QString WithKey(const QString& row, qint64 studentNumber, qint64 testNumber)
{
    return row + QString(ResultKeyColumns, u' ') + QString::number(studentNumber) + u'|'
        + QString::number(testNumber);
}

QString TestName(const QString& row) { return row.left(NameColumns).trimmed(); }

bool ShowsNotAtScore(const QString& row) { return row.mid(NameColumns + 1, 3) == QLatin1String("Not"); }

bool EndsNotTaken(const QString& row) { return row.endsWith(NotTakenText); }

Key KeyOf(const QString& row)
{
    const QString key = row.right(ResultKeyColumns).trimmed();
    const auto bar = key.indexOf(u'|');
    Key parsed;
    parsed.studentNumber = Val(bar < 0 ? key : key.left(bar));
    parsed.testNumber = bar < 0 ? 0 : Val(key.mid(bar + 1));
    return parsed;
}

}

namespace KeyedRow {

QString Build(const QString& name, int gap, qint64 number)
{
    return name + QString(gap, u' ') + QString::number(number);
}

QString KeyText(const QString& row) { return row.right(KeyColumns).trimmed(); }

qint64 KeyNumber(const QString& row) { return Val(KeyText(row)); }

QString NameBeforeKey(const QString& row) { return row.left(std::max<qsizetype>(0, row.size() - KeyColumns)).trimmed(); }

}
