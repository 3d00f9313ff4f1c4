#pragma once

#include <QDate>
#include <QString>
#include <memory>

class QWidget;

namespace orvanta {

class MediaPlayer;

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString title;
};

// Everything the windows ask of the desktop: message and input boxes, the
// file dialog, media players, the clock and the program folder. The program
// uses the Qt implementation; tests script their own.
class Services {
public:
    static inline const QString ProgramTitle = QStringLiteral("Orvanta");

    virtual ~Services() = default;

    // A message without a title of its own shows the program's title.
    MessageAnswer messageBox(const QString& text, MessageIcon icon = MessageIcon::None,
                             MessageButtons buttons = MessageButtons::Ok, const QString& title = QString())
    {
        return showMessage({text, icon, buttons, title.isEmpty() ? ProgramTitle : title});
    }

    // Gives "" when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // Gives "" when the user cancels.
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
    // A hidden player gives sound only; a visible one shows video in videoParent.
    virtual std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* videoParent = nullptr) = 0;
    virtual QDate today() = 0;
    // The folder that holds the program.
    virtual QString programFolder() = 0;

protected:
    virtual MessageAnswer showMessage(const Message& message) = 0;
};

} // namespace orvanta
