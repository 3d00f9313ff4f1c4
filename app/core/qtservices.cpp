#include "qtservices.h"

#include "qtmediaplayer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orvanta {

namespace {
QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageAnswer QtServices::showMessage(const Message& message)
{
    QMessageBox box(toQt(message.icon), message.title, message.text, QMessageBox::NoButton, QApplication::activeWindow());
    if (message.buttons == MessageButtons::YesNo) {
        box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        QAbstractButton* no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        box.exec();
        return box.buttonRole(box.clickedButton()) == QMessageBox::YesRole ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
    return MessageAnswer::Ok;
}

QString QtServices::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? ProgramTitle : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtServices::openFileName(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filter);
}

std::unique_ptr<MediaPlayer> QtServices::createMediaPlayer(QWidget* videoParent)
{
    return std::make_unique<QtMediaPlayer>(videoParent);
}

QDate QtServices::today()
{
    return QDate::currentDate();
}

QString QtServices::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace orvanta
