#pragma once

#include "vindaro_global.h"

#include <QString>

#include <span>

namespace vindaro {

// One member of the type library: a property of _Vindaro or an event of
// __Vindaro, with its dispatch id and help string (empty where it has none).
struct MemberInfo {
    const char* name;
    qint32 dispatchId;
    const char* helpString;
};

VINDARO_EXPORT std::span<const MemberInfo> propertyInfos();
VINDARO_EXPORT std::span<const MemberInfo> eventInfos();

// The help string of a property or event by its name; empty when it has none.
VINDARO_EXPORT QString helpStringOf(const QString& memberName);

} // namespace vindaro
