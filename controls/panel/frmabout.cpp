#include "frmabout.h"

#include "qorvpanelversion.h"
#include "ui_frmabout.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {

frmAbout::MailOpener& mailOpener()
{
    static frmAbout::MailOpener opener;
    return opener;
}

} // namespace

void frmAbout::setMailOpener(MailOpener opener)
{
    mailOpener() = std::move(opener);
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setFixedSize(size());

    const qorv::VersionInfo* version = QorvVersionInfo();
    const QString name = version->internalName;
    setWindowTitle("About " + name);
    ui->lblControlInfo->setText(
        QStringLiteral("%1.ocx  V%2.%3").arg(name).arg(version->major).arg(version->minor));
    ui->lblcopyright->setText(version->legalCopyright);

    QFont emailFont("MS Sans Serif");
    emailFont.setPointSizeF(8.25);
    emailFont.setUnderline(true);
    ui->lblEmail->setFont(emailFont);
    QPalette palette = ui->lblEmail->palette();
    palette.setColor(QPalette::WindowText, QColor(10, 36, 106));
    ui->lblEmail->setPalette(palette);
    ui->lblEmail->setText(QString::fromLatin1(makerEmail));
    ui->lblEmail->installEventFilter(this);

    for (QLabel* label : {ui->lblControlInfo, ui->lblcopyright, ui->lblEmail})
        label->adjustSize();

    connect(ui->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
}

frmAbout::~frmAbout() = default;

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->lblEmail && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && ui->lblEmail->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        lblEmail_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::lblEmail_Click()
{
    QUrl address;
    address.setScheme("mailto");
    address.setPath(ui->lblEmail->text());
    if (mailOpener())
        mailOpener()(address);
    else
        QDesktopServices::openUrl(address);
}
