#include "qorvpanel.h"

#include "hostinput.h"

#include "frmabout.h"
#include "panelpainting.h"
#include "panelwindowhook.h"
#include "qorvpanelserver.h"
#include "sharedtooltip.h"
#include "urlpicturereader.h"

#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <limits>
#include <optional>

namespace {

constexpr qorv::OleColor defaultBackColor = 0x8000000F;
constexpr qorv::OleColor defaultForeColor = 0;
constexpr qorv::OleColor defaultGradientColorStart = 0x808080;
constexpr qorv::OleColor defaultGradientColorEnd = 0xE0E0E0;

bool fitsIn16Bits(int value)
{
    return value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
}

// Conversions of stored values to the property types. A value that does not
// convert leaves the property as it is.

std::optional<double> numberOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        bool ok = false;
        const double n = text.toDouble(&ok);
        if (ok)
            return n;
        if (text.compare("True", Qt::CaseInsensitive) == 0)
            return -1.0;
        if (text.compare("False", Qt::CaseInsensitive) == 0)
            return 0.0;
        return std::nullopt;
    }
    default: {
        bool ok = false;
        const double n = value.toDouble(&ok);
        return ok ? std::optional<double>(n) : std::nullopt;
    }
    }
}

std::optional<qint16> int16Of(const QVariant& value)
{
    const auto n = numberOf(value);
    if (!n || *n < -32768.5 || *n > 32767.5)
        return std::nullopt;
    const int whole = qorvpanel::roundHalfEven(*n);
    return fitsIn16Bits(whole) ? std::optional<qint16>(qint16(whole)) : std::nullopt;
}

std::optional<qorv::OleColor> colorOf(const QVariant& value)
{
    const auto n = numberOf(value);
    if (!n || *n < double(std::numeric_limits<qint32>::min()) || *n > double(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return qorv::OleColor(qint64(std::nearbyint(*n)));
}

std::optional<bool> boolOf(const QVariant& value)
{
    const auto n = numberOf(value);
    return n ? std::optional<bool>(*n != 0) : std::nullopt;
}

std::optional<QString> textOf(const QVariant& value)
{
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

std::optional<QFont> fontOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QFont)
        return value.value<QFont>();
    QFont font;
    if (value.typeId() == QMetaType::QString && font.fromString(value.toString()))
        return font;
    return std::nullopt;
}

std::optional<QImage> pictureOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QImage)
        return value.value<QImage>();
    if (value.typeId() == QMetaType::QPixmap)
        return value.value<QPixmap>().toImage();
    return std::nullopt;
}

} // namespace

QorvPanel::QorvPanel(QWidget* parent)
    : QorvPanel(qorv::AmbientProperties{}, parent)
{
}

QorvPanel::QorvPanel(const qorv::AmbientProperties& ambient, QWidget* parent)
    : QWidget(parent)
    , m_instanceToken(qorvpanel::liveInstances())
    , m_ambient(ambient)
    , m_font(ambient.font)
    , m_surfaceBackColor(*qorv::toQColor(defaultBackColor))
    , m_surfaceForeColor(Qt::black)
    , m_surfaceFont(QWidget::font())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);

    m_label1 = new QLabel(this);
    // Named apart from the host's own controls, which often include a Label1.
    m_label1->setObjectName("QorvPanel.Label1");
    m_label1->setAttribute(Qt::WA_TranslucentBackground);
    m_label1->hide();
    m_label1->move(-20, -20);

    m_pictureReader = new qorvpanel::UrlPictureReader(this);
    connect(m_pictureReader, &qorvpanel::UrlPictureReader::finished, this, &QorvPanel::onPictureRead);
}

QorvPanel::~QorvPanel()
{
    if (!m_joinedToolTip)
        return;
    qorvpanel::SharedToolTip::removeTool(this);
    UnsubclassWindow();
    qorvpanel::SharedToolTip::removePanel();
}

void QorvPanel::setAmbientProperties(const qorv::AmbientProperties& ambient)
{
    m_ambient = ambient;
}

void QorvPanel::initProperties()
{
    m_backColor = defaultBackColor;
    m_foreColor = defaultForeColor;
    m_enabled = true;
    m_font = m_ambient.font;
    m_borderStyle = Raised;
    m_caption = m_ambient.displayName;
    m_captionAlign = CaptionLeftTop;
    m_picture = QImage();
    m_tile = QImage();
    m_gradientBackColor = false;
    m_gradientColorStart = defaultGradientColorStart;
    m_gradientColorEnd = defaultGradientColorEnd;
    m_gradientSens = Horizontal;
    m_toolTipText.clear();
    m_urlPicture.clear();
}

void QorvPanel::readProperties(const qorv::PropertyBag& bag)
{
    const auto address = textOf(bag.read("URLPicture", QString()));
    if (address && !address->isEmpty()) {
        setURLPicture(*address);
    } else if (const auto stored = pictureOf(bag.read("Picture", QVariant())); stored && !stored->isNull()) {
        setPicture(*stored);
    }
    if (const auto v = colorOf(bag.read("BackColor", uint(defaultBackColor))))
        setBackColor(*v);
    if (const auto v = colorOf(bag.read("ForeColor", uint(defaultForeColor))))
        setForeColor(*v);
    if (const auto v = boolOf(bag.read("Enabled", 1)))
        setEnabled(*v);
    if (const auto v = fontOf(bag.read("Font", m_ambient.font)))
        setFont(*v);
    if (const auto v = int16Of(bag.read("BorderStyle", 0)))
        m_borderStyle = *v;
    if (const auto v = textOf(bag.read("Caption", QString()))) {
        m_caption = *v;
        m_label1->setText(m_caption);
        m_label1->adjustSize();
    }
    if (const auto v = int16Of(bag.read("CaptionAlign", 0)))
        m_captionAlign = *v;
    if (const auto v = boolOf(bag.read("GradientBackColor", 0)))
        m_gradientBackColor = *v;
    if (const auto v = colorOf(bag.read("GradientColorStart", uint(defaultGradientColorStart))))
        m_gradientColorStart = *v;
    if (const auto v = colorOf(bag.read("GradientColorEnd", uint(defaultGradientColorEnd))))
        m_gradientColorEnd = *v;
    if (const auto v = int16Of(bag.read("GradientSens", 0)))
        m_gradientSens = *v;
    if (const auto v = textOf(bag.read("ToolTipText", QString())))
        setToolTipText(*v);
    InitToolTip();
}

void QorvPanel::writeProperties(qorv::PropertyBag& bag) const
{
    bag.write("BackColor", uint(m_backColor), uint(defaultBackColor));
    bag.write("ForeColor", uint(m_foreColor), uint(defaultForeColor));
    bag.write("Enabled", m_enabled, true);
    // Font objects compare by identity, and the ambient font is always
    // another object, so the font is always stored.
    bag.write("Font", m_font, QVariant());
    bag.write("BorderStyle", int(m_borderStyle), 0);
    bag.write("Caption", m_caption, QString());
    bag.write("CaptionAlign", int(m_captionAlign), 0);
    bag.write("Picture", m_picture.isNull() ? QVariant() : QVariant(m_picture), QVariant());
    bag.write("GradientBackColor", m_gradientBackColor, false);
    bag.write("GradientColorStart", uint(m_gradientColorStart), uint(defaultGradientColorStart));
    bag.write("GradientColorEnd", uint(m_gradientColorEnd), uint(defaultGradientColorEnd));
    bag.write("GradientSens", int(m_gradientSens), 0);
    bag.write("ToolTipText", m_toolTipText, QString());
    bag.write("URLPicture", m_urlPicture, QString());
}

void QorvPanel::setCaption(const QString& caption)
{
    m_caption = caption;
    m_label1->setText(caption);
    m_label1->adjustSize();
    DrawPanel();
    emit propertyChanged("Caption");
}

QorvPanel::PutResult QorvPanel::setCaptionAlign(int captionAlign)
{
    if (!fitsIn16Bits(captionAlign))
        return PutResult::Overflow;
    m_captionAlign = qint16(captionAlign);
    DrawPanel();
    emit propertyChanged("CaptionAlign");
    return PutResult::Ok;
}

void QorvPanel::setBackColor(qorv::OleColor color)
{
    m_backColor = color;
    const auto surfaceColor = qorv::toQColor(color);
    if (!surfaceColor)
        return;
    m_surfaceBackColor = *surfaceColor;
    DrawPanel();
    emit propertyChanged("BackColor");
    RefreshContainedControls();
}

QorvPanel::PutResult QorvPanel::setForeColor(qorv::OleColor color)
{
    m_foreColor = color;
    const auto surfaceColor = qorv::toQColor(color);
    if (!surfaceColor)
        return PutResult::InvalidPropertyValue;
    m_surfaceForeColor = *surfaceColor;
    DrawPanel();
    emit propertyChanged("ForeColor");
    return PutResult::Ok;
}

void QorvPanel::setEnabled(bool enabled)
{
    m_enabled = enabled;
    DrawPanel();
    for (QWidget* control : containedControls())
        control->setEnabled(enabled);
    emit propertyChanged("Enabled");
}

void QorvPanel::setFont(const QFont& font)
{
    m_font = font;
    m_surfaceFont = font;
    DrawPanel();
    emit propertyChanged("Font");
}

QorvPanel::PutResult QorvPanel::setBorderStyle(int borderStyle)
{
    if (!fitsIn16Bits(borderStyle))
        return PutResult::Overflow;
    m_borderStyle = qint16(borderStyle);
    DrawPanel();
    emit propertyChanged("BorderStyle");
    return PutResult::Ok;
}

void QorvPanel::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_tile = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    if (!m_loadingPicture) {
        m_settingPicture = true;
        setURLPicture(QString());
        m_settingPicture = false;
    }
    DrawPanel();
    emit propertyChanged("Picture");
    RefreshContainedControls();
}

void QorvPanel::setGradientBackColor(bool on)
{
    m_gradientBackColor = on;
    DrawPanel();
    emit propertyChanged("GradientBackColor");
    RefreshContainedControls();
}

void QorvPanel::setGradientColorStart(qorv::OleColor color)
{
    m_gradientColorStart = color;
    DrawPanel();
    emit propertyChanged("GradientColorStart");
    RefreshContainedControls();
}

void QorvPanel::setGradientColorEnd(qorv::OleColor color)
{
    m_gradientColorEnd = color;
    DrawPanel();
    emit propertyChanged("GradientColorEnd");
    RefreshContainedControls();
}

void QorvPanel::setGradientSens(int sens)
{
    if (!fitsIn16Bits(sens))
        return;
    m_gradientSens = qint16(sens);
    DrawPanel();
    emit propertyChanged("GradientSens");
    RefreshContainedControls();
}

void QorvPanel::setToolTipText(const QString& text)
{
    m_toolTipText = text;
    if (!text.isEmpty())
        m_tipActive = true;
    emit propertyChanged("ToolTipText");
}

void QorvPanel::setURLPicture(const QString& address)
{
    if (address == m_urlPicture)
        return;
    m_loadingPicture = !m_settingPicture;
    m_urlPicture = address;
    emit propertyChanged("URLPicture");
    if (m_settingPicture) {
        // A picture put directly replaces whatever the old address brings.
        m_pictureReader->cancel();
    } else if (!address.isEmpty()) {
        m_pictureReader->start(address);
    } else {
        m_pictureReader->cancel();
        setPicture(QImage());
    }
    m_loadingPicture = false;
}

void QorvPanel::onPictureRead(bool ok, const QImage& image)
{
    if (!ok)
        return;
    m_loadingPicture = true;
    setPicture(image);
    m_loadingPicture = false;
}

qint32 QorvPanel::hwnd() const
{
    return qint32(quint32(winId()));
}

qint32 QorvPanel::hdc() const
{
    return qint32(quint32(quint64(m_surface.cacheKey()) >> 32));
}

void QorvPanel::DrawPanel()
{
    m_label1->move(-20, -20);
    if (m_surface.size() != size())
        m_surface = size().isEmpty() ? QImage() : QImage(size(), QImage::Format_RGB32);

    qorvpanel::PanelLook look;
    look.surfaceBackColor = m_surfaceBackColor;
    look.surfaceForeColor = m_surfaceForeColor;
    look.surfaceFont = m_surfaceFont;
    look.gradientBackColor = m_gradientBackColor;
    look.gradientSens = m_gradientSens;
    look.gradientColorStart = m_gradientColorStart;
    look.gradientColorEnd = m_gradientColorEnd;
    look.tile = m_tile;
    look.borderStyle = m_borderStyle;
    look.caption = m_caption;
    look.captionAlign = m_captionAlign;
    look.enabled = m_enabled;
    qorvpanel::drawPanel(m_surface, look);
    update();
}

void QorvPanel::ShowAboutBox()
{
    frmAbout box;
    box.exec();
}

QList<QWidget*> QorvPanel::containedControls() const
{
    QList<QWidget*> controls;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m_label1 && !child->isWindow())
            controls.append(child);
    }
    return controls;
}

void QorvPanel::RefreshContainedControls()
{
    for (QWidget* control : containedControls()) {
        if (control->metaObject()->indexOfMethod("Refresh()") >= 0)
            QMetaObject::invokeMethod(control, "Refresh", Qt::DirectConnection);
        else
            control->update();
    }
}

void QorvPanel::InitToolTip()
{
    // A panel that loads its properties again stays counted once.
    if (m_joinedToolTip)
        return;
    m_joinedToolTip = true;
    qorvpanel::SharedToolTip::addPanel();
    if (!m_ambient.userMode)
        return;
    qorvpanel::SharedToolTip::createWindow();
    SubclassWindow();
    qorvpanel::SharedToolTip::addTool(this, [this] {
        m_tipTextBuffer = m_toolTipText;
        return m_tipTextBuffer;
    });
}

void QorvPanel::SubclassWindow()
{
    UnsubclassWindow();
    m_windowHook = new qorvpanel::PanelWindowHook(this);
    installEventFilter(m_windowHook);
}

void QorvPanel::UnsubclassWindow()
{
    if (!m_windowHook)
        return;
    removeEventFilter(m_windowHook);
    delete m_windowHook;
    m_windowHook = nullptr;
}

void QorvPanel::PanelWindowProc(QEvent* event)
{
    if (!m_ambient.userMode || !m_tipActive)
        return;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Leave:
        qorvpanel::SharedToolTip::relay(this, event);
        break;
    default:
        break;
    }
}

void QorvPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void QorvPanel::resizeEvent(QResizeEvent*)
{
    DrawPanel();
    RefreshContainedControls();
}

void QorvPanel::mousePressEvent(QMouseEvent* event)
{
    short button = qorv::buttonsOf(event->button());
    short shift = qorv::shiftOf(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseDown(button, shift, x, y);
}

void QorvPanel::mouseMoveEvent(QMouseEvent* event)
{
    short button = qorv::buttonsOf(event->buttons());
    short shift = qorv::shiftOf(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseMove(button, shift, x, y);
}

void QorvPanel::mouseReleaseEvent(QMouseEvent* event)
{
    short button = qorv::buttonsOf(event->button());
    short shift = qorv::shiftOf(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseUp(button, shift, x, y);
    // The host's MouseUp handler may have changed Button.
    if (button == 1)
        emit Click();
}

void QorvPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit DblClick();
    else
        mousePressEvent(event);
}
