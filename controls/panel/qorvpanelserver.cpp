#include "qorvpanelserver.h"

#include "panelmetadata.h"
#include "qorvpanel.h"

namespace qorvpanel {

namespace {

class PanelFactory : public qorv::ControlFactory {
public:
    QWidget* createInstance(QWidget* parent) override { return new QorvPanel(parent); }
};

} // namespace

qorv::InstanceCounter& liveInstances()
{
    static qorv::InstanceCounter counter;
    return counter;
}

qorv::ClassEntry classEntry()
{
    qorv::ClassEntry e;
    e.clsid = ClassIdentity::clsid;
    e.progId = ClassIdentity::progId;
    e.className = "QorvPanel";
    e.typeLibId = ClassIdentity::typeLibId;
    e.typeLibName = ClassIdentity::typeLibHelpString;
    e.version = "1.0";
    e.interfaceIds = {ClassIdentity::dispatchInterfaceId, ClassIdentity::eventInterfaceId};
    return e;
}

} // namespace qorvpanel

extern "C" int32_t DllRegisterServer(void)
{
    return qorv::registerServer(qorvpanel::classEntry(), reinterpret_cast<const void*>(&DllRegisterServer));
}

extern "C" int32_t DllUnregisterServer(void)
{
    const int32_t result = qorv::unregisterServer(qorvpanel::ClassIdentity::clsid);
    return result == qorv::HR_S_FALSE ? qorv::HR_S_OK : result;
}

extern "C" int32_t DllGetClassObject(const char* clsid, const char* /*iid*/, void** factoryOut)
{
    if (factoryOut == nullptr)
        return qorv::HR_E_FAIL;
    *factoryOut = nullptr;
    if (clsid == nullptr
        || QString::fromLatin1(clsid).compare(qorvpanel::ClassIdentity::clsid, Qt::CaseInsensitive) != 0)
        return qorv::HR_CLASS_E_CLASSNOTAVAILABLE;
    static qorvpanel::PanelFactory factory;
    *factoryOut = static_cast<qorv::ControlFactory*>(&factory);
    return qorv::HR_S_OK;
}

extern "C" int32_t DllCanUnloadNow(void)
{
    return qorvpanel::liveInstances().canUnloadNow();
}
