#pragma once

#include <QString>
#include <stdexcept>

class QSqlError;

// The one error type of the data layer. It carries the database engine's own
// message, which is what the user is shown when a step fails.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message);
    QString message() const;
};

// The engine's own message of a failed step, as the user is shown it: the
// server's driver appends the error's code in brackets ("()" when the
// connection is gone) and indents hint lines with tabs; neither is shown.
QString EngineMessage(const QSqlError& error);
