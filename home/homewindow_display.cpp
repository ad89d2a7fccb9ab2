#include "homewindow.h"

void HomeWindow::showRealtimeData()
{
}

void HomeWindow::showSwitchStates(const QByteArray &payload)
{
    Q_UNUSED(payload)
}

void HomeWindow::setupDisplay()
{
}

void HomeWindow::retranslateDisplay()
{
}
