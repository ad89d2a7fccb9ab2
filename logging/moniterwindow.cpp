#include "moniterwindow.h"

MoniterWindow::MoniterWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MoniterWindow"));
}

void MoniterWindow::change_trans(int language)
{
    emit languageSwitchReceived(language);
}
