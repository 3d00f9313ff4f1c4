#include "popupbutton.h"

PopupButton::PopupButton(QWidget* parent)
    : QToolButton(parent)
{
    // Auto-raise keeps the button flat over the panel's picture until hovered.
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(16, 16));
}

void PopupButton::setState(bool state)
{
    m_state = state;
    setEnabled(state);
}
