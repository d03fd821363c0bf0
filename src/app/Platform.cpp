#include "Platform.h"

#include <stdexcept>

namespace {
Platform* current = nullptr;
}

Platform& platform()
{
    if (!current)
        throw std::logic_error("no Platform installed");
    return *current;
}

void SetPlatform(Platform* implementation) { current = implementation; }

void MsgBox(const QString& text, const QString& title) { platform().MsgBox(text, MsgButtons::OK, title); }

bool AskYesNo(const QString& text, const QString& title)
{
    return platform().MsgBox(text, MsgButtons::YesNo, title) == MsgAnswer::Yes;
}

namespace {

// `text` with ASCII digits for every other script's and no direction marks.
QString WithoutScriptDigitsAndMarks(const QString& text)
{
    QString plain;
    for (const QChar c : text) {
        if (c.category() == QChar::Number_DecimalDigit)
            plain += QChar(u'0' + c.digitValue());
        else if (c.category() != QChar::Other_Format)
            plain += c;
    }
    return plain;
}

}

QString StoredShortDate(const QLocale& locale, QDate day)
{
    return WithoutScriptDigitsAndMarks(locale.toString(day, QLocale::ShortFormat));
}

QString StoredShortDatePattern(const QLocale& locale)
{
    return WithoutScriptDigitsAndMarks(locale.dateFormat(QLocale::ShortFormat));
}
