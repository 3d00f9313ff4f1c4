#pragma once

#include "linkopening.h"
#include "vindaro_global.h"
#include "vindaroenums.h"

#include <ambientproperties.h>
#include <olecolor.h>
#include <propertybag.h>

#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>

// A one-line hyperlink label. The text takes the link colour while the mouse
// is over it, MouseLeave is raised when the mouse leaves, and a click opens
// the link. Positions and sizes in events are in twips.
class VINDARO_EXPORT Vindaro : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(short BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(qint32 hWnd READ hWnd)
    Q_PROPERTY(QImage MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(short MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QString LinkText READ LinkText WRITE setLinkText)
    Q_PROPERTY(quint32 LinkColor READ LinkColor WRITE setLinkColor)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool LinkUnderline READ LinkUnderline WRITE setLinkUnderline)

public:
    static constexpr short FixedSingleBorder = 1;
    static constexpr qorv::OleColor DefaultBackColor = 0x8000000F;
    static constexpr qorv::OleColor DefaultTextColor = 0x80000012;
    static constexpr qorv::OleColor DefaultLinkColor = 0x00FF0000;
    static inline const QString DefaultLinkText = QStringLiteral("mailto:");

    explicit Vindaro(QWidget* parent = nullptr,
                     const qorv::AmbientProperties& ambient = qorv::AmbientProperties());

    void setAmbientProperties(const qorv::AmbientProperties& ambient);
    const qorv::AmbientProperties& ambientProperties() const { return m_ambient; }

    // A new instance placed in a container.
    void initProperties();
    void writeProperties(qorv::PropertyBag& bag) const;
    void readProperties(const qorv::PropertyBag& bag);

    qorv::OleColor BackColor() const { return m_backColor; }
    void setBackColor(qorv::OleColor New_BackColor);
    short BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(short New_BorderStyle);
    QFont Font() const { return m_font; }
    void setFont(const QFont& New_Font);
    qint32 hWnd() const;
    QImage MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QImage& New_MouseIcon);
    short MousePointer() const { return m_mousePointer; }
    void setMousePointer(short New_MousePointer);
    QString LinkText() const { return m_linkText; }
    void setLinkText(const QString& New_LinkText);
    qorv::OleColor LinkColor() const { return m_linkColor; }
    void setLinkColor(qorv::OleColor New_LinkColor);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool New_AutoSize);
    bool LinkUnderline() const { return m_linkUnderline; }
    void setLinkUnderline(bool New_LinkUnderline);
    enLinkType LinkType() const { return m_linkType; }
    void setLinkType(enLinkType New_LinkType);

    // The colour the text is drawn in now: the normal colour, or the link
    // colour while hovered.
    qorv::OleColor textColor() const { return m_textColor; }
    qorv::OleColor savedNormalColor() const { return m_savedNormalColor; }
    // What the control shows, without its border.
    const QImage& persistentImage() const { return m_image; }

    // Link type mailto hands its target to this opener; the default starts
    // "xdg-open".
    void setLinkOpener(vindaro::LinkOpener opener);
    // Every other link type goes to the host's hyperlink navigation; with
    // none set, the desktop opens the text.
    void setHyperlinkNavigator(vindaro::LinkOpener navigator);

    QSize sizeHint() const override;

signals:
    void propertyChanged(const QString& name);

    void MouseLeave(short& Button, short& Shift, float& x, float& y);
    void Click();
    void DblClick();
    void MouseDown(short& Button, short& Shift, float& x, float& y);
    void MouseMove(short& Button, short& Shift, float& x, float& y);
    void MouseUp(short& Button, short& Shift, float& x, float& y);
    void Resize();
    void KeyDown(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyUp(short& KeyCode, short& Shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void RedrawLink();
    void ApplyHoverColor();
    void RestoreNormalColor();
    void OpenLink();
    void sizeToMeasuredText();
    QSize measuredTextSize() const;
    QRect textArea() const;
    void applyPointer();
    void applyBorder();
    void growImageTo(QSize size);
    void notify(const QString& name);

    qorv::AmbientProperties m_ambient;

    qorv::OleColor m_backColor = DefaultBackColor;
    short m_borderStyle = 0;
    QFont m_font;
    QImage m_mouseIcon;
    short m_mousePointer = 0;
    bool m_autoSize = true;

    enLinkType m_linkType = enLinkType::mailto;
    bool m_linkUnderline = false;
    QString m_linkText;
    qorv::OleColor m_linkColor = 0;
    qorv::OleColor m_textColor = DefaultTextColor;
    qorv::OleColor m_savedNormalColor = 0;

    // Where RedrawLink drew last, so the next redraw clears all of it.
    QRect m_lastDrawnRect;
    // The text the control was last sized for; sizing follows a change of it.
    QString m_measuredText;

    // Text cells drawn by RedrawLink; transparent elsewhere, where the back
    // colour shows through.
    QImage m_image;
    bool m_pressedInside = false;

    vindaro::LinkOpener m_linkOpener;
    vindaro::LinkOpener m_hyperlinkNavigator;
};
