#include "qtmediaplayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orvanta;

class tst_qtmediaplayer : public QObject {
    Q_OBJECT
private slots:
    void missingFileIsAnError()
    {
        QTemporaryDir dir;
        QtMediaPlayer player;
        const QString path = dir.filePath(u"del.wav"_qs);
        try {
            player.setFileName(path);
            QFAIL("a missing file was accepted");
        } catch (const MediaError& error) {
            QVERIFY(error.message().contains(path));
        }
        QVERIFY_THROWS_EXCEPTION(MediaError, player.play());
    }

    void folderIsNotAMediaFile()
    {
        QTemporaryDir dir;
        QtMediaPlayer player;
        QVERIFY_THROWS_EXCEPTION(MediaError, player.setFileName(dir.path()));
    }
};

QTEST_MAIN(tst_qtmediaplayer)
#include "tst_qtmediaplayer.moc"
