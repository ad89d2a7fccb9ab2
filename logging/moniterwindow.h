#pragma once

#include <QWidget>

// This page is not built yet: it only takes part in the language switch.
class MoniterWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MoniterWindow(QWidget *parent = nullptr);

signals:

public slots:
    void change_trans(int language);
};
