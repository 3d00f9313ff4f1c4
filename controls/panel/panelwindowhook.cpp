#include "panelwindowhook.h"

#include "qorvpanel.h"

namespace qorvpanel {

PanelWindowHook::PanelWindowHook(QorvPanel* panel)
    : QObject(panel)
    , m_panel(panel)
{
}

bool PanelWindowHook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel)
        m_panel->PanelWindowProc(event);
    return false;
}

} // namespace qorvpanel
