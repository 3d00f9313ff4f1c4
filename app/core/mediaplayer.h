#pragma once

#include <QString>
#include <stdexcept>

namespace orvanta {

class MediaError : public std::runtime_error {
public:
    explicit MediaError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The five things the windows do with a media player. Each raises
// MediaError when it fails.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    // Opens the file in place of the previous one; plays it when auto-start is on.
    virtual void setFileName(const QString& path) = 0;
    // How many times the next playback runs back to back.
    virtual void setPlayCount(int count) = 0;
    virtual void setAutoStart(bool autoStart) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
};

} // namespace orvanta
