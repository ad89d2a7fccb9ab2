#pragma once

#include <QWidget>

class SettingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsWindow(QWidget *parent = nullptr);

public slots:
    void change_trans(int language);
    void onMainWindowSystemSettingClicked();
};
