#include <QTest>
class tst_panelregistry : public QObject { Q_OBJECT };
QTEST_MAIN(tst_panelregistry)
#include "tst_panelregistry.moc"
