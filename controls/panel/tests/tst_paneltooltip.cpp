#include <QTest>
class tst_paneltooltip : public QObject { Q_OBJECT };
QTEST_MAIN(tst_paneltooltip)
#include "tst_paneltooltip.moc"
