#include "mainwindow.h"

#include "homewindow.h"
#include "moniterwindow.h"
#include "protectionwindow.h"
#include "recordwindow.h"
#include "settingswindow.h"
#include "updatewindow.h"
#include "userwindow.h"

#include <QStackedWidget>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    stack = new QStackedWidget(this);
    setCentralWidget(stack);
    homeWindow = new HomeWindow;
    moniterWindow = new MoniterWindow;
    recordWindow = new RecordWindow;
    protectionWindow = new ProtectionWindow;
    settingsWindow = new SettingsWindow;
    userWindow = new UserWindow;
    updateWindow = new UpdateWindow;
    for (QWidget *page : {static_cast<QWidget *>(homeWindow), static_cast<QWidget *>(moniterWindow),
                          static_cast<QWidget *>(recordWindow), static_cast<QWidget *>(protectionWindow),
                          static_cast<QWidget *>(settingsWindow), static_cast<QWidget *>(userWindow),
                          static_cast<QWidget *>(updateWindow)})
        stack->addWidget(page);
    stack->setCurrentIndex(0);
}
