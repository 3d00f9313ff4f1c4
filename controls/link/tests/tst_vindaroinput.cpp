#include "vindaro.h"

#include <QTest>

class tst_VindaroInput : public QObject
{
    Q_OBJECT

private slots:
    void keysAreForwardedWithHostCodes();
    void mouseButtonsAndShiftAreForwardedInTwips();
    void doubleClickRaisesDblClickAndNoSecondClick();
};

void tst_VindaroInput::keysAreForwardedWithHostCodes()
{
    Vindaro link;
    QStringList events;
    connect(&link, &Vindaro::KeyDown, [&](short& code, short& shift) {
        events << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
    });
    connect(&link, &Vindaro::KeyPress, [&](short& ascii) { events << QStringLiteral("KeyPress %1").arg(ascii); });
    connect(&link, &Vindaro::KeyUp, [&](short& code, short& shift) {
        events << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
    });

    QTest::keyClick(&link, Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(&link, Qt::Key_F5);

    QCOMPARE(events.join(", "), "KeyDown 16 1, KeyDown 65 1, KeyPress 97, KeyUp 65 1, KeyUp 16 0, "
                                "KeyDown 116 0, KeyUp 116 0");
}

void tst_VindaroInput::mouseButtonsAndShiftAreForwardedInTwips()
{
    Vindaro link;
    link.setAutoSize(false);
    link.resize(100, 20);
    link.show();
    QStringList events;
    connect(&link, &Vindaro::MouseDown, [&](short& b, short& s, float& x, float& y) {
        events << QStringLiteral("MouseDown %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    });
    connect(&link, &Vindaro::MouseUp, [&](short& b, short& s, float& x, float& y) {
        events << QStringLiteral("MouseUp %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    });

    QTest::mouseClick(&link, Qt::RightButton, Qt::ControlModifier, QPoint(4, 6));

    QCOMPARE(events, (QStringList{"MouseDown 2 2 60 90", "MouseUp 2 2 60 90"}));
}

void tst_VindaroInput::doubleClickRaisesDblClickAndNoSecondClick()
{
    Vindaro link;
    link.setAutoSize(false);
    link.resize(100, 20);
    link.setLinkOpener([](const QString&) {});
    link.show();
    QStringList events;
    connect(&link, &Vindaro::Click, [&] { events << "Click"; });
    connect(&link, &Vindaro::DblClick, [&] { events << "DblClick"; });
    connect(&link, &Vindaro::MouseDown, [&](short&, short&, float&, float&) { events << "MouseDown"; });
    connect(&link, &Vindaro::MouseUp, [&](short&, short&, float&, float&) { events << "MouseUp"; });

    // A window system delivers the second press of a double-click as the double-click.
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(events.join(", "), "MouseDown, MouseUp, Click, DblClick, MouseUp");
}

QTEST_MAIN(tst_VindaroInput)
#include "tst_vindaroinput.moc"
