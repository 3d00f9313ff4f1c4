#pragma once

#include <QtCore/qglobal.h>

#if defined(VINDARO_LIBRARY)
#define VINDARO_EXPORT Q_DECL_EXPORT
#else
#define VINDARO_EXPORT Q_DECL_IMPORT
#endif
