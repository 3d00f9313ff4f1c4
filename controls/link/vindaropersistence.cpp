#include "vindaro.h"

namespace {

const QString BackColorKey = QStringLiteral("BackColor");
const QString BorderStyleKey = QStringLiteral("BorderStyle");
const QString FontKey = QStringLiteral("Font");
const QString MouseIconKey = QStringLiteral("MouseIcon");
const QString MousePointerKey = QStringLiteral("MousePointer");
const QString LinkTextKey = QStringLiteral("LinkText");
const QString LinkColorKey = QStringLiteral("LinkColor");
const QString AutoSizeKey = QStringLiteral("AutoSize");
const QString LinkUnderlineKey = QStringLiteral("LinkUnderline");
const QString LinkTypeKey = QStringLiteral("LinkType");

constexpr short DefaultBorderStyle = 0;
constexpr short DefaultMousePointer = 0;
constexpr bool DefaultAutoSize = false;
constexpr bool DefaultLinkUnderline = true;
constexpr qint32 DefaultLinkType = 0;

} // namespace

void Vindaro::initProperties()
{
    m_font = m_ambient.font;
    m_linkText = DefaultLinkText;
    m_linkColor = DefaultLinkColor;
    m_linkUnderline = true;
    m_font.setUnderline(true);
    QWidget::setFont(m_font);
    m_linkType = enLinkType::mailto;
}

void Vindaro::writeProperties(qorv::PropertyBag& bag) const
{
    bag.write(BackColorKey, m_backColor, DefaultBackColor);
    bag.write(BorderStyleKey, int(m_borderStyle), int(DefaultBorderStyle));
    bag.write(FontKey, m_font, m_ambient.font);
    bag.write(MouseIconKey, m_mouseIcon, QImage());
    bag.write(MousePointerKey, int(m_mousePointer), int(DefaultMousePointer));
    bag.write(LinkTextKey, m_linkText, DefaultLinkText);
    bag.write(LinkColorKey, m_linkColor, DefaultLinkColor);
    bag.write(AutoSizeKey, m_autoSize, DefaultAutoSize);
    bag.write(LinkUnderlineKey, m_linkUnderline, DefaultLinkUnderline);
    bag.write(LinkTypeKey, qint32(m_linkType), DefaultLinkType);
}

void Vindaro::readProperties(const qorv::PropertyBag& bag)
{
    m_backColor = bag.read(BackColorKey, DefaultBackColor).toUInt();
    m_borderStyle = short(bag.read(BorderStyleKey, int(DefaultBorderStyle)).toInt());
    applyBorder();
    const QVariant font = bag.read(FontKey, m_ambient.font);
    m_font = font.canConvert<QFont>() ? font.value<QFont>() : m_ambient.font;
    QWidget::setFont(m_font);
    setMouseIcon(bag.read(MouseIconKey, QImage()).value<QImage>());
    m_mousePointer = short(bag.read(MousePointerKey, int(DefaultMousePointer)).toInt());
    applyPointer();
    m_linkText = bag.read(LinkTextKey, DefaultLinkText).toString();
    m_linkColor = bag.read(LinkColorKey, DefaultLinkColor).toUInt();
    m_autoSize = bag.read(AutoSizeKey, DefaultAutoSize).toBool();
    m_linkUnderline = bag.read(LinkUnderlineKey, DefaultLinkUnderline).toBool();
    m_linkType = enLinkType(bag.read(LinkTypeKey, DefaultLinkType).toInt());
}
