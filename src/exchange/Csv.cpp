#include "Csv.h"

#include <QRegularExpression>
#include <QCoreApplication>

namespace {

bool RunsAsFormula(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?$"));
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text[0]) && !number.match(text).hasMatch();
}

QStringList ResultsHeader()
{
    QStringList header{QStringLiteral("Student number"), QStringLiteral("Student"), QStringLiteral("Test number"),
                       QStringLiteral("Test"), QStringLiteral("Grade"), QStringLiteral("Date"),
                       QStringLiteral("Finished"), QStringLiteral("Minutes given")};
    for (int slot = 1; slot <= AttemptSlots; ++slot)
        header << QStringLiteral("Q%1").arg(slot) << QStringLiteral("Q%1 choice").arg(slot);
    return header;
}

QStringList ResultsRow(const Attempt& attempt)
{
    QStringList row{QString::number(attempt.studentNumber), attempt.student, QString::number(attempt.testNumber),
                    attempt.test, attempt.grade, attempt.date,
                    attempt.finished ? QStringLiteral("yes") : QStringLiteral("no"), attempt.minutesGiven};
    for (const Choice choice : attempt.choices)
        row << (choice == Choice::Answer ? QStringLiteral("1") : QStringLiteral("0")) << ChoiceName(choice);
    return row;
}

}

QString Csv::Field(const QString& text)
{
    const QString safe = RunsAsFormula(text) ? u'\'' + text : text;
    if (!safe.contains(u',') && !safe.contains(u'"') && !safe.contains(u'\n') && !safe.contains(u'\r'))
        return safe;
    QString quoted = safe;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray Csv::Document(const std::vector<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& field : row)
            fields << Field(field);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString Csv::ResultsCount(std::size_t count)
{
    return count == 1 ? QCoreApplication::translate("Csv", "1 result") : QCoreApplication::translate("Csv", "%n results", nullptr, int(count));
}

QByteArray Csv::Results(const std::vector<Attempt>& attempts)
{
    std::vector<QStringList> rows{ResultsHeader()};
    for (const Attempt& attempt : attempts)
        rows.push_back(ResultsRow(attempt));
    return Document(rows);
}
