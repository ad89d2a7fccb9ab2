#pragma once

#include <QMainWindow>

class QStackedWidget;
class HomeWindow;
class MoniterWindow;
class RecordWindow;
class ProtectionWindow;
class SettingsWindow;
class UserWindow;
class UpdateWindow;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

signals:
    void languagechange(int language);
    void signalFromMinWindowProtect_clicked();
    void signalFromMinWindowSystemSeting_clicked();
    void signalFromMinWindowUserSeting_clicked();

private:
    QStackedWidget *stack = nullptr;
    HomeWindow *homeWindow = nullptr;
    MoniterWindow *moniterWindow = nullptr;
    RecordWindow *recordWindow = nullptr;
    ProtectionWindow *protectionWindow = nullptr;
    SettingsWindow *settingsWindow = nullptr;
    UserWindow *userWindow = nullptr;
    UpdateWindow *updateWindow = nullptr;
};
