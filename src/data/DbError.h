#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the data layer. It carries the database engine's own
// message, which is what the user is shown when a step fails.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message);
    QString message() const;
};
