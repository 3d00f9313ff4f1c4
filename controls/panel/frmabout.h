#pragma once

#include "qorvpanel_export.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <memory>

namespace Ui {
class frmAbout;
}

// The About box of the panel library: name, version, copyright and the
// maker's e-mail address, which opens a new mail when clicked.
class QORVPANEL_EXPORT frmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* makerEmail = "qorvpanel@qorv.example";

    // Opens a mailto: address; failures are ignored.
    using MailOpener = std::function<void(const QUrl&)>;
    // Replaces the desktop's URL handler (QDesktopServices::openUrl); an
    // empty opener restores it.
    static void setMailOpener(MailOpener opener);

    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lblEmail_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
