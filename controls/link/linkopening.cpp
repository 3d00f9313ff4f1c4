#include "linkopening.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace vindaro {

void openWithXdgOpen(const QString& target)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {target});
}

void openWithDesktopServices(const QString& target)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

} // namespace vindaro
