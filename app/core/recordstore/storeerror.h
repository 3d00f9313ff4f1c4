#pragma once

#include <QString>
#include <stdexcept>

namespace orvanta {

// Every failure of the record store reaches the caller as one of these,
// carrying a message the user can read.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace orvanta
