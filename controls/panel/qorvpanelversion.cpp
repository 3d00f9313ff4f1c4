#include "qorvpanelversion.h"

extern "C" const qorv::VersionInfo* QorvVersionInfo(void)
{
    static const qorv::VersionInfo info = [] {
        qorv::VersionInfo v;
        v.fileVersion = "1.00";
        v.productVersion = "1.00";
        v.productName = "QorvPanel.ocx";
        v.originalFilename = "QorvPanel.ocx";
        v.internalName = "QorvPanel";
        v.fileDescription = QString::fromUtf8("QorvPanel Contrôle ActiveX");
        v.comments = "QorvPanel Control V1.0";
        v.companyName = "Qorv";
        v.legalCopyright = QString::fromUtf8("Copyright © 1998 Qorv");
        v.legalTrademarks = "Qorv";
        v.major = 1;
        v.minor = 0;
        v.oleSelfRegister = true;
        return v;
    }();
    return &info;
}
