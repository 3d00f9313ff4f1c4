#pragma once

#include "qorvpanel_export.h"

#include <versioninfo.h>

// The version block of the QorvPanel library.
extern "C" QORVPANEL_EXPORT const qorv::VersionInfo* QorvVersionInfo(void);
