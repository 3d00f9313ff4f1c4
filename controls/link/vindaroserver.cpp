// The four exports a host uses to register, create and unload Vindaro,
// and the library's version block.
#include "vindaro.h"

#include <classregistry.h>
#include <controlserver.h>
#include <versioninfo.h>

#include <QLatin1String>

namespace {

const char* const VindaroClassId = "{5B0C3E8A-7D21-4F6E-9A43-2C1D8E6F4B07}";
const char* const VindaroInterfaceId = "{5B0C3E8B-7D21-4F6E-9A43-2C1D8E6F4B07}";
const char* const VindaroEventsId = "{5B0C3E8C-7D21-4F6E-9A43-2C1D8E6F4B07}";
const char* const VindaroTypeLibId = "{5B0C3E8D-7D21-4F6E-9A43-2C1D8E6F4B07}";

qorv::InstanceCounter& liveInstances()
{
    static qorv::InstanceCounter counter;
    return counter;
}

// Keeps DllCanUnloadNow answering "not yet" while the instance lives.
class CountedVindaro : public Vindaro
{
public:
    using Vindaro::Vindaro;

private:
    qorv::InstanceCounter::Token m_token{liveInstances()};
};

class VindaroFactory : public qorv::ControlFactory
{
public:
    QWidget* createInstance(QWidget* parent) override { return new CountedVindaro(parent); }
};

qorv::ClassEntry vindaroClassEntry()
{
    qorv::ClassEntry entry;
    entry.clsid = QLatin1String(VindaroClassId);
    entry.progId = QStringLiteral("VindaroOCX.Vindaro");
    entry.className = QStringLiteral("Vindaro");
    entry.typeLibId = QLatin1String(VindaroTypeLibId);
    entry.typeLibName = QStringLiteral("VindaroOCX");
    entry.version = QStringLiteral("0.9");
    entry.interfaceIds = {QLatin1String(VindaroInterfaceId), QLatin1String(VindaroEventsId)};
    return entry;
}

bool isOurInterface(const char* iid)
{
    if (iid == nullptr || *iid == '\0')
        return true;
    const QString requested = QLatin1String(iid);
    return requested.compare(QLatin1String(VindaroInterfaceId), Qt::CaseInsensitive) == 0
        || requested.compare(QLatin1String(VindaroEventsId), Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" {

VINDARO_EXPORT int32_t DllRegisterServer(void)
{
    return qorv::registerServer(vindaroClassEntry(), reinterpret_cast<const void*>(&DllRegisterServer));
}

VINDARO_EXPORT int32_t DllUnregisterServer(void)
{
    return qorv::unregisterServer(QLatin1String(VindaroClassId));
}

VINDARO_EXPORT int32_t DllGetClassObject(const char* clsid, const char* iid, void** factoryOut)
{
    if (factoryOut == nullptr)
        return qorv::HR_E_FAIL;
    *factoryOut = nullptr;
    if (clsid == nullptr
        || QLatin1String(clsid).compare(QLatin1String(VindaroClassId), Qt::CaseInsensitive) != 0
        || !isOurInterface(iid))
        return qorv::HR_CLASS_E_CLASSNOTAVAILABLE;
    static VindaroFactory factory;
    *factoryOut = static_cast<qorv::ControlFactory*>(&factory);
    return qorv::HR_S_OK;
}

VINDARO_EXPORT int32_t DllCanUnloadNow(void)
{
    return liveInstances().canUnloadNow();
}

VINDARO_EXPORT const qorv::VersionInfo* QorvVersionInfo(void)
{
    static const qorv::VersionInfo info{
        .fileVersion = QStringLiteral("0.09"),
        .productVersion = QStringLiteral("0.09"),
        .productName = QStringLiteral("VindaroOCX"),
        .originalFilename = QStringLiteral("libVindaro.so"),
        .internalName = QStringLiteral("Vindaro"),
        .fileDescription = QStringLiteral("Vindaro hyperlink label control"),
        .comments = {},
        .companyName = {},
        .legalCopyright = {},
        .legalTrademarks = {},
        .major = 0,
        .minor = 9,
        .oleSelfRegister = true,
    };
    return &info;
}

} // extern "C"
