#include "protectionwindow.h"

ProtectionWindow::ProtectionWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ProtectionWindow"));
}

void ProtectionWindow::change_trans(int language)
{
    Q_UNUSED(language)
}

void ProtectionWindow::onMainWindowProtectClicked()
{
}
