#include "controlserver.h"

#include <QFileInfo>
#include <QLibrary>
#include <QWidget>

#include <dlfcn.h>

namespace qorv {

ControlFactory::~ControlFactory() = default;

int32_t registerServer(const ClassEntry& entryWithoutPath, const void* anyAddressInTheLibrary,
                       const QString& registryPath)
{
    Dl_info info{};
    if (dladdr(anyAddressInTheLibrary, &info) == 0 || info.dli_fname == nullptr)
        return HR_SELFREG_E_CLASS;
    ClassEntry entry = entryWithoutPath;
    entry.libraryPath = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    return ClassRegistry(registryPath).add(entry) ? HR_S_OK : HR_SELFREG_E_CLASS;
}

int32_t unregisterServer(const QString& clsid, const QString& registryPath)
{
    ClassRegistry registry(registryPath);
    if (!registry.byClsid(clsid))
        return HR_S_FALSE;
    return registry.remove(clsid) ? HR_S_OK : HR_SELFREG_E_CLASS;
}

QWidget* createControl(const QString& clsidOrProgId, QWidget* parent, QString* error,
                       const QString& registryPath)
{
    auto fail = [error](const QString& why) -> QWidget* {
        if (error)
            *error = why;
        return nullptr;
    };
    const ClassRegistry registry(registryPath);
    auto entry = registry.byClsid(clsidOrProgId);
    if (!entry)
        entry = registry.byProgId(clsidOrProgId);
    if (!entry)
        return fail(QStringLiteral("class not registered: %1").arg(clsidOrProgId));

    QLibrary library(entry->libraryPath);
    if (!library.load())
        return fail(library.errorString());
    auto getClassObject = reinterpret_cast<QorvDllGetClassObjectFn>(library.resolve("DllGetClassObject"));
    if (!getClassObject)
        return fail(QStringLiteral("%1 has no DllGetClassObject").arg(entry->libraryPath));

    const QByteArray clsid = entry->clsid.toLatin1();
    const QByteArray iid = entry->interfaceIds.value(0).toLatin1();
    void* factory = nullptr;
    const int32_t hr = getClassObject(clsid.constData(), iid.constData(), &factory);
    if (hr != HR_S_OK || factory == nullptr)
        return fail(QStringLiteral("DllGetClassObject failed for %1 (0x%2)")
                        .arg(entry->clsid)
                        .arg(quint32(hr), 8, 16, QLatin1Char('0')));
    QWidget* widget = static_cast<ControlFactory*>(factory)->createInstance(parent);
    if (!widget)
        return fail(QStringLiteral("the factory of %1 made no instance").arg(entry->clsid));
    return widget;
}

} // namespace qorv
