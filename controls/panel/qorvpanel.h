#pragma once

#include "qorvpanel_export.h"

#include <ambientproperties.h>
#include <controlserver.h>
#include <olecolor.h>
#include <propertybag.h>

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;

namespace qorvpanel {
class PanelWindowHook;
class UrlPictureReader;
} // namespace qorvpanel

// A container panel: plain, two-colour gradient or tiled-picture
// background, one of seven edges and a caption at one of nine positions.
// It draws into a persistent image when a property changes or it is
// resized; repaints only show that image.
class QORVPANEL_EXPORT QorvPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(CaptionAlignConstants CaptionAlign READ captionAlign WRITE setCaptionAlign)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ isPanelEnabled WRITE setEnabled)
    Q_PROPERTY(QFont Font READ panelFont WRITE setFont)
    Q_PROPERTY(frameBorderStyleConstants BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QImage Picture READ picture WRITE setPicture DESIGNABLE false)
    Q_PROPERTY(bool GradientBackColor READ gradientBackColor WRITE setGradientBackColor)
    Q_PROPERTY(uint GradientColorStart READ gradientColorStart WRITE setGradientColorStart)
    Q_PROPERTY(uint GradientColorEnd READ gradientColorEnd WRITE setGradientColorEnd)
    Q_PROPERTY(GradateSensConstant GradientSens READ gradientSens WRITE setGradientSens)
    Q_PROPERTY(qint32 hdc READ hdc DESIGNABLE false STORED false)
    Q_PROPERTY(qint32 hwnd READ hwnd DESIGNABLE false STORED false)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(QString URLPicture READ urlPicture WRITE setURLPicture)

public:
    // Values outside an enumeration are kept as they are; painting treats
    // them as no edge, caption at (0, 0) and no gradient background.
    enum frameBorderStyleConstants : qint16 { Raised = 0, Sunken = 1, Etched = 2, bump = 3, SoftRaised = 4, SoftSunken = 5, Flat = 6 };
    Q_ENUM(frameBorderStyleConstants)
    enum CaptionAlignConstants : qint16 {
        CaptionLeftTop = 0,
        CaptionCenterTop = 1,
        CaptionRightTop = 2,
        CaptionLeftMiddle = 3,
        CaptionCenterMiddle = 4,
        CaptionRightMiddle = 5,
        CaptionLeftBottom = 6,
        CaptionCenterBottom = 7,
        CaptionRightBottom = 8
    };
    Q_ENUM(CaptionAlignConstants)
    enum GradateSensConstant : qint16 { Horizontal = 0, Vertical = 1 };
    Q_ENUM(GradateSensConstant)

    // How a property put that can fail ended. A failed put of BorderStyle
    // or CaptionAlign stored nothing; a failed ForeColor put stored the value
    // but neither drew nor notified.
    enum class PutResult { Ok, Overflow, InvalidPropertyValue };
    Q_ENUM(PutResult)

    explicit QorvPanel(QWidget* parent = nullptr);
    explicit QorvPanel(const qorv::AmbientProperties& ambient, QWidget* parent = nullptr);
    ~QorvPanel() override;

    const qorv::AmbientProperties& ambientProperties() const { return m_ambient; }
    void setAmbientProperties(const qorv::AmbientProperties& ambient);

    // New instance: the defaults, stored only; nothing is drawn.
    void initProperties();
    // Stored property set of the host: load and save.
    void readProperties(const qorv::PropertyBag& bag);
    void writeProperties(qorv::PropertyBag& bag) const;

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    CaptionAlignConstants captionAlign() const { return CaptionAlignConstants(m_captionAlign); }
    PutResult setCaptionAlign(int captionAlign);
    qorv::OleColor backColor() const { return m_backColor; }
    void setBackColor(qorv::OleColor color);
    qorv::OleColor foreColor() const { return m_foreColor; }
    PutResult setForeColor(qorv::OleColor color);
    // Enabled and Font belong to the panel and hide QWidget's setters, so
    // that code generated from a form sets them as the panel's properties:
    // the window itself stays enabled and receives the mouse.
    bool isPanelEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QFont panelFont() const { return m_font; }
    void setFont(const QFont& font);
    frameBorderStyleConstants borderStyle() const { return frameBorderStyleConstants(m_borderStyle); }
    PutResult setBorderStyle(int borderStyle);
    // A null image is no picture.
    QImage picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool gradientBackColor() const { return m_gradientBackColor; }
    void setGradientBackColor(bool on);
    qorv::OleColor gradientColorStart() const { return m_gradientColorStart; }
    void setGradientColorStart(qorv::OleColor color);
    qorv::OleColor gradientColorEnd() const { return m_gradientColorEnd; }
    void setGradientColorEnd(qorv::OleColor color);
    GradateSensConstant gradientSens() const { return GradateSensConstant(m_gradientSens); }
    // A value outside 16 bits is ignored.
    void setGradientSens(int sens);
    QString toolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& text);
    // Loads the picture asynchronously from an http, https or file address;
    // an empty address clears the picture.
    QString urlPicture() const { return m_urlPicture; }
    void setURLPicture(const QString& address);

    // Stand-ins for the window and device-context handles: the native window
    // id and the persistent image's cache key, both truncated to 32 bits.
    qint32 hwnd() const;
    qint32 hdc() const;

    // Redraws the persistent image from the stored properties.
    void DrawPanel();
    const QImage& surfaceImage() const { return m_surface; }

    bool tipActive() const { return m_tipActive; }

public slots:
    void ShowAboutBox();

signals:
    void propertyChanged(const QString& name);

    void Click();
    void DblClick();
    void KeyDown(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyUp(short& KeyCode, short& Shift);
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class qorvpanel::PanelWindowHook;

    QList<QWidget*> containedControls() const;
    void RefreshContainedControls();
    void InitToolTip();
    void SubclassWindow();
    void UnsubclassWindow();
    void PanelWindowProc(QEvent* event);
    void onPictureRead(bool ok, const QImage& image);

    qorv::InstanceCounter::Token m_instanceToken;
    qorv::AmbientProperties m_ambient;

    QImage m_picture;
    QImage m_tile; // m_picture as Format_RGB32, for tiling
    bool m_gradientBackColor = false;
    QString m_toolTipText;
    qint16 m_captionAlign = 0;
    QString m_caption;
    qorv::OleColor m_backColor = 0x8000000F;
    qorv::OleColor m_foreColor = 0;
    bool m_enabled = true;
    QFont m_font;
    qint16 m_borderStyle = 0;
    qint16 m_gradientSens = 0;
    qorv::OleColor m_gradientColorStart = 0x808080;
    qorv::OleColor m_gradientColorEnd = 0xE0E0E0;
    bool m_tipActive = false;
    QString m_tipTextBuffer;
    qorvpanel::PanelWindowHook* m_windowHook = nullptr;
    bool m_settingPicture = false;
    bool m_loadingPicture = false;
    QString m_urlPicture;

    bool m_joinedToolTip = false;
    QImage m_surface;
    QColor m_surfaceBackColor;
    QColor m_surfaceForeColor;
    QFont m_surfaceFont;
    QLabel* m_label1 = nullptr;
    qorvpanel::UrlPictureReader* m_pictureReader = nullptr;
};
