#include <QTest>
class tst_frmabout : public QObject { Q_OBJECT };
QTEST_MAIN(tst_frmabout)
#include "tst_frmabout.moc"
