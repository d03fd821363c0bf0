#include "Csv.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// At least one digit from `from` on; where the digits end.
qsizetype Digits(QByteArrayView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end > from ? end : -1;
}

// A number as a spreadsheet reads one: an optional sign, digits, and
// optionally a point and more digits.
bool IsPlainNumber(QByteArrayView text)
{
    const qsizetype whole = Digits(text, text.startsWith('-') || text.startsWith('+') ? 1 : 0);
    if (whole < 0)
        return false;
    if (whole == text.size())
        return true;
    return text[whole] == '.' && Digits(text, whole + 1) == text.size();
}

bool RunsAsFormula(QByteArrayView text)
{
    return !text.isEmpty() && QByteArrayView("=+-@\t\r").contains(text[0]) && !IsPlainNumber(text);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A quote, a comma or a line break anywhere, or a blank at either end, which
// a reader may otherwise trim away.
bool NeedsQuotes(QByteArrayView text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; })
        || (!text.isEmpty() && (IsBlank(text.front()) || IsBlank(text.back())));
}

// The field as it stands in the file, added to `out`. A text a spreadsheet
// would run as a formula (one beginning with "=", "+", "-", "@", a tab or a
// carriage return) gets a leading "'", so it shows as the text it is; a
// plain number ("-0.25") stays a number. The text is UTF-8, in which no
// byte of a longer character is one of these.
void AppendField(QByteArray& out, QByteArrayView text)
{
    const bool quoted = NeedsQuotes(text);
    if (quoted)
        out += '"';
    if (RunsAsFormula(text))
        out += '\'';
    if (!quoted) {
        out += text;
        return;
    }
    for (const char c : text) {
        out += c;
        if (c == '"')
            out += c;
    }
    out += '"';
}

void AppendLine(QByteArray& out, const QStringList& row)
{
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendField(out, row[i].toUtf8());
    }
    out += "\r\n";
}

// The moment in UTC as ISO 8601 ("2026-12-08T15:20:01Z"): the same text from
// every computer whatever its zone or language, and one a spreadsheet reads.
// A stored value outside the years 0000 to 9999 is no moment and is left out.
void AppendIsoMoment(QByteArray& out, qint64 seconds)
{
    using namespace std::chrono;
    constexpr qint64 FirstSecond = -62167219200, LastSecond = 253402300799;
    if (seconds < FirstSecond || seconds > LastSecond)
        return;
    const sys_seconds moment{seconds * 1s};
    const sys_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss time{moment - day};
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                                     unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                                     int(time.minutes().count()), int(time.seconds().count()));
    out.append(text, length);
}

QStringList ResultsHeader()
{
    QStringList header{QStringLiteral("Student number"), QStringLiteral("Student"), QStringLiteral("Test number"),
                       QStringLiteral("Test"), QStringLiteral("Grade"), QStringLiteral("Date"), QStringLiteral("Date (ISO)"),
                       QStringLiteral("Finished"), QStringLiteral("Minutes given")};
    for (int slot = 1; slot <= AttemptSlots; ++slot)
        header << QStringLiteral("Q%1").arg(slot) << QStringLiteral("Q%1 choice").arg(slot);
    return header;
}

// A slot's two fields: "1" for the answer, else "0", and the choice's name.
QByteArrayView SlotFields(Choice choice)
{
    static const std::array<QByteArray, 4> fields = [] {
        std::array<QByteArray, 4> named;
        for (const Choice c : {Choice::None, Choice::Answer, Choice::False1, Choice::False2})
            named[static_cast<std::size_t>(c)] = (c == Choice::Answer ? "1," : "0,") + ChoiceName(c).toUtf8();
        return named;
    }();
    return fields[static_cast<std::size_t>(choice)];
}

}

QByteArray Csv::Document(const std::vector<QStringList>& rows)
{
    QByteArray bytes = ByteOrderMark;
    for (const QStringList& row : rows)
        AppendLine(bytes, row);
    return bytes;
}


QByteArray Csv::ResultsStart()
{
    QByteArray start = ByteOrderMark;
    AppendLine(start, ResultsHeader());
    return start;
}

void Csv::AppendResultsLine(QByteArray& out, const StoredAttempt& attempt)
{
    out += QByteArray::number(attempt.studentNumber);
    out += ',';
    AppendField(out, attempt.student);
    out += ',';
    out += QByteArray::number(attempt.testNumber);
    out += ',';
    for (const QByteArrayView field : {attempt.test, attempt.grade, attempt.date}) {
        AppendField(out, field);
        out += ',';
    }
    if (attempt.gradedAt)
        AppendIsoMoment(out, *attempt.gradedAt);
    out += ',';
    out += attempt.finished ? "yes," : "no,";
    AppendField(out, attempt.minutesGiven);
    for (const QByteArrayView record : attempt.records) {
        out += ',';
        out += SlotFields(ChoiceOfRecord(record));
    }
    out += "\r\n";
}
