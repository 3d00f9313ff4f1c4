#include "propertybag.h"

#include <QFont>
#include <QImage>
#include <QTest>

using qorv::PropertyBag;

class tst_propertybag : public QObject {
    Q_OBJECT
private slots:
    void keysIgnoreCaseAndKeepWriteOrder()
    {
        PropertyBag bag;
        bag.set("borderstyle", 1);
        bag.set("Caption", QString("a"));
        bag.set("BorderStyle", 2);
        QCOMPARE(bag.keys(), QStringList({"BorderStyle", "Caption"}));
        QCOMPARE(bag.read("BORDERSTYLE", 0).toInt(), 2);
        QVERIFY(bag.contains("caption"));
        QCOMPARE(bag.read("missing", 42).toInt(), 42);
    }

    void writeSkipsDefaults()
    {
        PropertyBag bag;
        bag.write("Enabled", true, 1);
        bag.write("BorderStyle", 0, 0);
        bag.write("Picture", QVariant(), QVariant());
        QVERIFY(bag.keys().isEmpty());
        bag.write("Enabled", false, 1);
        QCOMPARE(bag.keys(), QStringList({"Enabled"}));
        bag.set("Caption", QString("kept"));
        bag.write("Caption", QString(), QString());
        QCOMPARE(bag.read("Caption", QString()).toString(), QString("kept"));
    }

    void roundTripKeepsTypesAndOrder()
    {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(qRgb(10, 20, 30));
        picture.setPixel(2, 1, qRgb(200, 100, 50));
        QFont font("DejaVu Sans", 11);
        font.setUnderline(true);

        PropertyBag bag;
        bag.set("BackColor", uint(0x8000000F));
        bag.set("BorderStyle", -5);
        bag.set("Enabled", false);
        bag.set("Caption", QString("line1\nline2 = \\ \r 中文"));
        bag.set("key=with\\odd", QString());
        bag.set("Font", font);
        bag.set("Picture", picture);

        const auto back = PropertyBag::deserialize(bag.serialize());
        QVERIFY(back);
        QCOMPARE(back->keys(), bag.keys());
        QCOMPARE(back->read("BackColor", {}).typeId(), int(QMetaType::UInt));
        QCOMPARE(back->read("BackColor", {}).toUInt(), 0x8000000Fu);
        QCOMPARE(back->read("BorderStyle", {}).toInt(), -5);
        QCOMPARE(back->read("Enabled", {}).typeId(), int(QMetaType::Bool));
        QCOMPARE(back->read("Caption", {}).toString(), bag.read("Caption", {}).toString());
        QCOMPARE(back->read("Font", {}).value<QFont>().toString(), font.toString());
        const QImage image = back->read("Picture", {}).value<QImage>();
        QCOMPARE(image.size(), QSize(3, 2));
        QCOMPARE(image.pixel(2, 1), qRgb(200, 100, 50));
        QCOMPARE(image.pixel(0, 0), qRgb(10, 20, 30));
    }

    void readsHandWrittenText()
    {
        const auto bag = PropertyBag::deserialize("# a panel\r\n\r\nborderstyle=int:1\r\n_extentx=int:2000\n"
                                                  "caption=string:a\\=b\n");
        QVERIFY(bag);
        QCOMPARE(bag->keys(), QStringList({"borderstyle", "_extentx", "caption"}));
        QCOMPARE(bag->read("Caption", {}).toString(), QString("a=b"));
    }

    void rejectsMalformed_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("no separator") << QByteArray("Caption");
        QTest::newRow("empty key") << QByteArray("=int:1");
        QTest::newRow("no type") << QByteArray("Caption=abc");
        QTest::newRow("unknown type") << QByteArray("Caption=float:1.5");
        QTest::newRow("int not a number") << QByteArray("BorderStyle=int:1x");
        QTest::newRow("int too large") << QByteArray("BorderStyle=int:99999999999999999999");
        QTest::newRow("uint negative") << QByteArray("BackColor=uint:-1");
        QTest::newRow("bool word") << QByteArray("Enabled=bool:yes");
        QTest::newRow("bad escape") << QByteArray("Caption=string:a\\qb");
        QTest::newRow("trailing backslash") << QByteArray("Caption=string:ab\\");
        QTest::newRow("escape in key") << QByteArray("Cap\\tion=int:1");
        QTest::newRow("duplicate key any case") << QByteArray("a=int:1\nA=int:2");
        QTest::newRow("picture not base64") << QByteArray("Picture=picture:!!!");
        QTest::newRow("picture not png") << QByteArray("Picture=picture:") + QByteArray("hello").toBase64();
        QTest::newRow("invalid utf-8") << QByteArray("Caption=string:\xff\xfe");
        QTest::newRow("nul bytes") << QByteArray("Caption=int:\0\0", 15);
    }
    void rejectsMalformed()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!PropertyBag::deserialize(text));
    }

    void survivesTruncationAtEveryByte()
    {
        QImage picture(4, 4, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        PropertyBag bag;
        bag.set("Caption", QString("éa\\b"));
        bag.set("Picture", picture);
        bag.set("Font", QFont("DejaVu Sans", 9));
        const QByteArray text = bag.serialize();
        int accepted = 0;
        for (int n = 0; n < text.size(); ++n) {
            if (PropertyBag::deserialize(text.left(n)))
                ++accepted;
        }
        QVERIFY(accepted > 0);
        QVERIFY(PropertyBag::deserialize(text));
    }
};

QTEST_MAIN(tst_propertybag)
#include "tst_propertybag.moc"
