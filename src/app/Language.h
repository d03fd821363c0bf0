#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The language the program and its tools speak. English is the source text
// of every message; each other language is a translation compiled into the
// program, together with Qt's own translation of its standard dialogs.
namespace Language {

// The codes a school may name: "en" and every translation that ships.
QStringList Shipped();

// The language to use: `fixed` (the settings file's language=) when given,
// else the first of the desktop's languages (`wanted`, most preferred first,
// such as "de-AT" or "pt_BR") that ships, by full code or by its language
// alone; else English. Throws DbError naming a fixed code that does not ship.
QString Choose(const QString& fixed, const QStringList& wanted);

// Chooses from the settings file beside the program and the system locale,
// and installs that language. Throws DbError as Choose and LanguageSetting do.
QString Start(const QString& programFolder);

// Installs the translations of `code` on the running application in place
// of any installed before (none for English); returns false when ours could
// not be loaded.
bool Install(const QString& code);

// The language Install put in place last ("en" before any).
QString Current();

// The dates and times of the screens and of paper, in the language in use:
// the desktop's own form when the desktop speaks that language (English on a
// desktop without one), else the language's usual form.
QString ShortDate(QDate day);
QString ShortDateTime(const QDateTime& moment);

// The user guide's file in the program's folder for `code`: HelpFile.hlp
// for English, HelpFile_CODE.hlp for a translation.
QString GuideName(const QString& code);

// True for a language written right to left.
bool RightToLeft(const QString& code);

}
