#pragma once

#include "vindaro_global.h"

#include <QString>

namespace vindaro {

// What a click with link type mailto opens: an address with "@" gets
// "mailto:" in front unless the text mentions "mailto" anywhere, in any case.
VINDARO_EXPORT QString linkTargetOf(const QString& linkText);

} // namespace vindaro
