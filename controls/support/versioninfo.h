#pragma once

#include <QString>

namespace qorv {

// The version block of a control library, exported by each library as
// `extern "C" const qorv::VersionInfo* QorvVersionInfo(void)`.
struct VersionInfo {
    QString fileVersion;
    QString productVersion;
    QString productName;
    QString originalFilename;
    QString internalName;
    QString fileDescription;
    QString comments;
    QString companyName;
    QString legalCopyright;
    QString legalTrademarks;
    int major = 0;
    int minor = 0;
    bool oleSelfRegister = false;
};

} // namespace qorv
