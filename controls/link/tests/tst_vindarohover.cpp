#include "vindaro.h"

#include <QFont>
#include <QMouseEvent>
#include <QTest>

class tst_VindaroHover : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void moveFromInside_data();
    void moveFromInside();
    void moveRaisesMouseMoveBeforeMouseLeaveWithTheOutsidePosition();
    void hostHandlerDecidesWithTheValuesItLeaves();
    void captureIsHeldWhileInsideAndReleasedOnLeaving();
    void linkColourChangedWhileHoveredBecomesTheNormalColour();
    void linkColourEqualToTextColourLeavesBlackAfterLeaving();
    void hoverRedrawsTheTextInTheLinkColour();
};

namespace {

constexpr qorv::OleColor Blue = 0x00FF0000;
constexpr qorv::OleColor Red = 0x000000FF;
constexpr QSize LinkSize(100, 20);

struct HoverLink {
    HoverLink()
    {
        link.initProperties();
        link.setAutoSize(false);
        link.setLinkText("www.example.com");
        link.resize(LinkSize);
        link.show();
        QObject::connect(&link, &Vindaro::MouseMove, [this](short& b, short& s, float& x, float& y) {
            events << QStringLiteral("MouseMove %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        QObject::connect(&link, &Vindaro::MouseLeave, [this](short& b, short& s, float& x, float& y) {
            events << QStringLiteral("MouseLeave %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
    }

    void moveTo(QPointF position)
    {
        QMouseEvent move(QEvent::MouseMove, position, link.mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&link, &move);
    }

    Vindaro link;
    QStringList events;
};

// The offscreen platform cannot grab the pointer and says so at every
// capture; the control's own record of the capture is what is tested.
QtMessageHandler passOnMessage = nullptr;

void dropGrabNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support grabbing the mouse")))
        passOnMessage(type, context, message);
}

bool hasPixelOf(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color)
                return true;
        }
    }
    return false;
}

} // namespace

void tst_VindaroHover::initTestCase()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
    passOnMessage = qInstallMessageHandler(dropGrabNotices);
}

void tst_VindaroHover::moveFromInside_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<bool>("leaves");

    QTest::newRow("middle") << QPointF(50, 10) << false;
    QTest::newRow("top-left corner") << QPointF(0, 0) << false;
    QTest::newRow("right edge") << QPointF(100, 10) << false;
    QTest::newRow("bottom edge") << QPointF(50, 20) << false;
    QTest::newRow("bottom-right corner") << QPointF(100, 20) << false;
    QTest::newRow("left of it") << QPointF(-1, 10) << true;
    QTest::newRow("above it") << QPointF(50, -1) << true;
    QTest::newRow("just past the right edge") << QPointF(100.1, 10) << true;
    QTest::newRow("just below the bottom edge") << QPointF(50, 20.1) << true;
}

void tst_VindaroHover::moveFromInside()
{
    QFETCH(QPointF, position);
    QFETCH(bool, leaves);

    HoverLink fixture;
    fixture.moveTo(QPointF(50, 10));
    QCOMPARE(fixture.link.textColor(), Blue);
    fixture.events.clear();

    fixture.moveTo(position);

    QCOMPARE(fixture.events.size(), leaves ? 2 : 1);
    QCOMPARE(fixture.link.textColor(), leaves ? Vindaro::DefaultTextColor : Blue);
    QCOMPARE(fixture.link.savedNormalColor(), Vindaro::DefaultTextColor);
}

void tst_VindaroHover::moveRaisesMouseMoveBeforeMouseLeaveWithTheOutsidePosition()
{
    HoverLink fixture;
    fixture.moveTo(QPointF(50, 10));
    fixture.events.clear();

    fixture.moveTo(QPointF(120, 30));

    QCOMPARE(fixture.events, (QStringList{"MouseMove 0 0 1800 450", "MouseLeave 0 0 1800 450"}));
}

void tst_VindaroHover::hostHandlerDecidesWithTheValuesItLeaves()
{
    HoverLink fixture;
    fixture.moveTo(QPointF(50, 10));
    connect(&fixture.link, &Vindaro::MouseMove, [](short&, short&, float& x, float&) { x = -15; });
    fixture.events.clear();

    fixture.moveTo(QPointF(60, 10));

    QCOMPARE(fixture.events.last(), QString("MouseLeave 0 0 -15 150"));
    QCOMPARE(fixture.link.textColor(), Vindaro::DefaultTextColor);
}

void tst_VindaroHover::captureIsHeldWhileInsideAndReleasedOnLeaving()
{
    HoverLink fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.link));

    fixture.moveTo(QPointF(50, 10));
    QCOMPARE(QWidget::mouseGrabber(), &fixture.link);

    fixture.moveTo(QPointF(-5, 10));
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void tst_VindaroHover::linkColourChangedWhileHoveredBecomesTheNormalColour()
{
    HoverLink fixture;
    fixture.moveTo(QPointF(50, 10));
    fixture.link.setLinkColor(Red);
    QCOMPARE(fixture.link.textColor(), Blue);

    fixture.moveTo(QPointF(51, 10));
    QCOMPARE(fixture.link.textColor(), Red);
    QCOMPARE(fixture.link.savedNormalColor(), Blue);

    fixture.moveTo(QPointF(200, 10));
    QCOMPARE(fixture.link.textColor(), Blue);
}

void tst_VindaroHover::linkColourEqualToTextColourLeavesBlackAfterLeaving()
{
    HoverLink fixture;
    fixture.link.setLinkColor(Vindaro::DefaultTextColor);

    fixture.moveTo(QPointF(50, 10));
    QCOMPARE(fixture.link.textColor(), Vindaro::DefaultTextColor);
    QCOMPARE(fixture.link.savedNormalColor(), qorv::OleColor(0));

    fixture.moveTo(QPointF(50, 40));
    QCOMPARE(fixture.link.textColor(), qorv::OleColor(0));
}

void tst_VindaroHover::hoverRedrawsTheTextInTheLinkColour()
{
    HoverLink fixture;
    const QColor blue(0, 0, 255);
    QVERIFY(!hasPixelOf(fixture.link.grab().toImage(), blue));

    fixture.moveTo(QPointF(50, 10));
    QVERIFY(hasPixelOf(fixture.link.grab().toImage(), blue));

    fixture.moveTo(QPointF(50, 40));
    QVERIFY(!hasPixelOf(fixture.link.grab().toImage(), blue));
}

QTEST_MAIN(tst_VindaroHover)
#include "tst_vindarohover.moc"
