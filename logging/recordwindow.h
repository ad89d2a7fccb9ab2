#pragma once

#include <QWidget>

// This page is not built yet: it only takes part in the language switch and
// tells each switch it received, so the main window's wiring can be followed.
class RecordWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RecordWindow(QWidget *parent = nullptr);

signals:
    void languageSwitchReceived(int language);
    void signalFromRecordWindow();
    void signal_restartFromRecordWindow();

public slots:
    void change_trans(int language);
};
