#include "settingswindow.h"

SettingsWindow::SettingsWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SettingsWindow"));
}

void SettingsWindow::change_trans(int language)
{
    Q_UNUSED(language)
}

void SettingsWindow::onMainWindowSystemSettingClicked()
{
}
