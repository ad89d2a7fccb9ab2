#pragma once

#include <QWidget>

// This page is not built yet: it only takes part in the language switch.
class UpdateWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateWindow(QWidget *parent = nullptr);

signals:
    void signalFromUpdateWindowOpenCom();
    void signalFromUpdateWindowoDownloadFinish();

public slots:
    void change_trans(int language);
    void onHomeWindowSearchClicked();
    void onHomeWindowComIdActivated(int index);
    void onHomeWindowComBaudActivated(int index);
};
