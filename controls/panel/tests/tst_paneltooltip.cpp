#include "qorvpanel.h"
#include "sharedtooltip.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

using qorvpanel::SharedToolTip;

namespace {

std::unique_ptr<QorvPanel> loadedPanel(bool userMode, const QString& toolTip = {})
{
    qorv::AmbientProperties ambient;
    ambient.userMode = userMode;
    auto panel = std::make_unique<QorvPanel>(ambient);
    qorv::PropertyBag bag;
    if (!toolTip.isEmpty())
        bag.set("ToolTipText", toolTip);
    panel->readProperties(bag);
    panel->resize(80, 40);
    return panel;
}

void moveOver(QWidget* w)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void press(QWidget* w)
{
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
}

QLabel* tip()
{
    return qobject_cast<QLabel*>(SharedToolTip::window());
}

} // namespace

class tst_paneltooltip : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SharedToolTip::setShowDelay(0); }

    void designedPanelsCountButCreateNothing()
    {
        auto designed = loadedPanel(false, "tip");
        QCOMPARE(SharedToolTip::panelCount(), 1);
        QVERIFY(!SharedToolTip::created());
        QVERIFY(!tip());
        moveOver(designed.get());
        QTest::qWait(20);
        QVERIFY(!tip());
        designed.reset();
        QCOMPARE(SharedToolTip::panelCount(), 0);
    }

    void lifecycleAcrossCreateDestroyRecreate()
    {
        auto first = loadedPanel(true);
        QCOMPARE(SharedToolTip::panelCount(), 1);
        QPointer<QWidget> window = SharedToolTip::window();
        QVERIFY(window);
        auto second = loadedPanel(true);
        QCOMPARE(SharedToolTip::panelCount(), 2);
        QCOMPARE(SharedToolTip::window(), window.data());

        // Loading the same panel again does not count it twice.
        second->readProperties({});
        QCOMPARE(SharedToolTip::panelCount(), 2);

        first.reset();
        QVERIFY(window);
        second.reset();
        QCOMPARE(SharedToolTip::panelCount(), 0);
        QVERIFY(!window);
        QVERIFY(!SharedToolTip::created());

        auto later = loadedPanel(true, "again");
        QVERIFY(tip());
        moveOver(later.get());
        QTRY_VERIFY(tip()->isVisible());
        QCOMPARE(tip()->text(), QString("again"));
    }

    void freshPanelDoesNotJoinOrLeave()
    {
        auto loaded = loadedPanel(true);
        QPointer<QWidget> window = SharedToolTip::window();
        {
            QorvPanel fresh;
            fresh.initProperties();
            QCOMPARE(SharedToolTip::panelCount(), 1);
        }
        QCOMPARE(SharedToolTip::panelCount(), 1);
        QVERIFY(window);
    }

    void noTextNoTip()
    {
        auto panel = loadedPanel(true);
        QVERIFY(!panel->tipActive());
        moveOver(panel.get());
        QTest::qWait(20);
        QVERIFY(!tip()->isVisible());
    }

    void tipShowsOnMoveAndHidesOnButton()
    {
        auto panel = loadedPanel(true);
        panel->setToolTipText("Bonjour");
        QVERIFY(panel->tipActive());
        moveOver(panel.get());
        QTRY_VERIFY(tip()->isVisible());
        QCOMPARE(tip()->text(), QString("Bonjour"));
        press(panel.get());
        QVERIFY(!tip()->isVisible());
    }

    void textIsAskedForAtShowTime()
    {
        auto panel = loadedPanel(true, "old");
        panel->setToolTipText("new");
        moveOver(panel.get());
        QTRY_VERIFY(tip()->isVisible());
        QCOMPARE(tip()->text(), QString("new"));
        press(panel.get());

        panel->setToolTipText(QString());
        QVERIFY(panel->tipActive());
        moveOver(panel.get());
        QTest::qWait(20);
        QVERIFY(!tip()->isVisible());
    }
};

QTEST_MAIN(tst_paneltooltip)
#include "tst_paneltooltip.moc"
