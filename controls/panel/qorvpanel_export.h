#pragma once

#include <QtGlobal>

#if defined(QORVPANEL_LIBRARY)
#define QORVPANEL_EXPORT Q_DECL_EXPORT
#else
#define QORVPANEL_EXPORT Q_DECL_IMPORT
#endif
