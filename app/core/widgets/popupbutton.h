#pragma once

#include <QToolButton>

// A flat toolbar button with its picture above its caption. Its state is
// shown as its availability: setting it false disables the button, setting
// it true enables it. A fresh button has never been set and is enabled.
class PopupButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(bool state READ state WRITE setState)

public:
    explicit PopupButton(QWidget* parent = nullptr);

    bool state() const { return m_state; }
    void setState(bool state);

private:
    bool m_state = false;
};
