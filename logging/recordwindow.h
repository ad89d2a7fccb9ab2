#pragma once

#include <QWidget>

// This page is not built yet: it only takes part in the language switch.
class RecordWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RecordWindow(QWidget *parent = nullptr);

signals:
    void signalFromRecordWindow();
    void signal_restartFromRecordWindow();

public slots:
    void change_trans(int language);
};
