#include "updatewindow.h"

UpdateWindow::UpdateWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("UpdateWindow"));
}

void UpdateWindow::change_trans(int language)
{
    emit languageSwitchReceived(language);
}

void UpdateWindow::onHomeWindowSearchClicked()
{
}

void UpdateWindow::onHomeWindowComIdActivated(int index)
{
    Q_UNUSED(index)
}

void UpdateWindow::onHomeWindowComBaudActivated(int index)
{
    Q_UNUSED(index)
}
