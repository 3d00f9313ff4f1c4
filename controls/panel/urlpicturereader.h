#pragma once

#include "qorvpanel_export.h"

#include <QImage>
#include <QObject>
#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

namespace qorvpanel {

// Reads a picture from an http, https or file address in the background.
// One read at a time: starting a new one abandons the previous one.
class QORVPANEL_EXPORT UrlPictureReader : public QObject {
    Q_OBJECT
public:
    // Larger downloads are abandoned as failed.
    static constexpr qint64 maxBytes = 16 * 1024 * 1024;

    explicit UrlPictureReader(QObject* parent = nullptr);
    ~UrlPictureReader() override;

    void start(const QString& address);
    void cancel();

signals:
    // ok is false for an unreadable address, a failed or oversized download
    // and data that is not a picture.
    void finished(bool ok, const QImage& image);

private:
    void onReadyRead();
    void onFinished();
    void fail();

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_data;
};

} // namespace qorvpanel
