#pragma once

#include "qorvpanel_export.h"

#include <controlserver.h>

#include <cstdint>

namespace qorvpanel {

// Panels alive in this library; DllCanUnloadNow answers from it.
qorv::InstanceCounter& liveInstances();

// The registry entry of the panel class, without the library path.
QORVPANEL_EXPORT qorv::ClassEntry classEntry();

} // namespace qorvpanel

// Self-registration of the library as a control server.
extern "C" {
QORVPANEL_EXPORT int32_t DllRegisterServer(void);
QORVPANEL_EXPORT int32_t DllUnregisterServer(void);
QORVPANEL_EXPORT int32_t DllGetClassObject(const char* clsid, const char* iid, void** factoryOut);
QORVPANEL_EXPORT int32_t DllCanUnloadNow(void);
}
