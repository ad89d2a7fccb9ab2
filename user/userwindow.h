#pragma once

#include <QWidget>

// This page is not built yet: it only takes part in the language switch.
class UserWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UserWindow(QWidget *parent = nullptr);

signals:

public slots:
    void change_trans(int language);
    void onMainWindowUserClicked();
};
