#pragma once

#include <QObject>

class QorvPanel;

namespace qorvpanel {

// Sees every event of a panel's window before the window does, the way a
// replaced window procedure would, and always lets the event go on.
class PanelWindowHook : public QObject {
public:
    explicit PanelWindowHook(QorvPanel* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QorvPanel* m_panel;
};

} // namespace qorvpanel
