#pragma once

#include "services.h"

namespace orvanta {

class QtServices : public Services {
public:
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const QString& title, const QString& filter) override;
    std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* videoParent) override;
    QDate today() override;
    QString programFolder() override;

protected:
    MessageAnswer showMessage(const Message& message) override;
};

} // namespace orvanta
