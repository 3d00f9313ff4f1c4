#pragma once

#include "qorvpanel_export.h"

#include <QList>
#include <QString>

#include <optional>

namespace qorvpanel {

// The identity of the panel class as hosts store it.
struct ClassIdentity {
    static constexpr const char* progId = "QorvPanelControl.QorvPanel";
    static constexpr const char* clsid = "{12462DDC-8E03-11D2-A423-F01654C10000}";
    static constexpr const char* dispatchInterfaceId = "{12462DDB-8E03-11D2-A423-F01654C10000}";
    static constexpr const char* eventInterfaceId = "{12462DE0-8E03-11D2-A423-F01654C10000}";
    static constexpr const char* typeLibId = "{31180C33-727D-11D2-A423-002654C10000}";
    static constexpr int typeLibLocale = 0x409;
    static constexpr const char* typeLibHelpString = "QorvPanel control ActiveX";
};

// One member of the panel's programming interface as property browsers and
// scripting hosts know it.
struct MemberInfo {
    QString name;
    qint32 dispatchId;
    QString helpText;
    QString category; // empty when the member has none
};

// Properties and the method ShowAboutBox, in the order of the interface.
QORVPANEL_EXPORT const QList<MemberInfo>& members();
QORVPANEL_EXPORT std::optional<MemberInfo> memberNamed(const QString& name);

} // namespace qorvpanel
