#include "popupbutton.h"

#include <QSignalSpy>
#include <QTest>

class TestPopupButton : public QObject
{
    Q_OBJECT

private slots:
    void freshButtonIsEnabledAndNotSet();
    void stateIsShownAsAvailability_data();
    void stateIsShownAsAvailability();
};

void TestPopupButton::freshButtonIsEnabledAndNotSet()
{
    PopupButton button;
    QVERIFY(button.isEnabled());
    QCOMPARE(button.state(), false);
    QCOMPARE(button.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

void TestPopupButton::stateIsShownAsAvailability_data()
{
    QTest::addColumn<QList<bool>>("states");
    QTest::addColumn<bool>("clickable");

    QTest::newRow("edit begins") << QList<bool>{true} << true;
    QTest::newRow("saved") << QList<bool>{true, false} << false;
    QTest::newRow("saved, then edited again") << QList<bool>{true, false, true} << true;
    QTest::newRow("saved without an edit") << QList<bool>{false} << false;
}

void TestPopupButton::stateIsShownAsAvailability()
{
    QFETCH(QList<bool>, states);
    QFETCH(bool, clickable);

    PopupButton button;
    button.setText(QStringLiteral("保存"));
    button.resize(73, 33);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    for (bool state : states)
        QVERIFY(button.setProperty("state", state));

    QCOMPARE(button.property("state").toBool(), states.last());
    QCOMPARE(button.isEnabled(), clickable);
    QSignalSpy clicks(&button, &QToolButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), clickable ? 1 : 0);
}

QTEST_MAIN(TestPopupButton)
#include "tst_popupbutton.moc"
