#pragma once

#include <QWidget>

// This page is not built yet: it only takes part in the language switch and
// tells each switch it received, so the main window's wiring can be followed.
class MoniterWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MoniterWindow(QWidget *parent = nullptr);

signals:
    void languageSwitchReceived(int language);

public slots:
    void change_trans(int language);
};
