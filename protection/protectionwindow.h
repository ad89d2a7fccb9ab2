#pragma once

#include <QWidget>

class ProtectionWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProtectionWindow(QWidget *parent = nullptr);

public slots:
    void change_trans(int language);
    void onMainWindowProtectClicked();
};
