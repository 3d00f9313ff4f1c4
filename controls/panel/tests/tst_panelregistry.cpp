#include "panelmetadata.h"
#include "qorvpanel.h"
#include "qorvpanelserver.h"

#include <classregistry.h>
#include <controlserver.h>

#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_panelregistry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Never the user's registry: a throwaway configuration folder.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QVERIFY(qorv::ClassRegistry::defaultPath().startsWith(m_config.path()));
    }

    void roundTripThroughTheFourExports()
    {
        QCOMPARE(DllRegisterServer(), int32_t(qorv::HR_S_OK));
        const qorv::ClassRegistry registry;
        const auto entry = registry.byProgId("QorvPanelControl.QorvPanel");
        QVERIFY(entry);
        QCOMPARE(entry->clsid, QString("{12462DDC-8E03-11D2-A423-F01654C10000}"));
        QCOMPARE(entry->interfaceIds,
                 QStringList({"{12462DDB-8E03-11D2-A423-F01654C10000}", "{12462DE0-8E03-11D2-A423-F01654C10000}"}));
        QCOMPARE(QFileInfo(entry->libraryPath).fileName(), QString("libQorvPanel.so"));
        QVERIFY(QLibrary(entry->libraryPath).load());

        QCOMPARE(DllCanUnloadNow(), int32_t(qorv::HR_S_OK));
        QString error;
        QWidget* widget = qorv::createControl("qorvpanelcontrol.qorvpanel", nullptr, &error);
        QVERIFY2(widget, qPrintable(error));
        QVERIFY(qobject_cast<QorvPanel*>(widget));
        QCOMPARE(DllCanUnloadNow(), int32_t(qorv::HR_S_FALSE));
        delete widget;
        QCOMPARE(DllCanUnloadNow(), int32_t(qorv::HR_S_OK));

        QCOMPARE(DllUnregisterServer(), int32_t(qorv::HR_S_OK));
        QVERIFY(!qorv::ClassRegistry().byClsid(qorvpanel::ClassIdentity::clsid));
        QVERIFY(!qorv::createControl(qorvpanel::ClassIdentity::clsid, nullptr, &error));
    }

    void getClassObject_data()
    {
        QTest::addColumn<QByteArray>("clsid");
        QTest::addColumn<int>("expected");
        QTest::newRow("panel class") << QByteArray("{12462DDC-8E03-11D2-A423-F01654C10000}") << int(qorv::HR_S_OK);
        QTest::newRow("lower case") << QByteArray("{12462ddc-8e03-11d2-a423-f01654c10000}") << int(qorv::HR_S_OK);
        QTest::newRow("interface id is no class") << QByteArray("{12462DDB-8E03-11D2-A423-F01654C10000}")
                                                  << int(qorv::HR_CLASS_E_CLASSNOTAVAILABLE);
        QTest::newRow("empty") << QByteArray("") << int(qorv::HR_CLASS_E_CLASSNOTAVAILABLE);
    }
    void getClassObject()
    {
        QFETCH(QByteArray, clsid);
        QFETCH(int, expected);
        void* factory = reinterpret_cast<void*>(1);
        QCOMPARE(int(DllGetClassObject(clsid.constData(), nullptr, &factory)), expected);
        QCOMPARE(factory != nullptr, expected == qorv::HR_S_OK);
        QCOMPARE(int(DllGetClassObject(clsid.constData(), nullptr, nullptr)), int(qorv::HR_E_FAIL));
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(tst_panelregistry)
#include "tst_panelregistry.moc"
