#include "vindaro.h"

#include "hostinput.h"
#include "linktarget.h"
#include "mousepointer.h"
#include "twips.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// 2160 x 810 twips.
constexpr QSize DesignSize(144, 54);

QFont designFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(9);
    font.setUnderline(true);
    return font;
}

QColor colorOf(qorv::OleColor color, const QColor& fallback)
{
    return qorv::toQColor(color).value_or(fallback);
}

// The cells a text occupies when drawn at the top-left corner.
QRect textCellsOf(const QFont& font, const QString& text)
{
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(font);
    const QRect cells(0, 0, metrics.horizontalAdvance(text), metrics.height());
    return cells.united(metrics.boundingRect(text).translated(0, metrics.ascent()));
}

template<typename Step>
void runIgnoringFailure(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace

Vindaro::Vindaro(QWidget* parent, const qorv::AmbientProperties& ambient)
    : QWidget(parent)
    , m_ambient(ambient)
    , m_font(designFont())
    , m_linkOpener(vindaro::openWithXdgOpen)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QWidget::setFont(m_font);
    resize(DesignSize);
    growImageTo(textArea().size());
    RedrawLink();
}

void Vindaro::setAmbientProperties(const qorv::AmbientProperties& ambient)
{
    m_ambient = ambient;
}

void Vindaro::setLinkOpener(vindaro::LinkOpener opener)
{
    m_linkOpener = std::move(opener);
}

void Vindaro::setHyperlinkNavigator(vindaro::LinkOpener navigator)
{
    m_hyperlinkNavigator = std::move(navigator);
}

void Vindaro::notify(const QString& name)
{
    emit propertyChanged(name);
}

void Vindaro::setBackColor(qorv::OleColor New_BackColor)
{
    m_backColor = New_BackColor;
    update();
    notify(QStringLiteral("BackColor"));
}

void Vindaro::setBorderStyle(short New_BorderStyle)
{
    m_borderStyle = New_BorderStyle;
    applyBorder();
    notify(QStringLiteral("BorderStyle"));
}

void Vindaro::applyBorder()
{
    const int frame = m_borderStyle == FixedSingleBorder ? 1 : 0;
    setContentsMargins(frame, frame, frame, frame);
    update();
}

void Vindaro::setFont(const QFont& New_Font)
{
    m_font = New_Font;
    QWidget::setFont(m_font);
    notify(QStringLiteral("Font"));
}

qint32 Vindaro::hWnd() const
{
    return qint32(effectiveWinId());
}

void Vindaro::setMouseIcon(const QImage& New_MouseIcon)
{
    m_mouseIcon = New_MouseIcon;
    applyPointer();
    notify(QStringLiteral("MouseIcon"));
}

void Vindaro::setMousePointer(short New_MousePointer)
{
    m_mousePointer = New_MousePointer;
    applyPointer();
    notify(QStringLiteral("MousePointer"));
}

void Vindaro::applyPointer()
{
    if (const auto cursor = vindaro::cursorForPointer(m_mousePointer, m_mouseIcon))
        setCursor(*cursor);
    else
        unsetCursor();
}

void Vindaro::setLinkText(const QString& New_LinkText)
{
    m_linkText = New_LinkText;
    RedrawLink();
    notify(QStringLiteral("LinkText"));
}

void Vindaro::setLinkColor(qorv::OleColor New_LinkColor)
{
    m_linkColor = New_LinkColor;
    notify(QStringLiteral("LinkColor"));
}

void Vindaro::setAutoSize(bool New_AutoSize)
{
    m_autoSize = New_AutoSize;
    if (m_autoSize)
        sizeToMeasuredText();
    notify(QStringLiteral("AutoSize"));
}

void Vindaro::setLinkUnderline(bool New_LinkUnderline)
{
    m_linkUnderline = New_LinkUnderline;
    m_font.setUnderline(m_linkUnderline);
    QWidget::setFont(m_font);
    RedrawLink();
    notify(QStringLiteral("LinkUnderline"));
}

void Vindaro::setLinkType(enLinkType New_LinkType)
{
    m_linkType = New_LinkType;
    notify(QStringLiteral("LinkType"));
}

QRect Vindaro::textArea() const
{
    return contentsRect();
}

QSize Vindaro::measuredTextSize() const
{
    const QFontMetrics metrics(m_font);
    const QMargins margins = contentsMargins();
    return QSize(metrics.horizontalAdvance(m_measuredText) + margins.left() + margins.right(),
                 metrics.height() + margins.top() + margins.bottom());
}

void Vindaro::sizeToMeasuredText()
{
    resize(measuredTextSize());
}

QSize Vindaro::sizeHint() const
{
    return measuredTextSize();
}

void Vindaro::growImageTo(QSize size)
{
    if (size.width() <= m_image.width() && size.height() <= m_image.height())
        return;
    QImage grown(size.expandedTo(m_image.size()), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter(&grown).drawImage(0, 0, m_image);
    m_image = grown;
}

void Vindaro::RedrawLink()
{
    const QRect cells = textCellsOf(m_font, m_linkText);
    // The whole text goes into the image, so growing the control later, as
    // auto-size does below, shows all of it.
    growImageTo(QSize(cells.right() + 1, cells.bottom() + 1));
    QPainter painter(&m_image);
    // The whole of the old text goes, however wide its font drew it; the
    // back colour shows through where it was.
    if (!m_lastDrawnRect.isEmpty()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(m_lastDrawnRect, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.fillRect(cells, colorOf(m_backColor, palette().color(QPalette::Button)));
    painter.setFont(m_font);
    painter.setPen(colorOf(m_textColor, palette().color(QPalette::ButtonText)));
    painter.drawText(0, QFontMetrics(m_font).ascent(), m_linkText);
    painter.end();
    m_lastDrawnRect = cells;

    if (m_measuredText != m_linkText) {
        m_measuredText = m_linkText;
        // With auto-size off the control keeps the size its container gave it.
        if (m_autoSize)
            sizeToMeasuredText();
    }
    update();
}

void Vindaro::ApplyHoverColor()
{
    if (m_textColor == m_linkColor)
        return;
    m_savedNormalColor = m_textColor;
    m_textColor = m_linkColor;
}

void Vindaro::RestoreNormalColor()
{
    m_textColor = m_savedNormalColor;
}

void Vindaro::OpenLink()
{
    runIgnoringFailure([this] { emit Click(); });
    if (m_linkType == enLinkType::mailto) {
        const QString target = vindaro::linkTargetOf(m_linkText);
        if (!target.isEmpty() && m_linkOpener)
            runIgnoringFailure([&] { m_linkOpener(target); });
        return;
    }
    if (m_linkText.isEmpty())
        return;
    runIgnoringFailure([this] {
        if (m_hyperlinkNavigator)
            m_hyperlinkNavigator(m_linkText);
        else
            vindaro::openWithDesktopServices(m_linkText);
    });
}

void Vindaro::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colorOf(m_backColor, palette().color(QPalette::Button)));
    painter.drawImage(textArea().topLeft(), m_image);
    if (m_borderStyle == FixedSingleBorder) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Vindaro::resizeEvent(QResizeEvent*)
{
    growImageTo(textArea().size());
    emit Resize();
}

void Vindaro::showEvent(QShowEvent*)
{
    RedrawLink();
}

void Vindaro::mousePressEvent(QMouseEvent* event)
{
    m_pressedInside = rect().contains(event->position().toPoint());
    short button = qorv::buttonsOf(event->button());
    short shift = qorv::shiftOf(event->modifiers());
    float x = vindaro::toTwips(event->position().x());
    float y = vindaro::toTwips(event->position().y());
    emit MouseDown(button, shift, x, y);
}

void Vindaro::mouseReleaseEvent(QMouseEvent* event)
{
    short button = qorv::buttonsOf(event->button());
    short shift = qorv::shiftOf(event->modifiers());
    float x = vindaro::toTwips(event->position().x());
    float y = vindaro::toTwips(event->position().y());
    emit MouseUp(button, shift, x, y);
    const bool clicked = m_pressedInside && rect().contains(event->position().toPoint());
    m_pressedInside = false;
    if (clicked)
        OpenLink();
}

void Vindaro::mouseDoubleClickEvent(QMouseEvent*)
{
    // The release that follows ends the double-click, not another click.
    m_pressedInside = false;
    emit DblClick();
}

void Vindaro::mouseMoveEvent(QMouseEvent* event)
{
    // Holding the capture lets the move that leaves the control arrive here.
    if (isVisible() && QWidget::mouseGrabber() != this)
        grabMouse();
    short button = qorv::buttonsOf(event->buttons());
    short shift = qorv::shiftOf(event->modifiers());
    float x = vindaro::toTwips(event->position().x());
    float y = vindaro::toTwips(event->position().y());
    emit MouseMove(button, shift, x, y);

    const float width = vindaro::toTwips(this->width());
    const float height = vindaro::toTwips(this->height());
    if (x < 0 || y < 0 || x > width || y > height) {
        emit MouseLeave(button, shift, x, y);
        RestoreNormalColor();
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
    } else {
        ApplyHoverColor();
    }
    RedrawLink();
}

void Vindaro::keyPressEvent(QKeyEvent* event)
{
    short keyCode = qorv::keyCodeOf(event->key());
    short shift = qorv::shiftOf(event->modifiers());
    emit KeyDown(keyCode, shift);
    if (!event->text().isEmpty()) {
        short keyAscii = short(event->text().at(0).unicode());
        emit KeyPress(keyAscii);
    }
}

void Vindaro::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its KeyDown only; KeyUp comes once, on release.
    if (event->isAutoRepeat())
        return;
    short keyCode = qorv::keyCodeOf(event->key());
    short shift = qorv::shiftOf(event->modifiers());
    emit KeyUp(keyCode, shift);
}
