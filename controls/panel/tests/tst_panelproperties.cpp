#include "panelmetadata.h"
#include "qorvpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// A control placed inside a panel that logs what the panel does to it.
class LoggingControl : public QWidget {
    Q_OBJECT
public:
    LoggingControl(QWidget* parent, QStringList& log)
        : QWidget(parent)
        , m_log(log)
    {
    }

public slots:
    void Refresh() { m_log.append("refresh"); }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            m_log.append(isEnabled() ? "child enabled" : "child disabled");
        QWidget::changeEvent(event);
    }

private:
    QStringList& m_log;
};

struct LoggedPanel {
    LoggedPanel()
    {
        panel.resize(60, 30);
        panel.setBorderStyle(QorvPanel::Flat);
        panel.setCaption(QString());
        child = new LoggingControl(&panel, log);
        QObject::connect(&panel, &QorvPanel::propertyChanged, [this](const QString& name) {
            log.append("notify " + name + (drawnSince() ? " after redraw" : ""));
            drawnAt = panel.surfaceImage().cacheKey();
        });
        log.clear();
        drawnAt = panel.surfaceImage().cacheKey();
    }
    bool drawnSince() const { return panel.surfaceImage().cacheKey() != drawnAt; }

    QorvPanel panel;
    LoggingControl* child = nullptr;
    QStringList log;
    qint64 drawnAt = 0;
};

struct MouseLog {
    explicit MouseLog(QorvPanel& panel)
    {
        auto record = [this](const char* name) {
            return [this, name](short& button, short& shift, float& x, float& y) {
                log.append(QString("%1 %2 %3 %4,%5").arg(name).arg(button).arg(shift).arg(x).arg(y));
            };
        };
        QObject::connect(&panel, &QorvPanel::MouseDown, record("MouseDown"));
        QObject::connect(&panel, &QorvPanel::MouseUp, record("MouseUp"));
        QObject::connect(&panel, &QorvPanel::Click, [this] { log.append("Click"); });
        QObject::connect(&panel, &QorvPanel::DblClick, [this] { log.append("DblClick"); });
    }
    QStringList log;
};

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers mods = {})
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, mods);
    QApplication::sendEvent(w, &event);
}

} // namespace

class tst_panelproperties : public QObject {
    Q_OBJECT
private slots:
    void putStepOrder_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QStringList>("expected");
        const QStringList withRefresh = {"notify %1 after redraw", "refresh"};
        const QStringList plain = {"notify %1 after redraw"};
        QTest::newRow("Caption") << "Caption" << QVariant("x") << plain;
        QTest::newRow("CaptionAlign") << "CaptionAlign" << QVariant(4) << plain;
        QTest::newRow("BackColor") << "BackColor" << QVariant(0x00FF00u) << withRefresh;
        QTest::newRow("ForeColor") << "ForeColor" << QVariant(0x0000FFu) << plain;
        QTest::newRow("Font") << "Font" << QVariant(QFont("DejaVu Sans", 20)) << plain;
        QTest::newRow("BorderStyle") << "BorderStyle" << QVariant(1) << plain;
        QTest::newRow("GradientBackColor") << "GradientBackColor" << QVariant(true) << withRefresh;
        QTest::newRow("GradientColorStart") << "GradientColorStart" << QVariant(0x112233u) << withRefresh;
        QTest::newRow("GradientColorEnd") << "GradientColorEnd" << QVariant(0x112233u) << withRefresh;
        QTest::newRow("GradientSens") << "GradientSens" << QVariant(1) << withRefresh;
        QTest::newRow("Enabled") << "Enabled" << QVariant(false)
                                 << QStringList{"child disabled", "notify %1 after redraw"};
        QTest::newRow("ToolTipText, no redraw") << "ToolTipText" << QVariant("tip")
                                                << QStringList{"notify %1"};
    }
    void putStepOrder()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QStringList, expected);
        LoggedPanel p;
        QVERIFY(p.panel.setProperty(property.toLatin1(), value));
        for (QString& line : expected)
            line = line.arg(property);
        QCOMPARE(p.log, expected);
    }

    void pictureWalksChildrenAfterNotify()
    {
        LoggedPanel p;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        p.panel.setPicture(picture);
        QCOMPARE(p.log, QStringList({"notify Picture after redraw", "refresh"}));
        QCOMPARE(p.panel.picture(), picture);
    }

    void captionGoesToLabel1()
    {
        QorvPanel panel;
        panel.setCaption("&Hello");
        auto* label1 = panel.findChild<QLabel*>("QorvPanel.Label1");
        QVERIFY(label1);
        QCOMPARE(label1->text(), QString("&Hello"));
        QVERIFY(!label1->isVisible());
    }

    void sixteenBitPuts_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("overflow");
        QTest::newRow("BorderStyle 32767") << "BorderStyle" << 32767 << true << false;
        QTest::newRow("BorderStyle -32768") << "BorderStyle" << -32768 << true << false;
        QTest::newRow("BorderStyle 7 kept") << "BorderStyle" << 7 << true << false;
        QTest::newRow("BorderStyle 32768") << "BorderStyle" << 32768 << false << true;
        QTest::newRow("CaptionAlign 9 kept") << "CaptionAlign" << 9 << true << false;
        QTest::newRow("CaptionAlign -32769") << "CaptionAlign" << -32769 << false << true;
        QTest::newRow("GradientSens 2 kept") << "GradientSens" << 2 << true << false;
        QTest::newRow("GradientSens 70000 ignored") << "GradientSens" << 70000 << false << false;
    }
    void sixteenBitPuts()
    {
        QFETCH(QString, property);
        QFETCH(int, value);
        QFETCH(bool, stored);
        QFETCH(bool, overflow);
        QorvPanel panel;
        QStringList notified;
        connect(&panel, &QorvPanel::propertyChanged, [&](const QString& name) { notified.append(name); });
        QorvPanel::PutResult result = QorvPanel::PutResult::Ok;
        if (property == "BorderStyle")
            result = panel.setBorderStyle(value);
        else if (property == "CaptionAlign")
            result = panel.setCaptionAlign(value);
        else
            panel.setGradientSens(value);
        QCOMPARE(result, overflow ? QorvPanel::PutResult::Overflow : QorvPanel::PutResult::Ok);
        QCOMPARE(panel.property(property.toLatin1()).toInt(), stored ? value : 0);
        QCOMPARE(notified, stored ? QStringList{property} : QStringList{});
    }

    void invalidBackColorIsStoredButNotApplied()
    {
        LoggedPanel p;
        p.panel.setBackColor(0x00FF00);
        p.log.clear();
        p.drawnAt = p.panel.surfaceImage().cacheKey();
        p.panel.setBackColor(0x01000000);
        QCOMPARE(p.panel.backColor(), qorv::OleColor(0x01000000));
        QVERIFY(p.log.isEmpty());
        QVERIFY(!p.drawnSince());
        p.panel.setCaptionAlign(1);
        QCOMPARE(p.panel.surfaceImage().pixelColor(30, 15), QColor(0, 255, 0));
    }

    void invalidForeColorFailsAfterStoring()
    {
        LoggedPanel p;
        QCOMPARE(p.panel.setForeColor(0x80000050), QorvPanel::PutResult::InvalidPropertyValue);
        QCOMPARE(p.panel.foreColor(), qorv::OleColor(0x80000050));
        QVERIFY(p.log.isEmpty());
        QVERIFY(!p.drawnSince());
    }

    void enabledWalksContainedControlsOnly()
    {
        QorvPanel panel;
        auto* edit = new QLineEdit(&panel);
        panel.setEnabled(false);
        QVERIFY(!panel.isPanelEnabled());
        QVERIFY(!edit->isEnabled());
        QVERIFY(panel.QWidget::isEnabled());
        panel.setEnabled(true);
        QVERIFY(edit->isEnabled());
    }

    void hostHandles()
    {
        QorvPanel panel;
        panel.resize(10, 10);
        panel.DrawPanel();
        QVERIFY(panel.hdc() != 0);
        QCOMPARE(panel.hwnd(), qint32(quint32(panel.winId())));
    }

    void metadataForHosts()
    {
        QCOMPARE(qorvpanel::members().size(), 17);
        const auto caption = qorvpanel::memberNamed("Caption");
        QVERIFY(caption);
        QCOMPARE(caption->dispatchId, -518);
        QCOMPARE(caption->category, QString("Apparence"));
        QCOMPARE(qorvpanel::memberNamed("URLPicture")->helpText, QString::fromUtf8("Renvoie ou définit l'image à téléchargé."));
        QCOMPARE(qorvpanel::memberNamed("ShowAboutBox")->dispatchId, -552);
        QCOMPARE(qorvpanel::memberNamed("hwnd")->dispatchId, 0x68030002);
        // Every property listed is a property of the widget.
        for (const auto& m : qorvpanel::members())
            QVERIFY2(m.name == "ShowAboutBox" || QorvPanel::staticMetaObject.indexOfProperty(m.name.toLatin1()) >= 0,
                     qPrintable(m.name));
    }

    void leftClick()
    {
        QorvPanel panel;
        MouseLog m(panel);
        send(&panel, QEvent::MouseButtonPress, Qt::LeftButton, {5, 7}, Qt::ShiftModifier);
        send(&panel, QEvent::MouseButtonRelease, Qt::LeftButton, {6, 8});
        QCOMPARE(m.log, QStringList({"MouseDown 1 1 5,7", "MouseUp 1 0 6,8", "Click"}));
    }

    void rightClickRaisesNoClick()
    {
        QorvPanel panel;
        MouseLog m(panel);
        send(&panel, QEvent::MouseButtonPress, Qt::RightButton, {1, 2}, Qt::ControlModifier | Qt::AltModifier);
        send(&panel, QEvent::MouseButtonRelease, Qt::RightButton, {1, 2});
        QCOMPARE(m.log, QStringList({"MouseDown 2 6 1,2", "MouseUp 2 0 1,2"}));
    }

    void doubleClickRaisesClickAfterEachRelease()
    {
        QorvPanel panel;
        MouseLog m(panel);
        send(&panel, QEvent::MouseButtonPress, Qt::LeftButton, {3, 3});
        send(&panel, QEvent::MouseButtonRelease, Qt::LeftButton, {3, 3});
        send(&panel, QEvent::MouseButtonPress, Qt::LeftButton, {3, 3});
        send(&panel, QEvent::MouseButtonDblClick, Qt::LeftButton, {3, 3});
        send(&panel, QEvent::MouseButtonRelease, Qt::LeftButton, {3, 3});
        QCOMPARE(m.log, QStringList({"MouseDown 1 0 3,3", "MouseUp 1 0 3,3", "Click", "MouseDown 1 0 3,3",
                                     "DblClick", "MouseUp 1 0 3,3", "Click"}));
    }

    void mouseUpHandlerCanSuppressClick()
    {
        QorvPanel panel;
        MouseLog m(panel);
        connect(&panel, &QorvPanel::MouseUp, [](short& button, short&, float&, float&) { button = 0; });
        send(&panel, QEvent::MouseButtonPress, Qt::LeftButton, {1, 1});
        send(&panel, QEvent::MouseButtonRelease, Qt::LeftButton, {1, 1});
        QVERIFY(!m.log.contains("Click"));
    }

    void disabledPanelStillRaisesMouseEvents()
    {
        QorvPanel panel;
        panel.setEnabled(false);
        panel.resize(40, 40);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        MouseLog m(panel);
        QTest::mouseClick(&panel, Qt::LeftButton, {}, {10, 10});
        QCOMPARE(m.log, QStringList({"MouseDown 1 0 10,10", "MouseUp 1 0 10,10", "Click"}));
    }
};

QTEST_MAIN(tst_panelproperties)
#include "tst_panelproperties.moc"
