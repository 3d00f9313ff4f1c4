#include "qtmediaplayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace orvanta {

QtMediaPlayer::QtMediaPlayer(QWidget* videoParent)
    : m_player(new QMediaPlayer(this)), m_audio(new QAudioOutput(this))
{
    m_player->setAudioOutput(m_audio);
    if (videoParent) {
        m_video = new QVideoWidget(videoParent);
        m_player->setVideoOutput(m_video);
    }
    // Counted repeats are done here rather than with the player's loops,
    // which some formats (MIDI) ignore.
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            mediaEnded();
    });
}

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::setFileName(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        throw MediaError(QStringLiteral("找不到媒体文件 %1").arg(path));
    m_fileName = path;
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    if (m_autoStart)
        play();
}

void QtMediaPlayer::setPlayCount(int count)
{
    m_playCount = qMax(1, count);
}

void QtMediaPlayer::setAutoStart(bool autoStart)
{
    m_autoStart = autoStart;
}

void QtMediaPlayer::play()
{
    if (m_fileName.isEmpty())
        throw MediaError(QStringLiteral("没有可以播放的媒体文件"));
    if (m_player->error() != QMediaPlayer::NoError || m_player->mediaStatus() == QMediaPlayer::InvalidMedia)
        throw MediaError(QStringLiteral("无法播放 %1：%2").arg(m_fileName, m_player->errorString()));
    m_playsLeft = m_playCount - 1;
    m_player->setPosition(0);
    m_player->play();
}

void QtMediaPlayer::stop()
{
    m_playsLeft = 0;
    m_player->stop();
}

void QtMediaPlayer::mediaEnded()
{
    if (m_playsLeft <= 0)
        return;
    --m_playsLeft;
    m_player->setPosition(0);
    m_player->play();
}

} // namespace orvanta
