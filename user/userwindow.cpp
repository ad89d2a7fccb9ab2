#include "userwindow.h"

UserWindow::UserWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("UserWindow"));
}

void UserWindow::change_trans(int language)
{
    emit languageSwitchReceived(language);
}

void UserWindow::onMainWindowUserClicked()
{
}
