#include "sharedtooltip.h"

#include <QCursor>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace qorvpanel {

namespace {

class ToolTipWindow : public QLabel {
public:
    ToolTipWindow()
        : QLabel(nullptr, Qt::ToolTip | Qt::WindowStaysOnTopHint)
    {
        setObjectName("QorvPanelToolTip");
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setAutoFillBackground(true);
        setMargin(2);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { showTipOfArmedTool(); });
    }

    QHash<QWidget*, std::function<QString()>> tools;

    void arm(QWidget* tool, int delay)
    {
        if (tool == m_armedTool && (isVisible() || m_timer.isActive()))
            return;
        hide();
        m_armedTool = tool;
        m_timer.start(delay);
    }

    void disarm(QWidget* tool)
    {
        if (tool != m_armedTool)
            return;
        m_timer.stop();
        m_armedTool = nullptr;
        hide();
    }

private:
    void showTipOfArmedTool()
    {
        const auto it = tools.constFind(m_armedTool);
        if (m_armedTool.isNull() || it == tools.constEnd())
            return;
        const QString text = (*it)();
        if (text.isEmpty())
            return;
        setText(text);
        adjustSize();
        move(QCursor::pos() + QPoint(0, 20));
        show();
    }

    QTimer m_timer;
    QPointer<QWidget> m_armedTool;
};

struct SharedState {
    QPointer<ToolTipWindow> window;
    bool created = false;
    int panelCount = 0;
    int showDelay = 500;
};

SharedState& state()
{
    static SharedState shared;
    return shared;
}

} // namespace

int SharedToolTip::panelCount()
{
    return state().panelCount;
}

bool SharedToolTip::created()
{
    return state().created;
}

QWidget* SharedToolTip::window()
{
    return state().window.data();
}

int SharedToolTip::showDelay()
{
    return state().showDelay;
}

void SharedToolTip::setShowDelay(int milliseconds)
{
    state().showDelay = milliseconds;
}

void SharedToolTip::addPanel()
{
    ++state().panelCount;
}

void SharedToolTip::removePanel()
{
    SharedState& s = state();
    --s.panelCount;
    if (s.panelCount == 0 && s.created) {
        delete s.window.data();
        s.window = nullptr;
        s.created = false;
    }
}

void SharedToolTip::createWindow()
{
    SharedState& s = state();
    if (s.created)
        return;
    s.created = true;
    s.window = new ToolTipWindow;
}

void SharedToolTip::addTool(QWidget* tool, std::function<QString()> textRequest)
{
    if (ToolTipWindow* w = state().window)
        w->tools.insert(tool, std::move(textRequest));
}

void SharedToolTip::removeTool(QWidget* tool)
{
    if (ToolTipWindow* w = state().window) {
        w->disarm(tool);
        w->tools.remove(tool);
    }
}

void SharedToolTip::relay(QWidget* tool, const QEvent* event)
{
    ToolTipWindow* w = state().window;
    if (!w || !w->tools.contains(tool))
        return;
    switch (event->type()) {
    case QEvent::MouseMove:
        w->arm(tool, state().showDelay);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Leave:
        w->disarm(tool);
        break;
    default:
        break;
    }
}

} // namespace qorvpanel
