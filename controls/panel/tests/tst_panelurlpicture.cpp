#include <QTest>
class tst_panelurlpicture : public QObject { Q_OBJECT };
QTEST_MAIN(tst_panelurlpicture)
#include "tst_panelurlpicture.moc"
