#include "homewindow.h"

HomeWindow::HomeWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HomeWindow"));
}

void HomeWindow::change_trans(int language)
{
    Q_UNUSED(language)
}

void HomeWindow::sendCmdRecordDataToBms_cmd()
{
}

void HomeWindow::close_serialPort()
{
}

void HomeWindow::Connect_clicked()
{
}

HomeWindow::~HomeWindow() = default;
