#include "RolePassword.h"

#include "Connection.h"
#include "DbError.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

constexpr int SaltBytes = 16;

QByteArray Hmac(const QByteArray& key, const QByteArray& message)
{
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha256);
}

// PBKDF2-HMAC-SHA-256 for one block of output, which is all SCRAM takes.
QByteArray SaltedPassword(const QByteArray& password, const QByteArray& salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    std::array<char, 4> blockNumber{};
    qToBigEndian<quint32>(1, blockNumber.data());
    mac.addData(salt);
    mac.addData(blockNumber.data(), blockNumber.size());
    QByteArray u = mac.result();
    QByteArray salted = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (qsizetype b = 0; b < salted.size(); ++b)
            salted[b] = static_cast<char>(salted[b] ^ u[b]);
    }
    return salted;
}

bool Within(char16_t u, std::initializer_list<std::pair<char16_t, char16_t>> ranges)
{
    return std::any_of(ranges.begin(), ranges.end(), [u](const auto& range) { return u >= range.first && u <= range.second; });
}

// The password as a client signing in prepares it (SASLprep): spaces of other
// scripts become plain blanks, characters that stand for nothing are dropped,
// and the text is put in compatibility-composed form. A text with a character
// the preparation forbids (a control, a private-use character) is taken as it
// is, as the client does. Plain printable ASCII is left unchanged.
QString Prepared(const QString& password)
{
    QString mapped;
    for (const QChar c : password) {
        const char16_t u = c.unicode();
        if (Within(u, {{0x00, 0x1F}, {0x7F, 0x9F}, {0x2028, 0x2029}}) || c.category() == QChar::Other_PrivateUse)
            return password;
        if (Within(u, {{0xA0, 0xA0}, {0x1680, 0x1680}, {0x2000, 0x200B}, {0x202F, 0x202F}, {0x205F, 0x205F},
                       {0x3000, 0x3000}}))
            mapped += u' ';
        else if (!Within(u, {{0xAD, 0xAD}, {0x34F, 0x34F}, {0x1806, 0x1806}, {0x180B, 0x180D}, {0x200C, 0x200D},
                             {0x2060, 0x2060}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}}))
            mapped += c;
    }
    return mapped.normalized(QString::NormalizationForm_KC);
}
}

QString RolePassword::ScramVerifier(const QString& password, const QByteArray& salt, int iterations)
{
    const QByteArray salted = SaltedPassword(Prepared(password).toUtf8(), salt, iterations);
    const QByteArray storedKey =
        QCryptographicHash::hash(Hmac(salted, QByteArrayLiteral("Client Key")), QCryptographicHash::Sha256);
    const QByteArray serverKey = Hmac(salted, QByteArrayLiteral("Server Key"));
    return QStringLiteral("SCRAM-SHA-256$%1:%2$%3:%4")
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(storedKey.toBase64()),
             QString::fromLatin1(serverKey.toBase64()));
}

namespace {

// The statement giving `role` a new password: only its verifier, with a
// fresh random salt. The verifier holds only Base64 characters, '$', ':' and
// digits, so it goes into the statement's quotes as it is.
QString NewPasswordStatement(const QString& role, const QString& newPassword)
{
    std::array<quint32, SaltBytes / 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray salt(reinterpret_cast<const char*>(words.data()), SaltBytes);
    return QStringLiteral("ALTER ROLE %1 PASSWORD '%2'").arg(role, RolePassword::ScramVerifier(newPassword, salt));
}

void Run(Connection& connection, const QString& statement)
{
    connection.Repeatable(Connection::Unit::Store, [&] {
        QSqlQuery query(connection.Database());
        if (!query.exec(statement))
            throw DbError(EngineMessage(query.lastError()));
    });
}

}

void RolePassword::ChangeOwn(Connection& connection, const QString& newPassword)
{
    Run(connection, NewPasswordStatement(QStringLiteral("CURRENT_USER"), newPassword));
    connection.PasswordChanged(newPassword);
}

void RolePassword::SetFor(Connection& connection, const QString& role, const QString& newPassword)
{
    const QString quoted = connection.Database().driver()->escapeIdentifier(role, QSqlDriver::TableName);
    Run(connection, NewPasswordStatement(quoted, newPassword));
}
