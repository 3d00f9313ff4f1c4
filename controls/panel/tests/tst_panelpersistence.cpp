#include <QTest>
class tst_panelpersistence : public QObject { Q_OBJECT };
QTEST_MAIN(tst_panelpersistence)
#include "tst_panelpersistence.moc"
