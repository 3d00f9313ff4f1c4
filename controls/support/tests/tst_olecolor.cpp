#include "olecolor.h"

#include <QTest>

using qorv::OleColor;

class tst_olecolor : public QObject {
    Q_OBJECT
private slots:
    void toQColor_data()
    {
        QTest::addColumn<OleColor>("value");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("red in low byte") << OleColor(0x0000FF) << true << QColor(255, 0, 0);
        QTest::newRow("blue in third byte") << OleColor(0xFF0000) << true << QColor(0, 0, 255);
        QTest::newRow("grey 0x808080") << OleColor(0x808080) << true << QColor(128, 128, 128);
        QTest::newRow("button face") << OleColor(0x8000000F) << true << QColor(212, 208, 200);
        QTest::newRow("button shadow") << OleColor(0x80000010) << true << QColor(128, 128, 128);
        QTest::newRow("3-D highlight") << OleColor(0x80000014) << true << QColor(255, 255, 255);
        QTest::newRow("3-D dark shadow") << OleColor(0x80000015) << true << QColor(64, 64, 64);
        QTest::newRow("highlight") << OleColor(0x8000000D) << true << QColor(10, 36, 106);
        QTest::newRow("last system index") << OleColor(0x8000001E) << true << QColor(236, 233, 216);
        QTest::newRow("system index past the table") << OleColor(0x8000001F) << false << QColor();
        QTest::newRow("system index in upper bits") << OleColor(0x8001000F) << false << QColor();
        QTest::newRow("high byte 0x01") << OleColor(0x01000000) << false << QColor();
        QTest::newRow("high byte 0xFF") << OleColor(0xFFFFFFFF) << false << QColor();
    }
    void toQColor()
    {
        QFETCH(OleColor, value);
        QFETCH(bool, valid);
        QFETCH(QColor, expected);
        const auto color = qorv::toQColor(value);
        QCOMPARE(color.has_value(), valid);
        if (valid)
            QCOMPARE(*color, expected);
    }

    void systemFlag()
    {
        QVERIFY(qorv::isSystemColor(0x8000000F));
        QVERIFY(!qorv::isSystemColor(0x00FFFFFF));
        QVERIFY(!qorv::isSystemColor(0x0100000F));
    }

    void fromQColorPutsRedLow()
    {
        QCOMPARE(qorv::fromQColor(QColor(0x12, 0x34, 0x56)), OleColor(0x563412));
        QCOMPARE(qorv::fromQColor(*qorv::toQColor(0xE0E0E0)), OleColor(0xE0E0E0));
    }
};

QTEST_GUILESS_MAIN(tst_olecolor)
#include "tst_olecolor.moc"
