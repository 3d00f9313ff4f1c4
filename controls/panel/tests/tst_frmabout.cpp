#include "frmabout.h"
#include "qorvpanel.h"
#include "qorvpanelversion.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_frmabout : public QObject {
    Q_OBJECT
private slots:
    void texts()
    {
        frmAbout box;
        QCOMPARE(box.windowTitle(), QString("About QorvPanel"));
        QCOMPARE(box.findChild<QLabel*>("lblControlInfo")->text(), QString("QorvPanel.ocx  V1.0"));
        const QString copyright = box.findChild<QLabel*>("lblcopyright")->text();
        QCOMPARE(copyright, QorvVersionInfo()->legalCopyright);
        QVERIFY(copyright.contains("1998"));
        QCOMPARE(box.findChild<QLabel*>("lblEmail")->text(), QString(frmAbout::makerEmail));
        QCOMPARE(box.findChild<QPushButton*>("cmdOk")->text(), QString("Ok"));
    }

    void versionBlock()
    {
        const qorv::VersionInfo* v = QorvVersionInfo();
        QCOMPARE(v->fileVersion, QString("1.00"));
        QCOMPARE(v->productVersion, QString("1.00"));
        QCOMPARE(v->originalFilename, QString("QorvPanel.ocx"));
        QCOMPARE(v->internalName, QString("QorvPanel"));
        QCOMPARE(v->fileDescription, QString::fromUtf8("QorvPanel Contrôle ActiveX"));
        QCOMPARE(v->major, 1);
        QCOMPARE(v->minor, 0);
        QVERIFY(v->oleSelfRegister);
    }

    void emailClickOpensNewMail()
    {
        QList<QUrl> opened;
        frmAbout::setMailOpener([&](const QUrl& url) { opened.append(url); });
        frmAbout box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(box.findChild<QLabel*>("lblEmail"), Qt::LeftButton, {}, {3, 3});
        frmAbout::setMailOpener({});
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].scheme(), QString("mailto"));
        QCOMPARE(opened[0].path(), QString(frmAbout::makerEmail));
    }

    void showAboutBoxIsModalAndReleasedOnOk()
    {
        QorvPanel panel;
        bool sawModalBox = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            sawModalBox = box != nullptr;
            if (box)
                QTest::mouseClick(box->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        });
        QTimer::singleShot(5000, [] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        panel.ShowAboutBox();
        QVERIFY(sawModalBox);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<frmAbout*>(w); }));
    }
};

QTEST_MAIN(tst_frmabout)
#include "tst_frmabout.moc"
