#include "qorvpanel.h"

#include <QTemporaryDir>
#include <QTest>

using qorv::PropertyBag;

namespace {

qorv::AmbientProperties runningHost(const QString& name = "QorvPanel1")
{
    qorv::AmbientProperties ambient;
    ambient.font = QFont("DejaVu Sans", 9);
    ambient.displayName = name;
    return ambient;
}

QImage filled(QColor color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

class tst_panelpersistence : public QObject {
    Q_OBJECT
private slots:
    void freshPanelSavesFontAndCaptionOnly()
    {
        QorvPanel panel(runningHost());
        QStringList notified;
        connect(&panel, &QorvPanel::propertyChanged, [&](const QString& name) { notified.append(name); });
        panel.initProperties();
        QVERIFY(notified.isEmpty());
        QCOMPARE(panel.caption(), QString("QorvPanel1"));
        QCOMPARE(panel.backColor(), qorv::OleColor(0x8000000F));
        QCOMPARE(panel.gradientColorStart(), qorv::OleColor(8421504));
        QCOMPARE(panel.gradientColorEnd(), qorv::OleColor(14737632));

        PropertyBag bag;
        panel.writeProperties(bag);
        QCOMPARE(bag.keys(), QStringList({"Font", "Caption"}));
        QCOMPARE(bag.read("Caption", {}).toString(), QString("QorvPanel1"));
    }

    void freshPanelLooksRaisedWithItsNameTopLeft()
    {
        QorvPanel panel(runningHost());
        panel.initProperties();
        panel.resize(120, 60);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QImage& surface = panel.surfaceImage();
        QCOMPARE(surface.pixelColor(0, 0), QColor(212, 208, 200));
        QCOMPARE(surface.pixelColor(1, 1), QColor(255, 255, 255));
        QCOMPARE(surface.pixelColor(119, 59), QColor(64, 64, 64));
        QCOMPARE(surface.pixelColor(100, 45), QColor(212, 208, 200));
        bool inkTopLeft = false;
        for (int y = 2; y < 20; ++y)
            for (int x = 3; x < 40; ++x)
                inkTopLeft |= surface.pixelColor(x, y) != QColor(212, 208, 200);
        QVERIFY(inkTopLeft);
    }

    void writesOnlyWhatDiffersInKeyOrder()
    {
        QorvPanel panel(runningHost());
        panel.initProperties();
        panel.setCaption(QString());
        panel.setEnabled(false);
        panel.setBorderStyle(7);
        panel.setGradientSens(1);
        panel.setToolTipText("tip");
        panel.setBackColor(0x123456);
        PropertyBag bag;
        panel.writeProperties(bag);
        QCOMPARE(bag.keys(), QStringList({"BackColor", "Enabled", "Font", "BorderStyle", "GradientSens", "ToolTipText"}));
        QCOMPARE(bag.read("Enabled", true).toBool(), false);

        panel.setEnabled(true);
        PropertyBag again;
        panel.writeProperties(again);
        QVERIFY(!again.contains("Enabled"));
    }

    void roundTripThroughText()
    {
        QorvPanel panel(runningHost());
        panel.initProperties();
        panel.setBorderStyle(7);
        panel.setCaptionAlign(9);
        panel.setForeColor(0x0000FF);
        panel.setGradientBackColor(true);
        panel.setGradientColorStart(0x8000000F);
        panel.setPicture(filled(Qt::blue));
        PropertyBag bag;
        panel.writeProperties(bag);
        const auto text = PropertyBag::deserialize(bag.serialize());
        QVERIFY(text);

        QorvPanel loaded(runningHost("other"));
        loaded.readProperties(*text);
        QCOMPARE(int(loaded.borderStyle()), 7);
        QCOMPARE(int(loaded.captionAlign()), 9);
        QCOMPARE(loaded.foreColor(), qorv::OleColor(0x0000FF));
        QVERIFY(loaded.gradientBackColor());
        QCOMPARE(loaded.gradientColorStart(), qorv::OleColor(0x8000000F));
        QCOMPARE(loaded.caption(), QString("QorvPanel1"));
        QCOMPARE(loaded.picture().pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(loaded.panelFont(), panel.panelFont());
    }

    void readsLowerCaseKeysAndConverts()
    {
        PropertyBag bag;
        bag.set("_extentx", 2000);
        bag.set("font", QFont("DejaVu Sans", 11));
        bag.set("borderstyle", 1);
        bag.set("backcolor", -2147483633); // 0x8000000F written as a signed 32-bit value
        bag.set("enabled", 0);
        bag.set("gradientbackcolor", 5);
        bag.set("captionalign", QString("3"));
        bag.set("gradientsens", 99999); // does not fit: keeps the default
        QorvPanel panel(runningHost());
        panel.readProperties(bag);
        QCOMPARE(int(panel.borderStyle()), 1);
        QCOMPARE(panel.backColor(), qorv::OleColor(0x8000000F));
        QVERIFY(!panel.isPanelEnabled());
        QVERIFY(panel.gradientBackColor());
        QCOMPARE(int(panel.captionAlign()), 3);
        QCOMPARE(int(panel.gradientSens()), 0);
        QCOMPARE(panel.panelFont().pointSize(), 11);
        QCOMPARE(panel.caption(), QString());
    }

    void loadedSunkenPanelPaintsOnResize()
    {
        PropertyBag bag;
        bag.set("font", QFont("DejaVu Sans", 9));
        bag.set("borderstyle", 1);
        QorvPanel panel(runningHost());
        panel.readProperties(bag);
        panel.resize(50, 30);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QImage& surface = panel.surfaceImage();
        QCOMPARE(surface.pixelColor(0, 0), QColor(128, 128, 128));
        QCOMPARE(surface.pixelColor(1, 1), QColor(64, 64, 64));
        QCOMPARE(surface.pixelColor(49, 29), QColor(255, 255, 255));
        for (int y = 2; y < 28; ++y)
            for (int x = 2; x < 48; ++x)
                QCOMPARE(surface.pixelColor(x, y), QColor(212, 208, 200));
    }

    void storedStepsDoNotRedraw()
    {
        QorvPanel panel(runningHost());
        panel.resize(40, 20);
        panel.DrawPanel();
        PropertyBag bag;
        bag.set("BorderStyle", 6);
        bag.set("GradientBackColor", true);
        bag.set("GradientColorStart", 0xFFu);
        bag.set("GradientColorEnd", 0xFFu);
        bag.set("BackColor", 0x00FF00u);
        panel.readProperties(bag);
        // BackColor's put redrew before the gradient was stored.
        QCOMPARE(panel.surfaceImage().pixelColor(20, 10), QColor(0, 255, 0));
        panel.DrawPanel();
        QCOMPARE(panel.surfaceImage().pixelColor(20, 10), QColor(255, 0, 0));
    }

    void addressWinsOverStoredPicture()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("blue.png");
        QVERIFY(filled(Qt::blue).save(file));
        PropertyBag bag;
        bag.set("picture", filled(Qt::red));
        bag.set("urlpicture", QUrl::fromLocalFile(file).toString());
        QorvPanel panel(runningHost());
        panel.readProperties(bag);
        QVERIFY(panel.picture().isNull());
        QTRY_VERIFY(!panel.picture().isNull());
        QCOMPARE(panel.picture().pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(panel.urlPicture(), QUrl::fromLocalFile(file).toString());
    }
};

QTEST_MAIN(tst_panelpersistence)
#include "tst_panelpersistence.moc"
