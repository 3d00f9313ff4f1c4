#pragma once

#include "classregistry.h"

#include <QString>

#include <atomic>
#include <cstdint>

class QWidget;

namespace qorv {

// Result codes of the four self-registration exports, with the values a
// COM host knows them by. Prefixed to stay clear of platform macros.
enum HResult : int32_t {
    HR_S_OK = 0,
    HR_S_FALSE = 1,
    HR_E_FAIL = int32_t(0x80004005),
    HR_CLASS_E_CLASSNOTAVAILABLE = int32_t(0x80040111),
    HR_SELFREG_E_CLASS = int32_t(0x80040201),
};

// What DllGetClassObject hands out: makes control instances. Owned by the
// control library.
class ControlFactory {
public:
    virtual ~ControlFactory();
    virtual QWidget* createInstance(QWidget* parent) = 0;
};

// Live control instances of one library; each library keeps its own.
class InstanceCounter {
public:
    // Held by every control instance for its lifetime.
    class Token {
    public:
        explicit Token(InstanceCounter& counter) : m_counter(counter) { ++m_counter.m_count; }
        ~Token() { --m_counter.m_count; }
        Token(const Token&) = delete;
        Token& operator=(const Token&) = delete;

    private:
        InstanceCounter& m_counter;
    };

    int count() const { return m_count.load(); }
    // HR_S_OK when no instance is alive, else HR_S_FALSE: DllCanUnloadNow.
    int32_t canUnloadNow() const { return count() == 0 ? HR_S_OK : HR_S_FALSE; }

private:
    std::atomic<int> m_count{0};
};

// Fills libraryPath with the file of the shared library that holds
// anyAddressInTheLibrary and adds the entry to the registry.
// HR_S_OK, or HR_SELFREG_E_CLASS when either step fails.
int32_t registerServer(const ClassEntry& entryWithoutPath, const void* anyAddressInTheLibrary,
                       const QString& registryPath = ClassRegistry::defaultPath());

// HR_S_OK when the class was removed, HR_S_FALSE when it was not registered.
int32_t unregisterServer(const QString& clsid,
                         const QString& registryPath = ClassRegistry::defaultPath());

// Host side: finds the class by class id or ProgID, loads its library,
// asks its DllGetClassObject for the factory and creates an instance.
// nullptr on failure, with the reason in *error when given.
QWidget* createControl(const QString& clsidOrProgId, QWidget* parent, QString* error = nullptr,
                       const QString& registryPath = ClassRegistry::defaultPath());

} // namespace qorv

// Signatures of the exports every control library provides with C linkage.
extern "C" {
using QorvDllRegisterServerFn = int32_t (*)(void);
using QorvDllUnregisterServerFn = int32_t (*)(void);
using QorvDllGetClassObjectFn = int32_t (*)(const char* clsid, const char* iid, void** factoryOut);
using QorvDllCanUnloadNowFn = int32_t (*)(void);
}
