#pragma once

#include "mediaplayer.h"
#include "services.h"

#include <QFileInfo>
#include <QStringList>
#include <deque>

namespace orvanta {

// Services for tests: every message is recorded, answers are played back
// from queues, and media players only log what they are asked to do.
class FakeServices : public Services {
public:
    struct Input {
        QString prompt, title, defaultText;
    };

    explicit FakeServices(QString folder) : m_folder(std::move(folder)) {}

    QList<Message> messages;
    QList<Input> inputs;
    std::deque<MessageAnswer> answers;   // for Yes/No boxes; No when empty
    std::deque<QString> inputAnswers;    // the default text when empty
    QStringList mediaLog;
    QDate date{2026, 12, 11};

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        inputs.append({prompt, title, defaultText});
        if (inputAnswers.empty())
            return defaultText;
        QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget*) override { return std::make_unique<Player>(mediaLog); }
    QDate today() override { return date; }
    QString programFolder() override { return m_folder; }

protected:
    MessageAnswer showMessage(const Message& message) override
    {
        messages.append(message);
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

private:
    class Player : public MediaPlayer {
    public:
        explicit Player(QStringList& log) : m_log(log) {}
        void setFileName(const QString& path) override
        {
            m_log << u"file "_qs + QFileInfo(path).fileName();
            if (!QFileInfo(path).isFile())
                throw MediaError(u"找不到媒体文件 "_qs + path);
        }
        void setPlayCount(int count) override { m_log << u"count "_qs + QString::number(count); }
        void setAutoStart(bool autoStart) override { m_log << (autoStart ? u"autostart on"_qs : u"autostart off"_qs); }
        void play() override { m_log << u"play"_qs; }
        void stop() override { m_log << u"stop"_qs; }

    private:
        QStringList& m_log;
    };

    QString m_folder;
};

} // namespace orvanta
