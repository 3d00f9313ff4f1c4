#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QWidget;

namespace Ui {
class frmmain;
}

namespace orvanta {
class MediaPlayer;
class RowSet;
class Services;
struct FindCommand;
struct ModifyCommand;
}

// The main window: one contact at a time on three pages, the menu, toolbar
// and list bar that start every command, and the status bar.
class frmmain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmmain(orvanta::Services& services, QWidget* parent = nullptr);
    ~frmmain() override;

    QString databasePath() const;
    // The banner's next left position, in twips, after one tick of Timer1.
    static int nextBannerLeft(int left, int width, int windowWidth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Data1_Reposition();
    void Data1_Error(const QString& message);
    void ctListBar1_ItemClick(int group, int item);

    // Tells the user when there is no row to move to.
    bool reportEmptyTable();
    void mnusjl_Click();
    void mnusytjl_Click();
    void mnuxytjl_Click();
    void mnuwjl_Click();
    void mnuexit_Click();

    void mnuadd_Click();
    void mnusave_Click();
    void mnuxgdqjl_Click();
    void Text23_DblClick();
    void askToAddAnother();

    void mnuabhcx_Click();
    void mnuaxmcx_Click();
    void mnuasjhmcx_Click();
    void mnuadhhmcx_Click();
    void mnuabhxgjl_Click();
    void mnuaxmxgjl_Click();

    void mnudeldqjl_Click();
    void mnudelall_Click();

    void SetFieldsLocked(bool locked);
    void focusNextInTabOrder(QWidget* from);
    void enterViewing();
    void enterEditing();
    void find(const orvanta::FindCommand& command);
    void modifyByKey(const orvanta::ModifyCommand& command);
    void playDeletionSound();

    // Each panel reads the property set stored with the window definition.
    void loadPanels();
    void connectHandlers();
    void makeSeparators();
    void createStatusPanels();
    QLineEdit* field(int number) const;
    orvanta::RowSet& rows() const;
    qint64 rowCount() const;
    // Runs a command; a failure reaches the user as a message.
    void reportFailures(const std::function<void()>& command);

    std::unique_ptr<Ui::frmmain> ui;
    orvanta::Services& m_services;
    std::array<QLabel*, 4> m_statusPanels {};
    QTimer Timer1;
    int m_bannerLeft = 0;
    // The sound-effects player, made on first use.
    std::unique_ptr<orvanta::MediaPlayer> MediaPlayer2;
};
