#include "TestRules.h"
#include <QCoreApplication>

namespace TestRules {

std::optional<std::int16_t> WholeMinutes(const QVariant& stored)
{
    if (stored.isNull() || !stored.isValid())
        return std::nullopt;
    const QString digits = stored.toString().trimmed();
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int minutes = digits.toInt();
    if (minutes > LongestMinutes)
        return std::nullopt;
    return static_cast<std::int16_t>(minutes);
}

bool IsUnfinished(const QString& storedTitle) { return storedTitle.startsWith(u'<'); }

// Completing a test drops the first and last characters of its title, so
// the visible title is what that would leave.
QString VisibleTitle(const QString& storedTitle)
{
    return IsUnfinished(storedTitle) ? storedTitle.mid(1, std::max<qsizetype>(0, storedTitle.size() - 2))
                                     : storedTitle;
}

QString NoTitleMessage() { return QCoreApplication::translate("TestRules", "You must give the test a title."); }

QString LongTitleMessage()
{
    return QCoreApplication::translate("TestRules", "The test title can be at most %n characters long.", nullptr, LongestTitle);
}

QString TakenTitleMessage(const QString& title)
{
    return QCoreApplication::translate("TestRules", "Another test already has the title \"%1\".\nPlease choose a different title.")
        .arg(VisibleTitle(title));
}

QString MinutesMessage()
{
    return QCoreApplication::translate("TestRules", "The length of the test must be a whole number of minutes from 0 to %1.").arg(LongestMinutes);
}

QString TitleRefusal(const QString& title, const QStringList& otherTitles)
{
    if (title.isEmpty())
        return NoTitleMessage();
    const QString visible = VisibleTitle(title);
    if (visible.size() > LongestTitle)
        return LongTitleMessage();
    for (const QString& other : otherTitles) {
        if (VisibleTitle(other) == visible)
            return TakenTitleMessage(title);
    }
    return {};
}

QString StoredTitle(const QString& title, bool complete)
{
    if (complete)
        return VisibleTitle(title);
    return IsUnfinished(title) ? title : u'<' + title + u'>';
}

bool SlotWritten(const QString& question, const QString& answer, const QString& phony1, const QString& phony2)
{
    return !question.trimmed().isEmpty() && !answer.trimmed().isEmpty() && !phony1.trimmed().isEmpty()
        && !phony2.trimmed().isEmpty();
}

}
