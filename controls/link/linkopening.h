#pragma once

#include "vindaro_global.h"

#include <QString>

#include <functional>

namespace vindaro {

// Receives the target of a click. Openers hand the target over as one
// argument and never through a shell, so no link text can run a command.
using LinkOpener = std::function<void(const QString& target)>;

// Hands the target to the desktop's "xdg-open", the counterpart of the
// system's "start" command.
VINDARO_EXPORT void openWithXdgOpen(const QString& target);

// Navigation for hosts without a hyperlink handler of their own.
VINDARO_EXPORT void openWithDesktopServices(const QString& target);

} // namespace vindaro
