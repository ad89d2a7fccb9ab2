#pragma once

#include "pagetranslator.h"

#include <QMainWindow>

class QButtonGroup;
class QStackedWidget;
class QTimer;
class HomeWindow;
class MoniterWindow;
class RecordWindow;
class ProtectionWindow;
class SettingsWindow;
class UserWindow;
class UpdateWindow;

namespace Ui {
class MainWindow;
}

// The main window: side bar, the seven pages, status strip, clock and language switch.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The pages, in the order of the stack.
    HomeWindow *homeWindow() const { return home; }
    MoniterWindow *moniterWindow() const { return moniter; }
    RecordWindow *recordWindow() const { return record; }
    ProtectionWindow *protectionWindow() const { return protection; }
    SettingsWindow *settingsWindow() const { return settings; }
    UserWindow *userWindow() const { return user; }
    UpdateWindow *updateWindow() const { return update; }
    QStackedWidget *pageStack() const;

    // The language shown by the main window's own texts (index of the selector).
    int currentLanguage() const { return languageShown; }
    quint32 protectClicksCounted() const { return protectFirstClickCount; }
    quint32 settingsClicksCounted() const { return settingsFirstClickCount; }
    quint32 userClicksCounted() const { return userFirstClickCount; }

signals:
    void languagechange(int language);
    void signalFromMinWindowProtect_clicked();
    void signalFromMinWindowSystemSeting_clicked();
    void signalFromMinWindowUserSeting_clicked();

private slots:
    void on_comboBoxLanguage_currentIndexChanged(int index);
    void on_btnProtection_clicked();
    void on_btnSettings_clicked();
    void on_btnUser_clicked();
    // 50 ms: applies a language request of the user page.
    void Language_Changed();
    // 50 ms: link-state text and activity bar.
    void showLinkActivity();
    // 1000 ms: software version, serial numbers and clock.
    void showStatusStrip();

protected:
    // Before the window goes, the monitor's rows not yet in a log file are written.
    void closeEvent(QCloseEvent *event) override;

private:
    void switchLanguage(int index);

    Ui::MainWindow *ui = nullptr;
    QButtonGroup *sideBar = nullptr;
    QTimer *fastTimer = nullptr;
    QTimer *clockTimer = nullptr;
    // The main window's own texts: English at the fourth language where its file lacks them.
    PageTranslator translator{"MainWindow"};
    int languageShown = 0;
    // The question whether to stop a running download is open.
    bool closeQuestionOpen = false;

    quint32 protectFirstClickCount = 0;
    quint32 settingsFirstClickCount = 0;
    quint32 userFirstClickCount = 0;

    HomeWindow *home = nullptr;
    MoniterWindow *moniter = nullptr;
    RecordWindow *record = nullptr;
    ProtectionWindow *protection = nullptr;
    SettingsWindow *settings = nullptr;
    UserWindow *user = nullptr;
    UpdateWindow *update = nullptr;
};
