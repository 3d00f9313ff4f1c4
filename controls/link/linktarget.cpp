#include "linktarget.h"

namespace vindaro {

QString linkTargetOf(const QString& linkText)
{
    const bool mentionsMailto = linkText.contains(QLatin1String("mailto"), Qt::CaseInsensitive);
    if (!mentionsMailto && linkText.contains(QLatin1Char('@')))
        return QLatin1String("mailto:") + linkText;
    return linkText;
}

} // namespace vindaro
