#include "recordwindow.h"

RecordWindow::RecordWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RecordWindow"));
}

void RecordWindow::change_trans(int language)
{
    emit languageSwitchReceived(language);
}
