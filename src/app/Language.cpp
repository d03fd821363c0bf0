#include "Language.h"

#include "data/DbError.h"
#include "data/ServerSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace {

const QString English = QStringLiteral("en");
// Where the build embeds the compiled translations (vornicktest_CODE.qm).
const QString OurFolder = QStringLiteral(":/i18n");

QString Normal(QString code) { return code.replace(u'-', u'_'); }

// The translators Install put in place, removed when another language
// comes. Each is the application's child, so that it goes with the
// application at the end and never outlives it unfreed.
std::vector<QPointer<QTranslator>>& Installed()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void RemoveInstalled()
{
    for (const QPointer<QTranslator>& translator : Installed()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Installed().clear();
}

QString& InUse()
{
    static QString code = English;
    return code;
}

void Put(QTranslator* translator)
{
    QCoreApplication::installTranslator(translator);
    Installed().push_back(translator);
}

}

namespace Language {

QStringList Shipped()
{
    // Matched by hand rather than by a name filter, which would compile a
    // regular expression at every start.
    const QString prefix = QStringLiteral("vornicktest_"), suffix = QStringLiteral(".qm");
    QStringList codes{English};
    for (const QString& file : QDir(OurFolder).entryList(QDir::Files, QDir::Name)) {
        if (!file.startsWith(prefix) || !file.endsWith(suffix))
            continue;
        const QString code = file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
        if (code != English)
            codes << code;
    }
    return codes;
}

QString Choose(const QString& fixed, const QStringList& wanted)
{
    const QStringList shipped = Shipped();
    if (!fixed.isEmpty()) {
        if (!shipped.contains(Normal(fixed)))
            throw DbError(QCoreApplication::translate("Language", "The settings file names the language \"%1\", "
                                                                  "which this program does not have. It has: %2.")
                              .arg(fixed, shipped.join(QStringLiteral(", "))));
        return Normal(fixed);
    }
    for (const QString& asked : wanted) {
        const QString code = Normal(asked);
        if (shipped.contains(code))
            return code;
        const QString language = code.section(u'_', 0, 0);
        for (const QString& have : shipped)
            if (have.section(u'_', 0, 0) == language)
                return have;
    }
    return English;
}

QString Start(const QString& programFolder)
{
    const QString code = Choose(LanguageSetting(programFolder), QLocale::system().uiLanguages());
    Install(code);
    return code;
}

bool Install(const QString& code)
{
    RemoveInstalled();
    InUse() = code;
    // Numbers on screen and paper follow the language; in English they stay
    // as the program always wrote them (a '.' and no grouping). English's
    // own file gives only the singular of counts ("1 result").
    if (code == English) {
        QLocale::setDefault(QLocale::c());
        auto* plurals = new QTranslator(QCoreApplication::instance());
        const bool loaded = plurals->load(QStringLiteral("vornicktest_en"), OurFolder);
        Put(plurals);
        return loaded;
    }
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == QLocale(code).language() ? system : QLocale(code));
    auto* ours = new QTranslator(QCoreApplication::instance());
    const bool loaded = ours->load(QStringLiteral("vornicktest_") + code, OurFolder);
    Put(ours);
    // Qt's own words: the buttons of message boxes, the file dialogs.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        Put(qt);
    else
        delete qt;
    return loaded;
}

QString Current() { return InUse(); }

namespace {

QLocale DatesLocale()
{
    const QLocale system = QLocale::system();
    const QLocale::Language inUse = QLocale(InUse()).language();
    if (system.language() == inUse || (inUse == QLocale::English && system.language() == QLocale::C))
        return system;
    return QLocale(InUse());
}

}

QString ShortDate(QDate day) { return DatesLocale().toString(day, QLocale::ShortFormat); }

QString ShortDateTime(const QDateTime& moment) { return DatesLocale().toString(moment, QLocale::ShortFormat); }

QString GuideName(const QString& code)
{
    return code == English ? QStringLiteral("HelpFile.hlp") : QStringLiteral("HelpFile_%1.hlp").arg(code);
}

bool RightToLeft(const QString& code) { return QLocale(code).textDirection() == Qt::RightToLeft; }

}
