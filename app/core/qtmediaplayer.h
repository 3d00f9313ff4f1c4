#pragma once

#include "mediaplayer.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;
class QWidget;

namespace orvanta {

// A media player over Qt Multimedia. Without a video parent it is hidden
// and gives sound only.
class QtMediaPlayer : public QObject, public MediaPlayer {
    Q_OBJECT
public:
    explicit QtMediaPlayer(QWidget* videoParent = nullptr);
    ~QtMediaPlayer() override;

    void setFileName(const QString& path) override;
    void setPlayCount(int count) override;
    void setAutoStart(bool autoStart) override;
    void play() override;
    void stop() override;

private:
    void mediaEnded();

    QMediaPlayer* m_player;
    QAudioOutput* m_audio;
    QVideoWidget* m_video = nullptr;
    QString m_fileName;
    int m_playCount = 1;
    int m_playsLeft = 0;
    bool m_autoStart = false;
};

} // namespace orvanta
