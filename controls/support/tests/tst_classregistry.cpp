#include "classregistry.h"
#include "controlserver.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using qorv::ClassEntry;
using qorv::ClassRegistry;

namespace {

ClassEntry sampleEntry()
{
    ClassEntry e;
    e.clsid = "{12462DDC-8E03-11D2-A423-F01654C10000}";
    e.progId = "Sample.Control";
    e.className = "Control";
    e.typeLibId = "{31180C33-727D-11D2-A423-002654C10000}";
    e.typeLibName = "Sample control";
    e.version = "1.0";
    e.libraryPath = "/opt/sample/libSample.so";
    e.interfaceIds = {"{12462DDB-8E03-11D2-A423-F01654C10000}", "{12462DE0-8E03-11D2-A423-F01654C10000}"};
    return e;
}

} // namespace

class tst_classregistry : public QObject {
    Q_OBJECT
private slots:
    void addFindRemove()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/classes.ini");
        ClassRegistry registry(path);
        QVERIFY(registry.add(sampleEntry()));

        QCOMPARE(ClassRegistry(path).byClsid("{12462ddc-8e03-11d2-a423-f01654c10000}"), sampleEntry());
        QCOMPARE(ClassRegistry(path).byProgId("sample.control"), sampleEntry());
        QCOMPARE(ClassRegistry(path).entries().size(), 1);

        ClassEntry changed = sampleEntry();
        changed.libraryPath = "/elsewhere/libSample.so";
        QVERIFY(registry.add(changed));
        QCOMPARE(registry.entries(), QList<ClassEntry>{changed});

        QVERIFY(registry.remove(changed.clsid));
        QVERIFY(!registry.byClsid(changed.clsid));
        QVERIFY(!registry.byProgId(changed.progId));
        QVERIFY(!registry.remove(changed.clsid));
    }

    void rejectsEntryWithoutClassId()
    {
        QTemporaryDir dir;
        ClassRegistry registry(dir.filePath("classes.ini"));
        ClassEntry e = sampleEntry();
        e.clsid = "{}";
        QVERIFY(!registry.add(e));
        QVERIFY(registry.entries().isEmpty());
    }

    void defaultPathFollowsConfigHome()
    {
        QVERIFY(ClassRegistry::defaultPath().endsWith("/qorv/classes.ini"));
        const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
        if (!configHome.isEmpty())
            QVERIFY(ClassRegistry::defaultPath().startsWith(QString::fromLocal8Bit(configHome)));
    }

    void registerServerFindsOwnFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("classes.ini");
        ClassEntry e = sampleEntry();
        e.libraryPath.clear();
        static int anchor = 0;
        QCOMPARE(qorv::registerServer(e, &anchor, path), int32_t(qorv::HR_S_OK));
        const auto stored = ClassRegistry(path).byClsid(e.clsid);
        QVERIFY(stored);
        QCOMPARE(QFileInfo(stored->libraryPath).canonicalFilePath(),
                 QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());

        QCOMPARE(qorv::unregisterServer(e.clsid, path), int32_t(qorv::HR_S_OK));
        QCOMPARE(qorv::unregisterServer(e.clsid, path), int32_t(qorv::HR_S_FALSE));
    }

    void createControlReportsUnknownClass()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!qorv::createControl("No.Such", nullptr, &error, dir.filePath("classes.ini")));
        QVERIFY(error.contains("No.Such"));
    }

    void instanceCounter()
    {
        qorv::InstanceCounter counter;
        QCOMPARE(counter.canUnloadNow(), int32_t(qorv::HR_S_OK));
        {
            qorv::InstanceCounter::Token a(counter), b(counter);
            QCOMPARE(counter.count(), 2);
            QCOMPARE(counter.canUnloadNow(), int32_t(qorv::HR_S_FALSE));
        }
        QCOMPARE(counter.canUnloadNow(), int32_t(qorv::HR_S_OK));
    }
};

QTEST_GUILESS_MAIN(tst_classregistry)
#include "tst_classregistry.moc"
