#include <classregistry.h>
#include <controlserver.h>
#include <versioninfo.h>

#include <QFileInfo>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

class tst_VindaroServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registerCreateUnregisterRoundTrip();
    void unknownClassIsNotAvailable();
    void versionBlock();

private:
    template<typename Fn>
    Fn resolve(const char* name)
    {
        return reinterpret_cast<Fn>(m_library.resolve(name));
    }

    QTemporaryDir m_config;
    QLibrary m_library{QStringLiteral(VINDARO_LIBRARY_FILE)};
};

namespace {

const QString ProgId = QStringLiteral("VindaroOCX.Vindaro");

} // namespace

void tst_VindaroServer::initTestCase()
{
    QVERIFY(m_config.isValid());
    // The registry the exports write to is the default one; keep it here.
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    QVERIFY(qorv::ClassRegistry::defaultPath().startsWith(m_config.path()));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
}

void tst_VindaroServer::registerCreateUnregisterRoundTrip()
{
    const auto registerServer = resolve<QorvDllRegisterServerFn>("DllRegisterServer");
    const auto unregisterServer = resolve<QorvDllUnregisterServerFn>("DllUnregisterServer");
    const auto canUnloadNow = resolve<QorvDllCanUnloadNowFn>("DllCanUnloadNow");
    QVERIFY(registerServer && unregisterServer && canUnloadNow);

    QCOMPARE(registerServer(), int32_t(qorv::HR_S_OK));
    const auto entry = qorv::ClassRegistry().byProgId(ProgId);
    QVERIFY(entry.has_value());
    QCOMPARE(entry->className, QString("Vindaro"));
    QCOMPARE(entry->typeLibName, QString("VindaroOCX"));
    QCOMPARE(QFileInfo(entry->libraryPath).canonicalFilePath(),
             QFileInfo(QStringLiteral(VINDARO_LIBRARY_FILE)).canonicalFilePath());
    QVERIFY(qorv::ClassRegistry().byClsid(entry->clsid).has_value());

    QString error;
    std::unique_ptr<QWidget> control(qorv::createControl(ProgId, nullptr, &error));
    QVERIFY2(control, qPrintable(error));
    QCOMPARE(control->metaObject()->className(), "Vindaro");
    QVERIFY(control->setProperty("LinkText", QStringLiteral("www.example.com")));
    QCOMPARE(control->property("LinkText").toString(), QString("www.example.com"));
    QCOMPARE(canUnloadNow(), int32_t(qorv::HR_S_FALSE));
    control.reset();
    QCOMPARE(canUnloadNow(), int32_t(qorv::HR_S_OK));

    QCOMPARE(unregisterServer(), int32_t(qorv::HR_S_OK));
    QVERIFY(!qorv::ClassRegistry().byProgId(ProgId).has_value());
    QVERIFY(!qorv::createControl(ProgId, nullptr, &error));
}

void tst_VindaroServer::unknownClassIsNotAvailable()
{
    const auto getClassObject = resolve<QorvDllGetClassObjectFn>("DllGetClassObject");
    QVERIFY(getClassObject);
    void* factory = &m_config;

    QCOMPARE(getClassObject("{00000000-0000-0000-0000-000000000000}", "", &factory),
             int32_t(qorv::HR_CLASS_E_CLASSNOTAVAILABLE));
    QCOMPARE(factory, nullptr);
}

void tst_VindaroServer::versionBlock()
{
    using VersionInfoFn = const qorv::VersionInfo* (*)();
    const auto versionInfo = resolve<VersionInfoFn>("QorvVersionInfo");
    QVERIFY(versionInfo);
    const qorv::VersionInfo* info = versionInfo();

    QCOMPARE(info->fileVersion, QString("0.09"));
    QCOMPARE(info->productVersion, QString("0.09"));
    QCOMPARE(info->major, 0);
    QCOMPARE(info->minor, 9);
    QVERIFY(info->oleSelfRegister);
}

QTEST_MAIN(tst_VindaroServer)
#include "tst_vindaroserver.moc"
