#include <QTest>
class tst_panelproperties : public QObject { Q_OBJECT };
QTEST_MAIN(tst_panelproperties)
#include "tst_panelproperties.moc"
