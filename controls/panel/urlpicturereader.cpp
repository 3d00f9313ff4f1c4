#include "urlpicturereader.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace qorvpanel {

namespace {

// Guards against pictures whose pixels would not fit in memory.
constexpr int maxDecodedMegabytes = 128;

QUrl urlOf(const QString& address)
{
    if (QDir::isAbsolutePath(address) && !address.contains(QLatin1String("://")))
        return QUrl::fromLocalFile(address);
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https" && scheme != "file"))
        return {};
    return url;
}

} // namespace

UrlPictureReader::UrlPictureReader(QObject* parent)
    : QObject(parent)
{
}

UrlPictureReader::~UrlPictureReader()
{
    cancel();
}

void UrlPictureReader::start(const QString& address)
{
    cancel();
    const QUrl url = urlOf(address);
    if (url.isEmpty()) {
        // Report asynchronously, like every other outcome.
        QTimer::singleShot(0, this, [this] { emit finished(false, {}); });
        return;
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &UrlPictureReader::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &UrlPictureReader::onFinished);
}

void UrlPictureReader::cancel()
{
    m_data.clear();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void UrlPictureReader::onReadyRead()
{
    if (!m_reply)
        return;
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() > maxBytes) {
        fail();
        return;
    }
    m_data += m_reply->read(maxBytes + 1 - m_data.size());
    if (m_data.size() > maxBytes)
        fail();
}

void UrlPictureReader::onFinished()
{
    if (!m_reply)
        return;
    onReadyRead();
    if (!m_reply)
        return;
    const bool transferred = m_reply->error() == QNetworkReply::NoError;
    const QByteArray data = std::move(m_data);
    cancel();
    if (!transferred) {
        emit finished(false, {});
        return;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(maxDecodedMegabytes);
    QImage image = reader.read();
    emit finished(!image.isNull(), image);
}

void UrlPictureReader::fail()
{
    cancel();
    emit finished(false, {});
}

} // namespace qorvpanel
