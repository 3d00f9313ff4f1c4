#include "panelpainting.h"
#include "qorvpanel.h"

#include <QFontMetricsF>
#include <QTest>

using qorv::OleColor;

namespace {

const QColor buttonFace(212, 208, 200);
const QColor light3d(212, 208, 200);
const QColor highlight3d(255, 255, 255);
const QColor shadow3d(128, 128, 128);
const QColor darkShadow3d(64, 64, 64);

// A panel with nothing drawn on it but what a test turns on.
struct PlainPanel {
    explicit PlainPanel(QSize size, OleColor back = 0xFFFFFF)
    {
        panel.resize(size);
        panel.setCaption(QString());
        panel.setBorderStyle(QorvPanel::Flat);
        panel.setBackColor(back);
    }
    QColor at(int x, int y) const { return panel.surfaceImage().pixelColor(x, y); }
    QorvPanel panel;
};

QRect inkBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool hasPixel(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

QFont testFont(int pixelSize, bool bold = false)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

class tst_panelpainting : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("2.51") << 2.51 << 3;
        QTest::newRow("7.5") << 7.5 << 8;
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(qorvpanel::roundHalfEven(value), expected);
    }

    void gradientTable_data()
    {
        QTest::addColumn<OleColor>("start");
        QTest::addColumn<OleColor>("end");
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<uint>>("expected");
        QTest::newRow("N = 0 keeps the start colour") << OleColor(0x123456) << OleColor(0xFFFFFF) << 0
                                                       << QList<uint>{0x123456};
        QTest::newRow("halves round to even, entry 0 one step in") << OleColor(0) << OleColor(5) << 2
                                                                  << QList<uint>{2, 5, 8};
        QTest::newRow("running value clamps at 255") << OleColor(0xF0) << OleColor(0xFF) << 1
                                                    << QList<uint>{0xFF, 0xFF};
        QTest::newRow("system colour split raw") << OleColor(0x8000000F) << OleColor(0x8000000F) << 2
                                                << QList<uint>{15, 15, 15};
        QTest::newRow("equal colours") << OleColor(0x404040) << OleColor(0x404040) << 3
                                      << QList<uint>{0x404040, 0x404040, 0x404040, 0x404040};
    }
    void gradientTable()
    {
        QFETCH(OleColor, start);
        QFETCH(OleColor, end);
        QFETCH(int, n);
        QFETCH(QList<uint>, expected);
        QVector<OleColor> table(n + 1);
        qorvpanel::FillGradientColors(table, start, end);
        QCOMPARE(QList<uint>(table.begin(), table.end()), expected);
    }

    void blackToBlueBands()
    {
        QVector<OleColor> table(101);
        qorvpanel::FillGradientColors(table, 0x000000, 0xFF0000);
        QCOMPARE(table[0], OleColor(0x030000));
        QCOMPARE(table[100], OleColor(0xFF0000));

        PlainPanel p({200, 50});
        p.panel.setGradientColorStart(0x000000);
        p.panel.setGradientColorEnd(0xFF0000);
        p.panel.setGradientBackColor(true);
        QCOMPARE(p.at(0, 25), QColor(0, 0, 3));
        QCOMPARE(p.at(1, 49), QColor(0, 0, 3));
        QCOMPARE(p.at(2, 0), QColor(0, 0, 5));
        QCOMPARE(p.at(198, 10), QColor(0, 0, 255));
        QCOMPARE(p.at(199, 10), QColor(0, 0, 255));
    }

    void blueToBlackBandsVertical()
    {
        QVector<OleColor> table(101);
        qorvpanel::FillGradientColors(table, 0xFF0000, 0x000000);
        QCOMPARE(table[100], OleColor(0));

        PlainPanel p({50, 200});
        p.panel.setGradientColorStart(0xFF0000);
        p.panel.setGradientColorEnd(0x000000);
        p.panel.setGradientSens(QorvPanel::Vertical);
        p.panel.setGradientBackColor(true);
        QCOMPARE(p.at(25, 0), QColor(0, 0, 252));
        QCOMPARE(p.at(49, 1), QColor(0, 0, 252));
        QCOMPARE(p.at(0, 2), QColor(0, 0, 250));
        QCOMPARE(p.at(10, 199), QColor(0, 0, 0));
    }

    void onePixelHighVerticalPanelShowsStartColour()
    {
        PlainPanel p({40, 1});
        p.panel.setGradientColorStart(0x336699);
        p.panel.setGradientColorEnd(0xFFFFFF);
        p.panel.setGradientSens(QorvPanel::Vertical);
        p.panel.setGradientBackColor(true);
        QCOMPARE(p.at(0, 0), QColor(0x99, 0x66, 0x33));
        QCOMPARE(p.at(39, 0), QColor(0x99, 0x66, 0x33));
    }

    void unknownGradientSensPaintsPlainBackground()
    {
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        PlainPanel p({60, 40}, 0x00FF00);
        p.panel.setPicture(picture);
        p.panel.setGradientSens(2);
        p.panel.setGradientBackColor(true);
        QCOMPARE(inkBox(p.panel.surfaceImage(), qRgb(0, 255, 0)), QRect());
    }

    void tilesPictureFromTopLeft()
    {
        QImage picture(30, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                picture.setPixel(x, y, qRgb(x * 8, y * 8, 100));
        PlainPanel p({100, 65});
        p.panel.setPicture(picture);
        const QImage& surface = p.panel.surfaceImage();
        for (int y = 0; y < 65; ++y)
            for (int x = 0; x < 100; ++x)
                QCOMPARE(surface.pixel(x, y), picture.pixel(x % 30, y % 30));
    }

    void edges_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("outerTopLeft");
        QTest::addColumn<QColor>("outerBottomRight");
        QTest::addColumn<QColor>("innerTopLeft");
        QTest::addColumn<QColor>("innerBottomRight");
        const QColor none(0, 255, 0);
        QTest::newRow("0 raised") << 0 << light3d << darkShadow3d << highlight3d << shadow3d;
        QTest::newRow("1 sunken") << 1 << shadow3d << highlight3d << darkShadow3d << light3d;
        QTest::newRow("2 etched") << 2 << shadow3d << highlight3d << highlight3d << shadow3d;
        QTest::newRow("3 bump") << 3 << light3d << darkShadow3d << darkShadow3d << light3d;
        QTest::newRow("4 soft raised") << 4 << highlight3d << shadow3d << none << none;
        QTest::newRow("5 soft sunken") << 5 << shadow3d << highlight3d << none << none;
        QTest::newRow("6 flat") << 6 << none << none << none << none;
        QTest::newRow("7 outside the enumeration") << 7 << none << none << none << none;
        QTest::newRow("-1 outside the enumeration") << -1 << none << none << none << none;
    }
    void edges()
    {
        QFETCH(int, style);
        QFETCH(QColor, outerTopLeft);
        QFETCH(QColor, outerBottomRight);
        QFETCH(QColor, innerTopLeft);
        QFETCH(QColor, innerBottomRight);
        PlainPanel p({20, 12}, 0x00FF00);
        QCOMPARE(p.panel.setBorderStyle(style), QorvPanel::PutResult::Ok);
        QCOMPARE(p.at(0, 0), outerTopLeft);
        QCOMPARE(p.at(5, 0), outerTopLeft);
        QCOMPARE(p.at(0, 5), outerTopLeft);
        QCOMPARE(p.at(19, 0), outerBottomRight);
        QCOMPARE(p.at(0, 11), outerBottomRight);
        QCOMPARE(p.at(5, 11), outerBottomRight);
        QCOMPARE(p.at(19, 5), outerBottomRight);
        QCOMPARE(p.at(5, 1), innerTopLeft);
        QCOMPARE(p.at(1, 5), innerTopLeft);
        QCOMPARE(p.at(5, 10), innerBottomRight);
        QCOMPARE(p.at(18, 5), innerBottomRight);
        QCOMPARE(p.at(18, 1), innerBottomRight);
        QCOMPARE(p.at(5, 5), QColor(0, 255, 0));
    }

    void measuringTextDropsMarkers()
    {
        QCOMPARE(qorvpanel::measuringText("&&A&b&"), QString("&Ab"));
        QCOMPARE(qorvpanel::measuringText("&File"), QString("File"));
        QCOMPARE(qorvpanel::measuringText("&"), QString());
    }

    void captionPositions_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("where"); // x and y rules
        QTest::newRow("0 left top") << 0 << "left top";
        QTest::newRow("1 center top") << 1 << "center top";
        QTest::newRow("2 right top") << 2 << "right top";
        QTest::newRow("3 left middle") << 3 << "left middle";
        QTest::newRow("4 center middle") << 4 << "center middle";
        QTest::newRow("5 right middle") << 5 << "right middle";
        QTest::newRow("6 left bottom") << 6 << "left bottom";
        QTest::newRow("7 center bottom") << 7 << "center bottom";
        QTest::newRow("8 right bottom") << 8 << "right bottom";
        QTest::newRow("9 outside: origin") << 9 << "origin origin";
        QTest::newRow("-3 outside: origin") << -3 << "origin origin";
    }
    void captionPositions()
    {
        QFETCH(int, align);
        QFETCH(QString, where);
        const QFont font = testFont(14);
        const QString caption = "HHH";
        const QFontMetricsF metrics(font);
        const int tw = qorvpanel::roundHalfEven(metrics.horizontalAdvance(caption));
        const int th = qorvpanel::roundHalfEven(metrics.height());
        const int sw = 201, sh = 101;
        const QMap<QString, int> xs = {{"left", 3},
                                       {"center", qorvpanel::roundHalfEven((sw - tw) / 2.0)},
                                       {"right", sw - tw - 3},
                                       {"origin", 0}};
        const QMap<QString, int> ys = {{"top", 2},
                                       {"middle", qorvpanel::roundHalfEven((sh - th) / 2.0)},
                                       {"bottom", sh - th - 2},
                                       {"origin", 0}};
        const QRect cell(xs[where.section(' ', 0, 0)], ys[where.section(' ', 1, 1)], tw, th);

        PlainPanel p({sw, sh});
        p.panel.setFont(font);
        p.panel.setCaptionAlign(align);
        p.panel.setCaption(caption);
        const QRect ink = inkBox(p.panel.surfaceImage(), qRgb(255, 255, 255));
        QVERIFY(!ink.isEmpty());
        QVERIFY2(cell.adjusted(-1, -1, 1, 1).contains(ink),
                 qPrintable(QString("ink %1,%2 %3x%4 outside cell %5,%6 %7x%8")
                                .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                                .arg(cell.x()).arg(cell.y()).arg(cell.width()).arg(cell.height())));
        QVERIFY(ink.left() - cell.left() <= 3);
    }

    void wideRightCaptionIsClippedAtLeft()
    {
        PlainPanel p({30, 30});
        p.panel.setFont(testFont(14));
        p.panel.setCaptionAlign(QorvPanel::CaptionRightTop);
        p.panel.setCaption("HHHHHHHHHH");
        const QRect ink = inkBox(p.panel.surfaceImage(), qRgb(255, 255, 255));
        QCOMPARE(ink.left(), 0);
        QVERIFY(ink.right() <= 27);
    }

    void emptyCaptionDrawsNothing()
    {
        PlainPanel p({60, 30});
        p.panel.setCaption("&");
        QCOMPARE(inkBox(p.panel.surfaceImage(), qRgb(255, 255, 255)), QRect());
    }

    void ampersandCaptionUnderlinesOnlyTheMarkedLetter()
    {
        const QFont font = testFont(20);
        PlainPanel marked({120, 40});
        marked.panel.setFont(font);
        marked.panel.setCaption("&&A&b&");
        PlainPanel plain({120, 40});
        plain.panel.setFont(font);
        plain.panel.setCaption("&&Ab");

        const QFontMetricsF metrics(font);
        const double bLeft = 3 + metrics.horizontalAdvance("&A");
        const double bRight = 3 + metrics.horizontalAdvance("&Ab");
        const double baseline = 2 + metrics.ascent();
        QRect difference;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x)
                if (marked.panel.surfaceImage().pixel(x, y) != plain.panel.surfaceImage().pixel(x, y))
                    difference |= QRect(x, y, 1, 1);
        QVERIFY(!difference.isEmpty());
        QVERIFY(difference.left() >= int(bLeft) - 1);
        QVERIFY(difference.right() <= int(bRight) + 1);
        QVERIFY(difference.top() >= int(baseline));
    }

    void disabledCaptionIsEmbossed()
    {
        PlainPanel p({160, 40}, 0x00FF00);
        p.panel.setFont(testFont(24, true));
        p.panel.setForeColor(0x0000FF);
        p.panel.setCaption("HIH");
        QVERIFY(hasPixel(p.panel.surfaceImage(), QColor(255, 0, 0)));
        p.panel.setEnabled(false);
        const QImage& surface = p.panel.surfaceImage();
        QVERIFY(!hasPixel(surface, QColor(255, 0, 0)));
        QVERIFY(hasPixel(surface, shadow3d));
        QVERIFY(hasPixel(surface, highlight3d));
        // The highlight copy lies one pixel down and right of the shadow copy.
        QRect highlightBox, shadowBox;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                if (surface.pixelColor(x, y) == highlight3d)
                    highlightBox |= QRect(x, y, 1, 1);
                if (surface.pixelColor(x, y) == shadow3d)
                    shadowBox |= QRect(x, y, 1, 1);
            }
        QCOMPARE(highlightBox.right(), shadowBox.right() + 1);
        QCOMPARE(highlightBox.bottom(), shadowBox.bottom() + 1);
    }

    void resizeRedrawsAndPaintOnlyShowsTheImage()
    {
        QorvPanel panel;
        panel.setBackColor(0x00FF00);
        panel.setBorderStyle(QorvPanel::Flat);
        panel.resize(80, 50);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.surfaceImage().size(), QSize(80, 50));
        const qint64 drawn = panel.surfaceImage().cacheKey();
        panel.repaint();
        QCOMPARE(panel.surfaceImage().cacheKey(), drawn);
        QCOMPARE(panel.grab().toImage().pixelColor(40, 25), QColor(0, 255, 0));
        panel.resize(120, 60);
        QTRY_COMPARE(panel.surfaceImage().size(), QSize(120, 60));
    }
};

QTEST_MAIN(tst_panelpainting)
#include "tst_panelpainting.moc"
