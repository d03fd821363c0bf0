#include "DbError.h"

#include <QSqlError>

DbError::DbError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString DbError::message() const { return QString::fromStdString(what()); }

QString EngineMessage(const QSqlError& error)
{
    QString message = error.databaseText().trimmed();
    const QString appendedCode = u'(' + error.nativeErrorCode() + u')';
    if (message.endsWith(appendedCode))
        message = message.chopped(appendedCode.size()).trimmed();
    if (message.isEmpty())
        message = error.text().trimmed();
    return message.remove(u'\t');
}
