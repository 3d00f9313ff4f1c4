#include "qorvpanel.h"
#include "urlpicturereader.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage filled(QColor color)
{
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray pngOf(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// A web server on 127.0.0.1 that counts requests and answers each with a
// picture, or with a body that never ends.
class LocalServer : public QObject {
public:
    enum class Answer { Picture, Endless, HugeLength };

    explicit LocalServer(Answer kind, QByteArray body = {})
        : m_answer(kind)
        , m_body(std::move(body))
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(path);
    }
    int requests = 0;
    qint64 bytesSent = 0;

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++requests;
        switch (m_answer) {
        case Answer::Picture:
            socket->write("HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: "
                          + QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            break;
        case Answer::HugeLength:
            socket->write("HTTP/1.0 200 OK\r\nContent-Length: 100000000\r\n\r\n" + QByteArray(1000, 'x'));
            break;
        case Answer::Endless: {
            socket->write("HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n\r\n");
            auto more = [this, socket] {
                if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < (1 << 20)) {
                    socket->write(QByteArray(256 * 1024, 'x'));
                    bytesSent += 256 * 1024;
                }
            };
            connect(socket, &QTcpSocket::bytesWritten, this, more);
            more();
            break;
        }
        }
    }

    QTcpServer m_server;
    Answer m_answer;
    QByteArray m_body;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

} // namespace

class tst_panelurlpicture : public QObject {
    Q_OBJECT
private slots:
    void fileAddressSetsPictureAndKeepsAddress()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("green.png");
        QVERIFY(filled(Qt::green).save(file));
        QorvPanel panel;
        QStringList notified;
        connect(&panel, &QorvPanel::propertyChanged, [&](const QString& name) { notified.append(name); });
        const QString address = QUrl::fromLocalFile(file).toString();
        panel.setURLPicture(address);
        QCOMPARE(notified, QStringList{"URLPicture"});
        QTRY_VERIFY(!panel.picture().isNull());
        QCOMPARE(panel.picture().pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(panel.urlPicture(), address);
        QCOMPARE(notified, QStringList({"URLPicture", "Picture"}));

        panel.setPicture(filled(Qt::red));
        QCOMPARE(panel.urlPicture(), QString());
        QCOMPARE(notified, QStringList({"URLPicture", "Picture", "URLPicture", "Picture"}));
    }

    void sameAddressTwiceDownloadsOnce()
    {
        LocalServer server(LocalServer::Answer::Picture, pngOf(filled(Qt::blue)));
        QorvPanel panel;
        panel.setURLPicture(server.url("p.png"));
        panel.setURLPicture(server.url("p.png"));
        QTRY_VERIFY(!panel.picture().isNull());
        QCOMPARE(panel.picture().pixelColor(1, 1), QColor(Qt::blue));
        QTest::qWait(50);
        QCOMPARE(server.requests, 1);
    }

    void failedReadsKeepTheOldPicture_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a picture") << "text";
        QTest::newRow("missing file") << "missing";
        QTest::newRow("unsupported scheme") << "ftp";
    }
    void failedReadsKeepTheOldPicture()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QFile text(dir.filePath("note.png"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is no picture");
        text.close();
        const QString address = kind == "text"      ? QUrl::fromLocalFile(text.fileName()).toString()
                                : kind == "missing" ? QUrl::fromLocalFile(dir.filePath("none.png")).toString()
                                                    : QString("ftp://127.0.0.1/x.png");
        QorvPanel panel;
        panel.setPicture(filled(Qt::yellow));
        QSignalSpy read(panel.findChild<qorvpanel::UrlPictureReader*>(), &qorvpanel::UrlPictureReader::finished);
        panel.setURLPicture(address);
        QTRY_COMPARE(read.size(), 1);
        QCOMPARE(read.at(0).at(0).toBool(), false);
        QCOMPARE(panel.picture().pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(panel.urlPicture(), address);
    }

    void emptyAddressClearsPicture()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("g.png");
        QVERIFY(filled(Qt::green).save(file));
        QorvPanel panel;
        panel.setURLPicture(QUrl::fromLocalFile(file).toString());
        QTRY_VERIFY(!panel.picture().isNull());
        panel.setURLPicture(QString());
        QVERIFY(panel.picture().isNull());
    }

    void directPictureCancelsPendingDownload()
    {
        LocalServer server(LocalServer::Answer::Picture, pngOf(filled(Qt::blue)));
        QorvPanel panel;
        panel.setURLPicture(server.url("late.png"));
        panel.setPicture(filled(Qt::red));
        QTest::qWait(200);
        QCOMPARE(panel.picture().pixelColor(0, 0), QColor(Qt::red));
    }

    void oversizedDownloadsFail_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("endless body") << int(LocalServer::Answer::Endless);
        QTest::newRow("announced too long") << int(LocalServer::Answer::HugeLength);
    }
    void oversizedDownloadsFail()
    {
        QFETCH(int, answer);
        LocalServer server{LocalServer::Answer(answer)};
        qorvpanel::UrlPictureReader reader;
        QSignalSpy finished(&reader, &qorvpanel::UrlPictureReader::finished);
        reader.start(server.url("big"));
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(server.bytesSent <= qorvpanel::UrlPictureReader::maxBytes + 4 * (1 << 20));
    }
};

QTEST_MAIN(tst_panelurlpicture)
#include "tst_panelurlpicture.moc"
