#pragma once

#include <QFont>
#include <QString>

namespace qorv {

// What a host tells a control about itself: running or being designed,
// its font, and the name it gave the control instance.
struct AmbientProperties {
    bool userMode = true;
    QFont font;
    QString displayName;
};

} // namespace qorv
