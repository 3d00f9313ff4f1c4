#pragma once

#include "qorvpanel_export.h"

#include <QString>

#include <functional>

class QEvent;
class QWidget;

namespace qorvpanel {

// The one tooltip window of the process, shared by all panels. Panels join
// when they load their stored properties and leave when they end; the
// window lives while a running panel needs it.
class QORVPANEL_EXPORT SharedToolTip {
public:
    static int panelCount();
    static bool created();
    // The tooltip window, nullptr when there is none.
    static QWidget* window();

    // Milliseconds from the last relayed move over a tool to showing its tip.
    static int showDelay();
    static void setShowDelay(int milliseconds);

    static void addPanel();
    // Destroys the window when the last panel has left.
    static void removePanel();
    static void createWindow();

    // The tool's text is asked for each time the tip is about to show.
    static void addTool(QWidget* tool, std::function<QString()> textRequest);
    static void removeTool(QWidget* tool);
    // Mouse messages of a tool: moves arm the tip, buttons and leaving hide it.
    static void relay(QWidget* tool, const QEvent* event);
};

} // namespace qorvpanel
